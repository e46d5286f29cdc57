// The drawing surfaces of the window and the two dials: where a drawn line shows, its width,
// erasing it by drawing it again in the background colour, clearing, keeping what was drawn
// across a repaint, and when a surface raises its repaint notification.

#include <QExposeEvent>
#include <QSignalSpy>
#include <QWindow>
#include <QtTest>
#include <memory>

#include "demo/form1.h"
#include "scene/colour.h"
#include "shell/application.h"
#include "shown_form.h"

using shown::px;

namespace {

// Nothing else in the window has this colour, so its pixels are the drawn line's own.
constexpr scene::ColourNumber kMagenta = scene::rgbColour(255, 0, 255);

// The pixels across a level line at one of its points, a few above and below.
QImage across(const QImage& screen, QPoint p) {
    return screen.copy(QRect(p - QPoint(0, 3), QSize(1, 7)));
}

bool hasMagentaAcross(const QImage& screen, QPoint p) {
    const QImage strip = across(screen, p);
    for (int y = 0; y < strip.height(); ++y) {
        if (strip.pixelColor(0, y) == scene::toQColor(kMagenta)) {
            return true;
        }
    }
    return false;
}

}  // namespace

class TestSurfaces : public shown::FreshWindowTest {
    Q_OBJECT

  private:
    scene::Surface& surface(const QString& name) {
        if (name == QLatin1String("Form1")) {
            return form();
        }
        auto* s = form().findChild<scene::Surface*>(name);
        if (!s) {
            qFatal("no surface %s", qPrintable(name));
        }
        return *s;
    }

    void draw(scene::Surface& s, QPointF from, QPointF to, scene::ColourNumber colour) {
        s.drawLine(static_cast<float>(from.x()), static_cast<float>(from.y()),
                   static_cast<float>(to.x()), static_cast<float>(to.y()), colour);
    }

  private slots:
    void initTestCase() { setUpApplication(); }
    void init() { QVERIFY(startWindow()); }
    void cleanup() { closeWindow(); }

    // A drawn line lies above the surface's background and windowless elements, below its
    // windowed children, and inside the surface's border. The probe is a point of the level
    // line, in twips of the surface's inner area.
    void lineStacking_data() {
        QTest::addColumn<QString>("surface");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QPoint>("probe");
        QTest::addColumn<bool>("shows");
        QTest::newRow("window, over Label11")
            << "Form1" << QPoint(4650, 4410) << QPoint(5000, 4410) << QPoint(4830, 4410) << true;
        QTest::newRow("window, beside picvolt")
            << "Form1" << QPoint(900, 3300) << QPoint(3800, 3300) << QPoint(960, 3300) << true;
        QTest::newRow("window, under picvolt")
            << "Form1" << QPoint(900, 3300) << QPoint(3800, 3300) << QPoint(2500, 3300) << false;
        QTest::newRow("window, under the curtain")
            << "Form1" << QPoint(9000, 5000) << QPoint(12000, 5000) << QPoint(10000, 5000) << false;
        QTest::newRow("window, under Command1")
            << "Form1" << QPoint(10500, 10300) << QPoint(13500, 10300) << QPoint(12000, 10300)
            << false;
        QTest::newRow("window, under pictok(1)")
            << "Form1" << QPoint(4500, 6090) << QPoint(5200, 6090) << QPoint(4800, 6090) << false;
        QTest::newRow("picvolt, inside")
            << "picvolt" << QPoint(200, 1300) << QPoint(1000, 1300) << QPoint(600, 1300) << true;
        QTest::newRow("picvolt, clipped at its edge")
            << "picvolt" << QPoint(-600, 1300) << QPoint(1000, 1300) << QPoint(-300, 1300) << false;
        QTest::newRow("picamp, clipped at its border")
            << "picamp" << QPoint(-200, 1300) << QPoint(500, 1300) << QPoint(-15, 1300) << false;
    }
    void lineStacking() {
        QFETCH(QString, surface);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QPoint, probe);
        QFETCH(bool, shows);
        scene::Surface& s = this->surface(surface);
        const QPoint at = shown::onWindow(s, probe, form());
        const QImage before = shown::screen(form());
        QVERIFY(!hasMagentaAcross(before, at));
        draw(s, from, to, kMagenta);
        const QImage after = shown::screen(form());
        if (shows) {
            QVERIFY(hasMagentaAcross(after, at));
        } else {
            QCOMPARE(across(after, at), across(before, at));
        }
    }

    // Lines are as wide as the surface's drawing width: 2 on the window after start-up, 3 on
    // the dials. Counted across the line at the probe.
    void lineWidth_data() {
        QTest::addColumn<QString>("surface");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QPoint>("probe");
        QTest::addColumn<int>("width");
        QTest::newRow("window, level")
            << "Form1" << QPoint(8500, 10600) << QPoint(10000, 10600) << QPoint(9000, 10600) << 2;
        QTest::newRow("window, upright")
            << "Form1" << QPoint(14000, 10100) << QPoint(14000, 10900) << QPoint(14000, 10500) << 2;
        QTest::newRow("picvolt, upright")
            << "picvolt" << QPoint(2000, 1100) << QPoint(2000, 1450) << QPoint(2000, 1300) << 3;
        QTest::newRow("picamp, level")
            << "picamp" << QPoint(300, 1300) << QPoint(1100, 1300) << QPoint(700, 1300) << 3;
    }
    void lineWidth() {
        QFETCH(QString, surface);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QPoint, probe);
        QFETCH(int, width);
        scene::Surface& s = this->surface(surface);
        draw(s, from, to, kMagenta);
        const QImage screen = shown::screen(form());
        const QPoint at = shown::onWindow(s, probe, form());
        const QPoint across = from.y() == to.y() ? QPoint(0, 1) : QPoint(1, 0);
        int count = 0;
        for (int k = -6; k <= 6; ++k) {
            count += screen.pixelColor(at + k * across) == scene::toQColor(kMagenta) ? 1 : 0;
        }
        QCOMPARE(count, width);
    }

    // A line drawn again in the surface's background colour, or a cleared surface, leaves the
    // screen exactly as it was before the line.
    void restore_data() {
        QTest::addColumn<QString>("surface");
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<bool>("clear");
        struct Row {
            const char* name;
            const char* surface;
            QPointF from;
            QPointF to;
        };
        const Row rows[] = {
            {"voltmeter needle", "picvolt", {1700, 1500}, {2300, 1000}},
            {"ammeter needle", "picamp", {1100, 1500}, {500, 1050}},
            {"window, steep, between pixels", "Form1", {9000.4, 10300.6}, {9100.2, 10900.9}},
            {"window, shallow", "Form1", {8500, 10300}, {10400, 10500}},
        };
        for (const Row& r : rows) {
            QTest::addRow("%s, drawn again in the background", r.name)
                << r.surface << r.from << r.to << false;
            QTest::addRow("%s, cleared", r.name) << r.surface << r.from << r.to << true;
        }
        QTest::newRow("window, over Label11, cleared")
            << "Form1" << QPointF(4650, 4410) << QPointF(5000, 4410) << true;
    }
    void restore() {
        QFETCH(QString, surface);
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QFETCH(bool, clear);
        scene::Surface& s = this->surface(surface);
        if (clear) {
            // Clearing takes every drawn line away, a dial's rest needle too.
            s.clearDrawing();
        }
        const QImage before = shown::screen(form());
        draw(s, from, to, kMagenta);
        QVERIFY(shown::screen(form()) != before);
        if (clear) {
            s.clearDrawing();
        } else {
            draw(s, from, to, s.BackColor());
        }
        QCOMPARE(shown::screen(form()), before);
    }

    // What was drawn stays on the screen however the surface comes to be repainted, until it
    // is cleared.
    void keptAcrossRepaint_data() {
        QTest::addColumn<QString>("surface");
        QTest::addColumn<QString>("cause");
        QTest::newRow("picvolt, repainted") << "picvolt"
                                            << "repaint";
        QTest::newRow("picamp, updated") << "picamp"
                                         << "update";
        QTest::newRow("window, updated") << "Form1"
                                         << "update";
        QTest::newRow("window, resized and back") << "Form1"
                                                  << "resize";
        QTest::newRow("picvolt, window hidden and shown") << "picvolt"
                                                          << "hide";
        QTest::newRow("window, curtain shown and hidden again") << "Form1"
                                                                << "curtain";
    }
    void keptAcrossRepaint() {
        QFETCH(QString, surface);
        QFETCH(QString, cause);
        scene::Surface& s = this->surface(surface);
        form().picShirma->setVisible(false);
        // Across the window's graph area, or the dial's lower left, away from the rest needle
        // its repaint handler draws again.
        if (&s == &form()) {
            draw(s, {8700, 3500}, {14000, 6000}, kMagenta);
        } else {
            draw(s, {200, 1200}, {1200, 1450}, kMagenta);
        }
        const QImage drawn = shown::screen(form());
        if (cause == QLatin1String("repaint")) {
            s.repaint();
        } else if (cause == QLatin1String("update")) {
            s.update();
        } else if (cause == QLatin1String("resize")) {
            form().resize(1100, 800);
            QTRY_COMPARE(form().size(), QSize(1100, 800));
            form().resize(1016, 734);
            QTRY_COMPARE(form().size(), QSize(1016, 734));
        } else if (cause == QLatin1String("hide")) {
            form().hide();
            QVERIFY(shown::show(form()));
        } else {
            form().picShirma->setVisible(true);
            QVERIFY(shown::screen(form()) != drawn);
            form().picShirma->setVisible(false);
        }
        // Compared over the surface: hiding the window may move the keyboard focus elsewhere.
        const QRect area = QRect(s.mapTo(&form(), QPoint()), s.size()) & form().rect();
        QCOMPARE(shown::screen(form()).copy(area), drawn.copy(area));
    }

    // A dial raises its repaint notification when the windowing system asks it to redraw
    // itself, not when it merely shows lines just drawn on it or cleared.
    void repaintNotification_data() {
        QTest::addColumn<QString>("surface");
        QTest::addColumn<QString>("cause");
        QTest::addColumn<bool>("raised");
        for (const char* dial : {"picvolt", "picamp"}) {
            QTest::addRow("%s, line drawn", dial) << dial << "draw" << false;
            QTest::addRow("%s, cleared", dial) << dial << "clear" << false;
            QTest::addRow("%s, repainted", dial) << dial << "repaint" << true;
            QTest::addRow("%s, updated", dial) << dial << "update" << true;
            QTest::addRow("%s, window hidden and shown", dial) << dial << "hide" << true;
        }
    }
    void repaintNotification() {
        QFETCH(QString, surface);
        QFETCH(QString, cause);
        QFETCH(bool, raised);
        scene::Surface& s = this->surface(surface);
        draw(s, {300, 1200}, {900, 1450}, kMagenta);
        shown::screen(form());
        QSignalSpy spy(&s, &scene::Surface::repaintRequested);
        if (cause == QLatin1String("draw")) {
            draw(s, {300, 1300}, {900, 1100}, kMagenta);
        } else if (cause == QLatin1String("clear")) {
            s.clearDrawing();
        } else if (cause == QLatin1String("repaint")) {
            s.repaint();
        } else if (cause == QLatin1String("update")) {
            s.update();
        } else {
            form().hide();
            QVERIFY(shown::show(form()));
        }
        shown::screen(form());
        QCOMPARE(spy.count() > 0, raised);
    }

    // An expose of the window over a dial, as when a window that covered it goes away, raises
    // the dial's notification, also when all it uncovers lies within a line just drawn on the
    // dial and not yet shown. The exposed area is given in twips of the dial's inner area.
    void exposeNotification_data() {
        QTest::addColumn<QString>("surface");
        QTest::addColumn<QRect>("exposed");
        QTest::addColumn<bool>("raised");
        for (const char* dial : {"picvolt", "picamp"}) {
            QTest::addRow("%s, within a line just drawn", dial)
                << dial << QRect(570, 1290, 60, 30) << true;
            QTest::addRow("%s, the whole dial", dial)
                << dial << QRect(-30, -30, 3000, 1700) << true;
            QTest::addRow("%s, beside the dial", dial)
                << dial << QRect(-1000, 1200, 600, 300) << false;
        }
    }
    void exposeNotification() {
        QFETCH(QString, surface);
        QFETCH(QRect, exposed);
        QFETCH(bool, raised);
        scene::Surface& s = this->surface(surface);
        QSignalSpy spy(&s, &scene::Surface::repaintRequested);
        draw(s, {300, 1200}, {900, 1400}, kMagenta);
        const QRect onWindow(shown::onWindow(s, exposed.topLeft(), form()),
                             shown::onWindow(s, exposed.bottomRight(), form()));
        QExposeEvent expose{QRegion(onWindow)};
        QCoreApplication::sendEvent(form().windowHandle(), &expose);
        shown::screen(form());
        QCOMPARE(spy.count() > 0, raised);
    }

    // Both dials get their first repaint when the window is first shown.
    void firstShowRepaintsDials() {
        Form1 fresh;
        QSignalSpy volt(fresh.picvolt, &scene::Surface::repaintRequested);
        QSignalSpy amp(fresh.picamp, &scene::Surface::repaintRequested);
        QVERIFY(shown::show(fresh));
        shown::screen(fresh);
        QVERIFY(volt.count() > 0);
        QVERIFY(amp.count() > 0);
    }
};

QTEST_MAIN(TestSurfaces)
#include "tst_surfaces.moc"
