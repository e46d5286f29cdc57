#pragma once

// The classroom layer: what a teacher does with the demonstration besides running it, given what
// it acts on (the window, its clock, its picture), never the window object's insides.

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>
#include <array>
#include <functional>

#include "physics/element.h"
#include "physics/pass.h"

class DemoClock;
class FocusRing;
class Form1;
class HelpWindow;
class PauseBadge;
class PhasorPanel;
class ProjectorView;
class QAction;
class QActionGroup;
class QKeyEvent;
class QMenu;
class QPoint;
class QTextBrowser;

namespace scene {
class Surface;
}

// What the window offers a teacher beyond the demonstration itself: pausing and slowing down its
// time, the window's size for a projector, its language, a picture of it to save or copy, and a
// help page. Each is an action with keys that work whichever control has the focus, also in the
// help window, and all of them are in the window's context menu.
class Classroom : public QObject {
    Q_OBJECT

  public:
    enum class Command {
        Pause,
        Slower,
        Faster,
        NormalSpeed,
        Larger,
        Smaller,
        OriginalSize,
        FitScreen,
        FullScreen,
        Russian,
        English,
        ResetView,
        Coil,
        Capacitor,
        Resistor,
        Compare,
        Phasors,
        SavePicture,
        CopyPicture,
        Help,
    };
    static constexpr int kCommandCount = static_cast<int>(Command::Help) + 1;

    // What the commands act on.
    struct Targets {
        // The window: its keys and right clicks reach the commands, its title shows the time,
        // and the help and the dialogs open over it. The classroom lives as long as it does.
        scene::Surface& window;
        // Its size as laid out, in pixels at scale 1.
        QSize layout;
        // The demonstration's time: paused, slowed down, and held while a menu or dialog is open.
        DemoClock& clock;
        // The window's picture as it shows at this moment, to save or copy.
        std::function<QImage()> picture;
        // Where the heading's letters stand, in pixels of the window: the pause badge keeps clear
        // of them.
        std::function<QRect()> heading;
        // The window's last control in its tab order: the phasor diagram comes after it.
        QWidget* lastControl;
        // The element in the circuit, and the three compared: what the demonstration offers.
        struct Circuit {
            std::function<physics::ElementKind()> element;
            std::function<void(physics::ElementKind)> setElement;
            std::function<bool()> comparing;
            std::function<void(bool)> setComparing;
            std::function<int(physics::ElementKind)> positionOf;
        } circuit;
        // What the displays show, for the phasor diagram, and the demonstration's pi.
        std::function<physics::Instant()> instant;
        double pi;
        // What the program around the window provides.
        struct Program {
            // The command-line options as the program lists them, for the help page; none
            // without.
            std::function<QString()> options;
            // Puts the interface language to work ("ru" or "en"); the language menu is offered
            // only with it.
            std::function<void(const QString&)> switchLanguage;
            QString language = QStringLiteral("ru");  // the one at start
            // The key a US keyboard has where the pressed key is (its letter or bracket), or
            // Qt::Key_unknown where the platform does not say: a command's key works in every
            // keyboard layout, whatever letter the layout puts there.
            std::function<int(const QKeyEvent&)> keyPosition;
            // The window's size is the platform's own (a browser's page): the commands that size
            // the window are left out.
            bool sizedByPlatform = false;
            // The platform's own way of keeping a saved picture (a browser's download): it is
            // handed the picture as PNG with the name offered, and no dialog asks where.
            std::function<void(const QByteArray&, const QString&)> offerFile = {};
        } program;
    };

    explicit Classroom(Targets targets);
    ~Classroom() override;

    QAction& action(Command command) const;

    // The switch was pressed: a pause ends with the run it held, and a new run starts unpaused.
    // Pause is offered only while a run is on.
    void switched(bool running);
    // What the displays show has changed.
    void shownChanged();
    // The element in the circuit changed, or the comparison was shown or hidden.
    void elementChanged();

    // The phasor diagram, while it is open.
    PhasorPanel* phasors() const { return phasors_; }

    // The size the window is shown at.
    ProjectorView& view() const { return *view_; }

    // The help window, once it has been opened.
    QTextBrowser* helpWindow() const;

    // The window's picture, without the signs that are there only for the class in the room (the
    // pause badge, the focus ring).
    QImage picture() const;

    // Where the picture is to be saved: asks the user, starting in `folder` with `name` offered;
    // empty when the user cancels. The standard save dialog unless set otherwise (by tests,
    // which cannot rely on the dialog's own file-system thread).
    using FileChooser =
        std::function<QString(QWidget& parent, const QString& folder, const QString& name)>;
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

  protected:
    // The window's right clicks and the keys that reach it or the help window; the language.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Table;

    // A key press that no shortcut took and no control used. True when the key at its place on
    // the keyboard, with its modifiers, is a command's key, and that command was done.
    bool keyPressed(const QKeyEvent& event);
    // Opens the menu of every command at a point of the screen; the demonstration's time stands
    // still while it is open.
    void showMenu(const QPoint& globalPos);
    void retranslate();

    void togglePause();
    void slowDown();
    void speedUp();
    void normalSpeed();
    void larger();
    void smaller();
    void originalSize();
    void fitScreen();
    void toggleFullScreen();
    void russian();
    void english();
    void resetView();
    void chooseCoil();
    void chooseCapacitor();
    void chooseResistor();
    void chooseElement(physics::ElementKind kind);
    void toggleComparison();
    void togglePhasors();
    void savePicture();
    void copyPicture();
    void showHelp();
    void setSlowdown(int slowdown);
    void showTime();
    void showLanguage(const QString& language);
    void switchLanguage(const QString& language);

    Targets targets_;
    std::array<QAction*, kCommandCount> actions_{};
    QActionGroup* languages_ = nullptr;
    QActionGroup* elements_ = nullptr;
    QAction* leaveFullScreen_ = nullptr;
    QMenu* menu_ = nullptr;
    ProjectorView* view_ = nullptr;
    PauseBadge* badge_ = nullptr;
    FocusRing* ring_ = nullptr;
    PhasorPanel* phasors_ = nullptr;
    QPointer<HelpWindow> help_;
    FileChooser chooseFile_;
};

// The classroom's commands on the demonstration's window, for as long as the window lives.
Classroom& attachClassroom(Form1& form, Classroom::Targets::Program program = {});

// The standard save dialog for a picture, PNG unless the name says JPEG or BMP, starting in
// `folder` with `name` offered.
QString chooseFileInDialog(QWidget& parent, const QString& folder, const QString& name);

// The window title: "Velmora" at normal speed, else with the pause or the speed (×1/4), in the
// interface language.
QString demoTimeTitle(bool paused, int slowdown);
