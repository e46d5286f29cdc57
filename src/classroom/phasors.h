#pragma once

#include <QLocale>
#include <QPointF>
#include <QStringList>

#include "demo/demo_math.h"

// The numbers of the phasor diagram: what the demonstration's settings give at an instant, as
// pure functions. The voltage u = U_m·cos ωt and the current i = I_m·sin ωt are the projections,
// onto the diagram's upright axis, of two arrows turning counter-clockwise at ω, the current's a
// quarter turn behind: the voltage's tip stands at (−U_m·sin ωt, U_m·cos ωt), the current's at
// (I_m·cos ωt, I_m·sin ωt).
//
// Like the sliders, the amplitude, the inductance and what follows from them are in the
// program's own units: U_m is the amplitude slider ÷ 10, L the inductance slider ÷ 2.
namespace phasors {

struct Quantities {
    double omega;           // ω, rad/s (from the program's pi, as the demonstration has it)
    double frequency;       // ν = ω / 2π, Hz
    double period;          // T = 2π / ω, s
    double inductance;      // L
    double voltage;         // U_m
    double reactance;       // X_L = ωL
    double current;         // I_m = U_m / X_L
    double rmsVoltage;      // U = U_m / √2
    double rmsCurrent;      // I = I_m / √2
    double powerAmplitude;  // U_m·I_m / 2, swinging at 2ν
    double u;               // at the instant
    double i;
    double p;
};

Quantities quantities(const demo::Instant& instant, double pi);

// The arrows' tips, in twips of the graphs' scale with y upward: each as long as its curve on
// the graphs is high at its peak (the current's on the ammeter's range, as the graph draws it),
// so that each tip's height is the height of its curve at that instant.
struct Arrows {
    QPointF voltage;
    QPointF current;
};

Arrows arrows(const demo::Instant& instant, double pi, double twipsPerUnit);

// A number rounded to three significant figures, with the locale's decimal sign.
QString threeFigures(double value, const QLocale& locale);

// The numbers, one quantity a line, in the interface language.
QStringList lines(const Quantities& q, const QLocale& locale);

// The interface language's way of writing numbers: a decimal comma in Russian, a point in
// English.
QLocale interfaceLocale();

}  // namespace phasors
