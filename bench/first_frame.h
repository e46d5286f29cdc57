#pragma once

// When a program's first frame reaches the X server, seen from outside the program: the server
// reports the creation of every top-level window, each is watched through the DAMAGE extension,
// and the first drawing into any of them is the first frame. Nothing in the program measured
// knows of it, so a program of our own and a bare window of the toolkit are measured alike.

#include <poll.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <QElapsedTimer>
#include <memory>
#include <vector>

namespace bench {

class FirstFrameWatch {
  public:
    // Connects to the display of the environment; check ready().
    FirstFrameWatch() : connection_(xcb_connect(nullptr, nullptr), xcb_disconnect) {
        xcb_connection_t* c = connection_.get();
        if (xcb_connection_has_error(c)) {
            return;
        }
        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c, &xcb_damage_id);
        if (!damage || !damage->present) {
            return;
        }
        damageEvent_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        xcb_damage_query_version_reply_t* version = xcb_damage_query_version_reply(
            c, xcb_damage_query_version(c, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
            nullptr);
        free(version);
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &events);
        xcb_flush(c);
        ready_ = true;
    }

    bool ready() const { return ready_; }

    // Forgets the windows seen so far and what is still to be reported of them: call it before
    // the program to be measured starts.
    void reset() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_.get())) {
            free(event);
        }
        windows_.clear();
    }

    // Waits for the first drawing into a top-level window created since the last reset(); false
    // when none comes within `timeoutMs`.
    bool waitForFirstFrame(int timeoutMs) {
        xcb_connection_t* c = connection_.get();
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
                const bool drawn = handle(*event);
                free(event);
                if (drawn) {
                    return true;
                }
            }
            pollfd readable{xcb_get_file_descriptor(c), POLLIN, 0};
            poll(&readable, 1, static_cast<int>(timeoutMs - clock.elapsed()));
            if (xcb_connection_has_error(c)) {
                return false;
            }
        }
        return false;
    }

  private:
    // True for the first drawing into a window being watched.
    bool handle(const xcb_generic_event_t& event) {
        const uint8_t type = event.response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            // Watched before the program can draw into it: it maps the window and waits for the
            // server's expose first.
            xcb_connection_t* c = connection_.get();
            const xcb_window_t window =
                reinterpret_cast<const xcb_create_notify_event_t&>(event).window;
            xcb_damage_create(c, xcb_generate_id(c), window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(c);
            windows_.push_back(window);
            return false;
        }
        if (type == damageEvent_) {
            const auto drawable =
                reinterpret_cast<const xcb_damage_notify_event_t&>(event).drawable;
            return std::find(windows_.begin(), windows_.end(), drawable) != windows_.end();
        }
        return false;  // other windows' changes, and errors about windows already gone
    }

    std::unique_ptr<xcb_connection_t, void (*)(xcb_connection_t*)> connection_;
    bool ready_ = false;
    uint8_t damageEvent_ = 0;
    std::vector<xcb_window_t> windows_;
};

}  // namespace bench
