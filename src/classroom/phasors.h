#pragma once

#include <QList>
#include <QLocale>
#include <QPointF>
#include <QString>

#include "demo/demo_math.h"

// The numbers of the phasor diagram: what the demonstration's settings give at an instant, as
// pure functions. The voltage u = U_m·cos ωt and the current i = I_m·sin ωt are the projections,
// onto the diagram's upright axis, of two arrows turning counter-clockwise at ω, the current's a
// quarter turn behind: the voltage's tip stands at (−U_m·sin ωt, U_m·cos ωt), the current's at
// (I_m·cos ωt, I_m·sin ωt).
//
// Like the sliders, the amplitude, the inductance and what follows from them are in the
// program's own units.
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

// The arrows' tips, each in its own quantity's units, y upward: each as long as its amplitude, so
// that each tip's height is its quantity at that instant.
struct Arrows {
    QPointF voltage;
    QPointF current;
};

Arrows arrows(const demo::Instant& instant, double pi);

// What the diagram's radius stands for, for an arrow of that length: the smallest of 1, 1.2,
// 1.5, 2, 2.5, 3, 4, 5, 6 and 8 times a power of ten that the arrow fills to 90 % at most, so that
// every arrow is from 67.5 % to 90 % of the radius, whatever its quantity's size. 1 for none.
double radiusFor(double length);

// A number rounded to three significant figures, with the locale's decimal sign.
QString threeFigures(double value, const QLocale& locale);

// One number of the panel, as the class sees it, as it is copied, and as a screen reader says it
// ("name, value, unit"), in the interface language.
struct Entry {
    QString shown;   // rich text, its symbols with their indices: "I<sub>m</sub> = … = 0,212"
    QString copied;  // plain text with its unit: "Im = Um/XL = 0,212 усл. ед."
    QString spoken;  // "амплитуда тока Iм, 0,212, условных единиц"
};

// The numbers, one quantity an entry, in the order shown.
QList<Entry> entries(const Quantities& q, const QLocale& locale);

// What the circle of the diagram stands for, for each quantity: one entry.
Entry radii(double voltage, double current, const QLocale& locale);

// The interface language's way of writing numbers: a decimal comma in Russian, a point in
// English.
QLocale interfaceLocale();

}  // namespace phasors
