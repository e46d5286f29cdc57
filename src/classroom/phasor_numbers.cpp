#include "classroom/phasor_numbers.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cmath>

namespace phasors {

namespace {

class Texts {
    Q_DECLARE_TR_FUNCTIONS(Phasors)
};

QString translated(const char* text) {
    return QCoreApplication::translate("Phasors", text);
}

}  // namespace

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

// Each unit as the panel shows it and as a screen reader says it, in the order of Unit.
struct UnitTexts {
    const char* shown;
    const char* spoken;
};

constexpr std::array<UnitTexts, 4> kUnits{{
    {QT_TRANSLATE_NOOP("Phasors", "рад/с"), QT_TRANSLATE_NOOP("Phasors", "радиан в секунду")},
    {QT_TRANSLATE_NOOP("Phasors", "Гц"), QT_TRANSLATE_NOOP("Phasors", "герц")},
    {QT_TRANSLATE_NOOP("Phasors", "с"), QT_TRANSLATE_NOOP("Phasors", "секунд")},
    {QT_TRANSLATE_NOOP("Phasors", "усл. ед."), QT_TRANSLATE_NOOP("Phasors", "условных единиц")},
}};

QString shownUnit(Unit unit) {
    return translated(kUnits.at(static_cast<std::size_t>(unit)).shown);
}

QString spokenUnit(Unit unit) {
    return translated(kUnits.at(static_cast<std::size_t>(unit)).spoken);
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

// What differs from element to element in its lesson's numbers.
struct ElementRows {
    const char* value;  // L, C or R
    const char* valueName;
    bool opposition;             // whether X is a row of its own (the resistor's is R)
    const char* oppositionRich;  // X with its formula
    const char* oppositionPlain;
    const char* oppositionName;
    const char* currentRich;  // I_m with its formula
    const char* currentPlain;
    const char* phaseShown;
    const char* phaseSpoken;
};

const ElementRows& rowsOf(physics::ElementKind element) {
    static constexpr std::array<ElementRows, 3> kRows{{
        {"L", QT_TRANSLATE_NOOP("Phasors", "индуктивность L"), true, "X<sub>L</sub> = ωL",
         "XL = ωL", QT_TRANSLATE_NOOP("Phasors", "индуктивное сопротивление X L"),
         "I<sub>m</sub> = U<sub>m</sub>/X<sub>L</sub>", "Im = Um/XL",
         QT_TRANSLATE_NOOP("Phasors", "φ = 90°: ток отстаёт"),
         QT_TRANSLATE_NOOP("Phasors",
                           "сдвиг фаз φ, 90, градусов: ток отстаёт от напряжения на четверть "
                           "периода")},
        {"C", QT_TRANSLATE_NOOP("Phasors", "ёмкость C"), true, "X<sub>C</sub> = 1/(ωC)",
         "XC = 1/(ωC)", QT_TRANSLATE_NOOP("Phasors", "ёмкостное сопротивление X C"),
         "I<sub>m</sub> = U<sub>m</sub>/X<sub>C</sub>", "Im = Um/XC",
         QT_TRANSLATE_NOOP("Phasors", "φ = −90°: ток опережает напряжение"),
         QT_TRANSLATE_NOOP("Phasors",
                           "сдвиг фаз φ, минус 90, градусов: ток опережает напряжение на "
                           "четверть периода")},
        {"R", QT_TRANSLATE_NOOP("Phasors", "сопротивление R"), false, nullptr, nullptr, nullptr,
         "I<sub>m</sub> = U<sub>m</sub>/R", "Im = Um/R",
         QT_TRANSLATE_NOOP("Phasors", "φ = 0: совпадает по фазе"),
         QT_TRANSLATE_NOOP("Phasors",
                           "сдвиг фаз φ, 0, градусов: ток совпадает по фазе с "
                           "напряжением")},
    }};
    return kRows.at(static_cast<std::size_t>(element));
}

}  // namespace

QList<Entry> entries(physics::ElementKind element, const physics::Quantities& q,
                     const QLocale& locale) {
    const ElementRows& rows = rowsOf(element);
    const auto n = [&](double value) { return threeFigures(value, locale); };
    const auto own = [&](const Symbol& symbol, double value) {
        return valueEntry(symbol, value, Unit::Own, locale);
    };
    QList<Entry> list{
        valueEntry({QStringLiteral("ω"), QStringLiteral("ω"), Texts::tr("угловая частота ω")},
                   q.omega, Unit::RadiansPerSecond, locale),
        valueEntry({QStringLiteral("ν = ω/2π"), QStringLiteral("ν = ω/2π"), Texts::tr("частота ν")},
                   q.frequency, Unit::Hertz, locale),
        valueEntry({QStringLiteral("T = 1/ν"), QStringLiteral("T = 1/ν"), Texts::tr("период T")},
                   q.period, Unit::Seconds, locale),
        own({QString::fromLatin1(rows.value), QString::fromLatin1(rows.value),
             translated(rows.valueName)},
            q.value),
        own({QStringLiteral("U<sub>m</sub>"), QStringLiteral("Um"),
             Texts::tr("амплитуда напряжения U m")},
            q.voltage),
    };
    if (rows.opposition) {
        list << own({QString::fromUtf8(rows.oppositionRich),
                     QString::fromUtf8(rows.oppositionPlain), translated(rows.oppositionName)},
                    q.opposition);
    }
    const QString phase = translated(rows.phaseShown);
    const QString power =
        Texts::tr("p: 2ν = %1 Гц, среднее %2").arg(n(2 * q.frequency), n(q.meanPower));
    list << own({QString::fromUtf8(rows.currentRich), QString::fromUtf8(rows.currentPlain),
                 Texts::tr("амплитуда тока I m")},
                q.current)
         << own({QStringLiteral("U = U<sub>m</sub>/√2"), QStringLiteral("U = Um/√2"),
                 Texts::tr("действующее напряжение U")},
                q.rmsVoltage)
         << own({QStringLiteral("I = I<sub>m</sub>/√2"), QStringLiteral("I = Im/√2"),
                 Texts::tr("действующий ток I")},
                q.rmsCurrent)
         << Entry{phase.toHtmlEscaped(), phase, translated(rows.phaseSpoken)}
         << own({QStringLiteral("P<sub>m</sub> = U<sub>m</sub>·I<sub>m</sub>/2"),
                 QStringLiteral("Pm = Um·Im/2"), Texts::tr("амплитуда мощности P m")},
                q.powerAmplitude)
         << Entry{power.toHtmlEscaped(), power,
                  Texts::tr("мощность колеблется с частотой 2 ν, %1, герц; средняя мощность %2, "
                            "условных единиц")
                      .arg(n(2 * q.frequency), n(q.meanPower))};
    if (q.ammeterRange != 1) {
        const QString range = Texts::tr("предел амперметра ×%1").arg(n(q.ammeterRange));
        list << Entry{
            range.toHtmlEscaped(), range,
            Texts::tr("предел амперметра и графика тока, умножить на %1").arg(n(q.ammeterRange))};
    }
    list << own({QStringLiteral("u"), QStringLiteral("u"), Texts::tr("напряжение u сейчас")}, q.u)
         << own({QStringLiteral("i"), QStringLiteral("i"), Texts::tr("ток i сейчас")}, q.i)
         << own({QStringLiteral("p = u·i"), QStringLiteral("p = u·i"),
                 Texts::tr("мощность p сейчас")},
                q.p);
    return list;
}

QList<Entry> comparedEntries(const std::array<physics::Quantities, 3>& q, const QLocale& locale) {
    QList<Entry> list{
        valueEntry({QStringLiteral("ω"), QStringLiteral("ω"), Texts::tr("угловая частота ω")},
                   q[0].omega, Unit::RadiansPerSecond, locale),
        valueEntry({QStringLiteral("ν = ω/2π"), QStringLiteral("ν = ω/2π"), Texts::tr("частота ν")},
                   q[0].frequency, Unit::Hertz, locale),
        valueEntry({QStringLiteral("T = 1/ν"), QStringLiteral("T = 1/ν"), Texts::tr("период T")},
                   q[0].period, Unit::Seconds, locale),
        valueEntry({QStringLiteral("U<sub>m</sub>"), QStringLiteral("Um"),
                    Texts::tr("амплитуда напряжения U m")},
                   q[0].voltage, Unit::Own, locale),
    };
    for (const physics::ElementKind kind : physics::kElementKinds) {
        const ElementRows& rows = rowsOf(kind);
        const physics::Quantities& its = q.at(static_cast<std::size_t>(kind));
        const QString value = threeFigures(its.value, locale);
        const QString current = threeFigures(its.current, locale);
        list << Entry{
            Texts::tr("%1 = %2: I<sub>m</sub> = %3")
                .arg(QString::fromLatin1(rows.value), value, current),
            Texts::tr("%1 = %2: Im = %3 %4")
                .arg(QString::fromLatin1(rows.value), value, current, shownUnit(Unit::Own)),
            Texts::tr("%1 %2, амплитуда тока, %3, %4")
                .arg(translated(rows.valueName), value, current, spokenUnit(Unit::Own))};
    }
    return list;
}

namespace {

// Round numbers, written without the zeros that would follow their figures.
QString round(double value, const QLocale& locale) {
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
}

}  // namespace

Entry radii(double voltage, double current, const QLocale& locale) {
    const QString u = round(voltage, locale);
    const QString i = round(current, locale);
    const QString shown = Texts::tr("радиус: U<sub>m</sub> %1, I<sub>m</sub> %2");
    return {shown.arg(u, i), Texts::tr("радиус: Um %1, Im %2").arg(u, i),
            Texts::tr("радиус круга: для напряжения %1, для тока %2, условных единиц").arg(u, i)};
}

Entry comparedRadii(double voltage, const std::array<double, 3>& currents, const QLocale& locale) {
    const QString u = round(voltage, locale);
    QStringList i;
    for (const physics::ElementKind kind : physics::kElementKinds) {
        i << QStringLiteral("%1 %2").arg(
            QString(QLatin1Char(physics::element(kind).symbol)),
            round(currents.at(static_cast<std::size_t>(kind)), locale));
    }
    const QString list = i.join(QStringLiteral(", "));
    return {
        Texts::tr("радиус: U<sub>m</sub> %1, I<sub>m</sub>: %2").arg(u, list),
        Texts::tr("радиус: Um %1, Im: %2").arg(u, list),
        Texts::tr("радиус круга: для напряжения %1, для токов %2, условных единиц").arg(u, list)};
}

QLocale interfaceLocale() {
    return QLocale(Texts::tr("ru_RU", "the locale whose numbers the interface shows"));
}

}  // namespace phasors
