#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>

namespace scene {
class Surface;
}

// How large the window is asked to be shown: at a scale of its layout, at the largest scale that
// fits the screen, or full screen.
struct ViewSize {
    enum class Mode { Scale, Fit, FullScreen };
    Mode mode = Mode::Scale;
    double scale = 1;  // with Mode::Scale

    friend bool operator==(const ViewSize&, const ViewSize&) = default;
};

inline constexpr double kSmallestScale = 0.5;
inline constexpr double kLargestScale = 4;

// The largest scale, from 0.5 to 4 in steps of a hundredth, at which content with a frame around
// it fits the available area (all three in pixels at scale 1).
double fitScale(QSize available, QSize content, QSize frame);

// The scale a step larger or smaller: 50, 75, 100, 125, 150, 175, 200, 250, 300, 350 and 400 %,
// also from a scale between two steps; the ends stay where they are.
double largerStep(double scale);
double smallerStep(double scale);

// Where content stands centred in a window larger than it (both in pixels); never left of or
// above the window's corner.
QPoint centred(QSize window, QSize content);

// The window on the screen at the size a teacher asks for, drawn at the screen's own resolution
// however large: it never grows beyond the screen (a scale that would not fit gives the largest
// that does), and shown full screen or maximized it fills the screen with its scene as large as
// fits, centred, the margins in the window's own colour. A window resized by hand keeps its scene
// at the top-left corner, as laid out.
class ProjectorView : public QObject {
    Q_OBJECT

  public:
    // `layout`: the window's size as laid out, in pixels at scale 1.
    ProjectorView(scene::Surface& window, QSize layout);

    // What was asked last, to remember for the next start; and the scale shown now.
    ViewSize size() const { return asked_; }
    double scale() const { return scale_; }

    // Shows the window at that size: before it is first shown too, which it then is shown at.
    void show(ViewSize size);

    // A panel beside the scene, on its right, as high as the scene and `width` pixels wide at
    // scale 1 (nullptr: none): the window grows by it, and what fits the screen is the two.
    void setSidePanel(QWidget* panel, int width);

    void larger();
    void smaller();
    void original();
    void fit();
    void toggleFullScreen();
    void leaveFullScreen();
    bool isFullScreen() const;

  signals:
    // A command changed the size asked for.
    void sizeChanged();

  protected:
    // The window maximized or restored, full screen or resized: the scene's scale and place.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ask(ViewSize size);
    // The scale shown: from 1 up the screens' scale, below 1 the layout's zoom. A window that is
    // not full screen or maximized takes the size of its scene.
    void applyScale(double scale);
    // The largest scale at which the scene fits the window as the screen shows it now, with no
    // frame (full screen or maximized).
    double fillScale() const;
    double fitOnScreen() const;
    // The scene with the side panel, in pixels at scale 1, and as the window shows it now.
    QSize content() const;
    QSize shownContent() const;
    void place();
    // What the window manager adds around the window, in the screen's pixels now: the frame once
    // the window is shown, an allowance for one before.
    QSize frame() const;
    // The whole window, frame included, inside the screen's available area after the program
    // changed its size: moved where that is enough, the scale stepped down where it is not.
    void keepOnScreen();

    scene::Surface& window_;
    QSize layout_;
    QWidget* panel_ = nullptr;
    int panelWidth_ = 0;
    ViewSize asked_;
    ViewSize beforeFullScreen_;
    double scale_;
};
