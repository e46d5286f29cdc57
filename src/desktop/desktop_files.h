#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

class Translations;

// The files through which a desktop knows the program, written when it is built: the menu entry,
// the description for software centres (AppStream metainfo) and the icon. Their texts are the
// program's own Russian with the English of its translation; the id is the application id.
namespace desktop {

// The menu entry, to install as applications/<id>.desktop.
QString desktopEntry(const Translations& english);

// The metainfo, to install as metainfo/<id>.metainfo.xml; `release` is this version's date.
QByteArray metainfo(const Translations& english, QDate release);

// The icon's design as a scalable SVG, to install in the icon theme's scalable size.
QByteArray scalableIcon();

// Writes the three and the icon at every size of the icon themes into `shareDir`, laid out as
// under the system's share folder; false, with a message on stderr, when a file cannot be
// written.
bool writeDesktopFiles(const QString& shareDir, QDate release);

}  // namespace desktop
