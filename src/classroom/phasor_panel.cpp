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

#include "physics/phasors.h"
#include "scene/colour.h"
#include "scene/element_drawings.h"
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
// How much of the circle the longest arrow of each kind fills, at most.
constexpr double kVoltageFill = 0.9;
constexpr double kCurrentFill = 0.6;

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

PhasorPanel::PhasorPanel(QWidget& window, Source source)
    : QWidget(&window), source_(std::move(source)) {
    // It paints every pixel of itself: the window need not paint anything under it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    heading_ = new QLabel(this);
    showLast_.setSingleShot(true);
    connect(&showLast_, &QTimer::timeout, this, &PhasorPanel::showInstant);
    follow();
}

physics::Instant PhasorPanel::instantOf(physics::ElementKind kind) const {
    physics::Instant instant = source_.instant();
    instant.settings.element = kind;
    instant.settings.position = source_.positionOf(kind);
    return instant;
}

std::vector<physics::ElementKind> PhasorPanel::shownElements() const {
    if (source_.comparing()) {
        return {physics::kElementKinds.begin(), physics::kElementKinds.end()};
    }
    return {source_.instant().settings.element};
}

QList<phasors::Entry> PhasorPanel::entriesNow() const {
    const QLocale locale = phasors::interfaceLocale();
    if (!source_.comparing()) {
        const physics::Instant instant = source_.instant();
        const physics::Quantities q = physics::quantities(instant, source_.pi);
        return phasors::entries(instant.settings.element, q, locale)
               << phasors::radii(physics::radiusFor(q.voltage, kVoltageFill),
                                 physics::radiusFor(q.current, kCurrentFill), locale);
    }
    std::array<physics::Quantities, 3> q{};
    std::array<double, 3> radii{};
    for (const physics::ElementKind kind : physics::kElementKinds) {
        const auto k = static_cast<std::size_t>(kind);
        q.at(k) = physics::quantities(instantOf(kind), source_.pi);
        radii.at(k) = physics::radiusFor(q.at(k).current, kCurrentFill);
    }
    return phasors::comparedEntries(q, locale)
           << phasors::comparedRadii(physics::radiusFor(q[0].voltage, kVoltageFill), radii, locale);
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
    const std::pair shown{source_.instant().settings, source_.comparing()};
    const bool settingsChanged = !shownSettings_ || *shownSettings_ != shown;
    const QList<phasors::Entry> entries = entriesNow();
    // As many rows as numbers: an element or a frequency may have a number more or fewer.
    const auto count = static_cast<std::size_t>(entries.size());
    while (rows_.size() > count) {
        if (rows_.back()->hasFocus()) {
            setFocus(Qt::OtherFocusReason);
        }
        delete rows_.back();
        rows_.pop_back();
    }
    while (rows_.size() < count) {
        auto* row = new QLabel(this);
        row->setTextFormat(Qt::RichText);
        row->setWordWrap(true);
        row->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // Reached by the arrow keys from the panel, not by Tab: one stop for the whole diagram.
        row->setFocusPolicy(Qt::ClickFocus);
        row->installEventFilter(this);
        row->show();
        rows_.push_back(row);
    }
    for (std::size_t i = 0; i < count; ++i) {
        rows_[i]->setText(entries[static_cast<qsizetype>(i)].shown);
        rows_[i]->setAccessibleName(entries[static_cast<qsizetype>(i)].spoken);
    }
    if (settingsChanged) {
        shownSettings_ = shown;
        heading_->setText(tr("Векторная диаграмма"));
        setAccessibleName(tr("Векторная диаграмма"));
        setAccessibleDescription(
            shown.second
                ? tr("Стрелка напряжения (синяя) и стрелки токов катушки, конденсатора и "
                     "резистора, каждая своим цветом, вращаются против часовой стрелки: ток "
                     "катушки отстаёт на четверть оборота, ток конденсатора опережает на четверть "
                     "оборота, ток резистора совпадает по фазе. Числа под диаграммой читаются по "
                     "одному клавишами со стрелками вверх и вниз.")
                : tr("Стрелки напряжения (синяя) и тока (красная) вращаются против часовой "
                     "стрелки; угол между ними — сдвиг фаз φ. Их проекции на вертикальную ось — "
                     "напряжение и ток в это мгновение. Числа под диаграммой читаются по одному "
                     "клавишами со стрелками вверх и вниз."));
        layOut();
        update();
    }
}

QString PhasorPanel::numbers() const {
    return joined(entriesNow(), &phasors::Entry::copied);
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
    const double reach = square.width() / 2.0 - scene::zoomed(kArrowMargin);
    const auto onScreen = [&](QPointF tip, double radius) {
        return origin + QPointF(tip.x(), -tip.y()) * (reach / radius);
    };
    const std::vector<physics::ElementKind> elements = shownElements();
    const bool comparing = elements.size() > 1;
    const physics::Instant instant = instantOf(elements.front());
    const physics::Quantities q = physics::quantities(instant, source_.pi);
    const QPointF voltageTip = onScreen(physics::arrows(instant, source_.pi).voltage,
                                        physics::radiusFor(q.voltage, kVoltageFill));
    const QColor voltage = scene::toQColor(scene::kVoltageBlue);
    struct Current {
        physics::ElementKind kind;
        QPointF tip;
        QColor colour;
    };
    std::vector<Current> currents;
    for (const physics::ElementKind kind : elements) {
        const physics::Instant its = instantOf(kind);
        const physics::Quantities qi = physics::quantities(its, source_.pi);
        currents.push_back(
            {kind,
             onScreen(physics::arrows(its, source_.pi).current,
                      physics::radiusFor(qi.current, kCurrentFill)),
             scene::toQColor(comparing ? scene::comparedColour(kind) : scene::kCurrentRed)});
    }
    projection(p, voltageTip, origin, voltage);
    for (const Current& c : currents) {
        projection(p, c.tip, origin, c.colour);
    }

    p.setFont(phiFont_);
    if (!comparing) {
        // The angle φ from the current to the voltage: a quarter turn on for the coil, back for
        // the capacitor, none for the resistor.
        const double phase = physics::element(elements.front()).phaseDegrees;
        const QPointF from = currents.front().tip - origin;
        const double start = qRadiansToDegrees(std::atan2(-from.y(), from.x()));
        const double radius = kArcRadius * scene::zoom();
        p.setPen(QPen(Qt::black, 1.5 * scene::zoom()));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(origin - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)),
                  qRound(start * 16), qRound(phase * 16));
        const QString text = QStringLiteral("φ = %1°").arg(phase, 0, 'f', 0);
        const QSizeF size = QFontMetricsF(phiFont_).size(Qt::TextSingleLine, text);
        const double middle = qDegreesToRadians(start + (phase == 0 ? -45 : phase / 2));
        const QPointF label = origin + QPointF(std::cos(middle), -std::sin(middle)) *
                                           (radius + 0.6 * std::hypot(size.width(), size.height()));
        p.drawText(QRectF(label - QPointF(size.width() / 2, size.height() / 2), size),
                   Qt::AlignCenter, text);
    }
    // The voltage's arrow under the currents': a current in step with it lies along it, shorter.
    arrow(p, origin, voltageTip, voltage);
    for (const Current& c : currents) {
        arrow(p, origin, c.tip, c.colour);
        if (comparing) {
            // Each current's element by its letter, beyond its arrow's tip.
            const QLineF along(origin, c.tip);
            QLineF beyond = along;
            beyond.setLength(along.length() + 14 * scene::zoom());
            p.setPen(c.colour);
            const QString letter(QLatin1Char(physics::element(c.kind).symbol));
            const QSizeF size = QFontMetricsF(phiFont_).size(Qt::TextSingleLine, letter);
            p.drawText(QRectF(beyond.p2() - QPointF(size.width() / 2, size.height() / 2), size),
                       Qt::AlignCenter, letter);
        }
    }
}
