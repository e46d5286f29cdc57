#pragma once

#include <QElapsedTimer>
#include <QFont>
#include <QImage>
#include <QStaticText>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "demo/demo_math.h"

class QLabel;

// The phasor diagram beside the scene: the voltage's and the current's arrows turning on the
// demonstration's clock, their projections onto the upright axis (each quantity's height at that
// instant, as its curve on the graphs), the quarter turn between them, and the numbers behind the
// curves below, in letters the back row can read. At rest it shows the start instant and follows
// the sliders.
//
// Each arrow is drawn to a scale of its own, as the graphs draw each curve, so that both stay long
// enough to see whatever the settings: the panel says what the circle stands for.
//
// For the keyboard the panel is one stop of the tab order; the arrow keys then go from number to
// number, each read by a screen reader as its name, value and unit. Ctrl+C while the diagram or
// one of its numbers has the focus copies the numbers, one quantity a line.
class PhasorPanel : public QWidget {
    Q_OBJECT

  public:
    // Its width in pixels at scale 1; its height is the scene's.
    static constexpr int kWidth = 360;

    // `instant`: what the displays show now; `pi`: the demonstration's own.
    PhasorPanel(QWidget& window, std::function<demo::Instant()> instant, double pi);

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
    void layOut();
    // The numbers of the instant shown; all of them when the settings changed.
    void showInstant();
    // What does not turn: the white square, its axis, its circle and their names.
    const QImage& background();
    // The keyboard's way through the numbers: the row `step` rows on from the one with the focus
    // (the first or the last from the panel itself); false when there is none that way.
    bool moveAmongRows(int step);

    std::function<demo::Instant()> instant_;
    double pi_;
    QLabel* heading_ = nullptr;
    std::vector<QLabel*> rows_;  // the numbers, then what the circle stands for
    std::optional<demo::Settings> shownSettings_;
    // The instant's numbers change with every pass, faster than anyone reads; they are shown
    // a few times a second, and the last of them always.
    QElapsedTimer sinceShown_;
    QTimer showLast_;
    QImage background_;
    QFont phiFont_;
    QStaticText phi_;
};
