#pragma once

#include <QString>
#include <QWidget>

class DemoClock;

namespace scene {
class Surface;
}

// A large sign on the scene while the demonstration's time is not normal, for the back row, which
// cannot read the title bar: "ПАУЗА" while paused, "×1/4" while slowed down. It stands in the
// empty corner right of the heading and above the graphs' button, where it hides nothing the
// class is looking at, and goes without a trace when time is normal again.
class PauseBadge : public QWidget {
    Q_OBJECT

  public:
    PauseBadge(scene::Surface& window, const DemoClock& clock);

    // What it shows for that time, in the interface language; empty at normal speed.
    static QString text(bool paused, int slowdown);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void place();
    void follow();

    scene::Surface& window_;
    const DemoClock& clock_;
    QString text_;
};
