#pragma once

#include <QRect>
#include <QSize>
#include <optional>
#include <span>

#include "scene/picture_box.h"
#include "scene/tavik.h"
#include "scene/windowless.h"

namespace scene {

// The window's client area as laid out: 15240 × 11010 twips (1016 × 734 pixels).
inline constexpr QSize kClientTwips{15240, 11010};

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
};

struct ButtonSpec {
    Id id;
    QRect box;
    const char* caption;
    FontSpec font;
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

}  // namespace scene
