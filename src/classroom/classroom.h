#pragma once

// The classroom layer: what a teacher does with the demonstration besides running it, given what
// it acts on (the window, its clock, its picture), never the window object's insides.

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTextBrowser>
#include <array>
#include <functional>

class DemoClock;
class Form1;
class QAction;
class QKeyEvent;
class QMenu;
class QPoint;

// What the window offers a teacher beyond the demonstration itself: pausing and slowing down its
// time, a picture of the window to save or copy, and a help page. Each is an action with keyboard
// shortcuts that work whichever control has the focus, and all of them are in the window's
// context menu.
class Classroom : public QObject {
    Q_OBJECT

  public:
    enum class Command { Pause, Slower, Faster, NormalSpeed, SavePicture, CopyPicture, Help };

    // What the commands act on.
    struct Targets {
        // The window: its keys and right clicks reach the commands, its title shows the time,
        // and the help and the dialogs open over it. The classroom lives as long as it does.
        QWidget& window;
        // The demonstration's time: paused, slowed down, and held while a menu or dialog is open.
        DemoClock& clock;
        // The window's picture as it shows at this moment, to save or copy.
        std::function<QImage()> picture;
        // The command-line options as the program lists them, for the help page; none without.
        std::function<QString()> options;
    };

    explicit Classroom(Targets targets);
    ~Classroom() override;

    QAction& action(Command command) const;

    // The switch was pressed: a pause ends with the run it held, and a new run starts unpaused.
    // Pause is offered only while a run is on.
    void switched(bool running);

    // The help window, once it has been opened.
    QTextBrowser* helpWindow() const { return help_; }

    // Where the picture is to be saved: asks the user, starting in `folder` with `name` offered;
    // empty when the user cancels. The standard save dialog unless set otherwise (by tests,
    // which cannot rely on the dialog's own file-system thread).
    using FileChooser =
        std::function<QString(QWidget& parent, const QString& folder, const QString& name)>;
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

  protected:
    // The window's right clicks and the keys that reach it.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Table;

    // A key press that no shortcut took and no control used. True when it was the key of a
    // shortcut as the Russian layout types it, and that shortcut was done.
    bool keyPressed(const QKeyEvent& event);
    // Opens the menu of every command at a point of the screen; the demonstration's time stands
    // still while it is open.
    void showMenu(const QPoint& globalPos);

    void togglePause();
    void slowDown();
    void speedUp();
    void normalSpeed();
    void savePicture();
    void copyPicture();
    void showHelp();
    void setSlowdown(int slowdown);
    void showTime();

    Targets targets_;
    std::array<QAction*, 7> actions_{};
    QMenu* menu_ = nullptr;
    QPointer<QTextBrowser> help_;
    FileChooser chooseFile_;
};

// The classroom's commands on the demonstration's window, for as long as the window lives; the
// options are listed on the help page.
Classroom& attachClassroom(Form1& form, std::function<QString()> options = {});

// The standard save dialog for a picture, PNG unless the name says JPEG or BMP, starting in
// `folder` with `name` offered.
QString chooseFileInDialog(QWidget& parent, const QString& folder, const QString& name);

// The window title: "Velmora" at normal speed, else with the pause or the speed (×1/4), in the
// interface language.
QString demoTimeTitle(bool paused, int slowdown);
