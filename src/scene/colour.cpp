#include "scene/colour.h"

#include <QGuiApplication>
#include <QPalette>

namespace scene {

QColor toQColor(ColourNumber colour) {
    switch (colour) {
        case kButtonFace:
            return QGuiApplication::palette().color(QPalette::Button);
        case kWindowBackground:
            return QGuiApplication::palette().color(QPalette::Base);
        case kWindowText:
            return QGuiApplication::palette().color(QPalette::WindowText);
        default:
            return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                          static_cast<int>((colour >> 16) & 0xFF));
    }
}

}  // namespace scene
