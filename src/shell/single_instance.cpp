#include "shell/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <QWidget>

#include "shell/platform.h"

namespace {

// How long a second start waits for the first one, which may be starting itself, to watch for
// requests.
constexpr int kPatienceMs = 3000;

// The files' common name, for the user and the desktop session, in the folder for files of a
// running session.
QString baseName() {
    const QByteArray session =
        QCryptographicHash::hash(platform::sessionName().toUtf8(), QCryptographicHash::Sha1);
    return QDir(platform::sessionFolder())
        .filePath(QStringLiteral("velmora-%1").arg(QString::fromLatin1(session.toHex().left(16))));
}

// Appends a request to the file the first start watches, once it has made it.
bool askToShow(const QString& requests) {
    QFile file(requests);
    return file.exists() && file.open(QIODevice::Append) && file.write("show\n") > 0;
}

}  // namespace

SingleInstance::SingleInstance() {
    const QString name = baseName();
    requests_ = name + QStringLiteral(".show");
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        lock_ = std::make_unique<platform::SessionLock>(name + QStringLiteral(".lock"));
        if (lock_->held()) {
            break;
        }
        lock_.reset();
        if (askToShow(requests_)) {
            handedOver_ = true;
            return;
        }
        if (waited.elapsed() > kPatienceMs) {
            return;  // the first one does not answer: this one starts without the lock
        }
        QThread::msleep(50);
    }
    QFile requests(requests_);
    if (requests.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        requests.close();
        watcher_.addPath(requests_);
    }
}

// The requests' file first, while the lock still keeps a new start from making it anew.
SingleInstance::~SingleInstance() {
    if (lock_) {
        watcher_.removePath(requests_);
        QFile::remove(requests_);
    }
}

void SingleInstance::serve(QWidget& window) {
    connect(&watcher_, &QFileSystemWatcher::fileChanged, &window, [&window] {
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
        window.show();
        window.raise();
        window.activateWindow();
    });
}
