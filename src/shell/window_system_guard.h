#pragma once

class Translations;

// While the application object opens the windowing system, a failure to open it (no display, or
// a display that cannot be reached) ends the program with one clear line and status 1, instead
// of the toolkit's abort, core dump and advice to reinstall. The toolkit's own messages of that
// moment are held back, and passed on as usual if the windowing system opens after all.
class WindowSystemGuard {
  public:
    explicit WindowSystemGuard(const Translations& translations);
    ~WindowSystemGuard();

    WindowSystemGuard(const WindowSystemGuard&) = delete;
    WindowSystemGuard& operator=(const WindowSystemGuard&) = delete;
};
