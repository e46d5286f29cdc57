#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class ProjectorView;
class QByteArray;
class QKeyEvent;
class QWidget;
class Translations;

// What the program needs from the platform it runs on, where desktops differ. Each platform has
// one source of its own, chosen by the build: platform_unix.cpp for Linux and the BSDs,
// platform_windows.cpp for Windows, platform_web.cpp for a browser; what both desktops do alike
// is in platform_desktop.cpp.
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
    // Neither is needed where each program has its files to itself (a browser's page).
    [[maybe_unused]] QString path_;
    [[maybe_unused]] long long handle_ = -1;  // the platform's handle of the open file
    bool held_ = false;
};

// Options the platform gives besides the command line's, read as if they followed it: in a
// browser, the page address's (?lang=en as --lang en, ?element=capacitor as --element
// capacitor); none on a desktop.
QStringList pageOptions();

// The interface language where neither the options nor the settings name one: Russian on every
// desktop, whatever its locale; in a browser, English where the browser asks for English first.
QString firstLanguage();

// Whether the window is a browser's page: it fills the page, which the platform sizes, so the
// program offers no commands that size the window, and there is no command line to list.
bool windowIsPage();

// Shows the window on its page (windowIsPage()): full screen, the scene fitted to the page, again
// whenever the page changes its size, and a long press of a finger opens the window's context
// menu as a right click does. Nothing on a desktop.
void showOnPage(QWidget& window, ProjectorView& view);

// The platform's own way of keeping a file the user saves, where it has one: the browser's
// download of `content` under the name offered. None on a desktop, where the program's save
// dialog asks where the file goes.
using FileOffer = std::function<void(const QByteArray& content, const QString& name)>;
FileOffer fileOffer();

// A write to a connection whose other end has gone (the window system's, when its server ends)
// fails with an error, which the toolkit reports, instead of ending the process by a signal.
void survivePeersGone();

}  // namespace platform
