#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTextBrowser>
#include <array>
#include <functional>

class Form1;
class QAction;
class QKeyEvent;
class QMenu;
class QPoint;

// What the window offers a teacher beyond the demonstration itself: pausing and slowing down
// its time, a picture of the window to save or copy, and a help page. Each is an action with
// keyboard shortcuts that work whichever control has the focus, and all of them are in the
// window's context menu.
class Classroom : public QObject {
    Q_OBJECT

  public:
    enum class Command { Pause, Slower, Faster, NormalSpeed, SavePicture, CopyPicture, Help };

    explicit Classroom(Form1& form);
    ~Classroom() override;

    QAction& action(Command command) const;

    // The switch was pressed: a pause ends with the run it held, and a new run starts unpaused.
    // Pause is offered only while a run is on.
    void switched();

    // A key press that no shortcut took and no control used. True when it was the key of a
    // shortcut as the Russian layout types it, and that shortcut was done.
    bool keyPressed(const QKeyEvent& event);

    // Opens the menu of every command at a point of the screen; the demonstration's time stands
    // still while it is open.
    void showMenu(const QPoint& globalPos);

    // The help window, once it has been opened.
    QTextBrowser* helpWindow() const { return help_; }

    // Where the picture is to be saved: asks the user, starting in `folder` with `name` offered;
    // empty when the user cancels. The standard save dialog unless set otherwise (by tests,
    // which cannot rely on the dialog's own file-system thread).
    using FileChooser =
        std::function<QString(QWidget& parent, const QString& folder, const QString& name)>;
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

  signals:
    // Paused, continued or changed speed.
    void timeChanged();

  private:
    struct Table;

    void togglePause();
    void slowDown();
    void speedUp();
    void normalSpeed();
    void savePicture();
    void copyPicture();
    void showHelp();
    void setSlowdown(int slowdown);
    void showTime();

    Form1& form_;
    std::array<QAction*, 7> actions_{};
    QMenu* menu_ = nullptr;
    QPointer<QTextBrowser> help_;
    FileChooser chooseFile_;
};

// The standard save dialog for a PNG picture, starting in `folder` with `name` offered.
QString chooseFileInDialog(QWidget& parent, const QString& folder, const QString& name);

// The window title: "Velmora" at normal speed, else with the pause or the speed (×1/4), in the
// interface language.
QString demoTimeTitle(bool paused, int slowdown);
