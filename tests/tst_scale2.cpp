// The window at scale 2 (run with QT_SCALE_FACTOR=2): the window and its controls keep their
// laid-out geometry in logical pixels and have twice that in device pixels, and a picture of
// the window is twice the size, with every line where it belongs.

#include <QtTest>

#include "classroom/window_picture.h"
#include "demo/form1.h"
#include "line_pixels.h"
#include "scene/layout.h"
#include "shell/application.h"
#include "shown_form.h"

using shown::px;

namespace {

constexpr int kScale = 2;

QRect pixels(const QRect& twips) {
    return {px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height())};
}

}  // namespace

class ScaleTwoTest : public shown::FreshWindowTest {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("2"));
        setUpApplication();
    }
    void init() { QVERIFY(startWindow()); }
    void cleanup() { closeWindow(); }

    void window() {
        QCOMPARE(form().size(), QSize(1016, 734));
        QCOMPARE(form().devicePixelRatio(), kScale);
        QCOMPARE(form().windowHandle()->size() * form().windowHandle()->devicePixelRatio(),
                 QSize(2032, 1468));
        const QImage picture = windowPicture(form());
        QCOMPARE(picture.size(), QSize(2032, 1468));
        QCOMPARE(picture.devicePixelRatio(), kScale);
    }

    // Every windowed control on the window, from the layout's own tables.
    void controls_data() {
        QTest::addColumn<QRect>("twips");
        const scene::Layout& layout = scene::controlLayout();
        for (const auto& s : layout.pictureBoxes) {
            if (s.parent == scene::kForm) {
                QTest::newRow(qPrintable(s.id.toString())) << s.box;
            }
        }
        for (const auto& s : layout.sliders) {
            QTest::newRow(qPrintable(s.id.toString())) << s.box;
        }
        for (const auto& s : layout.buttons) {
            QTest::newRow(qPrintable(s.id.toString())) << s.box;
        }
    }
    void controls() {
        QFETCH(QRect, twips);
        // Every control is named as in the layout.
        const auto* w = form().findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(w);
        QCOMPARE(w->geometry(), pixels(twips));
        QCOMPARE(w->devicePixelRatio(), kScale);
    }

    // Lines on the window (the graphs shown), in a colour of their own, at the surface's drawing
    // width: the picture shows exactly the device pixels the line covers when drawn at twice the
    // resolution, round ends and slanting steps included, which a picture drawn at scale 1 and
    // enlarged would not.
    void lines_data() {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::newRow("level") << QPoint(8850, 3420) << QPoint(14850, 3420);
        QTest::newRow("upright") << QPoint(12000, 1995) << QPoint(12000, 9000);
        QTest::newRow("slanting") << QPoint(9000, 2500) << QPoint(14000, 8000);
    }
    void lines() {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        const QRgb colour = qRgb(0, 200, 0);
        form().picShirma->hide();
        scene::Surface& s = form();
        s.drawLine(static_cast<float>(from.x()), static_cast<float>(from.y()),
                   static_cast<float>(to.x()), static_cast<float>(to.y()), 200 << 8);
        const QSet<QPoint> line = line_pixels::of(s, from, to, s.DrawWidth(), kScale);
        QRect around;
        for (const QPoint& p : line) {
            around |= QRect(p, QSize(1, 1));
        }
        QVERIFY(!around.isEmpty());
        const QImage picture = windowPicture(form()).convertToFormat(QImage::Format_RGB32);
        const QPoint origin = line_pixels::onWindow(form(), s, {0, 0}) * kScale;
        for (int y = around.top() - 4; y <= around.bottom() + 4; ++y) {
            for (int x = around.left() - 4; x <= around.right() + 4; ++x) {
                const bool coloured = picture.pixel(origin + QPoint(x, y)) == colour;
                QVERIFY2(coloured == line.contains({x, y}),
                         qPrintable(QStringLiteral("device pixel %1,%2").arg(x).arg(y)));
            }
        }
    }
};

QTEST_MAIN(ScaleTwoTest)
#include "tst_scale2.moc"
