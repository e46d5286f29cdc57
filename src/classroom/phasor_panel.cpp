#include "classroom/phasor_panel.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
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

constexpr int kMargin = 8;
// Letters the back row reads on a projector: 24 pixels at scale 1, whose capitals are 22 pixels
// tall and more at the scale that fills a screen of 1080 lines with the panel beside the scene.
constexpr scene::FontSpec kNumbersFont{"MS Sans Serif", 18};
constexpr scene::FontSpec kHeadingFont{"MS Sans Serif", 18, true};
// The smallest the diagram's square may become for the numbers below it, in pixels at scale 1.
constexpr int kSmallestSquare = 120;
// The arrows' room: the square's half less this, in pixels at scale 1.
constexpr int kArrowMargin = 12;
constexpr double kArcRadius = 24;
// How often the numbers of a moving instant change, at the most.
constexpr int kNumbersMs = 100;
// The rows of an instant: u, i and p, the last three numbers.
constexpr int kInstantRows = 3;

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
    p.setPen(QPen(colour, 3 * scene::zoom(), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QLineF shaft(to, from);
    if (shaft.length() < 1) {
        return;
    }
    const double head = 12 * scene::zoom();
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
    p.drawEllipse(foot, 4 * scene::zoom(), 4 * scene::zoom());
}

QString joined(const QList<phasors::Entry>& entries, QString phasors::Entry::*text) {
    QStringList lines;
    for (const phasors::Entry& e : entries) {
        lines << e.*text;
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

PhasorPanel::PhasorPanel(QWidget& window, std::function<demo::Instant()> instant, double pi)
    : QWidget(&window), instant_(std::move(instant)), pi_(pi) {
    // It paints every pixel of itself: the window need not paint anything under it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    heading_ = new QLabel(this);
    const int count = static_cast<int>(
        phasors::entries(phasors::quantities(instant_(), pi_), phasors::interfaceLocale()).size());
    for (int i = 0; i <= count; ++i) {  // the numbers and the circle's
        auto* row = new QLabel(this);
        row->setTextFormat(Qt::RichText);
        row->setWordWrap(true);
        row->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // Reached by the arrow keys from the panel, not by Tab: one stop for the whole diagram.
        row->setFocusPolicy(Qt::ClickFocus);
        row->installEventFilter(this);
        rows_.push_back(row);
    }
    showLast_.setSingleShot(true);
    connect(&showLast_, &QTimer::timeout, this, &PhasorPanel::showInstant);
    phi_.setText(QStringLiteral("φ = 90°"));
    follow();
}

QRect PhasorPanel::diagram() const {
    const int margin = scene::zoomed(kMargin);
    const int top = heading_->geometry().bottom() + margin / 2;
    int below = 0;
    for (const QLabel* row : rows_) {
        below += row->height();
    }
    const int side = std::clamp(height() - top - below - 2 * margin, scene::zoomed(kSmallestSquare),
                                width() - 2 * margin);
    return {margin, top, side, side};
}

void PhasorPanel::layOut() {
    const int margin = scene::zoomed(kMargin);
    const int inside = width() - 2 * margin;
    heading_->setFont(scene::toQFont(kHeadingFont));
    heading_->setGeometry(margin, margin / 2, inside, heading_->heightForWidth(inside));
    const QFont numbers = scene::toQFont(kNumbersFont);
    for (QLabel* row : rows_) {
        row->setFont(numbers);
        row->resize(inside, row->heightForWidth(inside));
    }
    phiFont_ = numbers;
    phi_.prepare(QTransform(), phiFont_);
    int top = diagram().bottom() + margin;
    for (QLabel* row : rows_) {
        row->move(margin, top);
        top += row->height();
    }
    background_ = QImage();
}

void PhasorPanel::follow() {
    update(diagram());
    if (!shownSettings_ || !sinceShown_.isValid() || sinceShown_.elapsed() >= kNumbersMs) {
        showInstant();
    } else if (!showLast_.isActive()) {
        showLast_.start(kNumbersMs - static_cast<int>(sinceShown_.elapsed()));
    }
}

void PhasorPanel::showInstant() {
    sinceShown_.start();
    const demo::Instant instant = instant_();
    const phasors::Quantities q = phasors::quantities(instant, pi_);
    QList<phasors::Entry> entries = phasors::entries(q, phasors::interfaceLocale());
    entries << phasors::radii(phasors::radiusFor(q.voltage), phasors::radiusFor(q.current),
                              phasors::interfaceLocale());
    const bool settingsChanged = !shownSettings_ || *shownSettings_ != instant.settings;
    const auto firstShown = settingsChanged ? 0 : entries.size() - 1 - kInstantRows;
    for (auto i = firstShown; i < entries.size(); ++i) {
        QLabel* row = rows_[static_cast<std::size_t>(i)];
        row->setText(entries[i].shown);
        row->setAccessibleName(entries[i].spoken);
    }
    if (settingsChanged) {
        shownSettings_ = instant.settings;
        heading_->setText(tr("Векторная диаграмма"));
        setAccessibleName(tr("Векторная диаграмма"));
        setAccessibleDescription(
            tr("Стрелки напряжения (синяя) и тока (красная) вращаются против часовой стрелки; "
               "ток отстаёт на четверть оборота. Их проекции на вертикальную ось — напряжение и "
               "ток в это мгновение. Числа под диаграммой читаются по одному клавишами со "
               "стрелками вверх и вниз."));
        layOut();
    }
}

QString PhasorPanel::numbers() const {
    const phasors::Quantities q = phasors::quantities(instant_(), pi_);
    QList<phasors::Entry> entries = phasors::entries(q, phasors::interfaceLocale());
    entries << phasors::radii(phasors::radiusFor(q.voltage), phasors::radiusFor(q.current),
                              phasors::interfaceLocale());
    return joined(entries, &phasors::Entry::copied);
}

bool PhasorPanel::moveAmongRows(int step) {
    const auto focused = std::find(rows_.begin(), rows_.end(), QApplication::focusWidget());
    std::ptrdiff_t next = 0;
    if (focused == rows_.end()) {
        next = step > 0 ? 0 : static_cast<std::ptrdiff_t>(rows_.size()) - 1;
    } else {
        next = (focused - rows_.begin()) + step;
    }
    if (next < 0 || next >= static_cast<std::ptrdiff_t>(rows_.size())) {
        return false;
    }
    // From the keyboard, as Tab is: the ring shows which number is being read.
    rows_[static_cast<std::size_t>(next)]->setFocus(Qt::TabFocusReason);
    return true;
}

void PhasorPanel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Down:
        case Qt::Key_Home:
            moveAmongRows(1);
            break;
        case Qt::Key_Up:
        case Qt::Key_End:
            moveAmongRows(-1);
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

bool PhasorPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto size = static_cast<int>(rows_.size());
    switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Down:
            moveAmongRows(1);
            return true;
        case Qt::Key_Up:
            // Above the first number the panel itself.
            if (!moveAmongRows(-1) && watched == rows_.front()) {
                setFocus(Qt::TabFocusReason);
            }
            return true;
        case Qt::Key_Home:
            rows_.front()->setFocus(Qt::TabFocusReason);
            return true;
        case Qt::Key_End:
            rows_[static_cast<std::size_t>(size - 1)]->setFocus(Qt::TabFocusReason);
            return true;
        default:
            return false;
    }
}

bool PhasorPanel::event(QEvent* event) {
    if (event->type() == scene::ZoomChange) {
        layOut();
    } else if (event->type() == QEvent::LanguageChange) {
        shownSettings_.reset();
        showInstant();
    }
    return QWidget::event(event);
}

void PhasorPanel::resizeEvent(QResizeEvent*) {
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
        const QPointF origin = QRectF(inside).center();
        // The circle the arrows' scales are given for.
        const double reach = inside.width() / 2.0 - scene::zoomed(kArrowMargin);
        p.setPen(QPen(QColor(176, 176, 176), scene::zoom(), Qt::DashLine));
        p.drawEllipse(origin, reach, reach);
        // The axis the quantities are projected onto, upright like the graphs' value axes.
        const QColor axisGrey(128, 128, 128);
        p.setPen(QPen(axisGrey, scene::zoom()));
        p.drawLine(QPointF(inside.left() + 4, origin.y()), QPointF(inside.right() - 4, origin.y()));
        arrow(p, QPointF(origin.x(), inside.bottom() - 4), QPointF(origin.x(), inside.top() + 4),
              axisGrey);
        p.setPen(Qt::black);
        p.setFont(scene::toQFont({"MS Sans Serif", 12, true}));
        p.drawText(QPointF(origin.x() + scene::zoomed(8), inside.top() + scene::zoomed(20)),
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
    const demo::Instant instant = instant_();
    const phasors::Quantities q = phasors::quantities(instant, pi_);
    const phasors::Arrows tips = phasors::arrows(instant, pi_);
    const double reach = square.width() / 2.0 - scene::zoomed(kArrowMargin);
    const auto onScreen = [&](QPointF tip, double radius) {
        return origin + QPointF(tip.x(), -tip.y()) * (reach / radius);
    };
    const QPointF voltageTip = onScreen(tips.voltage, phasors::radiusFor(q.voltage));
    const QPointF currentTip = onScreen(tips.current, phasors::radiusFor(q.current));
    const QColor voltage = scene::toQColor(graphs::kVoltageBlue);
    const QColor current = scene::toQColor(graphs::kCurrentRed);
    projection(p, voltageTip, origin, voltage);
    projection(p, currentTip, origin, current);

    // The quarter turn from the current to the voltage.
    const double from = qRadiansToDegrees(std::atan2(tips.current.y(), tips.current.x()));
    const double radius = kArcRadius * scene::zoom();
    p.setPen(QPen(Qt::black, 1.5 * scene::zoom()));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(origin - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)),
              qRound(from * 16), 90 * 16);
    const double middle = qDegreesToRadians(from + 45);
    const QSizeF size = phi_.size();
    const QPointF label = origin + QPointF(std::cos(middle), -std::sin(middle)) *
                                       (radius + 0.6 * std::hypot(size.width(), size.height()));
    p.setFont(phiFont_);
    p.drawStaticText(label - QPointF(size.width() / 2, size.height() / 2), phi_);

    arrow(p, origin, currentTip, current);
    arrow(p, origin, voltageTip, voltage);
}
