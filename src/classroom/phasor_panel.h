#pragma once

#include <QElapsedTimer>
#include <QFont>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "classroom/phasor_numbers.h"
#include "physics/pass.h"

class QLabel;

// The phasor diagram beside the scene: the voltage's and the current's arrows turning on the
// demonstration's clock, their projections onto the upright axis (each quantity's height at that
// instant, as its curve on the graphs), the angle φ between them, and the numbers behind the
// curves below, in letters the back row can read. At rest it shows the start instant and follows
// the sliders. With the three elements compared, the three currents' arrows turn against the one
// voltage's, each in its element's colour, and the numbers list each current.
//
// Each arrow is drawn to a scale of its own, as the graphs draw each curve, so that all stay long
// enough to see whatever the settings: the voltage's from two thirds to nine tenths of the
// circle, a current's from a half to three fifths, so that a current in step with the voltage
// shows beside it; the panel says what the circle stands for.
//
// For the keyboard the panel is one stop of the tab order; the arrow keys then go from number to
// number, each read by a screen reader as its name, value and unit. Ctrl+C while the diagram or
// one of its numbers has the focus copies the numbers, one quantity a line.
class PhasorPanel : public QWidget {
    Q_OBJECT

  public:
    // Its width in pixels at scale 1; its height is the scene's.
    static constexpr int kWidth = 360;

    // What the panel shows: the instant the displays show, whether the three elements are
    // compared and the slider's position each element has, and the demonstration's pi.
    struct Source {
        std::function<physics::Instant()> instant;
        std::function<bool()> comparing;
        std::function<int(physics::ElementKind)> positionOf;
        double pi;
    };

    PhasorPanel(QWidget& window, Source source);

    // The numbers as text, one quantity a line, in the interface language.
    QString numbers() const;

    // The diagram's square, at the top of the panel, and the numbers below it.
    QRect diagram() const;
    const std::vector<QLabel*>& rows() const { return rows_; }

  public slots:
    // What the displays show has changed.
    void follow();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // What is shown of one element: the instant with its settings.
    physics::Instant instantOf(physics::ElementKind kind) const;
    // The elements whose currents the diagram shows: the one in the circuit, or all three.
    std::vector<physics::ElementKind> shownElements() const;
    // The numbers of the instant shown, with what the circle stands for.
    QList<phasors::Entry> entriesNow() const;
    void layOut();
    // The numbers of the instant shown; laid out anew when the settings changed.
    void showInstant();
    // What does not turn: the white square, its axis, its circle and their names.
    const QImage& background();
    // The keyboard's way through the numbers: the row `step` rows on from the one with the focus
    // (the first or the last from the panel itself); false when there is none that way.
    bool moveAmongRows(int step);

    Source source_;
    QLabel* heading_ = nullptr;
    std::vector<QLabel*> rows_;  // the numbers, then what the circle stands for
    std::optional<std::pair<physics::Settings, bool>> shownSettings_;  // and whether compared
    // The instant's numbers change with every pass, faster than anyone reads; they are shown
    // a few times a second, and the last of them always.
    QElapsedTimer sinceShown_;
    QTimer showLast_;
    QImage background_;
    QFont phiFont_;
};
