#pragma once

#include <QFileSystemWatcher>
#include <QLockFile>
#include <QObject>
#include <QString>

class QWidget;

// One window of the program in a user's desktop session: a second start asks the first one to
// bring its window to the front and ends at once. The first one holds a lock file that names its
// process, and watches a file beside it for the second one's request; a lock left behind by a
// Velmora that crashed or was killed names a process that is no longer there and never stands in
// the way.
class SingleInstance : public QObject {
    Q_OBJECT

  public:
    SingleInstance();

    // Another Velmora of this session runs and was asked to show its window: this one ends.
    bool handedOver() const { return handedOver_; }

    // Brings the window to the front, unminimized, whenever another start asks.
    void serve(QWidget& window);

  private:
    QString requests_;  // the file a second start writes its request to
    QLockFile lock_;
    QFileSystemWatcher watcher_;
    bool handedOver_ = false;
};
