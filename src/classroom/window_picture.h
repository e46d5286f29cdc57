#pragma once

#include <QImage>
#include <QString>

class QDateTime;
class QWidget;

// A picture of the window as it shows at this moment, with everything drawn on it at run time,
// in the window's device pixels (twice the laid-out size at scale 2).
QImage windowPicture(QWidget& window);

// The name a picture is offered under: velmora-2026-12-08-101500.png for that date and time.
QString pictureFileName(const QDateTime& when);

// Where a picture the user chose to save as `chosen` goes: there, when the name ends in the
// suffix of a format the toolkit writes (png, jpg, jpeg, bmp...); otherwise there with ".png"
// added. A picture's format is never other than its name says.
QString picturePath(const QString& chosen);

// Writes a picture to `path` in the format its suffix names, through a temporary file that takes
// the name only once it is complete: a failure leaves no partial file, and an older file of that
// name as it was. Empty on success, else why it failed, in the interface language.
QString writePicture(const QImage& picture, const QString& path);
