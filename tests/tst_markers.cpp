// The charge marker control: sizes from the persisted extents, the plus and minus marks on their
// own background, and the 76 charge markers of the window, where they stand and how they show.

#include <QtTest>
#include <memory>

#include "demo/form1.h"
#include "scene/colour.h"
#include "scene/tavik.h"
#include "shell/application.h"
#include "shown_form.h"

using shown::px;

namespace {

// Nothing else in the window has this colour, so its pixels are the marker's own.
constexpr scene::ColourNumber kMagenta = scene::rgbColour(255, 0, 255);

struct Placement {
    int index;
    int segment;  // the wire segment holding the marker, -1 for the window itself
    int left;     // twips, in the container's inner coordinates
    int top;
};

// Where each charge marker stands, from the terminal round the circuit.
constexpr Placement kPlacements[] = {
    {0, 0, 0, 60},       {1, 0, 0, 420},    {2, 0, 0, 810},      {3, 1, 300, 0},
    {4, -1, 4980, 6000}, {5, 1, 30, -30},   {6, 2, 0, 0},        {7, 3, 0, 330},
    {8, 3, 0, 750},      {9, 3, 0, 1230},   {10, 3, 0, 1680},    {11, 3, 0, 2100},
    {12, 3, 0, 2550},    {13, 3, 0, 2970},  {14, 4, 210, 0},     {15, 4, 570, 0},
    {16, 4, 930, -30},   {17, 4, 1290, 0},  {18, 4, 1680, -30},  {19, 5, 0, 60},
    {20, 5, 0, 390},     {21, 5, 0, 720},   {22, 5, 0, 1110},    {23, 5, -30, 1470},
    {24, 6, 0, 0},       {25, 6, 0, 300},   {26, 6, 0, 660},     {27, 6, 0, 1050},
    {28, 6, 0, 1410},    {29, 7, 0, 60},    {30, 7, 0, 390},     {31, 7, 0, 750},
    {32, 7, 0, 1050},    {33, 7, 0, 1410},  {34, 8, 0, 0},       {35, 8, 0, 330},
    {36, 8, 0, 690},     {37, 8, 0, 990},   {38, 8, 0, 1410},    {39, 9, 30, 30},
    {40, 9, 0, 330},     {41, 9, 0, 690},   {42, 9, 0, 990},     {43, 9, 0, 1350},
    {44, 10, 0, 60},     {45, 10, 0, 330},  {46, 10, 0, 690},    {47, 10, 0, 990},
    {48, 10, 0, 1350},   {49, 11, 0, 30},   {50, 11, 0, 360},    {51, 11, 30, 720},
    {52, 11, 30, 1050},  {53, 11, 0, 1380}, {54, 12, 120, 0},    {55, 12, 570, 0},
    {56, 12, 990, 0},    {57, 12, 1410, 0}, {58, 12, 1770, 0},   {59, 13, 0, 3120},
    {60, 13, 0, 2730},   {61, 13, 0, 2370}, {62, 13, 0, 2040},   {63, 13, 0, 1710},
    {64, 13, 0, 1380},   {65, 13, 0, 1020}, {66, 13, 0, 690},    {67, 13, 0, 360},
    {68, 13, 0, 30},     {69, 14, 1380, 0}, {70, 14, 1020, -30}, {71, 14, 660, -30},
    {72, 14, 330, 0},    {73, 14, 30, 0},   {74, 15, 0, 810},    {75, 15, 0, 390},
};

enum class Rows { All, InSegments };

void addMarkerRows(Rows rows) {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("segment");
    QTest::addColumn<QPoint>("twips");
    for (const Placement& p : kPlacements) {
        if (rows == Rows::InSegments && p.segment < 0) {
            continue;
        }
        QTest::addRow("tok(%d)", p.index) << p.index << p.segment << QPoint(p.left, p.top);
    }
}

}  // namespace

class TestMarkers : public shown::FreshWindowTest {
    Q_OBJECT

  private:
    // Shows a marker in magenta and returns the screen before and after.
    std::pair<QImage, QImage> showInMagenta(Tavik::Mark& mark) {
        const QImage before = shown::screen(form());
        mark.setBackColor(kMagenta);
        mark.setVisible(true);
        return {before, shown::screen(form())};
    }

  private slots:
    void initTestCase() { setUpApplication(); }
    void init() { QVERIFY(startWindow()); }
    void cleanup() { closeWindow(); }

    // Every instance of the control, from its persisted extent in hundredths of a millimetre
    // to its size in twips and pixels, and its persisted background where it has one.
    void sizes_data() {
        QTest::addColumn<bool>("plus");
        QTest::addColumn<QSize>("himetric");
        QTest::addColumn<QSize>("twips");
        QTest::addColumn<qint64>("backcolor");  // -1: none persisted
        QTest::newRow("tok(i)") << true << QSize(291, 397) << QSize(165, 225) << qint64(-1);
        QTest::newRow("tok(4)") << true << QSize(344, 291) << QSize(195, 165) << qint64(-1);
        QTest::newRow("Plus5") << true << QSize(291, 450) << QSize(165, 255) << qint64(-1);
        QTest::newRow("Plus1") << true << QSize(450, 450) << QSize(255, 255) << qint64(16761024);
        QTest::newRow("Minus4") << false << QSize(397, 503) << QSize(225, 285) << qint64(12632319);
        QTest::newRow("Minus2") << false << QSize(397, 503) << QSize(225, 285) << qint64(-1);
    }
    void sizes() {
        QFETCH(bool, plus);
        QFETCH(QSize, himetric);
        QFETCH(QSize, twips);
        QFETCH(qint64, backcolor);
        QCOMPARE(Tavik::himetricToTwips(himetric.width()), twips.width());
        QCOMPARE(Tavik::himetricToTwips(himetric.height()), twips.height());

        Tavik::PersistedSettings settings{himetric.width(), himetric.height()};
        if (backcolor >= 0) {
            settings.backColor = static_cast<scene::ColourNumber>(backcolor);
        }
        // Without a persisted background an instance takes its container's.
        constexpr scene::ColourNumber ambient = 65280;
        QWidget container;
        std::unique_ptr<Tavik::Mark> mark;
        if (plus) {
            mark = std::make_unique<Tavik::Plus>(&container, settings, ambient);
        } else {
            mark = std::make_unique<Tavik::Minus>(&container, settings, ambient);
        }
        QCOMPARE(mark->twipsSize(), twips);
        QCOMPARE(mark->size(), QSize(px(twips.width()), px(twips.height())));
        QCOMPARE(mark->BackColor(),
                 backcolor >= 0 ? static_cast<scene::ColourNumber>(backcolor) : ambient);
        QVERIFY(mark->Visible());
    }

    // A plus mark has an upright stroke through its middle, a minus mark has none; both lie on
    // the instance's own background.
    void marks_data() {
        QTest::addColumn<bool>("plus");
        QTest::newRow("Plus") << true;
        QTest::newRow("Minus") << false;
    }
    void marks() {
        QFETCH(bool, plus);
        const Tavik::PersistedSettings settings{450, 450, scene::rgbColour(255, 255, 0)};
        std::unique_ptr<Tavik::Mark> mark;
        if (plus) {
            mark = std::make_unique<Tavik::Plus>(nullptr, settings, 0);
        } else {
            mark = std::make_unique<Tavik::Minus>(nullptr, settings, 0);
        }
        const QImage image = mark->grab().toImage();
        const QPoint centre(image.width() / 2, image.height() / 2);
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::yellow));
        QCOMPARE(image.pixelColor(centre), QColor(Qt::black));
        QCOMPARE(image.pixelColor(centre + QPoint(4, 0)), QColor(Qt::black));
        QCOMPARE(image.pixelColor(centre - QPoint(0, 4)),
                 plus ? QColor(Qt::black) : QColor(Qt::yellow));
    }

    // Each charge marker in its container, at its place; all but tok(4) are 165 × 225 twips.
    void placement_data() { addMarkerRows(Rows::All); }
    void placement() {
        QFETCH(int, index);
        QFETCH(int, segment);
        QFETCH(QPoint, twips);
        Tavik::Mark& mark = form().tok(index);
        QCOMPARE(mark.objectName(), QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(qobject_cast<Tavik::Plus*>(&mark));
        const scene::Surface& container =
            segment < 0 ? static_cast<scene::Surface&>(form()) : form().pictok(segment);
        QCOMPARE(mark.parentWidget(), &container);
        QCOMPARE(mark.pos(), container.innerOrigin() + px(twips));
        const QSize size = index == 4 ? QSize(195, 165) : QSize(165, 225);
        QCOMPARE(mark.twipsSize(), size);
        QCOMPARE(mark.size(), QSize(px(size.width()), px(size.height())));
        // The container's colour until the charge strip gives it the wire's.
        QCOMPARE(mark.BackColor(), container.BackColor());
    }

    // A shown marker is clipped by its wire segment and leaves the segment's border alone:
    // all its pixels lie inside the segment.
    void clippedBySegment_data() { addMarkerRows(Rows::InSegments); }
    void clippedBySegment() {
        QFETCH(int, index);
        QFETCH(int, segment);
        const scene::PictureBox& wire = form().pictok(segment);
        Tavik::Mark& mark = form().tok(index);
        const QImage screen = showInMagenta(mark).second;
        const QRect inside(wire.mapTo(&form(), wire.innerOrigin()), wire.innerSize());
        const QRect around =
            (inside | QRect(mark.mapTo(&form(), QPoint()), mark.size())).adjusted(-3, -3, 3, 3);
        int shown = 0;
        for (int y = around.top(); y <= around.bottom(); ++y) {
            for (int x = around.left(); x <= around.right(); ++x) {
                if (shown::pixel(screen, {x, y}) == scene::toQColor(kMagenta)) {
                    ++shown;
                    QVERIFY2(inside.contains(x, y),
                             qPrintable(QStringLiteral("pixel %1,%2 outside").arg(x).arg(y)));
                }
            }
        }
        QVERIFY(shown > 0);
    }

    // tok(4) lies on the window in front of pictok(1): shown, it appears whole, not clipped by
    // the segment behind it.
    void tok4InFrontOfSegment() {
        Tavik::Mark& mark = form().tok(4);
        QVERIFY(mark.geometry().intersects(form().pictok(1).geometry()));
        const auto [before, after] = showInMagenta(mark);
        const QRect area = mark.geometry();
        QVERIFY(before.copy(area) != after.copy(area));
        QCOMPARE(after.copy(area), mark.grab().toImage().convertToFormat(QImage::Format_RGB32));
    }

    // Setting the background colour repaints the marker with its mark on the new colour.
    void backColorRepaints_data() {
        QTest::addColumn<uint>("first");
        QTest::addColumn<uint>("second");
        QTest::newRow("red, then white") << 255u << 16777215u;
        QTest::newRow("green, then red") << 65280u << 255u;
        QTest::newRow("grey, then light red") << 8421504u << 12632319u;
    }
    void backColorRepaints() {
        QFETCH(uint, first);
        QFETCH(uint, second);
        Tavik::Mark& mark = form().tok(20);
        mark.setVisible(true);
        const QPoint corner = mark.mapTo(&form(), QPoint(0, 0));
        const QPoint middle = mark.mapTo(&form(), QPoint(mark.width() / 2, mark.width() / 2));
        for (const uint colour : {first, second}) {
            mark.setBackColor(colour);
            QCOMPARE(mark.BackColor(), colour);
            const QImage screen = shown::screen(form());
            QCOMPARE(shown::pixel(screen, corner), scene::toQColor(colour));
            QCOMPARE(shown::pixel(screen, middle), QColor(Qt::black));
        }
    }

    // Hiding a shown marker shows again what lies behind it.
    void hidingRestores_data() { addMarkerRows(Rows::All); }
    void hidingRestores() {
        QFETCH(int, index);
        Tavik::Mark& mark = form().tok(index);
        const auto [before, during] = showInMagenta(mark);
        QVERIFY(before != during);
        mark.setVisible(false);
        QVERIFY(!mark.Visible());
        QCOMPARE(shown::screen(form()), before);
    }
};

QTEST_MAIN(TestMarkers)
#include "tst_markers.moc"
