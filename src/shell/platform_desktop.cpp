#include <QByteArray>

#include "shell/platform.h"

// What Linux and Windows share against a browser: the window has the size the program asks for,
// the command line is all the options, and a saved file goes where the save dialog says.
namespace platform {

QStringList pageOptions() {
    return {};
}

// Russian on every desktop, whatever its locale.
QString firstLanguage() {
    return QStringLiteral("ru");
}

bool windowIsPage() {
    return false;
}

void showOnPage(QWidget&, ProjectorView&) {}

FileOffer fileOffer() {
    return {};
}

}  // namespace platform
