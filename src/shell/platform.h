#pragma once

#include <QString>

class QKeyEvent;
class Translations;

// What the program needs from the platform it runs on, where desktops differ. Each platform has
// one source of its own, chosen by the build: platform_unix.cpp for Linux and the BSDs,
// platform_windows.cpp for Windows.
namespace platform {

// Why no window can be opened, in one line of the interface language, with what the user can do
// about it. `toolkitReason` is the toolkit's own reason for the failure, in one line.
QString windowSystemFailure(const Translations& translations, const QString& toolkitReason);

// Where a text the program says without its window goes: its help and version, or a mistake on
// the command line and a failure to start.
enum class Channel { Output, Error };

// Says a text that the program has to say before, or instead of, opening its window.
void tell(Channel channel, const QString& text);

// The key a US keyboard has at the place of the key pressed (a letter, a digit, a bracket), or
// Qt::Key_unknown when the platform does not tell the place: the same place does the same in
// every keyboard layout.
int keyPosition(const QKeyEvent& event);

// The desktop session the program runs in, for the user: one window of the program a session.
QString sessionName();

// The folder for the files of a running session: the user's runtime folder where the system
// keeps one (a memory file system on Linux), else the temporary folder.
QString sessionFolder();

// The lock of a file of the session, made if need be, held from construction while the process
// lives, unless another process holds it. The system lets it go with the process however that
// ends; ended normally, the file goes too, and one that a crash left is taken again by the next
// start.
class SessionLock {
  public:
    explicit SessionLock(const QString& path);
    ~SessionLock();
    SessionLock(const SessionLock&) = delete;
    SessionLock& operator=(const SessionLock&) = delete;

    // Whether this process holds it (false: another one does).
    bool held() const { return held_; }

  private:
    QString path_;
    long long handle_ = -1;  // the platform's handle of the open file
    bool held_ = false;
};

// A write to a connection whose other end has gone (the window system's, when its server ends)
// fails with an error, which the toolkit reports, instead of ending the process by a signal.
void survivePeersGone();

}  // namespace platform
