// Whether a program still paints its window: covers a corner of the window for a moment with a
// window of its own, which leaves the corner for the program to paint again, and waits for the
// program to paint into its window (seen through the X server's DAMAGE extension). Any painting
// counts, so a demonstration that is running passes at once, and one at rest by repainting the
// corner. A program that no longer paints, busy or stuck, fails.
//
//   repainted WINDOW_ID MILLISECONDS    (the id as xdotool prints it, decimal or 0x hexadecimal)
//
// Ends with status 0 when the program paints within the time, 1 when it does not, 2 when that
// cannot be told (no display, no such window, no DAMAGE extension).

#include <poll.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <memory>

int main(int argc, char* argv[]) {
    using Clock = std::chrono::steady_clock;
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(nullptr, nullptr), xcb_disconnect);
    xcb_connection_t* c = connection.get();
    const xcb_query_extension_reply_t* damage =
        xcb_connection_has_error(c) ? nullptr : xcb_get_extension_data(c, &xcb_damage_id);
    if (argc != 3 || !damage || !damage->present) {
        return 2;
    }
    const auto window = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
    const auto deadline = Clock::now() + std::chrono::milliseconds(std::atoi(argv[2]));
    std::free(xcb_damage_query_version_reply(
        c, xcb_damage_query_version(c, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    xcb_translate_coordinates_reply_t* corner = xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, window, screen->root, 0, 0), nullptr);
    if (!corner) {
        return 2;
    }
    // The server reports the whole window at once, as a state to start from; only what is
    // painted after that counts.
    const xcb_damage_damage_t damaged = xcb_generate_id(c);
    xcb_damage_create(c, damaged, window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
        std::free(event);
    }
    xcb_damage_subtract(c, damaged, XCB_NONE, XCB_NONE);
    const xcb_window_t cover = xcb_generate_id(c);
    const uint32_t values[] = {screen->black_pixel, 1};
    xcb_create_window(c, XCB_COPY_FROM_PARENT, cover, screen->root, corner->dst_x, corner->dst_y,
                      48, 48, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                      XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT, values);
    std::free(corner);
    xcb_map_window(c, cover);
    xcb_destroy_window(c, cover);
    xcb_flush(c);

    const uint8_t painted = damage->first_event + XCB_DAMAGE_NOTIFY;
    for (auto now = Clock::now(); now < deadline && !xcb_connection_has_error(c);
         now = Clock::now()) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
            const bool ours =
                (event->response_type & 0x7f) == painted &&
                reinterpret_cast<xcb_damage_notify_event_t*>(event)->drawable == window;
            std::free(event);
            if (ours) {
                return 0;
            }
        }
        pollfd readable{xcb_get_file_descriptor(c), POLLIN, 0};
        poll(&readable, 1,
             static_cast<int>(
                 std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now).count()));
    }
    return 1;
}
