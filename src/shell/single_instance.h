#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <memory>

#include "shell/platform.h"

class QWidget;

// One window of the program in a user's desktop session: a second start asks the first one to
// bring its window to the front and ends at once. The first one holds the lock of a file for as
// long as it lives, which the system lets go however it ends (a crash, a kill), and watches a
// file beside it for the second one's request.
class SingleInstance : public QObject {
    Q_OBJECT

  public:
    SingleInstance();
    // The first start removes its files when it ends.
    ~SingleInstance() override;

    // Another Velmora of this session runs and was asked to show its window: this one ends.
    bool handedOver() const { return handedOver_; }

    // Brings the window to the front, unminimized, whenever another start asks.
    void serve(QWidget& window);

  private:
    QString requests_;  // the file a second start writes its request to
    std::unique_ptr<platform::SessionLock> lock_;
    QFileSystemWatcher watcher_;
    bool handedOver_ = false;
};
