#include "shell/identity.h"

#include <QGuiApplication>

namespace identity {

QString version() {
    return QStringLiteral(VELMORA_VERSION);
}

void apply() {
    QCoreApplication::setApplicationName(QString::fromLatin1(kName));
    QCoreApplication::setApplicationVersion(version());
    QCoreApplication::setOrganizationDomain(QStringLiteral("velmora.org"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
}

}  // namespace identity
