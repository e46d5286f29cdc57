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

    // Straight lines on the window (the graphs shown), in a colour of their own, on
    // whole pixels and at the
    // surface's drawing width: in the picture the line covers twice as many device pixels each
    // way, exactly where its logical pixels are, and nothing beside it.
    void lines_data() {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("level, on the window")
            << QPoint(8850, 3420) << QPoint(14850, 3420) << qRgb(0, 200, 0);
        QTest::newRow("upright, on the window")
            << QPoint(12000, 1995) << QPoint(12000, 9000) << qRgb(0, 200, 0);
    }
    void lines() {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QRgb, colour);
        form().picShirma->hide();
        scene::Surface& s = form();
        s.drawLine(static_cast<float>(from.x()), static_cast<float>(from.y()),
                   static_cast<float>(to.x()), static_cast<float>(to.y()),
                   static_cast<scene::ColourNumber>(qRed(colour) | qGreen(colour) << 8 |
                                                    qBlue(colour) << 16));
        const QSet<QPoint> line = line_pixels::of(s, from, to, s.DrawWidth());
        QVERIFY(!line.isEmpty());
        QRect around;
        for (const QPoint& p : line) {
            around |= QRect(p, QSize(1, 1));
        }
        // Along the line its ends are left out, as far as the line is wide (the caps round
        // differently at each scale); across it, two logical pixels on either side.
        const int end = s.DrawWidth() + 1;
        const QRect checked = from.y() == to.y() ? around.adjusted(end, -2, -end, 2)
                                                 : around.adjusted(-2, end, 2, -end);
        const QImage picture = windowPicture(form()).convertToFormat(QImage::Format_RGB32);
        for (int y = checked.top(); y <= checked.bottom(); ++y) {
            for (int x = checked.left(); x <= checked.right(); ++x) {
                // The device pixel at the middle of the logical one: the raster of a line may
                // start a device pixel later at twice the scale.
                const QPoint device =
                    line_pixels::onWindow(form(), s, {x, y}) * kScale + QPoint(1, 1);
                const bool coloured = picture.pixel(device) == (colour | 0xff000000u);
                QVERIFY2(coloured == line.contains({x, y}),
                         qPrintable(QStringLiteral("logical %1,%2").arg(x).arg(y)));
            }
        }
    }
};

QTEST_MAIN(ScaleTwoTest)
#include "tst_scale2.moc"
