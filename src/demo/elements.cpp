// The element in the circuit: the coil, a capacitor or a resistor, each with its own position of
// the slider above it.

#include <QSignalBlocker>
#include <QSlider>

#include "demo/form1.h"
#include "scene/element_drawings.h"

int Form1::positionOf(physics::ElementKind kind) const {
    return kind == element_ ? sldL->value() : positions_.at(static_cast<std::size_t>(kind));
}

// The next pass reads the new element's value from the slider and draws it; the time goes on.
void Form1::setElement(physics::ElementKind kind) {
    if (kind == element_) {
        return;
    }
    positions_.at(static_cast<std::size_t>(element_)) = sldL->value();
    element_ = kind;
    {
        // The slider takes the element's own position: not a move of the slider by the user.
        const QSignalBlocker quiet(sldL);
        sldL->setValue(positions_.at(static_cast<std::size_t>(kind)));
    }
    scene::drawElement(*controls_, kind);
    emit elementChanged();
    if (activeRuns_ == 0) {
        emit shownChanged();
    }
}

void Form1::showElementTexts() {
    scene::showElementTexts(*controls_, element_);
}
