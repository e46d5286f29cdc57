#include <windows.h>

#include <QDir>
#include <QKeyEvent>
#include <QString>

#include "shell/pc_keyboard.h"
#include "shell/platform.h"
#include "shell/translations.h"

namespace platform {

namespace {

// A standard handle that leads somewhere: a console, a file or a pipe.
bool leadsSomewhere(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// Writes to a console in UTF-16, which it shows whatever its code page; to a file or a pipe in
// UTF-8.
void write(HANDLE handle, const QString& text) {
    DWORD written = 0;
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        WriteConsoleW(handle, text.utf16(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    const QByteArray bytes = text.toUtf8();
    WriteFile(handle, bytes.constData(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// Set once the toolkit has shown why the window cannot open in a message box of its own.
bool toolkitShowedFailure = false;

}  // namespace

// Windows names no display: the toolkit's own reason is the first line of its message. That
// reason is its platform plugin missing or broken, a damaged installation; a program without a
// console has already seen it in the toolkit's message box, with the advice to reinstall, and
// says no more.
QString windowSystemFailure(const Translations& translations, const QString& toolkitReason) {
    toolkitShowedFailure = GetConsoleWindow() == nullptr;
    return translations
        .translate("WindowSystemGuard",
                   QT_TRANSLATE_NOOP("WindowSystemGuard", "velmora: окно не открыть: %1"))
        .arg(toolkitReason.section(QLatin1Char('\n'), 0, 0));
}

// A program with a window has no console of its own. Started from a console (cmd, PowerShell) it
// writes there; with its output sent to a file or a pipe, there; started from Explorer or a
// shortcut, it shows the text in a message box, as Windows programs do.
void tell(Channel channel, const QString& text) {
    const DWORD stream = channel == Channel::Error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
    const QString line = text.endsWith(QLatin1Char('\n')) ? text : text + QLatin1Char('\n');
    HANDLE handle = GetStdHandle(stream);
    if (leadsSomewhere(handle)) {
        write(handle, line);
        return;
    }
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        handle = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                             nullptr);
        if (leadsSomewhere(handle)) {
            write(handle, line);
            CloseHandle(handle);
            return;
        }
    }
    if (toolkitShowedFailure) {
        return;
    }
    const UINT icon = channel == Channel::Error ? MB_ICONWARNING : MB_ICONINFORMATION;
    MessageBoxW(nullptr, qUtf16Printable(text.trimmed()), L"Velmora", MB_OK | icon);
}

// Windows tells the key's set-1 scan code, the extended keys' with 0xE0 as 0x100 added.
int keyPosition(const QKeyEvent& event) {
    return pc_keyboard::keyAt(static_cast<int>(event.nativeScanCode()));
}

// The user, and the session of Windows that holds the desktop: a user logged on twice, at the
// console and remotely, has two.
QString sessionName() {
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    return QStringLiteral("%1-%2").arg(qEnvironmentVariable("USERNAME")).arg(session);
}

// The user's temporary folder: Windows keeps no runtime folder, and the user's profile is no place
// for files of a session.
QString sessionFolder() {
    return QDir::tempPath();
}

// A file opened for no one else to open, and removed by the system once the handle closes: the
// handle stays open, and the file closed to others, until the lock is let go or the process ends,
// however it ends. A file that is going away is refused like one that is held.
SessionLock::SessionLock(const QString& path) : path_(path) {
    const HANDLE file =
        CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), GENERIC_WRITE, 0, nullptr,
                    OPEN_ALWAYS, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        handle_ = reinterpret_cast<long long>(file);
        held_ = true;
        return;
    }
    const DWORD error = GetLastError();
    held_ = error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED;
}

SessionLock::~SessionLock() {
    if (handle_ != -1) {
        CloseHandle(reinterpret_cast<HANDLE>(handle_));
    }
}

// Windows has no signal for a write to a closed connection: the write fails.
void survivePeersGone() {}

}  // namespace platform
