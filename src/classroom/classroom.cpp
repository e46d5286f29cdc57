#include "classroom/classroom.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>
#include <algorithm>
#include <iterator>

#include "classroom/focus_ring.h"
#include "classroom/help_window.h"
#include "classroom/pause_badge.h"
#include "classroom/phasor_panel.h"
#include "classroom/projector_view.h"
#include "classroom/remembered.h"
#include "classroom/window_picture.h"
#include "demo/demo_clock.h"
#include "demo/form1.h"
#include "scene/layout.h"
#include "scene/screen_reader.h"
#include "scene/surface.h"

namespace {

using Command = Classroom::Command;

// One command of the window: its menu text and its keys, the first of which the menu shows.
struct CommandSpec {
    Command command;
    const char* text;
    std::array<QKeyCombination, 2> keys;
    void (Classroom::*run)();
    bool startsGroup;  // a separator before it in the menu
    bool checkable;
    bool ownName;  // a language's name, written in that language whatever the interface's
    const char* submenu = nullptr;  // the submenu of the context menu it is in, if any
};

constexpr const char* kElementMenu = QT_TRANSLATE_NOOP("Classroom", "Элемент цепи");

// The commands that size the window, left out where the platform sizes it.
constexpr Command kSizing[] = {Command::Larger,    Command::Smaller,    Command::OriginalSize,
                               Command::FitScreen, Command::FullScreen, Command::ResetView};

}  // namespace

// The commands in the order of the menu. Every key here is one that no slider and no button uses:
// they take arrows, Page Up and Down, Home, End, Space, Enter and Tab.
struct Classroom::Table {
    static constexpr CommandSpec kCommands[] = {
        {Command::Pause,
         QT_TRANSLATE_NOOP("Classroom", "Пауза"),
         {Qt::Key_P, Qt::Key_Pause},
         &Classroom::togglePause,
         false,
         true,
         false},
        {Command::Slower,
         QT_TRANSLATE_NOOP("Classroom", "Медленнее"),
         {Qt::Key_BracketLeft, {}},
         &Classroom::slowDown,
         false,
         false,
         false},
        {Command::Faster,
         QT_TRANSLATE_NOOP("Classroom", "Быстрее"),
         {Qt::Key_BracketRight, {}},
         &Classroom::speedUp,
         false,
         false,
         false},
        {Command::NormalSpeed,
         QT_TRANSLATE_NOOP("Classroom", "Обычная скорость"),
         {Qt::Key_Backspace, {}},
         &Classroom::normalSpeed,
         false,
         false,
         false},
        {Command::Larger,
         QT_TRANSLATE_NOOP("Classroom", "Крупнее"),
         {Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal},
         &Classroom::larger,
         true,
         false,
         false},
        {Command::Smaller,
         QT_TRANSLATE_NOOP("Classroom", "Мельче"),
         {Qt::CTRL | Qt::Key_Minus, {}},
         &Classroom::smaller,
         false,
         false,
         false},
        {Command::OriginalSize,
         QT_TRANSLATE_NOOP("Classroom", "Исходный размер"),
         {Qt::CTRL | Qt::Key_0, {}},
         &Classroom::originalSize,
         false,
         false,
         false},
        {Command::FitScreen,
         QT_TRANSLATE_NOOP("Classroom", "По размеру экрана"),
         {},
         &Classroom::fitScreen,
         false,
         false,
         false},
        {Command::FullScreen,
         QT_TRANSLATE_NOOP("Classroom", "Во весь экран"),
         {Qt::Key_F11, {}},
         &Classroom::toggleFullScreen,
         false,
         true,
         false},
        {Command::Russian, "Русский", {}, &Classroom::russian, true, true, true},
        {Command::English, "English", {}, &Classroom::english, false, true, true},
        {Command::ResetView,
         QT_TRANSLATE_NOOP("Classroom", "Сбросить вид: исходный размер, русский язык"),
         {},
         &Classroom::resetView,
         false,
         false,
         false},
        {Command::Coil,
         QT_TRANSLATE_NOOP("Classroom", "Катушка"),
         {Qt::Key_L, {}},
         &Classroom::chooseCoil,
         true,
         true,
         false,
         kElementMenu},
        {Command::Capacitor,
         QT_TRANSLATE_NOOP("Classroom", "Конденсатор"),
         {Qt::Key_C, {}},
         &Classroom::chooseCapacitor,
         false,
         true,
         false,
         kElementMenu},
        {Command::Resistor,
         QT_TRANSLATE_NOOP("Classroom", "Резистор"),
         {Qt::Key_R, {}},
         &Classroom::chooseResistor,
         false,
         true,
         false,
         kElementMenu},
        {Command::Compare,
         QT_TRANSLATE_NOOP("Classroom", "Сравнить три элемента"),
         {Qt::Key_3, {}},
         &Classroom::toggleComparison,
         false,
         true,
         false},
        {Command::Phasors,
         QT_TRANSLATE_NOOP("Classroom", "Векторная диаграмма"),
         {Qt::Key_V, {}},
         &Classroom::togglePhasors,
         false,
         true,
         false},
        {Command::SavePicture,
         QT_TRANSLATE_NOOP("Classroom", "Сохранить картинку…"),
         {Qt::CTRL | Qt::Key_S, {}},
         &Classroom::savePicture,
         true,
         false,
         false},
        {Command::CopyPicture,
         QT_TRANSLATE_NOOP("Classroom", "Копировать картинку"),
         {Qt::CTRL | Qt::Key_C, {}},
         &Classroom::copyPicture,
         false,
         false,
         false},
        {Command::Help,
         QT_TRANSLATE_NOOP("Classroom", "Справка"),
         {Qt::Key_F1, {}},
         &Classroom::showHelp,
         true,
         false,
         false},
    };
    static_assert(std::size(kCommands) == kCommandCount);
};

Classroom::Classroom(Targets targets)
    : QObject(&targets.window), targets_(std::move(targets)), chooseFile_(chooseFileInDialog) {
    QWidget& window = targets_.window;
    menu_ = new QMenu(&window);
    languages_ = new QActionGroup(this);
    elements_ = new QActionGroup(this);
    QMenu* submenu = nullptr;
    for (const CommandSpec& row : Table::kCommands) {
        auto* action = new QAction(&window);
        QList<QKeySequence> shortcuts;
        for (const QKeyCombination key : row.keys) {
            if (key != QKeyCombination()) {
                shortcuts << QKeySequence(key);
            }
        }
        // Only the Latin keys are shortcuts. Where the toolkit matches a shortcut's key in every
        // layout (under X11 when a Latin layout is loaded beside another), a second shortcut for
        // another layout's letter would make the key ambiguous, and it would do nothing at all;
        // a key that types another letter is taken by its place on the keyboard (keyPressed).
        action->setShortcuts(shortcuts);
        action->setCheckable(row.checkable);
        window.addAction(action);
        if (row.startsGroup) {
            menu_->addSeparator();
        }
        if (!row.submenu) {
            menu_->addAction(action);
        } else {
            if (!submenu) {
                submenu = menu_->addMenu(QString());
            }
            submenu->addAction(action);
        }
        connect(action, &QAction::triggered, this, row.run);
        actions_[static_cast<std::size_t>(row.command)] = action;
    }
    for (const Command language : {Command::Russian, Command::English}) {
        languages_->addAction(&action(language));
        action(language).setEnabled(static_cast<bool>(targets_.program.switchLanguage));
    }
    for (const Command element : {Command::Coil, Command::Capacitor, Command::Resistor}) {
        elements_->addAction(&action(element));
    }
    for (const Command sizing : kSizing) {
        action(sizing).setVisible(!targets_.program.sizedByPlatform);
        action(sizing).setEnabled(!targets_.program.sizedByPlatform);
    }
    action(Command::Pause).setEnabled(false);
    // Full screen is left with Esc too, a key that does nothing else in the window.
    leaveFullScreen_ = new QAction(&window);
    leaveFullScreen_->setShortcut(Qt::Key_Escape);
    leaveFullScreen_->setEnabled(false);
    window.addAction(leaveFullScreen_);

    view_ = new ProjectorView(targets_.window, targets_.layout);
    connect(view_, &ProjectorView::sizeChanged, this, [this] { remember(view_->size()); });
    connect(leaveFullScreen_, &QAction::triggered, view_, &ProjectorView::leaveFullScreen);
    badge_ = new PauseBadge(targets_.window, targets_.clock, targets_.heading);
    ring_ = new FocusRing(window);

    retranslate();
    showLanguage(targets_.program.language);
    window.installEventFilter(this);
}

Classroom::~Classroom() = default;

QAction& Classroom::action(Command command) const {
    return *actions_[static_cast<std::size_t>(command)];
}

QTextBrowser* Classroom::helpWindow() const {
    return help_;
}

// A right click anywhere on the window, also on a control that has no menu of its own, and the
// keyboard's menu key; keys that reach the window or the help window: no shortcut took them and
// the control with the focus did not use them.
bool Classroom::eventFilter(QObject* watched, QEvent* event) {
    const bool window = watched == &targets_.window;
    if (!window && watched != help_) {
        return false;
    }
    switch (event->type()) {
        case QEvent::ContextMenu:
            if (window) {
                showMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
                return true;
            }
            break;
        case QEvent::KeyPress:
            return keyPressed(*static_cast<QKeyEvent*>(event));
        case QEvent::LanguageChange:
            if (window) {
                retranslate();
            }
            break;
        case QEvent::WindowStateChange:
            if (window) {
                action(Command::FullScreen).setChecked(view_->isFullScreen());
                leaveFullScreen_->setEnabled(view_->isFullScreen() &&
                                             action(Command::FullScreen).isEnabled());
            }
            break;
        default:
            break;
    }
    return false;
}

bool Classroom::keyPressed(const QKeyEvent& event) {
    if (!targets_.program.keyPosition) {
        return false;
    }
    const int place = targets_.program.keyPosition(event);
    if (place == Qt::Key_unknown) {
        return false;
    }
    const QKeyCombination pressed(event.modifiers() & ~Qt::KeypadModifier,
                                  static_cast<Qt::Key>(place));
    for (const CommandSpec& row : Table::kCommands) {
        if (std::find(row.keys.begin(), row.keys.end(), pressed) != row.keys.end()) {
            QAction& a = action(row.command);
            if (!a.isEnabled()) {
                return false;
            }
            a.trigger();
            return true;
        }
    }
    return false;
}

void Classroom::retranslate() {
    for (const CommandSpec& row : Table::kCommands) {
        action(row.command).setText(row.ownName ? QString::fromUtf8(row.text) : tr(row.text));
    }
    for (QAction* entry : menu_->actions()) {
        if (entry->menu()) {
            entry->setText(tr(kElementMenu));
        }
    }
    showTime();
}

void Classroom::switched(bool running) {
    QAction& pauseAction = action(Command::Pause);
    pauseAction.setEnabled(running);
    if (pauseAction.isChecked()) {
        pauseAction.setChecked(false);
        togglePause();
    }
}

void Classroom::togglePause() {
    targets_.clock.setPaused(action(Command::Pause).isChecked());
    showTime();
}

void Classroom::slowDown() {
    setSlowdown(slower(targets_.clock.slowdown()));
}

void Classroom::speedUp() {
    setSlowdown(faster(targets_.clock.slowdown()));
}

void Classroom::normalSpeed() {
    setSlowdown(kNormalSpeed);
}

void Classroom::setSlowdown(int slowdown) {
    targets_.clock.setSlowdown(slowdown);
    showTime();
}

void Classroom::showTime() {
    const DemoClock& clock = targets_.clock;
    targets_.window.setWindowTitle(demoTimeTitle(clock.paused(), clock.slowdown()));
}

void Classroom::larger() {
    view_->larger();
}

void Classroom::smaller() {
    view_->smaller();
}

void Classroom::originalSize() {
    view_->original();
}

void Classroom::fitScreen() {
    view_->fit();
}

void Classroom::toggleFullScreen() {
    view_->toggleFullScreen();
    action(Command::FullScreen).setChecked(view_->isFullScreen());
}

void Classroom::russian() {
    switchLanguage(QStringLiteral("ru"));
}

void Classroom::english() {
    switchLanguage(QStringLiteral("en"));
}

void Classroom::resetView() {
    view_->original();
    if (targets_.program.switchLanguage) {
        switchLanguage(QStringLiteral("ru"));
    }
}

void Classroom::chooseCoil() {
    chooseElement(physics::ElementKind::Coil);
}

void Classroom::chooseCapacitor() {
    chooseElement(physics::ElementKind::Capacitor);
}

void Classroom::chooseResistor() {
    chooseElement(physics::ElementKind::Resistor);
}

void Classroom::chooseElement(physics::ElementKind kind) {
    targets_.circuit.setElement(kind);
    rememberElement(kind);
}

void Classroom::toggleComparison() {
    targets_.circuit.setComparing(action(Command::Compare).isChecked());
}

void Classroom::elementChanged() {
    const physics::ElementKind kind = targets_.circuit.element();
    action(kind == physics::ElementKind::Coil        ? Command::Coil
           : kind == physics::ElementKind::Capacitor ? Command::Capacitor
                                                     : Command::Resistor)
        .setChecked(true);
    action(Command::Compare).setChecked(targets_.circuit.comparing());
    badge_->place();
    if (phasors_) {
        phasors_->follow();
    }
}

void Classroom::togglePhasors() {
    if (phasors_) {
        view_->setSidePanel(nullptr, 0);
        delete phasors_;
        phasors_ = nullptr;
    } else {
        phasors_ = new PhasorPanel(targets_.window, {targets_.instant, targets_.circuit.comparing,
                                                     targets_.circuit.positionOf, targets_.pi});
        QWidget::setTabOrder(targets_.lastControl, phasors_);
        scene::addToScreenReaders(targets_.window, *phasors_);
        view_->setSidePanel(phasors_, PhasorPanel::kWidth);
        phasors_->show();
    }
    action(Command::Phasors).setChecked(phasors_ != nullptr);
}

void Classroom::shownChanged() {
    if (phasors_) {
        phasors_->follow();
    }
}

void Classroom::switchLanguage(const QString& language) {
    targets_.program.switchLanguage(language);
    rememberLanguage(language);
    showLanguage(language);
}

void Classroom::showLanguage(const QString& language) {
    action(language == QLatin1String("en") ? Command::English : Command::Russian).setChecked(true);
}

void Classroom::showMenu(const QPoint& globalPos) {
    const DemoClock::Hold hold(targets_.clock);
    menu_->exec(globalPos);
}

QImage Classroom::picture() const {
    const bool badge = badge_->isVisible();
    const bool ring = ring_->isVisible();
    badge_->hide();
    ring_->hide();
    const QImage picture = targets_.picture();
    badge_->setVisible(badge);
    ring_->setVisible(ring);
    return picture;
}

void Classroom::savePicture() {
    // The picture is taken at the moment of the command, before the dialog covers anything.
    const QImage taken = picture();
    if (targets_.program.offerFile) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        taken.save(&buffer, "PNG");
        targets_.program.offerFile(png, pictureFileName(QDateTime::currentDateTime()));
        return;
    }
    const DemoClock::Hold hold(targets_.clock);
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    QWidget& window = targets_.window;
    const QString chosen =
        chooseFile_(window, folder, pictureFileName(QDateTime::currentDateTime()));
    if (chosen.isEmpty()) {
        return;
    }
    const QString path = picturePath(chosen);
    const QString failure = writePicture(taken, path);
    if (!failure.isEmpty()) {
        QMessageBox::warning(&window, tr("Картинка не сохранена"),
                             tr("Картинку окна не удалось сохранить в файл «%1»: %2. Прежний "
                                "файл с этим именем, если он был, не изменился.")
                                 .arg(QDir::toNativeSeparators(path), failure));
    }
}

// With the focus on the phasor diagram or one of its numbers, the numbers are what is copied, as
// text.
void Classroom::copyPicture() {
    if (phasors_ && (phasors_->hasFocus() || phasors_->isAncestorOf(QApplication::focusWidget()))) {
        QGuiApplication::clipboard()->setText(phasors_->numbers());
        return;
    }
    QGuiApplication::clipboard()->setImage(picture());
}

void Classroom::showHelp() {
    if (!help_) {
        QList<QAction*> commands;
        std::copy_if(actions_.begin(), actions_.end(), std::back_inserter(commands),
                     [](const QAction* command) { return command->isVisible(); });
        help_ = new HelpWindow(targets_.window, commands, targets_.program.options);
        help_->installEventFilter(this);
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

Classroom& attachClassroom(Form1& form, Classroom::Targets::Program program) {
    auto* classroom =
        new Classroom({form,
                       Form1::laidOutSize(),
                       form.demoClock(),
                       [&form] { return windowPicture(form); },
                       [&form] {
                           return form.controls()
                               .windowless({"Label2"})
                               .textBounds()
                               .translated(form.innerOrigin());
                       },
                       &form.controls().widget(scene::tabOrder().back()),
                       {[&form] { return form.element(); },
                        [&form](physics::ElementKind kind) { form.setElement(kind); },
                        [&form] { return form.comparing(); },
                        [&form](bool comparing) { form.setComparing(comparing); },
                        [&form](physics::ElementKind kind) { return form.positionOf(kind); }},
                       [&form] { return form.shownInstant(); },
                       form.pi,
                       std::move(program)});
    QObject::connect(&form, &Form1::switched, classroom, &Classroom::switched);
    QObject::connect(&form, &Form1::shownChanged, classroom, &Classroom::shownChanged);
    QObject::connect(&form, &Form1::elementChanged, classroom, &Classroom::elementChanged);
    classroom->elementChanged();
    return *classroom;
}

QString chooseFileInDialog(QWidget& parent, const QString& folder, const QString& name) {
    QFileDialog dialog(&parent, Classroom::tr("Сохранить картинку окна"), folder);
    dialog.setNameFilters({Classroom::tr("Картинки PNG (*.png)"),
                           Classroom::tr("Картинки JPEG (*.jpg *.jpeg)"),
                           Classroom::tr("Картинки BMP (*.bmp)")});
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString demoTimeTitle(bool paused, int slowdown) {
    if (paused) {
        return Classroom::tr("Velmora — пауза");
    }
    if (slowdown == kNormalSpeed) {
        return QStringLiteral("Velmora");
    }
    return Classroom::tr("Velmora — ×1/%1").arg(slowdown);
}
