#include "classroom/window_picture.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QStorageInfo>
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

namespace {

class Texts {
    Q_DECLARE_TR_FUNCTIONS(WindowPicture)

  public:
    // What the file system says against writing `path`, where it tells; empty where it does not,
    // and the toolkit's own words serve.
    static QString obstacle(const QString& path) {
        const QFileInfo file(path);
        const QFileInfo folder(file.absolutePath());
        const QString folderName = QDir::toNativeSeparators(folder.absoluteFilePath());
        if (!folder.isDir()) {
            return tr("папки «%1» нет").arg(folderName);
        }
        if (QStorageInfo(folder.absoluteFilePath()).isReadOnly()) {
            return tr("папка «%1» на диске, открытом только для чтения").arg(folderName);
        }
        if (!folder.isWritable()) {
            return tr("нет права записывать в папку «%1»").arg(folderName);
        }
        if (file.exists() && !file.isWritable()) {
            return tr("файл защищён от записи");
        }
        return {};
    }
};

// The format a file name asks for by its suffix, if the toolkit writes it.
QByteArray formatOf(const QString& path) {
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    return QImageWriter::supportedImageFormats().contains(suffix) ? suffix : QByteArray();
}

}  // namespace

QString picturePath(const QString& chosen) {
    return formatOf(chosen).isEmpty() ? chosen + QStringLiteral(".png") : chosen;
}

QString writePicture(const QImage& picture, const QString& path) {
    QSaveFile file(path);
    QString failure;
    if (!file.open(QIODevice::WriteOnly)) {
        failure = file.errorString();
    } else if (QImageWriter writer(&file, formatOf(path)); !writer.write(picture)) {
        failure = writer.errorString();  // the temporary file goes with `file`
    } else if (!file.commit()) {
        failure = file.errorString();
    }
    if (failure.isEmpty()) {
        return {};
    }
    const QString obstacle = Texts::obstacle(path);
    return obstacle.isEmpty() ? failure : obstacle;
}
