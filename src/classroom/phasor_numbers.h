#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <array>

#include "physics/element.h"
#include "physics/phasors.h"

// The numbers of the phasor diagram as the class reads them, in the interface language: each
// quantity with its symbol and formula, its value to three significant figures and its unit.
// Like the sliders, the amplitude, the element's value and what follows from them are in the
// program's own units.
namespace phasors {

// A number rounded to three significant figures, with the locale's decimal sign.
QString threeFigures(double value, const QLocale& locale);

// One number of the panel, as the class sees it, as it is copied, and as a screen reader says it
// ("name, value, unit").
struct Entry {
    QString shown;   // rich text, its symbols with their indices: "I<sub>m</sub> = … = 0,212"
    QString copied;  // plain text with its unit: "Im = Um/XL = 0,212 усл. ед."
    QString spoken;  // "амплитуда тока I m, 0,212, условных единиц"
};

// The numbers of that element's lesson, one quantity an entry, in the order shown; the
// ammeter's range among them where it is not 1.
QList<Entry> entries(physics::ElementKind element, const physics::Quantities& q,
                     const QLocale& locale);

// The numbers of the three compared, for the same generator: its own, then each element's value
// and current.
QList<Entry> comparedEntries(const std::array<physics::Quantities, 3>& q, const QLocale& locale);

// What the circle of the diagram stands for, for each quantity: one entry.
Entry radii(double voltage, double current, const QLocale& locale);
Entry comparedRadii(double voltage, const std::array<double, 3>& currents, const QLocale& locale);

// The interface language's way of writing numbers: a decimal comma in Russian, a point in
// English.
QLocale interfaceLocale();

}  // namespace phasors
