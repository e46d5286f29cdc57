// The window and the controls the demonstration uses, as they stand right after start-up:
// geometry, colours, borders, captions, fonts, tooltips, sliders, focus and start-up state.

#include <QAccessible>
#include <QFontDatabase>
#include <QPainter>
#include <QPixmapCache>
#include <QPushButton>
#include <QRawFont>
#include <QSignalSpy>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QtTest>
#include <memory>
#include <set>
#include <type_traits>

#include "demo/form1.h"
#include "scene/colour.h"
#include "scene/element_drawings.h"
#include "scene/fonts.h"
#include "scene/layout.h"
#include "scene/units.h"
#include "shell/application.h"
#include "shell/translations.h"
#include "shown_form.h"

using shown::px;

namespace {

// The layout table's rectangle (twips) of a windowed control or label, by its name.
std::optional<QRect> tableBox(const QString& name) {
    const scene::Layout& l = scene::controlLayout();
    for (const auto& s : l.pictureBoxes) {
        if (s.id.toString() == name) {
            return s.box;
        }
    }
    for (const auto& s : l.sliders) {
        if (s.id.toString() == name) {
            return s.box;
        }
    }
    for (const auto& s : l.buttons) {
        if (s.id.toString() == name) {
            return s.box;
        }
    }
    for (const auto& s : l.labels) {
        if (s.id.toString() == name) {
            return s.box;
        }
    }
    return std::nullopt;
}

const scene::ButtonSpec* tableButton(const QString& name) {
    for (const auto& s : scene::controlLayout().buttons) {
        if (s.id.toString() == name) {
            return &s;
        }
    }
    return nullptr;
}

const scene::LabelSpec* tableLabel(const QString& name) {
    for (const auto& s : scene::controlLayout().labels) {
        if (s.id.toString() == name) {
            return &s;
        }
    }
    return nullptr;
}

// Every Russian text of the window, whatever font shows it.
const QString kAllTexts = QStringLiteral(
    "Катушка (индуктивность ) в цепи переменного тока Генератор Частота Амплитуда(U m ) "
    "Вкл.\\Выкл. min max Графики Выход Вольтметр Амперметр Изменить частоту амплитуду "
    "колебаний индуктивность катушки");

// The first letter of the text that the font's own face lacks (so that another font would stand
// in for it), or an empty string when it has them all.
QString missingGlyph(const QFont& font, const QString& text) {
    const QRawFont face = QRawFont::fromFont(font);
    for (const QChar c : text) {
        if (!face.supportsCharacter(c)) {
            return QString(c);
        }
    }
    return {};
}

bool isButtonFace(QColor c) {
    return c == scene::toQColor(scene::kButtonFace);
}

// The state members of the window, by name, as numbers (an empty member reads 0).
QHash<QString, double> members(const Form1& f) {
    return {
        {"omega", f.omega},
        {"pi", f.pi},
        {"inductance", f.inductance},
        {"needleLength", f.needleLength},
        {"running", f.running},
        {"graphX0", f.graphX0},
        {"graphU0", f.graphU0},
        {"graphXScale", f.graphXScale},
        {"graphYScale", f.graphYScale},
        {"graphI0", f.graphI0},
        {"graphP0", f.graphP0},
        {"sweepCount", f.sweepCount},
        {"sweepSeconds", f.sweepSeconds},
        {"prevX", f.prevX},
        {"prevU", f.prevU},
        {"prevI", f.prevI},
        {"prevP", f.prevP},
        {"curX", f.curX},
        {"curU", f.curU},
        {"curI", f.curI},
        {"curP", f.curP},
        {"ammeterAngle", f.ammeterAngle},
        {"voltmeterAngle", f.voltmeterAngle},
    };
}

// The members' types, as the demonstration's arithmetic relies on them.
static_assert(std::is_same_v<decltype(Form1::omega), double>);
static_assert(std::is_same_v<decltype(Form1::pi), double>);
static_assert(std::is_same_v<decltype(Form1::inductance), double>);
static_assert(std::is_same_v<decltype(Form1::needleLength), std::int16_t>);
static_assert(std::is_same_v<decltype(Form1::running), std::int16_t>);
static_assert(std::is_same_v<decltype(Form1::graphX0), std::int16_t>);
static_assert(std::is_same_v<decltype(Form1::graphU0), std::int16_t>);
static_assert(std::is_same_v<decltype(Form1::graphXScale), std::int16_t>);
static_assert(std::is_same_v<decltype(Form1::graphYScale), std::int16_t>);
static_assert(std::is_same_v<decltype(Form1::graphI0), std::int16_t>);
static_assert(std::is_same_v<decltype(Form1::graphP0), std::int16_t>);
static_assert(std::is_same_v<decltype(Form1::sweepCount), std::int16_t>);
static_assert(std::is_same_v<decltype(Form1::sweepSeconds), std::int32_t>);
static_assert(std::is_same_v<decltype(Form1::prevX), double>);
static_assert(std::is_same_v<decltype(Form1::prevU), double>);
static_assert(std::is_same_v<decltype(Form1::prevI), double>);
static_assert(std::is_same_v<decltype(Form1::prevP), std::int32_t>);
static_assert(std::is_same_v<decltype(Form1::curX), double>);
static_assert(std::is_same_v<decltype(Form1::curU), double>);
static_assert(std::is_same_v<decltype(Form1::curI), double>);
static_assert(std::is_same_v<decltype(Form1::curP), std::int32_t>);
static_assert(std::is_same_v<decltype(Form1::ammeterAngle), double>);
static_assert(std::is_same_v<decltype(Form1::voltmeterAngle), double>);

}  // namespace

class TestWindow : public shown::FreshWindowTest {
    Q_OBJECT

  private:
    QWidget& control(const QString& name) {
        auto* w = form().findChild<QWidget*>(name);
        if (!w) {
            qFatal("no control %s", qPrintable(name));
        }
        return *w;
    }
    scene::PictureBox& box(const QString& name) {
        return *qobject_cast<scene::PictureBox*>(&control(name));
    }
    QSlider& slider(const QString& name) { return *qobject_cast<QSlider*>(&control(name)); }

  private slots:
    void initTestCase() { setUpApplication(); }

    // Every test starts from a freshly started window.
    void init() { QVERIFY(startWindow()); }
    void cleanup() { closeWindow(); }

    void conversionToPixels_data() {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("client width") << 15240 << 1016;
        QTest::newRow("client height") << 11010 << 734;
        QTest::newRow("dial height") << 1600 << 107;
        QTest::newRow("voltmeter width") << 2900 << 193;
        QTest::newRow("marker") << 165 << 11;
        QTest::newRow("below half a pixel") << 7 << 0;
        QTest::newRow("above half a pixel") << 8 << 1;
        QTest::newRow("marker above its segment") << -30 << -2;
    }
    void conversionToPixels() {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(scene::toPixels(twips), pixels);
        QCOMPARE(scene::toPixels(QRect(twips, twips, twips, twips)),
                 QRect(pixels, pixels, pixels, pixels));
    }

    void window() {
        QCOMPARE(form().windowTitle(), QStringLiteral("Velmora"));
        QCOMPARE(form().size(), QSize(1016, 734));
        QCOMPARE(scene::kClientTwips, QSize(15240, 11010));
        // An ordinary sizable frame: the size is not fixed.
        QVERIFY(form().minimumSize() != form().maximumSize());

        const QIcon icon = form().windowIcon();
        QVERIFY(!icon.isNull());
        QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
        const QImage image = icon.pixmap(QSize(32, 32)).toImage();
        QCOMPARE(image.size(), QSize(32, 32));
        std::set<QRgb> colours;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                colours.insert(image.pixel(x, y));
            }
        }
        QVERIFY2(colours.size() > 2 && colours.size() <= 16, "a 16-colour picture");
    }

    // A free spot of the client area, away from every control, shows the button face; so do
    // the buttons and the curtain, which is a light grey.
    void buttonFace() {
        const QColor face = scene::toQColor(scene::kButtonFace);
        QCOMPARE(face.hslSaturation(), 0);
        QVERIFY(face.lightness() > 180 && face.lightness() < 255);
        const QImage screen = shown::screen(form());
        QCOMPARE(shown::pixel(screen, {1010, 725}), face);
        QCOMPARE(form().Command1->palette().color(QPalette::Button), face);
        QCOMPARE(form().Command4->palette().color(QPalette::Button), face);
        QCOMPARE(form().picShirma->BackColor(), scene::kButtonFace);
        QCOMPARE(form().BackColor(), scene::kButtonFace);
    }

    // Painting the window again gives the same pixels: nothing of its look depends on what the
    // style happened to have cached (the sliders' tick marks, for one).
    void repaintChangesNothing() {
        closeWindow();
        QPixmapCache::clear();
        QVERIFY(startWindow());
        const QImage first = shown::screen(form());
        form().update();
        QCOMPARE(shown::screen(form()), first);
    }

    // The laid-out rectangles (twips, border included, in the container's inner coordinates)
    // in the tables and on the live widgets, in pixels of fifteen twips.
    void geometry_data() {
        QTest::addColumn<QRect>("twips");
        struct Row {
            const char* name;
            QRect box;
        };
        const Row rows[] = {
            {"sldW", {4440, 2340, 3615, 675}},       {"sldU", {4470, 3390, 3615, 645}},
            {"sldL", {2580, 7620, 2805, 675}},       {"picOn", {7320, 4170, 375, 375}},
            {"picvolt", {1110, 2430, 2900, 1600}},   {"picamp", {1080, 5310, 2955, 1600}},
            {"picShirma", {8430, 1740, 6825, 8235}}, {"Command4", {8460, 1290, 6735, 315}},
            {"Command1", {10770, 10110, 2355, 375}}, {"pictok(0)", {5190, 5010, 165, 1155}},
            {"pictok(1)", {4380, 6000, 945, 165}},   {"pictok(2)", {570, 6000, 195, 165}},
            {"pictok(3)", {420, 6000, 165, 3255}},   {"pictok(4)", {420, 9210, 1935, 165}},
            {"pictok(5)", {2670, 8400, 195, 1755}},  {"pictok(6)", {3060, 8400, 195, 1755}},
            {"pictok(7)", {3450, 8400, 195, 1755}},  {"pictok(8)", {3870, 8400, 195, 1755}},
            {"pictok(9)", {4290, 8400, 195, 1755}},  {"pictok(10)", {4710, 8400, 195, 1755}},
            {"pictok(11)", {5130, 8400, 195, 1755}}, {"pictok(12)", {5640, 9210, 2085, 165}},
            {"pictok(13)", {7710, 6000, 165, 3375}}, {"pictok(14)", {6000, 6000, 1815, 165}},
            {"pictok(15)", {5850, 5010, 165, 1155}},
        };
        for (const Row& r : rows) {
            QTest::newRow(r.name) << r.box;
        }
    }
    void geometry() {
        QFETCH(QRect, twips);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        QCOMPARE(tableBox(name), std::optional<QRect>(twips));
        QWidget& w = control(name);
        QCOMPARE(w.parentWidget(), &form());
        QCOMPARE(w.geometry(),
                 QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height())));
        QVERIFY(w.isVisible());
    }

    // Labels and pens are painted by the window itself, at these pixels.
    void windowlessGeometry_data() {
        QTest::addColumn<QRect>("twips");
        QTest::newRow("Label11") << QRect(4740, 4260, 195, 315);
        QTest::newRow("Label12") << QRect(6270, 4260, 225, 315);
        // The pens stand with their top-left corners on the origins of their graphs.
        QTest::newRow("imgU") << QRect(8850, 2940, 120, 120);
        QTest::newRow("imgI") << QRect(8850, 5220, 120, 120);
        QTest::newRow("imgP") << QRect(8850, 8310, 120, 120);
    }
    void windowlessGeometry() {
        QFETCH(QRect, twips);
        const std::string name = QTest::currentDataTag();
        const scene::Windowless& e = form().controls().windowless({name});
        QCOMPARE(e.position(), twips.topLeft());
        QCOMPARE(e.pixelBounds(),
                 QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height())));
        if (name.starts_with("Label")) {
            QCOMPARE(tableBox(QString::fromStdString(name)), std::optional<QRect>(twips));
        }
    }

    // The pens: 8 × 8 pixels, a coloured square on black.
    void pens_data() {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QRect>("square");
        QTest::newRow("imgU") << QColor(Qt::blue) << QRect(1, 1, 6, 6);
        QTest::newRow("imgI") << QColor(Qt::red) << QRect(1, 1, 6, 6);
        QTest::newRow("imgP") << QColor(Qt::yellow) << QRect(2, 2, 4, 4);
    }
    void pens() {
        QFETCH(QColor, colour);
        QFETCH(QRect, square);
        const scene::Windowless& pen = form().controls().windowless({QTest::currentDataTag()});
        // Shown over the graph area once the curtain is out of the way.
        form().picShirma->setVisible(false);
        const QImage screen = shown::screen(form());
        const QPoint origin = pen.pixelBounds().topLeft();
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                const QColor want = square.contains(x, y) ? colour : QColor(Qt::black);
                QCOMPARE(shown::pixel(screen, origin + QPoint(x, y)), want);
            }
        }
    }

    // Background colours: the number, its red, green and blue, and the pixels at a spot of
    // the inner area that nothing else covers (twips of the inner area).
    void colours_data() {
        QTest::addColumn<uint>("number");
        QTest::addColumn<QColor>("rgb");
        QTest::addColumn<QPoint>("spot");
        QTest::newRow("picOn") << 12632256u << QColor(192, 192, 192) << QPoint(15, 315);
        QTest::newRow("picvolt") << 16761024u << QColor(192, 192, 255) << QPoint(150, 1400);
        QTest::newRow("picamp") << 12632319u << QColor(255, 192, 192) << QPoint(150, 1400);
        const QSize wires[] = {{165, 1155}, {945, 165},  {195, 165},  {165, 3255},
                               {1935, 165}, {195, 1755}, {195, 1755}, {195, 1755},
                               {195, 1755}, {195, 1755}, {195, 1755}, {195, 1755},
                               {2085, 165}, {165, 3375}, {1815, 165}, {165, 1155}};
        for (int i = 0; i < 16; ++i) {
            const QSize s = wires[i];
            QTest::addRow("pictok(%d)", i)
                << 16777215u << QColor(255, 255, 255) << QPoint(s.width() / 2, s.height() / 2);
        }
    }
    void colours() {
        QFETCH(uint, number);
        QFETCH(QColor, rgb);
        QFETCH(QPoint, spot);
        scene::PictureBox& b = box(QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE(b.BackColor(), number);
        QCOMPARE(scene::toQColor(number), rgb);
        QCOMPARE(shown::pixel(shown::screen(form()), shown::onWindow(b, spot, form())), rgb);
    }

    // The curtain hides the whole graph area, pens and letters included.
    void curtain() {
        QVERIFY(form().picShirma->isVisible());
        const QImage screen = shown::screen(form());
        const QRect curtain = form().picShirma->geometry() & form().rect();
        int other = 0;
        for (int y = curtain.top(); y <= curtain.bottom(); ++y) {
            for (int x = curtain.left(); x <= curtain.right(); ++x) {
                other += isButtonFace(shown::pixel(screen, {x, y})) ? 0 : 1;
            }
        }
        QCOMPARE(other, 0);
    }

    // Borders: none on the straight wire segments and the curtain, a flat single line on the
    // coil turns and the switch, a sunken two-pixel edge on the dials. Probed along the left
    // edge, near the bottom, where nothing else lies.
    void borders_data() {
        QTest::addColumn<int>("border");
        QTest::addColumn<int>("look");
        const int none = static_cast<int>(scene::BorderStyle::None);
        const int single = static_cast<int>(scene::BorderStyle::FixedSingle);
        const int flat = static_cast<int>(scene::Appearance::Flat);
        const int threeD = static_cast<int>(scene::Appearance::ThreeD);
        QTest::newRow("picOn") << single << flat;
        QTest::newRow("picvolt") << single << threeD;
        QTest::newRow("picamp") << single << threeD;
        QTest::newRow("picShirma") << none << flat;
        for (int i = 0; i < 16; ++i) {
            const bool coilTurn = i >= 5 && i <= 11;
            QTest::addRow("pictok(%d)", i) << (coilTurn ? single : none) << flat;
        }
    }
    void borders() {
        QFETCH(int, border);
        QFETCH(int, look);
        scene::PictureBox& b = box(QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE(static_cast<int>(b.borderStyle()), border);
        QCOMPARE(static_cast<int>(b.appearance()), look);
        const int edge = border == 0 ? 0 : (look == 0 ? 1 : 2);
        QCOMPARE(b.innerOrigin(), QPoint(edge, edge));
        const QImage screen = shown::screen(form());
        const QColor back = scene::toQColor(b.BackColor());
        const int y = b.height() - 4;
        for (int x = 0; x < edge; ++x) {
            QVERIFY(shown::pixel(screen, b.mapTo(&form(), QPoint(x, y))) != back);
        }
        QCOMPARE(shown::pixel(screen, b.mapTo(&form(), QPoint(edge, y))), back);
        if (edge == 1) {
            QCOMPARE(shown::pixel(screen, b.mapTo(&form(), QPoint(0, y))), QColor(Qt::black));
        }
    }

    // Drawing widths: the window's is 2 after start-up, the dials' 3.
    void drawWidths() {
        QCOMPARE(form().DrawWidth(), 2);
        QCOMPARE(form().picvolt->DrawWidth(), 3);
        QCOMPARE(form().picamp->DrawWidth(), 3);
    }

    void tooltips_data() {
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("picvolt") << QStringLiteral("Вольтметр");
        QTest::newRow("picamp") << QStringLiteral("Амперметр");
        QTest::newRow("sldW") << QStringLiteral("Изменить частоту");
        QTest::newRow("sldU") << QStringLiteral("Изменить амплитуду колебаний");
        QTest::newRow("sldL") << QStringLiteral("Изменить индуктивность катушки");
        QTest::newRow("picOn") << QString();
        QTest::newRow("Command1") << QString();
        QTest::newRow("Command4") << QString();
    }
    void tooltips() {
        QFETCH(QString, tooltip);
        QCOMPARE(control(QString::fromLatin1(QTest::currentDataTag())).toolTip(), tooltip);
    }

    // Captions and fonts: the layout's families stand for installed fonts with Cyrillic, at
    // the pixel size the points give at 96 dpi.
    void captionsAndFonts_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::newRow("Command4") << QStringLiteral("Графики") << "Courier" << 9.75 << 13 << true
                                  << true;
        QTest::newRow("Command1") << QStringLiteral("Выход") << "Courier New" << 11.25 << 15 << true
                                  << true;
        QTest::newRow("Label11") << "+"
                                 << "MS Sans Serif" << 18.0 << 24 << true << false;
        QTest::newRow("Label12") << "-"
                                 << "MS Sans Serif" << 18.0 << 24 << true << false;
    }
    void captionsAndFonts() {
        QFETCH(QString, caption);
        QFETCH(QString, family);
        QFETCH(double, points);
        QFETCH(int, pixels);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        scene::FontSpec laidOut{};
        QString shown;
        QFont font;
        if (const scene::ButtonSpec* b = tableButton(name)) {
            laidOut = b->font;
            auto* button = qobject_cast<QPushButton*>(&control(name));
            QVERIFY(button);
            shown = button->text();
            font = button->font();
            QVERIFY(QFontMetrics(font).horizontalAdvance(shown) < button->width());
        } else {
            const scene::LabelSpec* l = tableLabel(name);
            QVERIFY(l);
            laidOut = l->font;
            shown = form().controls().windowless({QTest::currentDataTag()}).Caption();
            font = scene::toQFont(laidOut);
        }
        QCOMPARE(shown, caption);
        QCOMPARE(QString::fromLatin1(laidOut.family), family);
        QCOMPARE(laidOut.points, points);
        QCOMPARE(laidOut.bold, bold);
        QCOMPARE(laidOut.italic, italic);

        const QFontInfo info(font);
        QCOMPARE(info.family(), scene::substituteFamily(family));
        QCOMPARE(info.pixelSize(), pixels);
        QCOMPARE(info.bold(), bold);
        QCOMPARE(info.italic(), italic);
        QCOMPARE(QRawFont::fromFont(font).familyName(), info.family());
        QCOMPARE(missingGlyph(font, caption), QString());
    }

    // Each family of the layout, in each style the window uses it in, stands for a font the
    // program carries, of the same kind, that has every letter of the window's texts; the dial
    // zeros, digits alone, may stand in another.
    void fontSubstitutes_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<bool>("fixedPitch");
        QTest::addColumn<QString>("text");
        QTest::newRow("Garamond") << "Garamond" << false << false << false << kAllTexts;
        QTest::newRow("Garamond bold") << "Garamond" << true << false << false << kAllTexts;
        QTest::newRow("Garamond bold, digits alone") << "Garamond" << true << false << false << "0";
        QTest::newRow("MS Sans Serif") << "MS Sans Serif" << false << false << false << kAllTexts;
        QTest::newRow("MS Sans Serif bold")
            << "MS Sans Serif" << true << false << false << kAllTexts;
        QTest::newRow("Courier bold italic") << "Courier" << true << true << true << kAllTexts;
        QTest::newRow("Courier New bold") << "Courier New" << true << false << true << kAllTexts;
        QTest::newRow("Courier New bold italic")
            << "Courier New" << true << true << true << kAllTexts;
    }
    void fontSubstitutes() {
        QFETCH(QString, family);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(bool, fixedPitch);
        QFETCH(QString, text);
        const std::string name = family.toStdString();
        const QFont font = scene::toQFont({name.c_str(), 12, bold, italic}, text);
        const QFontInfo info(font);
        QCOMPARE(info.family(), scene::substituteFamily(family, text));
        // One of the program's own, never a font of the system's that shares its name.
        QStringList own;
        for (int id = 0; !QFontDatabase::applicationFontFamilies(id).isEmpty(); ++id) {
            own << QFontDatabase::applicationFontFamilies(id);
        }
        QVERIFY(own.contains(info.family()));
        QCOMPARE(info.fixedPitch(), fixedPitch);
        QCOMPARE(info.bold(), bold);
        QCOMPARE(info.italic(), italic);
        QCOMPARE(QRawFont::fromFont(font).familyName(), info.family());
        QCOMPARE(missingGlyph(font, text), QString());
    }

    // Every caption fits the width of its box in the fonts that stand in for the layout's, in
    // Russian and in English: a label's text, drawn from the left edge of its box, leaves nothing
    // beyond the box but an antialiased fringe (no pixel more than a quarter covered); a button's
    // caption fits between the button's margins.
    void captionsFit_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QByteArray>("family");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<int>("width");  // twips
        QTest::addColumn<bool>("button");
        for (const char* language : {"ru", "en"}) {
            const Translations translations(QString::fromLatin1(language));
            auto addRows = [&](const auto& specs, bool button) {
                for (const auto& c : specs) {
                    QTest::addRow("%s %s", qPrintable(c.id.toString()), language)
                        << translations.translate("Velmora", c.caption) << QByteArray(c.font.family)
                        << c.font.points << c.font.bold << c.font.italic << c.box.width() << button;
                }
            };
            for (const scene::Layout* layout :
                 {&scene::controlLayout(), &scene::staticScene(), &scene::elementScene()}) {
                addRows(layout->labels, false);
                addRows(layout->buttons, true);
            }
        }
    }
    void captionsFit() {
        QFETCH(QString, caption);
        QFETCH(QByteArray, family);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(int, width);
        QFETCH(bool, button);
        const scene::FontSpec laidOut{family.constData(), points, bold, italic};
        if (button) {
            const QFont font = scene::toQFont(laidOut, caption);
            const int margin = QApplication::style()->pixelMetric(QStyle::PM_ButtonMargin);
            QVERIFY(QFontMetrics(font).horizontalAdvance(caption) + 2 * margin <= px(width));
            return;
        }
        // The last pixel column with ink more than a quarter covered.
        const auto inkRight = [&](const QFont& font) {
            QImage alone(px(width) + 60, 80, QImage::Format_RGB32);
            alone.fill(Qt::white);
            {
                QPainter p(&alone);
                p.setFont(font);
                p.setPen(Qt::black);
                p.drawText(alone.rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                           caption);
            }
            int right = -1;
            for (int y = 0; y < alone.height(); ++y) {
                for (int x = 0; x < alone.width(); ++x) {
                    right = qGray(alone.pixel(x, y)) < 255 - 64 ? std::max(right, x) : right;
                }
            }
            return right;
        };
        const QFont font = scene::toQFont(laidOut, caption, px(width));
        const int right = inkRight(font);
        QVERIFY(right >= 0);
        QVERIFY2(right < px(width),
                 qPrintable(
                     QStringLiteral("ink to pixel %1 of a box %2 wide").arg(right).arg(px(width))));
        // Only a caption that would not fit is closed up.
        const QFont asSubstituted = scene::toQFont(laidOut, caption);
        QCOMPARE(font == asSubstituted, inkRight(asSubstituted) < px(width));
    }

    // In English (--lang en) no Russian is left in the window: not in its captions, its
    // tooltips, nor in what a screen reader reads of its controls.
    void englishWindow() {
        closeWindow();
        Translations english(QStringLiteral("en"));
        english.install();
        const Form1 window;
        QStringList russian;
        auto check = [&](const QString& where, const QString& text) {
            if (std::any_of(text.begin(), text.end(),
                            [](QChar c) { return c.script() == QChar::Script_Cyrillic; })) {
                russian << QStringLiteral("%1: %2").arg(where, text);
            }
        };
        check(QStringLiteral("title"), window.windowTitle());
        QList<const scene::Surface*> surfaces{&window};
        for (QWidget* w : window.findChildren<QWidget*>()) {
            const QString name = w->objectName();
            check(name + QStringLiteral(" tooltip"), w->toolTip());
            if (auto* button = qobject_cast<QPushButton*>(w)) {
                check(name + QStringLiteral(" caption"), button->text());
            }
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            QVERIFY(a);
            check(name + QStringLiteral(" name"), a->text(QAccessible::Name));
            check(name + QStringLiteral(" description"), a->text(QAccessible::Description));
            if (auto* surface = qobject_cast<scene::Surface*>(w)) {
                surfaces << surface;
            }
        }
        for (const scene::Surface* surface : surfaces) {
            for (const auto& e : surface->windowlessElements()) {
                check(e->id().toString(), e->Caption());
            }
        }
        QVERIFY2(russian.isEmpty(), qPrintable(russian.join(QStringLiteral("; "))));
    }

    // The terminal labels: black text on the light green of the generator panel.
    void terminalLabels_data() {
        QTest::addColumn<QString>("caption");
        QTest::newRow("Label11") << "+";
        QTest::newRow("Label12") << "-";
    }
    void terminalLabels() {
        QFETCH(QString, caption);
        const scene::LabelSpec* laidOut = tableLabel(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(laidOut);
        QCOMPARE(laidOut->fore, scene::kWindowText);
        QCOMPARE(laidOut->back, std::optional<scene::ColourNumber>(12648384));
        QCOMPARE(scene::toQColor(12648384), QColor(192, 255, 192));

        const scene::Windowless& label = form().controls().windowless({QTest::currentDataTag()});
        QCOMPARE(label.Caption(), caption);
        const QImage screen = shown::screen(form());
        const QRect box = label.pixelBounds();
        int green = 0;
        int ink = 0;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                const QColor c = shown::pixel(screen, {x, y});
                green += c == QColor(192, 255, 192) ? 1 : 0;
                ink += c.lightness() < 128 ? 1 : 0;
            }
        }
        QVERIFY2(green > box.width() * box.height() / 2, "an opaque light-green background");
        // The caption shows whole in its box: at most a pixel's edge of its ink is cut off.
        QImage alone(100, 100, QImage::Format_RGB32);
        alone.fill(QColor(192, 255, 192));
        {
            QPainter p(&alone);
            p.setFont(scene::toQFont(laidOut->font));
            p.setPen(Qt::black);
            p.drawText(alone.rect(), Qt::AlignLeft | Qt::AlignTop, caption);
        }
        int inkAlone = 0;
        for (int y = 0; y < alone.height(); ++y) {
            for (int x = 0; x < alone.width(); ++x) {
                inkAlone += alone.pixelColor(x, y).lightness() < 128 ? 1 : 0;
            }
        }
        QVERIFY(inkAlone > 0);
        QVERIFY2(ink >= inkAlone * 85 / 100,
                 qPrintable(QStringLiteral("%1 of %2 ink pixels shown").arg(ink).arg(inkAlone)));
    }

    void sliders_data() {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("arrowStep");
        QTest::addColumn<int>("pageStep");
        QTest::newRow("sldW") << 1 << 9 << 5 << 1 << 5;
        QTest::newRow("sldU") << 1 << 10 << 5 << 1 << 5;
        QTest::newRow("sldL") << 1 << 10 << 1 << 1 << 5;
    }
    void sliders() {
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, start);
        QFETCH(int, arrowStep);
        QFETCH(int, pageStep);
        const QSlider& s = slider(QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE(s.orientation(), Qt::Horizontal);
        QCOMPARE(s.minimum(), minimum);
        QCOMPARE(s.maximum(), maximum);
        QCOMPARE(s.value(), start);
        QCOMPARE(s.singleStep(), arrowStep);
        QCOMPARE(s.pageStep(), pageStep);
        QVERIFY(s.tickPosition() != QSlider::NoTicks);
        QCOMPARE(s.tickInterval(), 1);
    }

    // What the keys and the mouse do to a slider, from its start value.
    void sliderInput_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("value");
        QTest::newRow("sldW arrow right") << "sldW"
                                          << "right" << 6;
        QTest::newRow("sldW arrow left") << "sldW"
                                         << "left" << 4;
        QTest::newRow("sldW page up stops at 9") << "sldW"
                                                 << "pageup" << 9;
        QTest::newRow("sldW page down") << "sldW"
                                        << "pagedown" << 1;
        QTest::newRow("sldW dragged fully right") << "sldW"
                                                  << "dragright" << 9;
        QTest::newRow("sldW dragged fully left") << "sldW"
                                                 << "dragleft" << 1;
        QTest::newRow("sldW click on the track right") << "sldW"
                                                       << "trackright" << 9;
        QTest::newRow("sldU dragged fully right") << "sldU"
                                                  << "dragright" << 10;
        QTest::newRow("sldU dragged fully left") << "sldU"
                                                 << "dragleft" << 1;
        QTest::newRow("sldU click on the track left") << "sldU"
                                                      << "trackleft" << 1;
        QTest::newRow("sldL dragged fully right") << "sldL"
                                                  << "dragright" << 10;
        QTest::newRow("sldL arrow left stays at 1") << "sldL"
                                                    << "left" << 1;
        QTest::newRow("sldL click on the track right") << "sldL"
                                                       << "trackright" << 6;
        QTest::newRow("sldL end") << "sldL"
                                  << "end" << 10;
    }
    void sliderInput() {
        QFETCH(QString, name);
        QFETCH(QString, input);
        QFETCH(int, value);
        QSlider& s = slider(name);
        const QHash<QString, Qt::Key> keys{{"right", Qt::Key_Right},
                                           {"left", Qt::Key_Left},
                                           {"pageup", Qt::Key_PageUp},
                                           {"pagedown", Qt::Key_PageDown},
                                           {"end", Qt::Key_End}};
        QStyleOptionSlider option;
        option.initFrom(&s);
        option.orientation = s.orientation();
        option.minimum = s.minimum();
        option.maximum = s.maximum();
        option.sliderPosition = s.sliderPosition();
        option.sliderValue = s.value();
        option.tickPosition = s.tickPosition();
        option.tickInterval = s.tickInterval();
        option.subControls = QStyle::SC_All;
        const QRect handle =
            s.style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &s);
        const int y = handle.center().y();
        if (keys.contains(input)) {
            s.setFocus();
            QTest::keyClick(&s, keys.value(input));
        } else if (input.startsWith(QLatin1String("drag"))) {
            const int to = input == QLatin1String("dragright") ? s.width() + 50 : -50;
            QTest::mousePress(&s, Qt::LeftButton, {}, handle.center());
            QTest::mouseMove(&s, QPoint(to, y));
            QTest::mouseRelease(&s, Qt::LeftButton, {}, QPoint(to, y));
        } else {
            const int x =
                input == QLatin1String("trackright") ? handle.right() + 10 : handle.left() - 10;
            QTest::mouseClick(&s, Qt::LeftButton, {}, QPoint(x, y));
        }
        QCOMPARE(s.value(), value);
    }

    // Right after start-up: the state members as start-up leaves them.
    void startUpMembers_data() {
        QTest::addColumn<double>("value");
        QTest::newRow("graphX0") << 8850.0;
        QTest::newRow("graphXScale") << 400.0;
        QTest::newRow("graphU0") << 2940.0;
        QTest::newRow("graphYScale") << 1000.0;
        QTest::newRow("graphI0") << 5220.0;
        QTest::newRow("graphP0") << 8310.0;
        QTest::newRow("sweepCount") << 0.0;
        QTest::newRow("sweepSeconds") << 15.0;
        QTest::newRow("prevX") << 8850.0;
        QTest::newRow("prevU") << 2940.0;
        QTest::newRow("prevI") << 5220.0;
        QTest::newRow("prevP") << 8310.0;
        QTest::newRow("pi") << 3.14;
        QTest::newRow("needleLength") << 1060.0;
        QTest::newRow("omega") << 0.0;
        QTest::newRow("inductance") << 0.0;
        QTest::newRow("running") << 0.0;
        QTest::newRow("curX") << 0.0;
        QTest::newRow("curU") << 0.0;
        QTest::newRow("curI") << 0.0;
        QTest::newRow("curP") << 0.0;
        QTest::newRow("ammeterAngle") << 0.0;
        QTest::newRow("voltmeterAngle") << 0.0;
    }
    void startUpMembers() {
        QFETCH(double, value);
        const auto all = members(form());
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        QVERIFY(all.contains(name));
        // Exactly: pi is the two-decimal 3.14, not an approximation of the true one.
        QCOMPARE(all.value(name), value);
    }

    // Right after start-up: no marker shows, the wires are white, the terminals read "+" and
    // "-", the switch is off and the pens stand at the origins of their graphs.
    void startUpScene() {
        for (int i = 0; i < 76; ++i) {
            QVERIFY2(!form().tok(i).Visible(), qPrintable(QStringLiteral("tok(%1)").arg(i)));
            QVERIFY(!form().tok(i).isVisible());
        }
        for (int i = 0; i < 16; ++i) {
            QCOMPARE(form().pictok(i).BackColor(), 16777215u);
        }
        QCOMPARE(form().Label11->Caption(), QStringLiteral("+"));
        QCOMPARE(form().Label12->Caption(), QStringLiteral("-"));
        QCOMPARE(form().picOn->appearance(), scene::Appearance::Flat);
        QCOMPARE(form().picOn->BackColor(), 12632256u);
        QVERIFY(form().running != 1);
        QCOMPARE(form().imgU->position(), QPoint(8850, 2940));
        QCOMPARE(form().imgI->position(), QPoint(8850, 5220));
        QCOMPARE(form().imgP->position(), QPoint(8850, 8310));
    }

    // Control arrays: every index of a family exists, none beyond.
    void controlArrays_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("exists");
        QTest::newRow("pictok(0)") << "pictok" << 0 << true;
        QTest::newRow("pictok(15)") << "pictok" << 15 << true;
        QTest::newRow("pictok(16)") << "pictok" << 16 << false;
        QTest::newRow("pictok(-1)") << "pictok" << -1 << false;
        QTest::newRow("tok(0)") << "tok" << 0 << true;
        QTest::newRow("tok(75)") << "tok" << 75 << true;
        QTest::newRow("tok(76)") << "tok" << 76 << false;
        QTest::newRow("tok(-1)") << "tok" << -1 << false;
    }
    void controlArrays() {
        QFETCH(QString, family);
        QFETCH(int, index);
        QFETCH(bool, exists);
        const auto lookUp = [&]() -> QWidget& {
            if (family == QLatin1String("tok")) {
                return form().tok(index);
            }
            return form().pictok(index);
        };
        if (exists) {
            QCOMPARE(lookUp().objectName(), QString::fromLatin1(QTest::currentDataTag()));
        } else {
            QVERIFY_THROWS_EXCEPTION(scene::ControlError, lookUp());
        }
    }

    // The focus starts on "Выход"; Tab walks the interactive controls in this order and
    // comes round again.
    void focusAndTabOrder() {
        QCOMPARE(QApplication::focusWidget(), form().Command1);
        const QWidget* order[] = {form().sldW, form().sldU,     form().picOn,
                                  form().sldL, form().Command4, form().Command1};
        for (const QWidget* next : order) {
            QTest::keyClick(form().windowHandle(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QTest::keyClick(form().windowHandle(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), form().Command4);
    }

    // Space or Enter right after start presses "Выход", which holds the focus. The button's
    // own handler is cut off here: only the press is counted.
    void keysPressExit_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Space") << static_cast<int>(Qt::Key_Space);
        QTest::newRow("Return") << static_cast<int>(Qt::Key_Return);
        QTest::newRow("Enter") << static_cast<int>(Qt::Key_Enter);
    }
    void keysPressExit() {
        QFETCH(int, key);
        QVERIFY(QObject::disconnect(form().Command1, &QPushButton::clicked, &form(), nullptr));
        QSignalSpy exit(form().Command1, &QPushButton::clicked);
        QSignalSpy graphs(form().Command4, &QPushButton::clicked);
        QTest::keyClick(form().windowHandle(), static_cast<Qt::Key>(key));
        QCOMPARE(exit.count(), 1);
        QCOMPARE(graphs.count(), 0);
    }

    // Resizing the window moves and scales nothing; a bigger window shows the button face in
    // the extra area.
    void resizing_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("bigger") << QSize(1250, 880);
        QTest::newRow("smaller") << QSize(600, 400);
    }
    void resizing() {
        QFETCH(QSize, size);
        QHash<QWidget*, QRect> before;
        for (QWidget* w : form().findChildren<QWidget*>()) {
            before.insert(w, w->geometry());
        }
        QVector<QRect> windowless;
        for (const auto& e : form().windowlessElements()) {
            windowless.append(e->pixelBounds());
        }
        form().resize(size);
        QTRY_COMPARE(form().size(), size);
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            QCOMPARE(it.key()->geometry(), it.value());
        }
        for (qsizetype i = 0; i < windowless.size(); ++i) {
            QCOMPARE(form().windowlessElements()[static_cast<std::size_t>(i)]->pixelBounds(),
                     windowless[i]);
        }
        if (size.width() > 1016) {
            const QImage screen = shown::screen(form());
            for (const QPoint p : {QPoint(1100, 300), QPoint(500, 800), QPoint(1200, 850)}) {
                QVERIFY(isButtonFace(shown::pixel(screen, p)));
            }
        }
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
