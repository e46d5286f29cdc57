// Does to a top-level window what a click on its close box does: a window manager sends the
// window's owner a WM_DELETE_WINDOW message. The private X servers of the end-to-end tests run
// no window manager, so this sends it instead.
//
//   close_box WINDOW_ID      (the id as xdotool prints it, decimal or 0x hexadecimal)

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: close_box WINDOW_ID\n", stderr);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("close_box: cannot open the display\n", stderr);
        return 1;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    XCloseDisplay(display);  // flushes the message to the server
    return sent ? 0 : 1;
}
