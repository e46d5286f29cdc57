#pragma once

#include <QRect>
#include <QSize>
#include <optional>
#include <span>
#include <string_view>

#include "scene/picture_box.h"
#include "scene/tavik.h"
#include "scene/windowless.h"

namespace scene {

// The window's client area as laid out: 15240 × 11010 twips (1016 × 734 pixels).
inline constexpr QSize kClientTwips{15240, 11010};

// What a screen reader says of a control besides its kind and state: its name and, where it
// helps, a description. Both are marked for translation where the tables are written and shown
// in the interface language; none at all leaves what the toolkit says of the control.
struct AccessibleText {
    const char* name = nullptr;
    const char* description = nullptr;
};

struct PictureBoxSpec {
    Id id;
    Id parent;
    QRect box;  // twips, border included
    ColourNumber back;
    BorderStyle border;
    Appearance look;
    int drawWidth = 1;
    const char* tooltip = nullptr;
    std::optional<Picture> picture = {};  // shown at the inner top-left corner
    AccessibleRole role = AccessibleRole::Plain;
    AccessibleText accessible = {};
};

enum class MarkerClass { Plus, Minus };

struct MarkerSpec {
    Id id;
    Id parent;
    MarkerClass kind;
    QPoint pos;  // twips
    Tavik::PersistedSettings settings;
};

struct SliderSpec {
    Id id;
    QRect box;
    int min;
    int max;
    int value;
    int smallChange;  // arrow keys
    int largeChange;  // page keys and clicks on the track
    const char* tooltip;
    AccessibleText accessible;
};

struct ButtonSpec {
    Id id;
    QRect box;
    const char* caption;
    FontSpec font;
    AccessibleText accessible = {};
};

// One part of the window's layout, every element of a kind in one table. Windowed controls
// are created in table order, so a later one lies in front of an earlier one.
struct Layout {
    std::span<const PictureBoxSpec> pictureBoxes;
    std::span<const MarkerSpec> markers;
    std::span<const SliderSpec> sliders;
    std::span<const ButtonSpec> buttons;
    std::span<const ShapeSpec> shapes;
    std::span<const LineSpec> lines;
    std::span<const LabelSpec> labels;
    std::span<const ImageSpec> images;
};

// The controls the demonstration reads, writes or handles events of.
const Layout& controlLayout();
// The fixed picture around them.
const Layout& staticScene();

// The interactive controls in tab order; the first one holds the focus at start.
std::span<const Id> tabOrder();

// The kinds of windowless element.
enum class ElementKind { Shape, Line, Label, Image };

// One step of a surface's paint order: the windowless elements of one kind laid out on the
// surface with the given name (all indexes of a control array, in table order), or, without a
// name, those of the kind that no step names, in the order of their layout tables.
struct PaintStep {
    Id surface;
    ElementKind kind;
    std::string_view name = {};
};

// How every surface stacks its windowless elements: the order it paints them in, back to front.
// Windowed controls lie above all of them, the later created in front.
std::span<const PaintStep> paintOrder();

}  // namespace scene
