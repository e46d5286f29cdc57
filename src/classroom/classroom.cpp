#include "classroom/classroom.h"

#include <QAction>
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
#include <QTextBrowser>

#include "classroom/help_page.h"
#include "classroom/help_window.h"
#include "classroom/window_picture.h"
#include "demo/demo_clock.h"
#include "demo/form1.h"

namespace {

using Command = Classroom::Command;

// The key of a Russian letter, as the toolkit reports it: the capital letter's code.
constexpr Qt::Key russian(char16_t capital) {
    return static_cast<Qt::Key>(capital);
}

// One command of the window: its menu text and its keys. The first key is the one the menu
// shows. `russianKey` is what that key types while the Russian layout is active, where it is a
// different letter: the same key does the same there.
struct CommandSpec {
    Command command;
    const char* text;
    std::array<QKeyCombination, 2> keys;
    QKeyCombination russianKey;
    void (Classroom::*run)();
    bool startsGroup;  // a separator before it in the menu
};

}  // namespace

// The commands in the order of the menu. Every key here is one that no slider and no button uses:
// they take arrows, Page Up and Down, Home, End, Space, Enter and Tab.
struct Classroom::Table {
    static constexpr CommandSpec kCommands[] = {
        {Command::Pause,
         QT_TRANSLATE_NOOP("Classroom", "Пауза"),
         {Qt::Key_P, Qt::Key_Pause},
         russian(u'З'),
         &Classroom::togglePause,
         false},
        {Command::Slower,
         QT_TRANSLATE_NOOP("Classroom", "Медленнее"),
         {Qt::Key_BracketLeft, {}},
         russian(u'Х'),
         &Classroom::slowDown,
         false},
        {Command::Faster,
         QT_TRANSLATE_NOOP("Classroom", "Быстрее"),
         {Qt::Key_BracketRight, {}},
         russian(u'Ъ'),
         &Classroom::speedUp,
         false},
        {Command::NormalSpeed,
         QT_TRANSLATE_NOOP("Classroom", "Обычная скорость"),
         {Qt::Key_Backspace, {}},
         {},
         &Classroom::normalSpeed,
         false},
        {Command::SavePicture,
         QT_TRANSLATE_NOOP("Classroom", "Сохранить картинку…"),
         {Qt::CTRL | Qt::Key_S, {}},
         Qt::CTRL | russian(u'Ы'),
         &Classroom::savePicture,
         true},
        {Command::CopyPicture,
         QT_TRANSLATE_NOOP("Classroom", "Копировать картинку"),
         {Qt::CTRL | Qt::Key_C, {}},
         Qt::CTRL | russian(u'С'),
         &Classroom::copyPicture,
         false},
        {Command::Help,
         QT_TRANSLATE_NOOP("Classroom", "Справка"),
         {Qt::Key_F1, {}},
         {},
         &Classroom::showHelp,
         true},
    };
};

Classroom::Classroom(Targets targets)
    : QObject(&targets.window), targets_(std::move(targets)), chooseFile_(chooseFileInDialog) {
    QWidget& window = targets_.window;
    menu_ = new QMenu(&window);
    for (const CommandSpec& row : Table::kCommands) {
        auto* action = new QAction(tr(row.text), &window);
        QList<QKeySequence> shortcuts;
        for (const QKeyCombination key : row.keys) {
            if (key != QKeyCombination()) {
                shortcuts << QKeySequence(key);
            }
        }
        action->setShortcuts(shortcuts);
        // Only the Latin keys are shortcuts. Where the toolkit matches a shortcut's key in
        // every layout (under X11 when a Latin layout is loaded beside the Russian one), a
        // second shortcut for the Russian letter would make the key ambiguous, and it would do
        // nothing at all; the Russian letter is therefore taken from the key presses that no
        // shortcut took (keyPressed).
        window.addAction(action);
        if (row.startsGroup) {
            menu_->addSeparator();
        }
        menu_->addAction(action);
        connect(action, &QAction::triggered, this, row.run);
        actions_[static_cast<std::size_t>(row.command)] = action;
    }
    QAction& pauseAction = action(Command::Pause);
    pauseAction.setCheckable(true);
    pauseAction.setEnabled(false);
    window.installEventFilter(this);
}

Classroom::~Classroom() = default;

QAction& Classroom::action(Command command) const {
    return *actions_[static_cast<std::size_t>(command)];
}

// A right click anywhere on the window, also on a control that has no menu of its own, and the
// keyboard's menu key; keys that reach the window: no shortcut took them and the control with the
// focus did not use them.
bool Classroom::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &targets_.window) {
        if (event->type() == QEvent::ContextMenu) {
            showMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        if (event->type() == QEvent::KeyPress && keyPressed(*static_cast<QKeyEvent*>(event))) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool Classroom::keyPressed(const QKeyEvent& event) {
    const QKeyCombination pressed(event.modifiers() & ~Qt::KeypadModifier,
                                  static_cast<Qt::Key>(event.key()));
    for (const CommandSpec& row : Table::kCommands) {
        if (row.russianKey != QKeyCombination() && row.russianKey == pressed) {
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

void Classroom::showMenu(const QPoint& globalPos) {
    const DemoClock::Hold hold(targets_.clock);
    menu_->exec(globalPos);
}

void Classroom::savePicture() {
    // The picture is taken at the moment of the command, before the dialog covers anything.
    const QImage picture = targets_.picture();
    const DemoClock::Hold hold(targets_.clock);
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    const QString chosen =
        chooseFile_(targets_.window, folder, pictureFileName(QDateTime::currentDateTime()));
    if (chosen.isEmpty()) {
        return;
    }
    const QString path = picturePath(chosen);
    const QString failure = writePicture(picture, path);
    if (!failure.isEmpty()) {
        QMessageBox::warning(&targets_.window, tr("Картинка не сохранена"),
                             tr("Картинку окна не удалось сохранить в файл «%1»: %2. Прежний "
                                "файл с этим именем, если он был, не изменился.")
                                 .arg(QDir::toNativeSeparators(path), failure));
    }
}

void Classroom::copyPicture() {
    QGuiApplication::clipboard()->setImage(targets_.picture());
}

void Classroom::showHelp() {
    if (!help_) {
        help_ = new HelpWindow(&targets_.window);
        help_->setWindowFlag(Qt::Window);
        help_->setWindowTitle(tr("Velmora — справка"));
        QList<QAction*> commands(actions_.begin(), actions_.end());
        help_->setHtml(helpPage(commands, targets_.options ? targets_.options() : QString()));
        help_->resize(640, 620);
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

Classroom& attachClassroom(Form1& form, std::function<QString()> options) {
    auto* classroom = new Classroom(
        {form, form.demoClock(), [&form] { return windowPicture(form); }, std::move(options)});
    QObject::connect(&form, &Form1::switched, classroom, &Classroom::switched);
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
