#include "scene/element_drawings.h"

#include <QtGlobal>
#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>
#include <vector>

#include "scene/controls.h"

namespace scene {

namespace {

// The element's part of the circuit: the segments pictok(5) to pictok(11), the markers tok(19) to
// tok(53) in them.
constexpr int kFirstSegment = 5;
constexpr int kSegments = 7;
constexpr int kFirstMarker = 19;
constexpr int kMarkers = 35;

struct Segment {
    QRect box;  // twips of the window, border included
    BorderStyle border;
};

// A marker of the element's part: the segment it stands in (0 for pictok(5)) and its place there.
struct MarkerPlace {
    int segment;
    QPoint pos;
};

// A drawing of an element that is not the coil: its segments (none: hidden), its markers in the
// order of the circuit, its lines, and its texts.
struct Drawing {
    physics::ElementKind kind;
    std::array<std::optional<Segment>, kSegments> segments;
    std::array<MarkerPlace, kMarkers> markers;
    std::string_view lines;  // the name of its lines' control array
    const char* heading;
    const char* letter;
    const char* tooltip;
    const char* accessibleName;
};

// Markers evenly along a straight stretch, from `from` to `to` (their top-left corners).
constexpr void along(std::array<MarkerPlace, kMarkers>& out, int& next, int segment, QPoint from,
                     QPoint to, int count) {
    for (int k = 0; k < count; ++k) {
        const int last = std::max(count - 1, 1);
        out[static_cast<std::size_t>(next++)] = {
            segment,
            {from.x() + (to.x() - from.x()) * k / last, from.y() + (to.y() - from.y()) * k / last}};
    }
}

// Every marker of the part placed, once: a drawing that places more or fewer does not compile.
constexpr std::array<MarkerPlace, kMarkers> placedOnce(std::array<MarkerPlace, kMarkers> out,
                                                       int placed) {
    if (placed != kMarkers) {
        throw std::logic_error("a drawing places each of its markers once");
    }
    return out;
}

// The capacitor: a lead from the left clamp to the left plate, the two plates 255 twips apart,
// a lead from the right plate to the right clamp. The charges along the left lead spread over the
// left plate from its middle outwards, and gather on the right plate from its ends to its middle
// and on along the right lead.
constexpr std::array kPlateFromMiddle{566, 707, 424, 849, 283, 990, 141, 1131, 0, 1273};

constexpr std::array<MarkerPlace, kMarkers> capacitorMarkers() {
    std::array<MarkerPlace, kMarkers> out{};
    int next = 0;
    along(out, next, 0, {0, 0}, {870, 0}, 7);
    for (const int y : kPlateFromMiddle) {
        out[static_cast<std::size_t>(next++)] = {1, {-8, y}};
    }
    for (auto y = kPlateFromMiddle.rbegin(); y != kPlateFromMiddle.rend(); ++y) {
        out[static_cast<std::size_t>(next++)] = {2, {-8, *y}};
    }
    along(out, next, 3, {0, 0}, {870, 0}, 8);
    return placedOnce(out, next);
}

// The resistor, a rectangle as the school textbooks draw it, on leads from the clamps: the
// charges cross it in a broad stream, three abreast.
constexpr std::array<MarkerPlace, kMarkers> resistorMarkers() {
    std::array<MarkerPlace, kMarkers> out{};
    int next = 0;
    along(out, next, 0, {0, 0}, {345, 0}, 3);
    constexpr int kAcross = 29;
    constexpr std::array kRows{0, 209, 418};
    for (int k = 0; k < kAcross; ++k) {
        out[static_cast<std::size_t>(next++)] = {
            1, {1438 * k / (kAcross - 1), kRows[static_cast<std::size_t>(k) % kRows.size()]}};
    }
    along(out, next, 2, {0, 0}, {345, 0}, 3);
    return placedOnce(out, next);
}

constexpr std::array kDrawings{
    Drawing{physics::ElementKind::Capacitor,
            {Segment{{2685, 9210, 1035, 165}, BorderStyle::None},
             Segment{{3720, 8550, 150, 1500}, BorderStyle::FixedSingle},
             Segment{{4125, 8550, 150, 1500}, BorderStyle::FixedSingle},
             Segment{{4275, 9210, 1035, 165}, BorderStyle::None}, std::nullopt, std::nullopt,
             std::nullopt},
            capacitorMarkers(),
            "Line65",
            QT_TRANSLATE_NOOP("Velmora", "Конденсатор (ёмкость) в цепи переменного тока"),
            "C",
            QT_TRANSLATE_NOOP("Velmora", "Изменить ёмкость конденсатора"),
            QT_TRANSLATE_NOOP("Velmora", "Ёмкость конденсатора")},
    Drawing{
        physics::ElementKind::Resistor,
        {Segment{{2685, 9210, 510, 165}, BorderStyle::None},
         Segment{{3195, 8970, 1605, 645}, BorderStyle::FixedSingle},
         Segment{{4800, 9210, 510, 165}, BorderStyle::None}, std::nullopt, std::nullopt,
         std::nullopt, std::nullopt},
        resistorMarkers(),
        "Line66",
        QT_TRANSLATE_NOOP("Velmora", "Резистор (активное сопротивление) в цепи переменного тока"),
        "R",
        QT_TRANSLATE_NOOP("Velmora", "Изменить сопротивление резистора"),
        QT_TRANSLATE_NOOP("Velmora", "Сопротивление резистора")},
};

// A lead's outline, as the straight wires have theirs: thin along its upper edge, thick along its
// lower one.
constexpr LineSpec upperEdge(std::string_view name, int index, int from, int to) {
    return {{name, index}, kForm, {from, 9180}, {to, 9180}, 1};
}
constexpr LineSpec lowerEdge(std::string_view name, int index, int from, int to) {
    return {{name, index}, kForm, {from, 9390}, {to, 9390}, 2};
}

// The leads' outlines and the shadows right of and under a plate or the resistor's body, as the
// coil's turns have theirs.
constexpr std::array kLines{
    upperEdge("Line65", 0, 2685, 3720),
    lowerEdge("Line65", 1, 2685, 3720),
    upperEdge("Line65", 2, 4275, 5310),
    lowerEdge("Line65", 3, 4275, 5310),
    LineSpec{{"Line65", 4}, kForm, {3885, 8580}, {3885, 10065}, 2},
    LineSpec{{"Line65", 5}, kForm, {3735, 10065}, {3885, 10065}, 3},
    LineSpec{{"Line65", 6}, kForm, {4290, 8580}, {4290, 10065}, 2},
    LineSpec{{"Line65", 7}, kForm, {4140, 10065}, {4290, 10065}, 3},
    upperEdge("Line66", 0, 2685, 3195),
    lowerEdge("Line66", 1, 2685, 3195),
    upperEdge("Line66", 2, 4800, 5310),
    lowerEdge("Line66", 3, 4800, 5310),
    LineSpec{{"Line66", 4}, kForm, {4815, 9000}, {4815, 9630}, 2},
    LineSpec{{"Line66", 5}, kForm, {3225, 9630}, {4815, 9630}, 3},
};

// The comparison's legend: for each element a swatch of its colour and its name.
constexpr std::array<ColourNumber, 3> kComparedColours{kCurrentRed, rgbColour(0, 140, 0),
                                                       rgbColour(150, 0, 200)};
constexpr int kLegendTop = 6120;
constexpr int kLegendRow = 210;

constexpr LineSpec swatch(int index) {
    const int y = kLegendTop + kLegendRow * index + kLegendRow / 2;
    return {{"Line67", index}, kForm, {13230, y},
            {13530, y},        3,     kComparedColours[static_cast<std::size_t>(index)]};
}

constexpr LabelSpec legendName(int index, const char* name) {
    return {{"Label20", index},
            kForm,
            {13620, kLegendTop + kLegendRow * index, 1290, kLegendRow},
            name,
            {"MS Sans Serif", 9.75, true},
            kComparedColours[static_cast<std::size_t>(index)]};
}

constexpr std::array kLegendLines{swatch(0), swatch(1), swatch(2)};
constexpr std::array kLegendLabels{
    legendName(0, QT_TRANSLATE_NOOP("Velmora", "катушка")),
    legendName(1, QT_TRANSLATE_NOOP("Velmora", "конденсатор")),
    legendName(2, QT_TRANSLATE_NOOP("Velmora", "резистор")),
};

// The coil's own lines in the static scene: the back of each winding, the diagonals, the shadow
// under the turns and the right edge of the last turn.
constexpr std::array<std::string_view, 5> kCoilLines{"Line63", "Line64", "Line34", "Line47",
                                                     "Line48"};

const Drawing* drawingOf(physics::ElementKind kind) {
    const auto d = std::find_if(kDrawings.begin(), kDrawings.end(),
                                [&](const Drawing& drawing) { return drawing.kind == kind; });
    return d == kDrawings.end() ? nullptr : &*d;
}

constexpr Id segmentId(int k) {
    return {"pictok", kFirstSegment + k};
}

// The coil as the window is laid out: its segments and markers from the layout's own tables.
void layCoil(Controls& controls) {
    for (const PictureBoxSpec& s : controlLayout().pictureBoxes) {
        if (s.id.name == "pictok" && s.id.index >= kFirstSegment &&
            s.id.index < kFirstSegment + kSegments) {
            auto& segment = static_cast<PictureBox&>(controls.widget(s.id));
            segment.setBorderStyle(s.border);
            controls.relay(s.id, s.parent, s.box);
            segment.show();
        }
    }
    for (const MarkerSpec& m : controlLayout().markers) {
        if (m.id.name == "tok" && m.id.index >= kFirstMarker &&
            m.id.index < kFirstMarker + kMarkers) {
            controls.relay(m.id, m.parent, QRect(m.pos, QSize()));
        }
    }
}

void lay(Controls& controls, const Drawing& d) {
    for (int k = 0; k < kSegments; ++k) {
        auto& segment = static_cast<PictureBox&>(controls.widget(segmentId(k)));
        const auto& drawn = d.segments[static_cast<std::size_t>(k)];
        segment.setVisible(drawn.has_value());
        if (drawn) {
            segment.setBorderStyle(drawn->border);
            controls.relay(segmentId(k), kForm, drawn->box);
        }
    }
    for (int i = 0; i < kMarkers; ++i) {
        const MarkerPlace& m = d.markers[static_cast<std::size_t>(i)];
        controls.relay({"tok", kFirstMarker + i}, segmentId(m.segment), QRect(m.pos, QSize()));
    }
}

}  // namespace

const Layout& elementScene() {
    static const auto lines = [] {
        std::array<LineSpec, kLines.size() + kLegendLines.size()> all{};
        std::copy(kLegendLines.begin(), kLegendLines.end(),
                  std::copy(kLines.begin(), kLines.end(), all.begin()));
        return all;
    }();
    static const Layout layout{{}, {}, {}, {}, {}, lines, kLegendLabels, {}};
    return layout;
}

ColourNumber comparedColour(physics::ElementKind kind) {
    return kComparedColours.at(static_cast<std::size_t>(kind));
}

void showComparisonLegend(Controls& controls, bool shown) {
    for (const auto& element : controls.surface(kForm).windowlessElements()) {
        if (element->id().name == "Line67" || element->id().name == "Label20") {
            element->setVisible(shown);
        }
    }
}

const char* headingOf(physics::ElementKind kind) {
    if (const Drawing* d = drawingOf(kind)) {
        return d->heading;
    }
    const auto& labels = staticScene().labels;
    return std::find_if(labels.begin(), labels.end(),
                        [](const LabelSpec& l) { return l.id == Id{"Label2"}; })
        ->caption;
}

void drawElement(Controls& controls, physics::ElementKind kind) {
    const Drawing* drawing = drawingOf(kind);
    if (drawing) {
        lay(controls, *drawing);
    } else {
        layCoil(controls);
    }
    Surface& form = controls.surface(kForm);
    for (const auto& element : form.windowlessElements()) {
        const std::string_view name = element->id().name;
        const bool coils =
            std::find(kCoilLines.begin(), kCoilLines.end(), name) != kCoilLines.end();
        const auto owner = std::find_if(kDrawings.begin(), kDrawings.end(),
                                        [&](const Drawing& d) { return d.lines == name; });
        if (coils || owner != kDrawings.end()) {
            element->setVisible(coils ? !drawing : owner->kind == kind);
        }
    }
    showElementTexts(controls, kind);
}

void showElementTexts(Controls& controls, physics::ElementKind kind) {
    const Drawing* drawing = drawingOf(kind);
    controls.windowless({"Label14"})
        .setCaption(QString::fromLatin1(drawing ? drawing->letter : "L"));
    controls.windowless({"Label2"}).setCaption(translated(headingOf(kind)));
    const auto& sliders = controlLayout().sliders;
    const SliderSpec& slider = *std::find_if(
        sliders.begin(), sliders.end(), [](const SliderSpec& s) { return s.id == Id{"sldL"}; });
    controls.describeAs(slider.id, drawing ? drawing->tooltip : slider.tooltip,
                        drawing ? drawing->accessibleName : slider.accessible.name);
}

}  // namespace scene
