#include "classroom/window_picture.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QImageWriter>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QWidget>
#include <vector>

#include "scene/surface.h"

QImage windowPicture(QWidget& window) {
    // Rendering the window paints every surface in full, and a surface asks its owner to redraw
    // on a full paint: the dials would draw their rest needles on what they show. The updates
    // already asked for are painted first, as the window would at its next frame, so that the
    // picture consumes none of them; then the surfaces render without asking.
    QEvent updateRequest(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(&window, &updateRequest);
    std::vector<QSignalBlocker> quiet;
    for (scene::Surface* surface : window.findChildren<scene::Surface*>()) {
        quiet.emplace_back(surface);
    }
    quiet.emplace_back(&window);
    return window.grab().toImage();
}

QString pictureFileName(const QDateTime& when) {
    return when.toString(QStringLiteral("'velmora-'yyyy-MM-dd-HHmmss'.png'"));
}

QString writePng(const QImage& picture, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    QImageWriter writer(&file, "png");
    if (!writer.write(picture)) {
        return writer.errorString();  // the temporary file goes with `file`
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}
