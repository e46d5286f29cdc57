#include "classroom/phasors.h"

#include <QCoreApplication>
#include <algorithm>
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
    double range;  // the ammeter's range divisor
};

// The mode is always one of the table's: the slider's range is the table's nine rows.
Setting settingOf(const demo::Settings& s, double pi) {
    const demo::FrequencyMode& row = *demo::frequencyMode(s.frequencyMode);
    return {demo::omegaFor(row, pi), s.inductance / 2.0, s.amplitude / 10.0, row.ammeterRange};
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

Arrows arrows(const demo::Instant& instant, double pi, double twipsPerUnit) {
    const Setting s = settingOf(instant.settings, pi);
    const double voltage = twipsPerUnit * s.voltage;
    const double current =
        twipsPerUnit * demo::ammeterAmplitude(s.voltage, s.omega, s.inductance, s.range);
    const double c = std::cos(s.omega * instant.t);
    const double sn = std::sin(s.omega * instant.t);
    return {{-voltage * sn, voltage * c}, {current * c, current * sn}};
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

QStringList lines(const Quantities& q, const QLocale& locale) {
    const auto n = [&](double value) { return threeFigures(value, locale); };
    // A value at an instant to the last figure of its amplitude: near zero it reads 0.
    const auto at = [&](double value, double amplitude) {
        return fixed(value, decimalsFor(amplitude), locale);
    };
    const QString units = Texts::tr("усл. ед.");
    return {
        Texts::tr("ω = %1 рад/с").arg(n(q.omega)),
        Texts::tr("ν = ω/2π = %1 Гц").arg(n(q.frequency)),
        Texts::tr("T = 2π/ω = %1 с").arg(n(q.period)),
        QStringLiteral("L = %1 %2").arg(n(q.inductance), units),
        QStringLiteral("Um = %1 %2").arg(n(q.voltage), units),
        QStringLiteral("XL = ωL = %1 %2").arg(n(q.reactance), units),
        QStringLiteral("Im = Um/XL = %1 %2").arg(n(q.current), units),
        QStringLiteral("U = Um/√2 = %1 %2").arg(n(q.rmsVoltage), units),
        QStringLiteral("I = Im/√2 = %1 %2").arg(n(q.rmsCurrent), units),
        Texts::tr("φ = 90° (π/2): ток отстаёт"),
        Texts::tr("Мощность: амплитуда Um·Im/2 = %1 %2, частота 2ν = %3 Гц, среднее 0")
            .arg(n(q.powerAmplitude), units, n(2 * q.frequency)),
        QStringLiteral("u = %1 %2").arg(at(q.u, q.voltage), units),
        QStringLiteral("i = %1 %2").arg(at(q.i, q.current), units),
        QStringLiteral("p = u·i = %1 %2").arg(at(q.p, q.powerAmplitude), units),
    };
}

QLocale interfaceLocale() {
    return QLocale(Texts::tr("ru_RU", "the locale whose numbers the interface shows"));
}

}  // namespace phasors
