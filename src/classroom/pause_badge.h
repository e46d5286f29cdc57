#pragma once

#include <QString>
#include <QWidget>
#include <functional>

class DemoClock;

namespace scene {
class Surface;
}

// A large sign on the scene while the demonstration's time is not normal, for the back row, which
// cannot read the title bar: "ПАУЗА" while paused, "×1/4" while slowed down. It stands in the
// empty corner right of the heading and above the graphs' button, where it hides nothing the
// class is looking at, and goes without a trace when time is normal again. However the heading's
// letters come out at the window's size and in its language, the badge begins right of them.
class PauseBadge : public QWidget {
    Q_OBJECT

  public:
    // `heading`: where the heading's letters stand, in pixels of the window.
    PauseBadge(scene::Surface& window, const DemoClock& clock, std::function<QRect()> heading);

    // What it shows for that time, in the interface language; empty at normal speed.
    static QString text(bool paused, int slowdown);

    // The heading changed (another element's): the badge keeps clear of its letters.
    void place();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void follow();

    scene::Surface& window_;
    const DemoClock& clock_;
    std::function<QRect()> heading_;
    QString text_;
};
