#pragma once

#include <QElapsedTimer>
#include <QFont>
#include <QImage>
#include <QStaticText>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

#include "demo/demo_math.h"

class QLabel;

// The phasor diagram beside the scene: the voltage's and the current's arrows turning on the
// demonstration's clock, their projections onto the upright axis (which are the curves' heights
// at that instant), the quarter turn between them, and the numbers behind the curves below. At
// rest it shows the start instant and follows the sliders.
//
// The numbers are text a screen reader reads; Ctrl+C while the diagram has the focus copies them,
// one quantity a line.
class PhasorPanel : public QWidget {
    Q_OBJECT

  public:
    // Its width in pixels at scale 1; its height is the scene's.
    static constexpr int kWidth = 240;

    // `instant`: what the displays show now; `pi`: the demonstration's own.
    PhasorPanel(QWidget& window, std::function<demo::Instant()> instant, double pi);

    // The numbers as text, one quantity a line, in the interface language.
    QString numbers() const;

  public slots:
    // What the displays show has changed.
    void follow();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void layOut();
    // The diagram's square, at the top of the panel.
    QRect diagram() const;
    // The numbers of the instant shown; the sliders' numbers when the settings changed.
    void showInstant();
    // What does not turn: the white square, its axes and their names.
    const QImage& background();

    std::function<demo::Instant()> instant_;
    double pi_;
    QLabel* heading_ = nullptr;
    QLabel* settings_ = nullptr;  // what only the sliders change
    QLabel* now_ = nullptr;       // u, i and p at the instant
    std::optional<demo::Settings> shownSettings_;
    // The instant's numbers change with every pass, faster than anyone reads; they are shown
    // a few times a second, and the last of them always.
    QElapsedTimer sinceShown_;
    QTimer showLast_;
    QImage background_;
    QFont phiFont_;
    double drawnReach_ = 0;  // how far from the origin the last drawing reached, in pixels
    QStaticText phi_;
};
