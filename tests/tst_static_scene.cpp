// The fixed picture around the controls: that every element is there once, and that the window
// as shown really shows it.

#include <QApplication>
#include <QMap>
#include <QPainter>
#include <QScreen>
#include <QSet>
#include <QSlider>
#include <QtTest>
#include <cmath>
#include <memory>

#include "demo/form1.h"
#include "scene/element_drawings.h"
#include "scene/layout.h"
#include "scene/pictures.h"
#include "shell/application.h"
#include "shell/translations.h"
#include "shown_form.h"

using scene::Id;
using shown::px;

namespace {

const QColor kPanelGreen(192, 255, 192);
const QColor kGrey(128, 128, 128);
const QColor kBrown(128, 64, 0);
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kDarkGrey(64, 64, 64);
const QColor kHatchBlue(128, 128, 255);
const QColor kVoltmeterBlue(192, 192, 255);
const QColor kAmmeterRed(255, 192, 192);

int distance(QColor a, QColor b) {
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                     std::abs(a.blue() - b.blue())});
}

// Every element of the static scene by kind: name -> indexes (-1 for a single control).
enum class Kind { PictureBox, Marker, Shape, Line, Label };

QMap<QString, QList<int>> namesOf(Kind kind) {
    QMap<QString, QList<int>> names;
    auto collect = [&](const auto& specs) {
        for (const auto& s : specs) {
            names[QString::fromLatin1(s.id.name.data(), static_cast<qsizetype>(s.id.name.size()))]
                .append(s.id.index);
        }
    };
    const scene::Layout& layout = scene::staticScene();
    switch (kind) {
        case Kind::PictureBox:
            collect(layout.pictureBoxes);
            break;
        case Kind::Marker:
            collect(layout.markers);
            break;
        case Kind::Shape:
            collect(layout.shapes);
            break;
        case Kind::Line:
            collect(layout.lines);
            break;
        case Kind::Label:
            collect(layout.labels);
            break;
    }
    for (auto& indexes : names) {
        std::sort(indexes.begin(), indexes.end());
    }
    return names;
}

QList<int> indexRange(int first, int last) {
    QList<int> r;
    for (int i = first; i <= last; ++i) {
        r.append(i);
    }
    return r;
}

QStringList numbered(const char* stem, int first, int last) {
    QStringList names;
    for (int i = first; i <= last; ++i) {
        names << QStringLiteral("%1%2").arg(QLatin1String(stem)).arg(i);
    }
    return names;
}

}  // namespace

Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(scene::Picture)

class TestStaticScene : public QObject {
    Q_OBJECT

  private:
    // What is on the screen now, without asking any widget to repaint.
    static QImage screenOf(const Form1& window) {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        return window.screen()
            ->grabWindow(window.winId())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    QImage screen() { return screenOf(*form_); }

    // A point of a container's inner area, in twips, as a pixel of the window.
    QPoint onWindow(const Id& container, QPoint twips) const {
        return shown::onWindow(form_->controls().surface(container), twips, *form_);
    }

    // An element's box on the window, less whatever windowed control covers it.
    QRegion visibleOnWindow(const scene::Windowless& element, const Id& container) const {
        return visibleOn(*form_, element, container);
    }
    static QRegion visibleOn(const Form1& window, const scene::Windowless& element,
                             const Id& container) {
        const scene::Surface& s = window.controls().surface(container);
        const QRect bounds = element.pixelBounds();
        QRegion region(QRect(s.mapTo(&window, s.innerOrigin() + bounds.topLeft()), bounds.size()));
        for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisible() && child != &s) {
                region -= child->geometry();
            }
        }
        return region;
    }

    // The pixels of the window that a label's text changes: those that change when its caption
    // is taken away, less whatever windowed control covers them.
    struct Ink {
        QImage shown;  // the window with the text
        QList<QPoint> pixels;
        QRect bounds() const {
            QRect r;
            for (const QPoint& p : pixels) {
                r |= QRect(p, QSize(1, 1));
            }
            return r;
        }
    };
    Ink inkOf(scene::Windowless& label, const Id& container) {
        return inkOn(*form_, label, container);
    }
    static Ink inkOn(const Form1& window, scene::Windowless& label, const Id& container) {
        const QString caption = label.Caption();
        Ink ink{screenOf(window), {}};
        label.setCaption(QString());
        const QImage without = screenOf(window);
        label.setCaption(caption);
        for (const QRect& r : visibleOn(window, label, container)) {
            for (int y = r.top(); y <= r.bottom(); ++y) {
                for (int x = r.left(); x <= r.right(); ++x) {
                    if (ink.shown.pixel(x, y) != without.pixel(x, y)) {
                        ink.pixels.append({x, y});
                    }
                }
            }
        }
        return ink;
    }

    std::unique_ptr<Form1> form_;
    QImage atRest_;

  private slots:
    void initTestCase() {
        setUpApplication();
        form_ = std::make_unique<Form1>();
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        atRest_ = screen();
        QCOMPARE(atRest_.size(), QSize(1016, 734));
        // From here on the graph area is uncovered, as after a press of "Графики".
        form_->picShirma->hide();
    }

    void cleanupTestCase() { form_.reset(); }

    void countsByKind_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<int>("count");
        QTest::newRow("lines") << Kind::Line << 175;
        QTest::newRow("shapes") << Kind::Shape << 13;
        QTest::newRow("labels") << Kind::Label << 24;
        QTest::newRow("picture boxes") << Kind::PictureBox << 2;
        QTest::newRow("charge markers") << Kind::Marker << 4;
    }

    void countsByKind() {
        QFETCH(Kind, kind);
        QFETCH(int, count);
        int n = 0;
        for (const auto& indexes : namesOf(kind)) {
            n += static_cast<int>(indexes.size());
        }
        QCOMPARE(n, count);
    }

    void families_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("indexes");
        QList<int> line5 = indexRange(0, 25);
        line5.removeOne(21);
        QTest::newRow("Line5, no index 21") << Kind::Line << "Line5" << line5;
        QTest::newRow("Line6") << Kind::Line << "Line6" << indexRange(0, 71);
        QTest::newRow("Line63") << Kind::Line << "Line63" << indexRange(0, 5);
        QTest::newRow("Line64") << Kind::Line << "Line64" << indexRange(0, 5);
        QTest::newRow("Line34") << Kind::Line << "Line34" << indexRange(0, 6);
        QTest::newRow("Shape5") << Kind::Shape << "Shape5" << indexRange(0, 5);
        QTest::newRow("Label16") << Kind::Label << "Label16" << indexRange(0, 5);
        QTest::newRow("Label19") << Kind::Label << "Label19" << indexRange(0, 2);
    }

    void families() {
        QFETCH(Kind, kind);
        QFETCH(QString, name);
        QFETCH(QList<int>, indexes);
        QCOMPARE(namesOf(kind).value(name), indexes);
    }

    void singleControls_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("picture boxes") << Kind::PictureBox << QStringList{"Picture1", "Picture2"};
        QTest::newRow("charge markers")
            << Kind::Marker << QStringList{"Plus1", "Plus5", "Minus2", "Minus4"};
        QTest::newRow("shapes") << Kind::Shape
                                << QStringList{"Shape1", "Shape2", "Shape3", "Shape4",
                                               "Shape6", "Shape7", "Shape8"};
        QTest::newRow("lines") << Kind::Line
                               << numbered("Line", 1, 4) + numbered("Line", 7, 33) +
                                      numbered("Line", 35, 62);
        QTest::newRow("labels") << Kind::Label
                                << numbered("Label", 1, 10) + numbered("Label", 13, 15) +
                                       numbered("Label", 17, 18);
    }

    // Every single control is there exactly once, and no other.
    void singleControls() {
        QFETCH(Kind, kind);
        QFETCH(QStringList, names);
        QStringList found;
        const auto all = namesOf(kind);
        for (const auto& [name, indexes] : all.asKeyValueRange()) {
            if (indexes.front() == -1) {
                QCOMPARE(indexes.size(), 1);
                found << name;
            }
        }
        found.sort();
        names.sort();
        QCOMPARE(found, names);
    }

    // The time ticks, 240 apart from the first tick of each axis, 60 long across it.
    void timeTicks_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("axisY");
        QTest::newRow("first, voltage") << 0 << 9150 << 2940;
        QTest::newRow("last, voltage") << 23 << 14670 << 2940;
        QTest::newRow("first, current") << 24 << 9000 << 5220;
        QTest::newRow("last, current") << 47 << 14520 << 5220;
        QTest::newRow("first, power") << 48 << 9120 << 8310;
        QTest::newRow("last, power") << 71 << 14640 << 8310;
    }

    void timeTicks() {
        QFETCH(int, index);
        QFETCH(int, x);
        QFETCH(int, axisY);
        const auto& lines = scene::staticScene().lines;
        const auto tick = std::find_if(lines.begin(), lines.end(), [&](const auto& l) {
            return l.id == Id{"Line6", index};
        });
        QVERIFY(tick != lines.end());
        QCOMPARE(tick->from, QPoint(x, axisY - 30));
        QCOMPARE(tick->to, QPoint(x, axisY + 30));
        QCOMPARE(tick->width, 1);
        QCOMPARE(tick->colour, scene::kWindowText);
    }

    // The dial marks keep their size in hundredths of a millimetre, and sit at the ends of the
    // scales: plus on the left, minus on the right, visible on the dial's or their own colour.
    void dialMarkers_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("dial");
        QTest::addColumn<bool>("plus");
        QTest::addColumn<QSize>("himetric");
        QTest::addColumn<QSize>("twips");
        QTest::addColumn<QColor>("background");
        QTest::newRow("Plus5") << "Plus5"
                               << "picamp" << true << QSize(291, 450) << QSize(165, 255)
                               << kAmmeterRed;
        QTest::newRow("Minus4") << "Minus4"
                                << "picamp" << false << QSize(397, 503) << QSize(225, 285)
                                << kAmmeterRed;
        QTest::newRow("Plus1") << "Plus1"
                               << "picvolt" << true << QSize(450, 450) << QSize(255, 255)
                               << kVoltmeterBlue;
        QTest::newRow("Minus2") << "Minus2"
                                << "picvolt" << false << QSize(397, 503) << QSize(225, 285)
                                << kVoltmeterBlue;
    }

    void dialMarkers() {
        QFETCH(QString, name);
        QFETCH(QString, dial);
        QFETCH(bool, plus);
        QFETCH(QSize, himetric);
        QFETCH(QSize, twips);
        QFETCH(QColor, background);
        const QByteArray nameUtf8 = name.toUtf8();
        const QByteArray dialUtf8 = dial.toUtf8();
        const Id id{nameUtf8.constData()};

        const auto& markers = scene::staticScene().markers;
        const auto row =
            std::find_if(markers.begin(), markers.end(), [&](const auto& m) { return m.id == id; });
        QVERIFY(row != markers.end());
        QCOMPARE(QSize(row->settings.extentX, row->settings.extentY), himetric);

        auto& mark = form_->controls().get<Tavik::Mark>(id);
        QVERIFY(mark.isVisible());
        QCOMPARE(mark.twipsSize(), twips);
        QCOMPARE(mark.size(), QSize(px(twips.width()), px(twips.height())));
        QCOMPARE(qobject_cast<Tavik::Plus*>(&mark) != nullptr, plus);
        QCOMPARE(qobject_cast<Tavik::Minus*>(&mark) != nullptr, !plus);

        const auto& box = form_->controls().get<scene::PictureBox>({dialUtf8.constData()});
        QCOMPARE(mark.parentWidget(), &box);
        const int centre = mark.geometry().center().x() - box.innerOrigin().x();
        const int width = box.innerSize().width();
        if (plus) {
            QVERIFY2(centre < width / 4, "the plus mark is not at the left end");
        } else {
            QVERIFY2(centre > width * 3 / 4, "the minus mark is not at the right end");
        }

        const QImage shown = screen();
        const QRect onWindow(mark.mapTo(form_.get(), QPoint()), mark.size());
        QCOMPARE(shown.pixelColor(onWindow.topLeft()), background);
        bool markDrawn = false;
        for (int y = onWindow.top(); y <= onWindow.bottom(); ++y) {
            for (int x = onWindow.left(); x <= onWindow.right(); ++x) {
                markDrawn = markDrawn || shown.pixelColor(x, y) == kBlack;
            }
        }
        QVERIFY2(markDrawn, "the mark does not show on the window");
    }

    // Single pixels of the window, well inside an element, away from anything over it.
    void probes_data() {
        QTest::addColumn<QString>("container");
        QTest::addColumn<QPoint>("twips");
        QTest::addColumn<QColor>("colour");
        const QString form = QStringLiteral("Form1");
        QTest::newRow("panel") << form << QPoint(700, 4600) << kPanelGreen;
        QTest::newRow("panel under the heading") << form << QPoint(4200, 1950) << kPanelGreen;
        QTest::newRow("left terminal") << form << QPoint(5250, 4335) << kGrey;
        QTest::newRow("right terminal") << form << QPoint(5940, 4335) << kGrey;
        QTest::newRow("left screw head") << form << QPoint(5280, 4545) << kBrown;
        QTest::newRow("right screw head") << form << QPoint(5895, 4545) << kBrown;
        QTest::newRow("left slot") << form << QPoint(5250, 4515) << kBlack;
        QTest::newRow("clamp 0") << form << QPoint(5250, 4770) << kGrey;
        QTest::newRow("clamp 1") << form << QPoint(5940, 4770) << kGrey;
        QTest::newRow("clamp 2") << form << QPoint(4200, 6105) << kGrey;
        QTest::newRow("clamp 3") << form << QPoint(5460, 9285) << kGrey;
        QTest::newRow("clamp 4") << form << QPoint(2520, 9285) << kGrey;
        QTest::newRow("clamp 5") << form << QPoint(930, 6090) << kGrey;
        // The clamps under the terminals cover the panel's shadow, as real clamps would.
        QTest::newRow("clamp 0 over the panel shadow") << form << QPoint(5250, 4890) << kGrey;
        QTest::newRow("clamp 1 over the panel shadow") << form << QPoint(5940, 4890) << kGrey;
        QTest::newRow("panel shadow") << form << QPoint(4500, 4890) << kBlack;
        QTest::newRow("ammeter shadow") << form << QPoint(2500, 6930) << kBlack;
        QTest::newRow("coil back") << form << QPoint(2880, 9600) << kBlack;
        QTest::newRow("coil shadow") << form << QPoint(2775, 10170) << kBlack;
        QTest::newRow("ammeter mark, middle") << "picamp" << QPoint(1380, 345) << kWhite;
        QTest::newRow("ammeter mark, outer left") << "picamp" << QPoint(315, 945) << kWhite;
        QTest::newRow("voltmeter mark, middle") << "picvolt" << QPoint(1380, 345) << kWhite;
        QTest::newRow("voltmeter mark, outer right") << "picvolt" << QPoint(2475, 945) << kWhite;
        QTest::newRow("power symbol stroke") << "picOn" << QPoint(165, 60) << kBlack;
        QTest::newRow("power symbol ring") << "picOn" << QPoint(165, 255) << kBlack;
        QTest::newRow("grid border") << form << QPoint(12000, 1740) << kBlack;
        QTest::newRow("voltage value axis") << form << QPoint(8850, 2580) << kGrey;
        QTest::newRow("voltage time axis") << form << QPoint(9270, 2940) << kGrey;
        QTest::newRow("voltage arrowhead") << form << QPoint(8775, 1860) << kGrey;
        QTest::newRow("current value axis") << form << QPoint(8850, 4800) << kGrey;
        QTest::newRow("current time axis") << form << QPoint(12030, 5220) << kGrey;
        QTest::newRow("current arrowhead") << form << QPoint(14895, 5145) << kGrey;
        QTest::newRow("power value axis") << form << QPoint(8850, 9300) << kGrey;
        QTest::newRow("power time axis") << form << QPoint(13000, 8310) << kGrey;
        QTest::newRow("power arrowhead") << form << QPoint(8895, 6990) << kGrey;
        QTest::newRow("voltage time tick") << form << QPoint(9150, 2910) << kBlack;
        QTest::newRow("current time tick") << form << QPoint(14520, 5250) << kBlack;
        QTest::newRow("power time tick") << form << QPoint(11520, 8280) << kBlack;
        QTest::newRow("voltage value tick") << form << QPoint(8805, 1980) << kBlack;
        QTest::newRow("current value tick") << form << QPoint(8895, 6630) << kBlack;
        QTest::newRow("Line60") << form << QPoint(8805, 6390) << kBlack;
        QTest::newRow("power value tick") << form << QPoint(8805, 9060) << kBlack;
        QTest::newRow("power origin, left stroke") << form << QPoint(8775, 8310) << kBlack;
        QTest::newRow("power origin, right stroke") << form << QPoint(9075, 8310) << kBlack;
        QTest::newRow("serif bar of I") << form << QPoint(8535, 4470) << kBlack;
    }

    void probes() {
        QFETCH(QString, container);
        QFETCH(QPoint, twips);
        QFETCH(QColor, colour);
        const QByteArray name = container.toUtf8();
        const QPoint p = onWindow({name.constData()}, twips);
        QCOMPARE(screen().pixelColor(p), colour);
    }

    // The grid is white with a light-blue cross-hatch, its lines 8 pixels apart, one pixel
    // thick; on a screen of twice the pixel density, 16 device pixels apart and two thick.
    void gridHatch_data() {
        QTest::addColumn<int>("ratio");
        QTest::newRow("screen") << 1;
        QTest::newRow("high-dpi") << 2;
    }
    void gridHatch() {
        QFETCH(int, ratio);
        QImage shown = screen();
        if (ratio != 1) {
            shown = QImage(form_->size() * ratio, QImage::Format_RGB32);
            shown.setDevicePixelRatio(ratio);
            form_->render(&shown);
        }
        // A patch of the grid between the current and the power graph, clear of axes and ticks.
        const QRect patch(onWindow(scene::kForm, {9300, 5700}) * ratio, QSize(300, 64) * ratio);
        auto hatchLine = [&](int at, bool row) {
            for (int i = 0; i < (row ? patch.width() : patch.height()); ++i) {
                const QColor c = row ? shown.pixelColor(patch.left() + i, at)
                                     : shown.pixelColor(at, patch.top() + i);
                if (c != kHatchBlue) {
                    return false;
                }
            }
            return true;
        };
        for (int y = patch.top(); y <= patch.bottom(); ++y) {
            for (int x = patch.left(); x <= patch.right(); ++x) {
                const QColor c = shown.pixelColor(x, y);
                QVERIFY2(c == kWhite || c == kHatchBlue, qPrintable(c.name()));
            }
        }
        for (const bool rows : {true, false}) {
            // Where each hatch line starts, and how thick it is.
            QList<int> starts;
            int thickness = 0;
            const int first = rows ? patch.top() : patch.left();
            const int last = rows ? patch.bottom() : patch.right();
            for (int at = first, run = 0; at <= last; ++at) {
                run = hatchLine(at, rows) ? run + 1 : 0;
                if (run == 1) {
                    starts << at;
                }
                thickness = std::max(thickness, run);
            }
            QVERIFY(starts.size() >= 2);
            QCOMPARE(thickness, ratio);
            for (qsizetype i = 1; i < starts.size(); ++i) {
                QCOMPARE(starts[i] - starts[i - 1], 8 * ratio);
            }
        }
    }

    // Each text shows in its colour: taking the caption away changes pixels of the label's box,
    // and among them are pixels of the text colour.
    void captions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QColor>("colour");
        const QString form = QStringLiteral("Form1");
        for (const char* name : {"Label2", "Label13", "Label3", "Label4", "Label5", "Label7",
                                 "Label1", "Label14", "Label18", "Label17", "Label15"}) {
            QTest::newRow(name) << name << -1 << form << kBlack;
        }
        for (int i = 0; i <= 5; ++i) {
            QTest::addRow("Label16(%d)", i) << "Label16" << i << form << kBlack;
        }
        for (int i = 0; i <= 2; ++i) {
            QTest::addRow("Label19(%d)", i) << "Label19" << i << form << kBlack;
        }
        QTest::newRow("ammeter zero") << "Label9" << -1 << "picamp" << kWhite;
        QTest::newRow("voltmeter zero") << "Label8" << -1 << "picvolt" << kWhite;
        QTest::newRow("ammeter unit") << "Label10" << -1 << "picamp" << kDarkGrey;
        QTest::newRow("voltmeter unit") << "Label6" << -1 << "picvolt" << kDarkGrey;
    }

    void captions() {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QString, container);
        QFETCH(QColor, colour);
        const QByteArray nameUtf8 = name.toUtf8();
        const QByteArray containerUtf8 = container.toUtf8();
        const Id parent{containerUtf8.constData()};
        scene::Windowless& label =
            form_->controls().windowless({nameUtf8.constData(), index}, parent);
        QVERIFY(!label.Caption().isEmpty());

        const Ink ink = inkOf(label, parent);
        int nearest = 255;
        for (const QPoint& p : ink.pixels) {
            nearest = std::min(nearest, distance(ink.shown.pixelColor(p), colour));
        }
        QVERIFY2(ink.pixels.size() >= 8, "the text does not show");
        QVERIFY2(nearest <= 24, "the text is not in its colour");
    }

    // The smaller index "m" of "Амплитуда(U" follows the "U" as letters of one word do: at most
    // two pixels lie between the ink of the one and the ink of the other, and they do not touch.
    // So too in English, in a window of its own.
    void amplitudeIndex_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("ru") << "ru";
        QTest::newRow("en") << "en";
    }
    void amplitudeIndex() {
        QFETCH(QString, language);
        Translations translations(language);
        translations.install();
        Form1 window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect title =
            inkOn(window, window.controls().windowless({"Label4"}), scene::kForm).bounds();
        const QRect index =
            inkOn(window, window.controls().windowless({"Label5"}), scene::kForm).bounds();
        const int gap = index.left() - title.right() - 1;
        QVERIFY2(gap >= 1 && gap <= 2, qPrintable(QStringLiteral("gap of %1 pixels").arg(gap)));
    }

    // The dial zeros are lining figures, as tall as capitals, not an old-style zero that is no
    // taller than a small letter o: "Garamond" 12 pt is 16 pixels, capitals stand over 10 of them,
    // an o about 7.
    void dialZeros_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("dial");
        QTest::newRow("ammeter") << "Label9"
                                 << "picamp";
        QTest::newRow("voltmeter") << "Label8"
                                   << "picvolt";
    }
    void dialZeros() {
        QFETCH(QString, name);
        QFETCH(QString, dial);
        const QByteArray nameUtf8 = name.toUtf8();
        const QByteArray dialUtf8 = dial.toUtf8();
        const Id container{dialUtf8.constData()};
        scene::Windowless& zero = form_->controls().windowless({nameUtf8.constData()}, container);
        QCOMPARE(zero.Caption(), QStringLiteral("0"));
        const int height = inkOf(zero, container).bounds().height();
        QVERIFY2(height >= 10, qPrintable(QStringLiteral("%1 pixels high").arg(height)));
    }

    // The captions on the generator panel differ from the panel only by their text: every
    // pixel of their boxes is panel green, black, or text antialiased between the two.
    void panelCaptionsBlend_data() {
        QTest::addColumn<QString>("name");
        for (const char* name :
             {"Label13", "Label3", "Label4", "Label5", "Label7", "Label1", "Label11", "Label12"}) {
            QTest::newRow(name) << name;
        }
    }

    void panelCaptionsBlend() {
        QFETCH(QString, name);
        const QByteArray nameUtf8 = name.toUtf8();
        const scene::Windowless& label = form_->controls().windowless({nameUtf8.constData()});
        const QImage shown = screen();
        int greenPixels = 0;
        for (const QRect& r : visibleOnWindow(label, scene::kForm)) {
            for (int y = r.top(); y <= r.bottom(); ++y) {
                for (int x = r.left(); x <= r.right(); ++x) {
                    const QColor c = shown.pixelColor(x, y);
                    // green·(1 − coverage): red and blue equal, both 192/255 of green.
                    const double expectedRedBlue = c.green() * 192.0 / 255.0;
                    QVERIFY2(std::abs(c.red() - expectedRedBlue) <= 3 &&
                                 std::abs(c.blue() - expectedRedBlue) <= 3,
                             qPrintable(
                                 QStringLiteral("pixel %1,%2 is %3").arg(x).arg(y).arg(c.name())));
                    greenPixels += c == kPanelGreen ? 1 : 0;
                }
            }
        }
        QVERIFY(greenPixels > 0);
    }

    // Each "min" stands above the left end of its slider, each "max" above its right end.
    void sliderEnds_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("slider");
        QTest::addColumn<bool>("leftEnd");
        QTest::addColumn<QString>("caption");
        QTest::newRow("sldW min") << 1 << "sldW" << true << "min";
        QTest::newRow("sldW max") << 3 << "sldW" << false << "max";
        QTest::newRow("sldU min") << 2 << "sldU" << true << "min";
        QTest::newRow("sldU max") << 4 << "sldU" << false << "max";
        QTest::newRow("sldL min") << 0 << "sldL" << true << "min";
        QTest::newRow("sldL max") << 5 << "sldL" << false << "max";
    }

    void sliderEnds() {
        QFETCH(int, index);
        QFETCH(QString, slider);
        QFETCH(bool, leftEnd);
        QFETCH(QString, caption);
        const QByteArray sliderName = slider.toUtf8();
        const scene::Windowless& label = form_->controls().windowless({"Label16", index});
        const QRect track = form_->controls().get<QSlider>({sliderName.constData()}).geometry();
        const QRect box = label.pixelBounds();
        QCOMPARE(label.Caption(), caption);
        QVERIFY2(box.center().y() < track.top(), "not above the slider");
        const int slack = track.width() / 8;
        if (leftEnd) {
            QVERIFY(std::abs(box.left() - track.left()) <= slack);
        } else {
            QVERIFY(std::abs(box.right() - track.right()) <= slack);
        }
    }

    // The emblem and the icon show at the top-left corners of their boxes.
    void pictures_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<scene::Picture>("picture");
        QTest::newRow("Picture1") << "Picture1" << scene::Picture::Emblem;
        QTest::newRow("Picture2") << "Picture2" << scene::Picture::Icon;
    }

    void pictures() {
        QFETCH(QString, box);
        QFETCH(scene::Picture, picture);
        const QByteArray name = box.toUtf8();
        const QWidget& w = form_->controls().widget({name.constData()});
        const QImage image = scene::picture(picture).convertToFormat(QImage::Format_RGB32);
        const QRect shown = QRect(QPoint(), image.size()).intersected(QRect(QPoint(), w.size()));
        QVERIFY(shown.width() >= 31 && shown.height() >= 31);
        QCOMPARE(screen().copy(QRect(w.geometry().topLeft(), shown.size())), image.copy(shown));
    }

    // On a screen of a higher device pixel ratio (the window shown larger) every picture is
    // drawn again at the screen's resolution, and painted so: the icon's and the emblem's curves
    // are finer than their bitmaps enlarged, while the pens, squares of whole pixels, look just
    // like theirs enlarged.
    void picturesAtRatio_data() {
        QTest::addColumn<scene::Picture>("picture");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<bool>("pixelArt");
        QTest::newRow("imgU") << scene::Picture::PenU << 2.0 << true;
        QTest::newRow("imgI") << scene::Picture::PenI << 2.0 << true;
        QTest::newRow("imgP") << scene::Picture::PenP << 2.0 << true;
        QTest::newRow("Picture1") << scene::Picture::Emblem << 2.0 << false;
        QTest::newRow("Picture2") << scene::Picture::Icon << 2.0 << false;
        QTest::newRow("Picture2 at 1.5") << scene::Picture::Icon << 1.5 << false;
    }
    void picturesAtRatio() {
        QFETCH(scene::Picture, picture);
        QFETCH(double, ratio);
        QFETCH(bool, pixelArt);
        const QImage atOne = scene::picture(picture);
        const QImage image = scene::picture(picture, ratio).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.devicePixelRatio(), ratio);
        QCOMPARE(image.size(), atOne.size() * ratio);

        scene::Surface surface(nullptr, scene::kWhite);
        const scene::Windowless& element =
            surface.addWindowless(scene::ImageSpec{{"Picture"}, scene::kForm, {0, 0}, picture});
        QCOMPARE(element.pixelBounds(), QRect(QPoint(), atOne.size()));
        QImage painted(image.size(), QImage::Format_RGB32);
        painted.setDevicePixelRatio(ratio);
        painted.fill(Qt::gray);
        QPainter painter(&painted);
        element.paint(painter);
        painter.end();
        QCOMPARE(painted, image);

        const QImage enlarged =
            atOne.convertToFormat(QImage::Format_RGB32)
                .scaled(image.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        QCOMPARE(image.copy() == enlarged.copy(), pixelArt);
    }

    // Every label, line, shape and image of a layout table is painted once, by the surface it
    // is laid out on; the surfaces paint nothing else but the pictures of picture boxes.
    void everyElementPaintedOnce() {
        int laidOut = 0;
        QStringList notOnce;
        for (const scene::Layout* layout :
             {&scene::controlLayout(), &scene::staticScene(), &scene::elementScene()}) {
            auto check = [&](const auto& specs) {
                for (const auto& element : specs) {
                    const auto& elements =
                        form_->controls().surface(element.parent).windowlessElements();
                    if (std::count_if(elements.begin(), elements.end(),
                                      [&](const auto& e) { return e->id() == element.id; }) != 1) {
                        notOnce << element.id.toString();
                    }
                    ++laidOut;
                }
            };
            check(layout->shapes);
            check(layout->lines);
            check(layout->labels);
            check(layout->images);
        }
        QVERIFY2(notOnce.isEmpty(), qPrintable(notOnce.join(QLatin1String(", "))));
        auto surfaces = form_->findChildren<scene::Surface*>();
        surfaces.append(form_.get());
        int painted = 0;
        int pictures = 0;
        for (const scene::Surface* s : surfaces) {
            for (const auto& e : s->windowlessElements()) {
                ++painted;
                pictures += e->id() == Id{"Picture"} ? 1 : 0;
            }
        }
        QCOMPARE(pictures, 2);
        QCOMPARE(painted, laidOut + pictures);
    }

    // The panel and the grid lie at the back: nothing that overlaps them is painted before them.
    void backElements_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("panel") << "Shape1";
        QTest::newRow("grid") << "Shape4";
    }
    void backElements() {
        QFETCH(QString, name);
        const QByteArray nameUtf8 = name.toUtf8();
        const auto& elements = form_->windowlessElements();
        const auto back = std::find_if(elements.begin(), elements.end(), [&](const auto& e) {
            return e->id() == Id{nameUtf8.constData()};
        });
        QVERIFY(back != elements.end());
        for (auto e = elements.begin(); e != back; ++e) {
            QVERIFY2(!(*e)->pixelBounds().intersects((*back)->pixelBounds()),
                     qPrintable((*e)->id().toString()));
        }
    }

    // At rest the curtain covers every element of the graph area: nothing of it shows.
    void curtainHidesGraphArea() {
        const QRect curtain = form_->picShirma->geometry();
        const QRect grid(onWindow(scene::kForm, {8430, 1740}), QSize(px(6765), px(8145)));
        for (const auto& e : form_->windowlessElements()) {
            if (grid.contains(e->pixelBounds().center())) {
                QVERIFY2(curtain.contains(e->pixelBounds()), qPrintable(e->id().toString()));
            }
        }
        const QColor buttonFace = QApplication::palette().color(QPalette::Button);
        const QRect shown = curtain.intersected(atRest_.rect());
        for (int y = shown.top(); y <= shown.bottom(); ++y) {
            for (int x = shown.left(); x <= shown.right(); ++x) {
                QCOMPARE(atRest_.pixelColor(x, y), buttonFace);
            }
        }
    }
};

QTEST_MAIN(TestStaticScene)
#include "tst_static_scene.moc"
