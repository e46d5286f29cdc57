#include "classroom/phasors.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cmath>

namespace phasors {

namespace {

class Texts {
    Q_DECLARE_TR_FUNCTIONS(Phasors)
};

struct Setting {
    double omega;
    double inductance;
    double voltage;
};

// The mode is always one of the table's: the slider's range is the table's nine rows.
Setting settingOf(const demo::Settings& s, double pi) {
    return {demo::omegaFor(*demo::frequencyMode(s.frequencyMode), pi),
            demo::inductanceAt(s.inductance), demo::amplitudeAt(s.amplitude)};
}

}  // namespace

Quantities quantities(const demo::Instant& instant, double pi) {
    const Setting s = settingOf(instant.settings, pi);
    const double reactance = s.omega * s.inductance;
    const double current = s.voltage / reactance;
    const double u = s.voltage * std::cos(s.omega * instant.t);
    const double i = current * std::sin(s.omega * instant.t);
    return {s.omega,
            s.omega / (2 * pi),
            2 * pi / s.omega,
            s.inductance,
            s.voltage,
            reactance,
            current,
            s.voltage / std::sqrt(2.0),
            current / std::sqrt(2.0),
            s.voltage * current / 2,
            u,
            i,
            u * i};
}

Arrows arrows(const demo::Instant& instant, double pi) {
    const Quantities q = quantities(instant, pi);
    const double c = std::cos(q.omega * instant.t);
    const double s = std::sin(q.omega * instant.t);
    return {{-q.voltage * s, q.voltage * c}, {q.current * c, q.current * s}};
}

double radiusFor(double length) {
    if (!(length > 0)) {
        return 1;
    }
    constexpr std::array kSteps{1.0, 1.2, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0, 10.0};
    const double decade = std::pow(10.0, std::floor(std::log10(length / 0.9)));
    for (const double step : kSteps) {
        // A hair's allowance: 0.9 × 0.6 must stand for 0.6 itself.
        if (length <= 0.9 * step * decade * (1 + 1e-12)) {
            return step * decade;
        }
    }
    return 10 * decade;
}

namespace {

// The decimals that show a number to three significant figures.
int decimalsFor(double value) {
    return value == 0 ? 0
                      : std::max(0, 2 - static_cast<int>(std::floor(std::log10(std::abs(value)))));
}

QString fixed(double value, int decimals, QLocale locale) {
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const double unit = std::pow(10.0, -decimals);
    const double rounded = std::round(value / unit) * unit;
    return locale.toString(rounded == 0 ? 0.0 : rounded, 'f', decimals);  // no "-0"
}

}  // namespace

QString threeFigures(double value, const QLocale& locale) {
    if (value == 0) {
        return fixed(0, 0, locale);
    }
    // The place of the third figure; rounding may carry into a fourth (9.996 gives 10.0).
    int places = 2 - static_cast<int>(std::floor(std::log10(std::abs(value))));
    double rounded = std::round(value * std::pow(10.0, places)) / std::pow(10.0, places);
    if (decimalsFor(rounded) < std::max(0, places)) {
        --places;
        rounded = std::round(value * std::pow(10.0, places)) / std::pow(10.0, places);
    }
    return fixed(rounded, std::max(0, places), locale);
}

namespace {

enum class Unit { RadiansPerSecond, Hertz, Seconds, Own };

QString shownUnit(Unit unit) {
    switch (unit) {
        case Unit::RadiansPerSecond:
            return Texts::tr("рад/с");
        case Unit::Hertz:
            return Texts::tr("Гц");
        case Unit::Seconds:
            return Texts::tr("с");
        case Unit::Own:
            break;
    }
    return Texts::tr("усл. ед.");
}

QString spokenUnit(Unit unit) {
    switch (unit) {
        case Unit::RadiansPerSecond:
            return Texts::tr("радиан в секунду");
        case Unit::Hertz:
            return Texts::tr("герц");
        case Unit::Seconds:
            return Texts::tr("секунд");
        case Unit::Own:
            break;
    }
    return Texts::tr("условных единиц");
}

// A quantity with its symbol and formula: as rich text, as plain text, as a screen reader names
// it. The symbols' indices are written as <sub>…</sub> in `rich`, plainly in `plain`.
struct Symbol {
    QString rich;
    QString plain;
    QString name;
};

Entry valueEntry(const Symbol& symbol, double value, Unit unit, const QLocale& locale) {
    const QString number = threeFigures(value, locale);
    const QString unitShown = shownUnit(unit);
    return {QStringLiteral("%1 = %2 %3").arg(symbol.rich, number, unitShown.toHtmlEscaped()),
            QStringLiteral("%1 = %2 %3").arg(symbol.plain, number, unitShown),
            QStringLiteral("%1, %2, %3").arg(symbol.name, number, spokenUnit(unit))};
}

}  // namespace

QList<Entry> entries(const Quantities& q, const QLocale& locale) {
    const auto n = [&](double value) { return threeFigures(value, locale); };
    const auto own = [&](const Symbol& symbol, double value) {
        return valueEntry(symbol, value, Unit::Own, locale);
    };
    const QString phase = Texts::tr("φ = 90°: ток отстаёт");
    return {
        valueEntry({QStringLiteral("ω"), QStringLiteral("ω"), Texts::tr("угловая частота ω")},
                   q.omega, Unit::RadiansPerSecond, locale),
        valueEntry({QStringLiteral("ν = ω/2π"), QStringLiteral("ν = ω/2π"), Texts::tr("частота ν")},
                   q.frequency, Unit::Hertz, locale),
        valueEntry({QStringLiteral("T = 1/ν"), QStringLiteral("T = 1/ν"), Texts::tr("период T")},
                   q.period, Unit::Seconds, locale),
        own({QStringLiteral("L"), QStringLiteral("L"), Texts::tr("индуктивность L")}, q.inductance),
        own({QStringLiteral("U<sub>m</sub>"), QStringLiteral("Um"),
             Texts::tr("амплитуда напряжения U m")},
            q.voltage),
        own({QStringLiteral("X<sub>L</sub> = ωL"), QStringLiteral("XL = ωL"),
             Texts::tr("индуктивное сопротивление X L")},
            q.reactance),
        own({QStringLiteral("I<sub>m</sub> = U<sub>m</sub>/X<sub>L</sub>"),
             QStringLiteral("Im = Um/XL"), Texts::tr("амплитуда тока I m")},
            q.current),
        own({QStringLiteral("U = U<sub>m</sub>/√2"), QStringLiteral("U = Um/√2"),
             Texts::tr("действующее напряжение U")},
            q.rmsVoltage),
        own({QStringLiteral("I = I<sub>m</sub>/√2"), QStringLiteral("I = Im/√2"),
             Texts::tr("действующий ток I")},
            q.rmsCurrent),
        {phase.toHtmlEscaped(), phase,
         Texts::tr("сдвиг фаз φ, 90, градусов: ток отстаёт от напряжения на четверть периода")},
        own({QStringLiteral("P<sub>m</sub> = U<sub>m</sub>·I<sub>m</sub>/2"),
             QStringLiteral("Pm = Um·Im/2"), Texts::tr("амплитуда мощности P m")},
            q.powerAmplitude),
        {Texts::tr("p: 2ν = %1 Гц, среднее 0").arg(n(2 * q.frequency)),
         Texts::tr("p: 2ν = %1 Гц, среднее 0").arg(n(2 * q.frequency)),
         Texts::tr("мощность колеблется с частотой 2 ν, %1, герц, и в среднем равна нулю")
             .arg(n(2 * q.frequency))},
        own({QStringLiteral("u"), QStringLiteral("u"), Texts::tr("напряжение u сейчас")}, q.u),
        own({QStringLiteral("i"), QStringLiteral("i"), Texts::tr("ток i сейчас")}, q.i),
        own({QStringLiteral("p = u·i"), QStringLiteral("p = u·i"), Texts::tr("мощность p сейчас")},
            q.p),
    };
}

Entry radii(double voltage, double current, const QLocale& locale) {
    // Round numbers, written without the zeros that would follow their figures.
    const auto round = [&](double value) {
        QString text = threeFigures(value, locale);
        if (text.contains(locale.decimalPoint())) {
            while (text.endsWith(QLatin1Char('0'))) {
                text.chop(1);
            }
            if (text.endsWith(locale.decimalPoint())) {
                text.chop(locale.decimalPoint().size());
            }
        }
        return text;
    };
    const QString u = round(voltage);
    const QString i = round(current);
    const QString shown = Texts::tr("радиус: U<sub>m</sub> %1, I<sub>m</sub> %2");
    return {shown.arg(u, i), Texts::tr("радиус: Um %1, Im %2").arg(u, i),
            Texts::tr("радиус круга: для напряжения %1, для тока %2, условных единиц").arg(u, i)};
}

QLocale interfaceLocale() {
    return QLocale(Texts::tr("ru_RU", "the locale whose numbers the interface shows"));
}

}  // namespace phasors
