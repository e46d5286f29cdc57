// Writes the desktop entry, the metainfo and the icons of the program at build time:
//
//   velmora_desktop_files SHARE_DIR RELEASE_DATE
//
// SHARE_DIR is laid out as the system's share folder; RELEASE_DATE (YYYY-MM-DD) is this
// version's.

#include <QCoreApplication>
#include <QDate>
#include <cstdio>

#include "desktop/desktop_files.h"

int main(int argc, char* argv[]) {
    const QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QDate release =
        arguments.size() == 3 ? QDate::fromString(arguments[2], Qt::ISODate) : QDate();
    if (!release.isValid()) {
        std::fputs("usage: velmora_desktop_files SHARE_DIR RELEASE_DATE (YYYY-MM-DD)\n", stderr);
        return 2;
    }
    return desktop::writeDesktopFiles(arguments[1], release) ? 0 : 1;
}
