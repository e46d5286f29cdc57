// What a screen reader and a keyboard-only user get from the window: a frame holding the
// heading, every interactive control in tab order, both meters and the graphs, each named, and
// nothing else, as the toolkit's accessibility interfaces report them; the power switch a toggle
// button whose checked state is its look; the switch pressed from the keyboard; and the help a
// read-only document.

#include <QAccessible>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTextBrowser>
#include <QtTest>

#include "classroom/classroom.h"
#include "classroom/phasor_panel.h"
#include "demo_driver.h"
#include "scene/screen_reader.h"
#include "shell/application.h"
#include "shell/translations.h"
#include "shown_form.h"

namespace {

using driver::Demo;

QAccessibleInterface* accessible(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

// The colours across the left side of a control, from five pixels outside it to its edge: what a
// focus ring shows there.
QList<QColor> leftOf(const QWidget& control, const QImage& screen) {
    const QPoint edge = control.mapTo(control.window(), QPoint(0, control.height() / 2));
    QList<QColor> colours;
    for (int x = edge.x() - 5; x < edge.x(); ++x) {
        colours << screen.pixelColor(x, edge.y());
    }
    return colours;
}

}  // namespace

class AccessibilityTest : public shown::FreshWindowTest {
    Q_OBJECT

  private slots:
    void initTestCase() { setUpApplication(); }
    void init() { QVERIFY(startWindow()); }
    void cleanup() { closeWindow(); }

    // Role, name and description as a screen reader reads them; a description that the table
    // leaves out is the control's tooltip.
    void names_data() {
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("picOn") << QAccessible::CheckBox << "Выключатель"
                               << "Запускает и останавливает демонстрацию";
        QTest::newRow("picvolt") << QAccessible::Graphic << "Вольтметр"
                                 << "Напряжение генератора: стрелка качается от нуля влево и "
                                    "вправо";
        QTest::newRow("picamp") << QAccessible::Graphic << "Амперметр"
                                << "Ток в катушке: стрелка качается от нуля влево и вправо, на "
                                   "четверть периода позже напряжения";
        QTest::newRow("sldW") << QAccessible::Slider << "Частота генератора"
                              << "Изменить частоту";
        QTest::newRow("sldU") << QAccessible::Slider << "Амплитуда напряжения генератора"
                              << "Изменить амплитуду колебаний";
        QTest::newRow("sldL") << QAccessible::Slider << "Индуктивность катушки"
                              << "Изменить индуктивность катушки";
        QTest::newRow("Command4") << QAccessible::Button << "Графики"
                                  << "Показывает и прячет графики напряжения, тока и мощности";
        QTest::newRow("Command1") << QAccessible::Button << "Выход"
                                  << "Закрывает программу";
    }
    void names() {
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, name);
        QFETCH(QString, description);
        auto* control = form().findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(control);
        QAccessibleInterface* a = accessible(control);
        QVERIFY(a);
        QCOMPARE(a->role(), role);
        QCOMPARE(a->text(QAccessible::Name), name);
        QCOMPARE(a->text(QAccessible::Description), description);
        QVERIFY(!a->state().invisible);
        // Of the two meters and the switch, only the switch takes the focus.
        QCOMPARE(a->state().focusable, role != QAccessible::Graphic);
    }

    // The window is a frame named "Velmora" whose elements are exactly these, in this order, each
    // with the window as its parent: no decoration, marker or wire, nor a child added later (an
    // overlay) unless it is added on purpose. The graphs show only while the curtain is away.
    void tree() {
        QAccessibleInterface* window = accessible(&form());
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Velmora"));
        QWidget overlay(&form());
        overlay.show();
        QStringList elements;
        for (int i = 0; i < window->childCount(); ++i) {
            QAccessibleInterface* element = window->child(i);
            QCOMPARE(element->parent(), window);
            QCOMPARE(window->indexOfChild(element), i);
            elements << QStringLiteral("%1 %2")
                            .arg(element->role(), 0, 16)
                            .arg(element->text(QAccessible::Name));
        }
        // Heading, button, slider, check box, graphic.
        QCOMPARE(elements, (QStringList{"414 Катушка (индуктивность ) в цепи переменного тока",
                                        "2b Выход", "33 Частота генератора",
                                        "33 Амплитуда напряжения генератора", "2c Выключатель",
                                        "33 Индуктивность катушки", "2b Графики", "28 Вольтметр",
                                        "28 Амперметр", "28 Графики напряжения, тока и мощности"}));
        QAccessibleInterface* graphs = window->child(window->childCount() - 1);
        QVERIFY(graphs->state().invisible);
        form().Command4->click();
        QVERIFY(!graphs->state().invisible);
        QCOMPARE(graphs->rect(),
                 QRect(form().mapToGlobal(form().picShirma->pos()), form().picShirma->size()));
        QCOMPARE(window->childAt(graphs->rect().center().x(), graphs->rect().center().y()), graphs);
        // In the language of the moment.
        Translations english(QStringLiteral("en"));
        english.install();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(graphs->text(QAccessible::Name),
                 QStringLiteral("Graphs of voltage, current and power"));
        QCOMPARE(window->child(0)->text(QAccessible::Name),
                 QStringLiteral("A coil (inductance) in an alternating-current circuit"));
        // An element a layer above adds on purpose comes last.
        scene::addToScreenReaders(form(), overlay);
        QCOMPARE(window->child(window->childCount() - 1), accessible(&overlay));
    }

    // The help is a document that cannot be edited, whose text a screen reader reads.
    void helpDocument() {
        attachClassroom(form());
        QTest::keyClick(form().windowHandle(), Qt::Key_F1);
        QWidget* help = form().findChild<Classroom*>()->helpWindow();
        QAccessibleInterface* document = accessible(help);
        QCOMPARE(document->role(), QAccessible::Document);
        QVERIFY(document->state().readOnly && !document->state().editable);
        QAccessibleTextInterface* text = document->textInterface();
        QVERIFY(text);
        QVERIFY(text->text(0, text->characterCount()).contains(QStringLiteral("sin ωt")));
    }

    // The switch is checked while it looks "on". (That a screen reader is told of each change
    // cannot be seen here: the toolkit passes no accessibility events on the offscreen platform.)
    void switchCheckedFollowsItsLook() {
        QAccessibleInterface* a = accessible(form().picOn);
        QVERIFY(a->state().checkable);
        QVERIFY(!a->state().checked);
        form().picOn->setAppearance(scene::Appearance::ThreeD);
        QVERIFY(a->state().checked);
        form().picOn->setAppearance(scene::Appearance::Flat);
        QVERIFY(!a->state().checked);
    }

    // The screen reader's own press of the switch is a click, made once its request returns.
    void switchPressedByAScreenReader_data() {
        QTest::addColumn<QString>("action");
        QTest::newRow("press") << QAccessibleActionInterface::pressAction();
        QTest::newRow("toggle") << QAccessibleActionInterface::toggleAction();
    }
    void switchPressedByAScreenReader() {
        QFETCH(QString, action);
        QVERIFY(QObject::disconnect(form().picOn, &scene::PictureBox::clicked, &form(), nullptr));
        QSignalSpy clicks(form().picOn, &scene::PictureBox::clicked);
        QAccessibleActionInterface* actions = accessible(form().picOn)->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(action));
        actions->doAction(action);
        QCOMPARE(clicks.count(), 0);
        QTRY_COMPARE(clicks.count(), 1);
    }

    // With the focus on the switch, Space, Return or Enter presses it as a click does: the
    // demonstration runs inside the key's handler, and the same key, pressed in the run, stops
    // it. Held down, a key presses once.
    void keysPressTheSwitch_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Space") << Qt::Key_Space;
        QTest::newRow("Return") << Qt::Key_Return;
        QTest::newRow("Enter") << Qt::Key_Enter;
    }
    void keysPressTheSwitch() {
        QFETCH(Qt::Key, key);
        closeWindow();
        Demo d;
        QVERIFY(shown::show(*d.form));
        QWindow* window = d.form->windowHandle();
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(window, Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), d.form->picOn);

        bool runningInside = false;
        bool checkedInside = false;
        d.atYield = [&](Demo& demo) {
            if (demo.pass == 1) {
                runningInside = demo.form->running == 1;
                checkedInside = accessible(demo.form->picOn)->state().checked;
                QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
                QCoreApplication::sendEvent(demo.form->picOn, &repeat);
                QTest::keyClick(window, key);
            } else {
                demo.form->picOn_Click();  // the key did not stop it
            }
        };
        QTest::keyClick(window, key);
        QVERIFY(runningInside);
        QVERIFY(checkedInside);
        QCOMPARE(d.pass, 1);
        QCOMPARE(d.form->running, 0);
        QCOMPARE(d.form->picOn->appearance(), scene::Appearance::Flat);
    }

    // The phasor diagram comes after the graphs when it is open. Tab reaches it after the last
    // control as one stop, its ring round all four sides at the window's edge too; the arrow keys
    // then go from number to number, each read as name, value and unit; Tab leaves it.
    void phasorDiagram() {
        Classroom& classroom = attachClassroom(form());
        QAccessibleInterface* window = accessible(&form());
        const int others = window->childCount();
        classroom.action(Classroom::Command::Phasors).trigger();
        const PhasorPanel* panel = classroom.phasors();
        QCOMPARE(window->childCount(), others + 1);
        QCOMPARE(window->child(others), accessible(classroom.phasors()));
        QCOMPARE(window->child(others)->text(QAccessible::Name),
                 QStringLiteral("Векторная диаграмма"));
        QWindow* handle = form().windowHandle();
        form().Command4->setFocus(Qt::TabFocusReason);
        QTest::keyClick(handle, Qt::Key_Tab);
        QVERIFY(panel->hasFocus());
        const QImage screen = shown::screen(form());
        const QRect edges(panel->pos(), panel->size());
        const QColor yellow(255, 214, 0);
        for (const QPoint side :
             {QPoint(edges.left() - 2, edges.center().y()), QPoint(edges.center().x(), 1),
              QPoint(edges.right() - 1, edges.center().y()),
              QPoint(edges.center().x(), edges.bottom() - 1)}) {
            QVERIFY2(screen.pixelColor(side) == yellow,
                     qPrintable(QStringLiteral("no ring at %1, %2").arg(side.x()).arg(side.y())));
        }
        const QStringList read{QStringLiteral("угловая частота ω, 4,71, радиан в секунду"),
                               QStringLiteral("частота ν, 0,750, герц")};
        for (const QString& number : read) {
            QTest::keyClick(handle, Qt::Key_Down);
            QVERIFY(panel->isAncestorOf(QApplication::focusWidget()));
            QCOMPARE(accessible(QApplication::focusWidget())->text(QAccessible::Name), number);
        }
        QTest::keyClick(handle, Qt::Key_Tab);
        QVERIFY(!panel->isAncestorOf(QApplication::focusWidget()) && !panel->hasFocus());
    }

    // Focus from the keyboard shows as a ring around the control, black, yellow twice and black
    // from the outside in; focus from a mouse click shows none, and the ring goes with the focus.
    void keyboardFocusShowsARing() {
        attachClassroom(form());
        QWindow* window = form().windowHandle();
        const QColor yellow(255, 214, 0);
        const QList<QColor> ring{form().palette().color(QPalette::Window), Qt::black, yellow,
                                 yellow, Qt::black};
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(window, Qt::Key_Tab);
        }
        QVERIFY(form().picOn->hasFocus());
        QCOMPARE(leftOf(*form().picOn, shown::screen(form())).mid(1), ring.mid(1));
        QTest::mouseClick(window, Qt::LeftButton, {}, form().sldL->mapTo(&form(), QPoint(20, 10)));
        QVERIFY(form().sldL->hasFocus());
        const QImage screen = shown::screen(form());
        QVERIFY(!leftOf(*form().sldL, screen).contains(yellow));
        QVERIFY(!leftOf(*form().picOn, screen).contains(yellow));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
