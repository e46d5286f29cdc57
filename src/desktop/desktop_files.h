#pragma once

// The build's tool for the Linux desktop: the menu entry, metainfo and icons, written from the
// program's own texts and drawings.

#include <QDate>
#include <QString>

// The files through which a desktop knows the program, written when it is built: the menu entry
// (applications/<id>.desktop), the description for software centres (metainfo/<id>.metainfo.xml,
// with `release` as this version's date) and the icon at every size of the icon themes and as
// SVG (icons/hicolor/...). Their texts are the program's own Russian and the English of its
// translation; <id> is the application id.
//
// Writes them into `shareDir`, laid out as under the system's share folder; false, with a
// message on stderr, when a file cannot be written.
namespace desktop {

bool writeDesktopFiles(const QString& shareDir, QDate release);

}  // namespace desktop
