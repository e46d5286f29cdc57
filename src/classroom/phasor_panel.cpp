#include "classroom/phasor_panel.h"

#include <QEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "classroom/phasors.h"
#include "graphs/plotter.h"
#include "scene/colour.h"
#include "scene/fonts.h"
#include "scene/units.h"

namespace {

// The graphs' scale: a unit of a plotted quantity is 1000 twips high.
constexpr double kTwipsPerUnit = 1000;
constexpr int kMargin = 8;
constexpr int kDiagramSide = kMargin + 224;  // from the panel's top, in pixels at scale 1
constexpr double kArcRadius = 24;
// How often the numbers of a moving instant change, at the most.
constexpr int kNumbersMs = 100;

double pixelsPerTwip() {
    return scene::zoom() / scene::kTwipsPerPixel;
}

QPointF onScreen(QPointF twips, QPointF origin) {
    return origin + QPointF(twips.x(), -twips.y()) * pixelsPerTwip();
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
    p.setPen(QPen(colour, 2 * scene::zoom(), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QLineF shaft(to, from);
    if (shaft.length() < 1) {
        return;
    }
    const double head = 8 * scene::zoom();
    QLineF side = shaft;
    side.setLength(head);
    QPainterPath tip;
    tip.moveTo(to);
    for (const double turn : {25.0, -25.0}) {
        QLineF wing = side;
        wing.setAngle(shaft.angle() + turn);
        tip.lineTo(wing.p2());
    }
    tip.closeSubpath();
    p.fillPath(tip, colour);
}

// The quantity's projection onto the upright axis, dashed, with its foot marked.
void projection(QPainter& p, QPointF tip, QPointF origin, const QColor& colour) {
    const QPointF foot(origin.x(), tip.y());
    p.setPen(QPen(colour, 1.5 * scene::zoom(), Qt::DashLine));
    p.drawLine(tip, foot);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(foot, 3 * scene::zoom(), 3 * scene::zoom());
}

}  // namespace

PhasorPanel::PhasorPanel(QWidget& window, std::function<demo::Instant()> instant, double pi)
    : QWidget(&window), instant_(std::move(instant)), pi_(pi) {
    // It paints every pixel of itself: the window need not paint anything under it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    heading_ = new QLabel(this);
    settings_ = new QLabel(this);
    now_ = new QLabel(this);
    for (QLabel* label : {settings_, now_}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    showLast_.setSingleShot(true);
    connect(&showLast_, &QTimer::timeout, this, &PhasorPanel::showInstant);
    phi_.setText(QStringLiteral("φ = 90°"));
    layOut();
    follow();
}

QRect PhasorPanel::diagram() const {
    const int side = scene::zoomed(kDiagramSide - 2 * kMargin);
    const int margin = scene::zoomed(kMargin);
    return {margin, scene::zoomed(kMargin + 20), side, side};
}

void PhasorPanel::layOut() {
    const int margin = scene::zoomed(kMargin);
    const int inside = width() - 2 * margin;
    heading_->setFont(scene::toQFont({"MS Sans Serif", 9.75, true}));
    heading_->setGeometry(margin, margin / 2, inside, scene::zoomed(20));
    for (QLabel* label : {settings_, now_}) {
        label->setFont(scene::toQFont({"MS Sans Serif", 9}));
    }
    phiFont_ = scene::toQFont({"MS Sans Serif", 8.25});
    phi_.prepare(QTransform(), phiFont_);
    const int top = diagram().bottom() + margin;
    const int settingsHeight = settings_->heightForWidth(inside);
    settings_->setGeometry(margin, top, inside, settingsHeight);
    now_->setGeometry(margin, top + settingsHeight + margin, inside, now_->heightForWidth(inside));
}

void PhasorPanel::follow() {
    // Only the circle the arrows, the arc and its label turn in is drawn again.
    const phasors::Arrows tips = phasors::arrows(instant_(), pi_, kTwipsPerUnit);
    const double reach = std::max({std::hypot(tips.voltage.x(), tips.voltage.y()) * pixelsPerTwip(),
                                   std::hypot(tips.current.x(), tips.current.y()) * pixelsPerTwip(),
                                   (2.2 * kArcRadius + 24) * scene::zoom()}) +
                         12 * scene::zoom();
    const QPointF origin = QRectF(diagram()).center();
    // Arrows that were longer a moment ago (a slider moved) are wiped out too.
    const double wipe = std::max(reach, drawnReach_);
    drawnReach_ = reach;
    update(QRectF(origin - QPointF(wipe, wipe), QSizeF(2 * wipe, 2 * wipe)).toAlignedRect() &
           diagram());
    if (!shownSettings_ || !sinceShown_.isValid() || sinceShown_.elapsed() >= kNumbersMs) {
        showInstant();
    } else if (!showLast_.isActive()) {
        showLast_.start(kNumbersMs - static_cast<int>(sinceShown_.elapsed()));
    }
}

void PhasorPanel::showInstant() {
    sinceShown_.start();
    const demo::Instant instant = instant_();
    const QStringList lines =
        phasors::lines(phasors::quantities(instant, pi_), phasors::interfaceLocale());
    const auto& s = instant.settings;
    if (!shownSettings_ || shownSettings_->frequencyMode != s.frequencyMode ||
        shownSettings_->amplitude != s.amplitude || shownSettings_->inductance != s.inductance) {
        shownSettings_ = s;
        heading_->setText(tr("Векторная диаграмма"));
        settings_->setText(lines.mid(0, lines.size() - 3).join(QLatin1Char('\n')));
        setAccessibleName(tr("Векторная диаграмма"));
        setAccessibleDescription(
            tr("Стрелки напряжения (синяя) и тока (красная) вращаются против часовой стрелки; "
               "ток отстаёт на четверть оборота. Их проекции на вертикальную ось равны "
               "напряжению и току на графиках."));
        layOut();
    }
    now_->setText(lines.mid(lines.size() - 3).join(QLatin1Char('\n')));
}

QString PhasorPanel::numbers() const {
    return phasors::lines(phasors::quantities(instant_(), pi_), phasors::interfaceLocale())
        .join(QLatin1Char('\n'));
}

bool PhasorPanel::event(QEvent* event) {
    if (event->type() == scene::ZoomChange) {
        background_ = QImage();
        layOut();
    } else if (event->type() == QEvent::LanguageChange) {
        shownSettings_.reset();
        showInstant();
    }
    return QWidget::event(event);
}

void PhasorPanel::resizeEvent(QResizeEvent*) {
    background_ = QImage();
    layOut();
}

// Without an alpha channel it is copied onto the window, not blended.
const QImage& PhasorPanel::background() {
    const QRect square = diagram();
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = square.size() * ratio;
    if (background_.isNull() || background_.devicePixelRatio() != ratio ||
        background_.size() != pixels) {
        background_ = QImage(pixels, QImage::Format_RGB32);
        background_.setDevicePixelRatio(ratio);
        QPainter p(&background_);
        const QRect inside(QPoint(), square.size());
        p.fillRect(inside, Qt::white);
        p.setPen(QPen(Qt::black, 0));
        p.drawRect(inside.adjusted(0, 0, -1, -1));
        p.setRenderHint(QPainter::Antialiasing);
        // The axis the quantities are projected onto, upright like the graphs' value axes.
        const QPointF origin = QRectF(inside).center();
        const QColor axisGrey(128, 128, 128);
        p.setPen(QPen(axisGrey, scene::zoom()));
        p.drawLine(QPointF(inside.left() + 4, origin.y()), QPointF(inside.right() - 4, origin.y()));
        arrow(p, QPointF(origin.x(), inside.bottom() - 4), QPointF(origin.x(), inside.top() + 4),
              axisGrey);
        p.setPen(Qt::black);
        p.setFont(scene::toQFont({"MS Sans Serif", 8.25, true}));
        p.drawText(QPointF(origin.x() + scene::zoomed(6), inside.top() + scene::zoomed(14)),
                   QStringLiteral("u, i"));
    }
    return background_;
}

void PhasorPanel::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect square = diagram();
    if (!square.contains(event->rect())) {
        p.fillRect(rect(), scene::toQColor(scene::kButtonFace));
    }
    if (!square.intersects(event->rect())) {
        return;  // the numbers only
    }
    p.drawImage(square.topLeft(), background());
    p.setRenderHint(QPainter::Antialiasing);

    const QPointF origin = QRectF(square).center();
    const phasors::Arrows tips = phasors::arrows(instant_(), pi_, kTwipsPerUnit);
    const QColor voltage = scene::toQColor(graphs::kVoltageBlue);
    const QColor current = scene::toQColor(graphs::kCurrentRed);
    const QPointF voltageTip = onScreen(tips.voltage, origin);
    const QPointF currentTip = onScreen(tips.current, origin);
    projection(p, voltageTip, origin, voltage);
    projection(p, currentTip, origin, current);

    // The quarter turn from the current to the voltage.
    const double from = qRadiansToDegrees(std::atan2(tips.current.y(), tips.current.x()));
    const double radius = kArcRadius * scene::zoom();
    p.setPen(QPen(Qt::black, scene::zoom()));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(origin - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)),
              qRound(from * 16), 90 * 16);
    const double middle = qDegreesToRadians(from + 45);
    const QPointF label = origin + QPointF(std::cos(middle), -std::sin(middle)) * radius * 1.9;
    p.setFont(phiFont_);
    const QSizeF size = phi_.size();
    p.drawStaticText(label - QPointF(size.width() / 2, size.height() / 2), phi_);

    arrow(p, origin, currentTip, current);
    arrow(p, origin, voltageTip, voltage);
}
