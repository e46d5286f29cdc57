#pragma once

#include <QAccessible>
#include <QRect>
#include <QString>
#include <functional>
#include <variant>
#include <vector>

class QWidget;

namespace scene {

// A part of a window's own surface that a screen reader reads as an element of its own: a text
// that carries meaning, a picture that says something. Its name and description are asked for
// each time a screen reader reads them, in the interface language of that moment.
struct ReadablePart {
    QAccessible::Role role;
    std::function<QString()> name;
    std::function<QString()> description;  // none: no description
    std::function<QRect()> area;           // pixels of the window
    std::function<bool()> shown;
};

// What a screen reader finds on a window: one of its controls, or a readable part.
using ReaderElement = std::variant<QWidget*, ReadablePart>;

// Makes `window` a frame, named by its title, whose elements for a screen reader are exactly the
// ones `elements` lists, in that order: anything else on the window (decorations, the markers,
// an overlay) stays out of its tree unless it is listed. The list is asked for when a screen
// reader first looks, so it may name controls made after this call.
void exposeToScreenReaders(QWidget& window, std::function<std::vector<ReaderElement>()> elements);

// Adds a control that a layer above puts on such a window to what a screen reader finds there,
// after the others, for as long as the control lives.
void addToScreenReaders(QWidget& window, QWidget& element);

}  // namespace scene
