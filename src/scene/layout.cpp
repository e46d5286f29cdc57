#include "scene/layout.h"

#include <QtGlobal>
#include <array>

namespace scene {

namespace {

constexpr Id pictok(int i) {
    return {"pictok", i};
}

// Wire segment: straight ones have no border, the seven coil turns a flat single line.
constexpr PictureBoxSpec wire(int i, QRect box) {
    const bool coilTurn = i >= 5 && i <= 11;
    return {pictok(i),
            kForm,
            box,
            kWhite,
            coilTurn ? BorderStyle::FixedSingle : BorderStyle::None,
            Appearance::Flat};
}

constexpr std::array kPictureBoxes{
    PictureBoxSpec{
        .id = {"picOn"},
        .parent = kForm,
        .box = {7320, 4170, 375, 375},
        .back = kLightGrey,
        .border = BorderStyle::FixedSingle,
        .look = Appearance::Flat,
        .role = AccessibleRole::Switch,
        .accessible = {QT_TRANSLATE_NOOP("Velmora", "Выключатель"),
                       QT_TRANSLATE_NOOP("Velmora", "Запускает и останавливает демонстрацию")},
    },
    PictureBoxSpec{
        .id = {"picvolt"},
        .parent = kForm,
        .box = {1110, 2430, 2900, 1600},
        .back = kVoltmeterBlue,
        .border = BorderStyle::FixedSingle,
        .look = Appearance::ThreeD,
        .drawWidth = 3,
        .tooltip = QT_TRANSLATE_NOOP("Velmora", "Вольтметр"),
        .role = AccessibleRole::Meter,
        .accessible = {QT_TRANSLATE_NOOP("Velmora", "Вольтметр"),
                       QT_TRANSLATE_NOOP("Velmora",
                                         "Напряжение генератора: стрелка качается от нуля влево "
                                         "и вправо")},
    },
    PictureBoxSpec{
        .id = {"picamp"},
        .parent = kForm,
        .box = {1080, 5310, 2955, 1600},
        .back = kAmmeterRed,
        .border = BorderStyle::FixedSingle,
        .look = Appearance::ThreeD,
        .drawWidth = 3,
        .tooltip = QT_TRANSLATE_NOOP("Velmora", "Амперметр"),
        .role = AccessibleRole::Meter,
        .accessible = {QT_TRANSLATE_NOOP("Velmora", "Амперметр"),
                       QT_TRANSLATE_NOOP("Velmora",
                                         "Ток в катушке: стрелка качается от нуля влево и вправо, "
                                         "на четверть периода позже напряжения")},
    },
    wire(0, {5190, 5010, 165, 1155}),
    wire(1, {4380, 6000, 945, 165}),
    wire(2, {570, 6000, 195, 165}),
    wire(3, {420, 6000, 165, 3255}),
    wire(4, {420, 9210, 1935, 165}),
    wire(5, {2670, 8400, 195, 1755}),
    wire(6, {3060, 8400, 195, 1755}),
    wire(7, {3450, 8400, 195, 1755}),
    wire(8, {3870, 8400, 195, 1755}),
    wire(9, {4290, 8400, 195, 1755}),
    wire(10, {4710, 8400, 195, 1755}),
    wire(11, {5130, 8400, 195, 1755}),
    wire(12, {5640, 9210, 2085, 165}),
    wire(13, {7710, 6000, 165, 3375}),
    wire(14, {6000, 6000, 1815, 165}),
    wire(15, {5850, 5010, 165, 1155}),
    PictureBoxSpec{{"picShirma"},
                   kForm,
                   {8430, 1740, 6825, 8235},
                   kButtonFace,
                   BorderStyle::None,
                   Appearance::Flat},
};

// A charge marker of 165 × 225 twips (291 × 397 hundredths of a millimetre) inside a segment.
constexpr MarkerSpec tok(int i, int segment, int left, int top) {
    return {{"tok", i}, pictok(segment), MarkerClass::Plus, {left, top}, {291, 397}};
}

// tok(4) alone stands on the window, in front of pictok(1); it is created after the segments.
constexpr std::array kMarkers{
    tok(0, 0, 0, 60),
    tok(1, 0, 0, 420),
    tok(2, 0, 0, 810),
    tok(3, 1, 300, 0),
    tok(5, 1, 30, -30),
    tok(6, 2, 0, 0),
    tok(7, 3, 0, 330),
    tok(8, 3, 0, 750),
    tok(9, 3, 0, 1230),
    tok(10, 3, 0, 1680),
    tok(11, 3, 0, 2100),
    tok(12, 3, 0, 2550),
    tok(13, 3, 0, 2970),
    tok(14, 4, 210, 0),
    tok(15, 4, 570, 0),
    tok(16, 4, 930, -30),
    tok(17, 4, 1290, 0),
    tok(18, 4, 1680, -30),
    tok(19, 5, 0, 60),
    tok(20, 5, 0, 390),
    tok(21, 5, 0, 720),
    tok(22, 5, 0, 1110),
    tok(23, 5, -30, 1470),
    tok(24, 6, 0, 0),
    tok(25, 6, 0, 300),
    tok(26, 6, 0, 660),
    tok(27, 6, 0, 1050),
    tok(28, 6, 0, 1410),
    tok(29, 7, 0, 60),
    tok(30, 7, 0, 390),
    tok(31, 7, 0, 750),
    tok(32, 7, 0, 1050),
    tok(33, 7, 0, 1410),
    tok(34, 8, 0, 0),
    tok(35, 8, 0, 330),
    tok(36, 8, 0, 690),
    tok(37, 8, 0, 990),
    tok(38, 8, 0, 1410),
    tok(39, 9, 30, 30),
    tok(40, 9, 0, 330),
    tok(41, 9, 0, 690),
    tok(42, 9, 0, 990),
    tok(43, 9, 0, 1350),
    tok(44, 10, 0, 60),
    tok(45, 10, 0, 330),
    tok(46, 10, 0, 690),
    tok(47, 10, 0, 990),
    tok(48, 10, 0, 1350),
    tok(49, 11, 0, 30),
    tok(50, 11, 0, 360),
    tok(51, 11, 30, 720),
    tok(52, 11, 30, 1050),
    tok(53, 11, 0, 1380),
    tok(54, 12, 120, 0),
    tok(55, 12, 570, 0),
    tok(56, 12, 990, 0),
    tok(57, 12, 1410, 0),
    tok(58, 12, 1770, 0),
    tok(59, 13, 0, 3120),
    tok(60, 13, 0, 2730),
    tok(61, 13, 0, 2370),
    tok(62, 13, 0, 2040),
    tok(63, 13, 0, 1710),
    tok(64, 13, 0, 1380),
    tok(65, 13, 0, 1020),
    tok(66, 13, 0, 690),
    tok(67, 13, 0, 360),
    tok(68, 13, 0, 30),
    tok(69, 14, 1380, 0),
    tok(70, 14, 1020, -30),
    tok(71, 14, 660, -30),
    tok(72, 14, 330, 0),
    tok(73, 14, 30, 0),
    tok(74, 15, 0, 810),
    tok(75, 15, 0, 390),
    MarkerSpec{{"tok", 4}, kForm, MarkerClass::Plus, {4980, 6000}, {344, 291}},
};

// The tooltips also serve a screen reader as the sliders' descriptions.
constexpr std::array kSliders{
    SliderSpec{{"sldW"},
               {4440, 2340, 3615, 675},
               1,
               9,
               5,
               1,
               5,
               QT_TRANSLATE_NOOP("Velmora", "Изменить частоту"),
               {QT_TRANSLATE_NOOP("Velmora", "Частота генератора")}},
    SliderSpec{{"sldU"},
               {4470, 3390, 3615, 645},
               1,
               10,
               5,
               1,
               5,
               QT_TRANSLATE_NOOP("Velmora", "Изменить амплитуду колебаний"),
               {QT_TRANSLATE_NOOP("Velmora", "Амплитуда напряжения генератора")}},
    SliderSpec{{"sldL"},
               {2580, 7620, 2805, 675},
               1,
               10,
               1,
               1,
               5,
               QT_TRANSLATE_NOOP("Velmora", "Изменить индуктивность катушки"),
               {QT_TRANSLATE_NOOP("Velmora", "Индуктивность катушки")}},
};

// The buttons are named by their captions.
constexpr std::array kButtons{
    ButtonSpec{{"Command4"},
               {8460, 1290, 6735, 315},
               QT_TRANSLATE_NOOP("Velmora", "Графики"),
               {"Courier", 9.75, true, true},
               {nullptr, QT_TRANSLATE_NOOP("Velmora",
                                           "Показывает и прячет графики напряжения, тока и "
                                           "мощности")}},
    ButtonSpec{{"Command1"},
               {10770, 10110, 2355, 375},
               QT_TRANSLATE_NOOP("Velmora", "Выход"),
               {"Courier New", 11.25, true, true},
               {nullptr, QT_TRANSLATE_NOOP("Velmora", "Закрывает программу")}},
};

constexpr FontSpec kTerminalFont{"MS Sans Serif", 18, true};

constexpr std::array kLabels{
    LabelSpec{
        {"Label11"}, kForm, {4740, 4260, 195, 315}, "+", kTerminalFont, kWindowText, kPanelGreen},
    LabelSpec{
        {"Label12"}, kForm, {6270, 4260, 225, 315}, "-", kTerminalFont, kWindowText, kPanelGreen},
};

// The pens stand with their top-left corners on the origins of their graphs.
constexpr std::array kImages{
    ImageSpec{{"imgU"}, kForm, {8850, 2940}, Picture::PenU},
    ImageSpec{{"imgI"}, kForm, {8850, 5220}, Picture::PenI},
    ImageSpec{{"imgP"}, kForm, {8850, 8310}, Picture::PenP},
};

constexpr Id kSwitch{"picOn"};
constexpr Id kVoltmeter{"picvolt"};
constexpr Id kAmmeter{"picamp"};

// The panel and the grid lie at the back. A terminal comes before its screw head; the clamps
// under the terminals come after both, as they overlap the terminals' lower edges, and after the
// panel's shadow, which they cover as real clamps would.
constexpr std::array kPaintOrder{
    PaintStep{kForm, ElementKind::Shape, "Shape1"},
    PaintStep{kForm, ElementKind::Shape, "Shape4"},
    PaintStep{kForm, ElementKind::Shape, "Shape2"},
    PaintStep{kForm, ElementKind::Shape, "Shape3"},
    PaintStep{kForm, ElementKind::Shape, "Shape6"},
    PaintStep{kForm, ElementKind::Shape, "Shape7"},
    PaintStep{kForm, ElementKind::Line, "Line49"},
    PaintStep{kForm, ElementKind::Shape, "Shape5"},
    PaintStep{kForm, ElementKind::Line},
    PaintStep{kForm, ElementKind::Label},
    PaintStep{kForm, ElementKind::Image},
    PaintStep{kSwitch, ElementKind::Shape},
    PaintStep{kSwitch, ElementKind::Line},
    PaintStep{kVoltmeter, ElementKind::Line},
    PaintStep{kVoltmeter, ElementKind::Label},
    PaintStep{kAmmeter, ElementKind::Line},
    PaintStep{kAmmeter, ElementKind::Label},
};

constexpr std::array<Id, 6> kTabOrder{
    Id{"Command1"}, Id{"sldW"}, Id{"sldU"}, Id{"picOn"}, Id{"sldL"}, Id{"Command4"},
};

}  // namespace

const Layout& controlLayout() {
    static const Layout layout{kPictureBoxes, kMarkers, kSliders, kButtons, {}, {},
                               kLabels,       kImages};
    return layout;
}

std::span<const Id> tabOrder() {
    return kTabOrder;
}

std::span<const PaintStep> paintOrder() {
    return kPaintOrder;
}

}  // namespace scene
