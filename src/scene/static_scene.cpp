#include <QtGlobal>
#include <algorithm>
#include <array>
#include <string_view>

#include "scene/layout.h"

namespace scene {

namespace {

constexpr Id kAmmeter{"picamp"};
constexpr Id kVoltmeter{"picvolt"};
constexpr Id kSwitch{"picOn"};

constexpr FontSpec kGaramondTitle{"Garamond", 20.25, true};
constexpr FontSpec kPanelFont{"MS Sans Serif", 9.75, true};
constexpr FontSpec kPanelSmallFont{"MS Sans Serif", 8.25, true};
constexpr FontSpec kSliderEndFont{"MS Sans Serif", 12};
constexpr FontSpec kGraphLetterFont{"MS Sans Serif", 13.5, true};
constexpr FontSpec kGraphLargeLetterFont{"MS Sans Serif", 18, true};

// The emblem and the icon beside the heading.
constexpr std::array kPictureBoxes{
    PictureBoxSpec{{"Picture1"},
                   kForm,
                   {480, 360, 495, 495},
                   kButtonFace,
                   BorderStyle::None,
                   Appearance::Flat,
                   1,
                   nullptr,
                   Picture::Emblem},
    PictureBoxSpec{{"Picture2"},
                   kForm,
                   {1200, 360, 465, 465},
                   kWindowBackground,
                   BorderStyle::None,
                   Appearance::Flat,
                   1,
                   nullptr,
                   Picture::Icon},
};

// The plus and minus marks at the ends of the dial scales. Their extents are kept in
// hundredths of a millimetre: 165, 225, 255 and 285 twips are 291, 397, 450 and 503.
constexpr std::array kMarkers{
    MarkerSpec{{"Plus5"}, kAmmeter, MarkerClass::Plus, {30, 750}, {291, 450}},
    MarkerSpec{{"Minus4"}, kAmmeter, MarkerClass::Minus, {2610, 750}, {397, 503, kAmmeterRed}},
    MarkerSpec{{"Plus1"}, kVoltmeter, MarkerClass::Plus, {0, 720}, {450, 450, kVoltmeterBlue}},
    MarkerSpec{{"Minus2"}, kVoltmeter, MarkerClass::Minus, {2580, 720}, {397, 503}},
};

// A clamp where a wire meets a device: a grey rounded block.
constexpr ShapeSpec clamp(int index, QRect box) {
    return {{"Shape5", index}, kForm, ShapeKind::RoundedRectangle, box, 1, kGrey};
}

constexpr std::array kShapes{
    ShapeSpec{{"Shape1"}, kForm, ShapeKind::Rectangle, {540, 1890, 7815, 2985}, 2, kPanelGreen},
    ShapeSpec{{"Shape4"},
              kForm,
              ShapeKind::Rectangle,
              {8430, 1740, 6765, 8145},
              1,
              kWindowBackground,
              kHatchBlue},
    ShapeSpec{{"Shape2"}, kForm, ShapeKind::Circle, {5010, 4260, 495, 495}, 2, kGrey},
    ShapeSpec{{"Shape3"}, kForm, ShapeKind::Circle, {5580, 4260, 735, 495}, 2, kGrey},
    ShapeSpec{{"Shape6"}, kForm, ShapeKind::Circle, {5160, 4410, 195, 225}, 2, kBrown},
    ShapeSpec{{"Shape7"}, kForm, ShapeKind::Circle, {5850, 4410, 195, 225}, 2, kBrown},
    clamp(0, {5100, 4710, 315, 285}),
    clamp(1, {5790, 4710, 315, 285}),
    clamp(2, {4050, 5910, 315, 405}),
    clamp(3, {5310, 9120, 315, 345}),
    clamp(4, {2370, 9120, 315, 345}),
    clamp(5, {780, 5880, 315, 435}),
    ShapeSpec{{"Shape8"}, kSwitch, ShapeKind::Circle, {60, 90, 225, 195}, 2},
};

// The value-axis ticks and the strokes at the origins form one control array, numbered from
// the top of the window down (strokes on the same height from left to right); index 21 was
// never used. Every value tick runs from 8790 to 8910, across the value axis at 8850.
constexpr LineSpec valueTick(int index, int y) {
    return {{"Line5", index}, kForm, {8790, y}, {8910, y}};
}

constexpr LineSpec originStroke(int index, int fromX, int y) {
    return {{"Line5", index}, kForm, {fromX, y}, {fromX + 120, y}};
}

// Every line of the window itself but the time ticks, back to front: the panel's shadow and
// screw slots, the wire outlines, the ammeter's shadow, the coil, the power symbol, then the
// graph axes with their arrowheads and the value ticks over them.
constexpr std::array kFixedLines{
    LineSpec{{"Line49"}, kForm, {600, 4890}, {8340, 4890}, 3},
    LineSpec{{"Line50"}, kForm, {8370, 1920}, {8370, 4890}, 2},
    LineSpec{{"Line51"}, kForm, {5310, 4470}, {5190, 4560}, 2},
    LineSpec{{"Line52"}, kForm, {5880, 4440}, {6000, 4590}, 2},
    // Wire outlines: thin on the upper or left edge, thick on the lower or right edge.
    LineSpec{{"Line15"}, kForm, {5160, 4980}, {5160, 5970}, 1},
    LineSpec{{"Line24"}, kForm, {5370, 4980}, {5370, 6180}, 2},
    LineSpec{{"Line16"}, kForm, {5160, 5970}, {4320, 5970}, 1},
    LineSpec{{"Line25"}, kForm, {4320, 6210}, {5370, 6210}, 2},
    LineSpec{{"Line17"}, kForm, {780, 5970}, {390, 5970}, 1},
    LineSpec{{"Line18"}, kForm, {390, 5970}, {390, 9390}, 1},
    LineSpec{{"Line26"}, kForm, {780, 6180}, {600, 6180}, 2},
    LineSpec{{"Line27"}, kForm, {600, 6180}, {600, 9210}, 2},
    LineSpec{{"Line29"}, kForm, {600, 9180}, {2400, 9180}, 1},
    LineSpec{{"Line19"}, kForm, {390, 9390}, {2370, 9390}, 2},
    LineSpec{{"Line30"}, kForm, {5610, 9180}, {7710, 9180}, 1},
    LineSpec{{"Line20"}, kForm, {5610, 9390}, {7890, 9390}, 2},
    LineSpec{{"Line31"}, kForm, {7680, 9150}, {7680, 6150}, 1},
    LineSpec{{"Line21"}, kForm, {7890, 9360}, {7890, 5970}, 2},
    LineSpec{{"Line22"}, kForm, {6030, 5970}, {7890, 5970}, 1},
    LineSpec{{"Line32"}, kForm, {7680, 6180}, {5820, 6180}, 2},
    LineSpec{{"Line33"}, kForm, {5820, 4980}, {5820, 6180}, 1},
    LineSpec{{"Line23"}, kForm, {6030, 4980}, {6030, 5970}, 2},
    // The ammeter's shadow.
    LineSpec{{"Line35"}, kForm, {1110, 6930}, {4020, 6930}, 3},
    LineSpec{{"Line36"}, kForm, {4050, 5340}, {4050, 6300}, 3},
    LineSpec{{"Line46"}, kForm, {4050, 6270}, {4050, 6930}, 3},
    // The coil: the back of each winding, the diagonals from one turn to the next, the
    // shadow under the turns and the right edge of the last turn around its clamp.
    LineSpec{{"Line63", 0}, kForm, {2880, 8430}, {2880, 10170}, 2},
    LineSpec{{"Line63", 1}, kForm, {3270, 8460}, {3270, 10200}, 2},
    LineSpec{{"Line63", 2}, kForm, {3660, 8430}, {3660, 10170}, 2},
    LineSpec{{"Line63", 3}, kForm, {4080, 8430}, {4080, 10170}, 2},
    LineSpec{{"Line63", 4}, kForm, {4500, 8430}, {4500, 10170}, 2},
    LineSpec{{"Line63", 5}, kForm, {4920, 8430}, {4920, 10170}, 2},
    LineSpec{{"Line64", 0}, kForm, {2880, 8520}, {3060, 10080}, 3},
    LineSpec{{"Line64", 1}, kForm, {3270, 8520}, {3450, 10080}, 3},
    LineSpec{{"Line64", 2}, kForm, {3660, 8550}, {3840, 10110}, 3},
    LineSpec{{"Line64", 3}, kForm, {4080, 8520}, {4260, 10080}, 3},
    LineSpec{{"Line64", 4}, kForm, {4500, 8520}, {4680, 10080}, 3},
    LineSpec{{"Line64", 5}, kForm, {4920, 8550}, {5100, 10110}, 3},
    LineSpec{{"Line34", 0}, kForm, {5160, 10170}, {5310, 10170}, 3},
    LineSpec{{"Line34", 1}, kForm, {3480, 10170}, {3630, 10170}, 3},
    LineSpec{{"Line34", 2}, kForm, {3900, 10170}, {4050, 10170}, 3},
    LineSpec{{"Line34", 3}, kForm, {4320, 10170}, {4470, 10170}, 3},
    LineSpec{{"Line34", 4}, kForm, {4740, 10170}, {4890, 10170}, 3},
    LineSpec{{"Line34", 5}, kForm, {3090, 10170}, {3240, 10170}, 3},
    LineSpec{{"Line34", 6}, kForm, {2700, 10170}, {2850, 10170}, 3},
    LineSpec{{"Line48"}, kForm, {5340, 8430}, {5340, 9150}, 2},
    LineSpec{{"Line47"}, kForm, {5340, 9420}, {5340, 10170}, 2},
    // The power symbol on the switch.
    LineSpec{{"Line53"}, kSwitch, {165, 30}, {165, 180}, 2},
    // Voltage graph: value axis, its arrowhead, time axis, its arrowhead.
    LineSpec{{"Line1"}, kForm, {8850, 1860}, {8850, 3990}, 2, kGrey},
    LineSpec{{"Line4"}, kForm, {8820, 1800}, {8730, 1920}, 4, kGrey},
    LineSpec{{"Line7"}, kForm, {8850, 1800}, {8940, 1920}, 4, kGrey},
    LineSpec{{"Line3"}, kForm, {8760, 2940}, {15150, 2940}, 1, kGrey},
    LineSpec{{"Line9"}, kForm, {15030, 2910}, {14880, 2820}, 4, kGrey},
    LineSpec{{"Line10"}, kForm, {15030, 2970}, {14910, 3090}, 4, kGrey},
    // Current graph, and the serif bars of its letter I.
    LineSpec{{"Line2"}, kForm, {8850, 4230}, {8850, 6780}, 2, kGrey},
    LineSpec{{"Line11"}, kForm, {8850, 4140}, {8760, 4260}, 4, kGrey},
    LineSpec{{"Line12"}, kForm, {8820, 4140}, {8940, 4260}, 4, kGrey},
    LineSpec{{"Line8"}, kForm, {8610, 5220}, {14970, 5220}, 1, kGrey},
    LineSpec{{"Line13"}, kForm, {14970, 5190}, {14820, 5100}, 4, kGrey},
    LineSpec{{"Line14"}, kForm, {14970, 5220}, {14850, 5340}, 4, kGrey},
    LineSpec{{"Line62"}, kForm, {8520, 4200}, {8670, 4200}, 2},
    LineSpec{{"Line61"}, kForm, {8520, 4470}, {8670, 4470}, 2},
    // Power graph.
    LineSpec{{"Line59"}, kForm, {8850, 6960}, {8850, 9570}, 2, kGrey},
    LineSpec{{"Line56"}, kForm, {8850, 6930}, {8940, 7050}, 4, kGrey},
    LineSpec{{"Line57"}, kForm, {8820, 6930}, {8730, 7050}, 4, kGrey},
    LineSpec{{"Line58"}, kForm, {8730, 8310}, {15090, 8310}, 1, kGrey},
    LineSpec{{"Line54"}, kForm, {15030, 8310}, {14910, 8430}, 4, kGrey},
    LineSpec{{"Line55"}, kForm, {15030, 8280}, {14880, 8190}, 4, kGrey},
    // Value ticks and origin strokes, top to bottom.
    valueTick(0, 1980),
    valueTick(1, 2220),
    valueTick(2, 2460),
    valueTick(3, 2700),
    originStroke(4, 8850, 2940),
    valueTick(5, 3150),
    valueTick(6, 3390),
    valueTick(7, 3660),
    valueTick(8, 4470),
    valueTick(9, 4710),
    valueTick(10, 4950),
    originStroke(11, 8850, 5220),
    valueTick(12, 5460),
    valueTick(13, 5700),
    valueTick(14, 5940),
    valueTick(15, 6150),
    LineSpec{{"Line60"}, kForm, {8790, 6390}, {8910, 6390}},
    valueTick(16, 6630),
    valueTick(17, 7230),
    valueTick(18, 7620),
    valueTick(19, 7980),
    originStroke(20, 8760, 8310),
    originStroke(22, 8850, 8310),
    originStroke(23, 8970, 8310),
    valueTick(24, 8670),
    valueTick(25, 9060),
};

// The scale of a dial, the same on both in the dial's own coordinates: white marks on an arc
// around the needle's pivot, beyond its tip, at the vertical and about 30 and 60 degrees to
// either side of it.
struct ScaleMark {
    QPoint from;
    QPoint to;
};

constexpr std::array kScaleMarks{
    ScaleMark{{1380, 270}, {1380, 420}},  // middle
    ScaleMark{{780, 510}, {810, 570}},    // inner left
    ScaleMark{{2010, 510}, {1980, 570}},  // inner right
    ScaleMark{{240, 900}, {390, 990}},    // outer left
    ScaleMark{{2550, 900}, {2400, 990}},  // outer right
};

struct DialScale {
    Id dial;
    std::array<std::string_view, kScaleMarks.size()> markNames;  // in the order of the marks
    Id zeroLabel;
    Id unitLabel;
    const char* unit;
};

constexpr std::array kDialScales{
    DialScale{
        kAmmeter, {"Line39", "Line37", "Line28", "Line40", "Line38"}, {"Label9"}, {"Label10"}, "A"},
    DialScale{kVoltmeter,
              {"Line42", "Line44", "Line45", "Line41", "Line43"},
              {"Label8"},
              {"Label6"},
              "V"},
};

// The time ticks: 24 on each time axis, 240 apart, each 60 long and centred on its axis;
// indexes 0 to 23 on the voltage graph, 24 to 47 on the current graph, 48 to 71 on the power
// graph.
struct TimeAxis {
    int firstTickX;
    int y;
};

constexpr std::array kTimeAxes{TimeAxis{9150, 2940}, TimeAxis{9000, 5220}, TimeAxis{9120, 8310}};
constexpr int kTicksPerAxis = 24;

constexpr auto kLines = [] {
    std::array<LineSpec, kFixedLines.size() + kDialScales.size() * kScaleMarks.size() +
                             kTimeAxes.size() * kTicksPerAxis>
        all{};
    auto out = std::copy(kFixedLines.begin(), kFixedLines.end(), all.begin());
    for (const DialScale& d : kDialScales) {
        for (std::size_t i = 0; i < kScaleMarks.size(); ++i) {
            *out++ = {{d.markNames[i]}, d.dial, kScaleMarks[i].from, kScaleMarks[i].to, 3, kWhite};
        }
    }
    int index = 0;
    for (const TimeAxis& axis : kTimeAxes) {
        for (int k = 0; k < kTicksPerAxis; ++k) {
            const int x = axis.firstTickX + 240 * k;
            *out++ = {{"Line6", index++}, kForm, {x, axis.y - 30}, {x, axis.y + 30}};
        }
    }
    return all;
}();

// A caption on the generator panel: black on the panel's own green.
constexpr LabelSpec panelLabel(std::string_view name, QRect box, const char* caption,
                               FontSpec font) {
    return {{name}, kForm, box, caption, font, kWindowText, kPanelGreen};
}

constexpr LabelSpec sliderEnd(int index, QRect box, const char* caption) {
    return {{"Label16", index}, kForm, box, caption, kSliderEndFont};
}

constexpr LabelSpec zeroLabel(const DialScale& d) {
    return {d.zeroLabel, d.dial, {1320, 0, 195, 375}, "0", {"Garamond", 12, true}, kWhite};
}

constexpr LabelSpec unitLabel(const DialScale& d) {
    return {d.unitLabel, d.dial, {2460, 30, 315, 435}, d.unit, kGaramondTitle, kDarkGrey};
}

constexpr LabelSpec timeLetter(int index, QPoint topLeft) {
    return {{"Label19", index}, kForm, {topLeft, QSize(135, 375)}, "t", kGraphLargeLetterFont};
}

constexpr std::array kLabels{
    LabelSpec{{"Label2"},
              kForm,
              {3030, 240, 12165, 615},
              QT_TRANSLATE_NOOP("Velmora", "Катушка (индуктивность ) в цепи переменного тока"),
              kGaramondTitle},
    panelLabel("Label13", {1200, 1920, 2625, 495}, QT_TRANSLATE_NOOP("Velmora", "Генератор"),
               kGaramondTitle),
    panelLabel("Label3", {5820, 2040, 915, 225}, QT_TRANSLATE_NOOP("Velmora", "Частота"),
               kPanelFont),
    // "Амплитуда(U", a smaller lowered "m" and ")": the amplitude U with its index m. A
    // translation of the title ends with the "U" where the Russian does, so that the "m" follows
    // it.
    panelLabel("Label4", {5670, 3120, 1485, 255}, QT_TRANSLATE_NOOP("Velmora", "Амплитуда(U"),
               kPanelFont),
    panelLabel("Label5", {7110, 3150, 195, 255}, "m", kPanelSmallFont),
    panelLabel("Label7", {7230, 3120, 225, 225}, ")", kPanelFont),
    panelLabel("Label1", {7050, 4590, 1035, 195}, QT_TRANSLATE_NOOP("Velmora", "Вкл.\\Выкл."),
               kPanelSmallFont),
    sliderEnd(1, {4440, 2070, 435, 225}, "min"),
    sliderEnd(3, {7590, 2040, 435, 315}, "max"),
    sliderEnd(2, {4470, 3090, 435, 225}, "min"),
    sliderEnd(4, {7620, 3090, 435, 285}, "max"),
    sliderEnd(0, {2580, 7290, 435, 225}, "min"),
    sliderEnd(5, {4980, 7290, 435, 315}, "max"),
    LabelSpec{{"Label14"}, kForm, {5760, 7980, 465, 525}, "L", {"Courier New", 24, true}},
    zeroLabel(kDialScales[0]),
    unitLabel(kDialScales[0]),
    zeroLabel(kDialScales[1]),
    unitLabel(kDialScales[1]),
    LabelSpec{{"Label18"}, kForm, {8490, 1740, 285, 375}, "U", kGraphLetterFont},
    LabelSpec{{"Label17"}, kForm, {8550, 4110, 165, 345}, "I", kGraphLargeLetterFont},
    LabelSpec{{"Label15"}, kForm, {8520, 6870, 225, 285}, "P", kGraphLetterFont},
    timeLetter(0, {14940, 3060}),
    timeLetter(1, {14940, 5310}),
    timeLetter(2, {15000, 8310}),
};

}  // namespace

const Layout& staticScene() {
    static const Layout layout{kPictureBoxes, kMarkers, {}, {}, kShapes, kLines, kLabels, {}};
    return layout;
}

}  // namespace scene
