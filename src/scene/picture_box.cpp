#include "scene/picture_box.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

#include "scene/units.h"

namespace scene {

namespace {

int frameWidthFor(BorderStyle border, Appearance look) {
    if (border == BorderStyle::None) {
        return 0;
    }
    return look == Appearance::ThreeD ? 2 : 1;
}

// What a screen reader reads of a picture box with a role of its own; its name and description
// are the widget's. The switch is a toggle button as the toolkit presents its own (a checkable
// push button): a check box, checked while the switch looks "on". A meter is a graphic, which
// screen readers announce with its name and description (an indicator they would not name).
class PictureBoxAccessible : public QAccessibleWidget {
  public:
    explicit PictureBoxAccessible(PictureBox* box)
        : QAccessibleWidget(box, box->accessibleRole() == AccessibleRole::Switch
                                     ? QAccessible::CheckBox
                                     : QAccessible::Graphic) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (isSwitch()) {
            state.checkable = true;
            state.checked = box().appearance() == Appearance::ThreeD;
        }
        return state;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (isSwitch()) {
            names.prepend(toggleAction());
            names.prepend(pressAction());
        }
        return names;
    }

    // The marks on a meter's dial are part of its picture, not elements of their own.
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    void doAction(const QString& action) override {
        if (isSwitch() && (action == pressAction() || action == toggleAction())) {
            // Queued: a press that starts the demonstration returns only when the demonstration
            // stops, and the screen reader that asked for it wants its answer now.
            QMetaObject::invokeMethod(&box(), &PictureBox::click, Qt::QueuedConnection);
            return;
        }
        QAccessibleWidget::doAction(action);
    }

  private:
    PictureBox& box() const { return *static_cast<PictureBox*>(widget()); }
    bool isSwitch() const { return box().accessibleRole() == AccessibleRole::Switch; }
};

QAccessibleInterface* accessibleBox(const QString&, QObject* object) {
    auto* box = qobject_cast<PictureBox*>(object);
    if (box && box->accessibleRole() != AccessibleRole::Plain) {
        return new PictureBoxAccessible(box);
    }
    return nullptr;
}

}  // namespace

PictureBox::PictureBox(QWidget* parent, ColourNumber backColour, BorderStyle border,
                       Appearance look, QSize sizePx, AccessibleRole role)
    : Surface(parent, backColour), border_(border), look_(look), role_(role) {
    // Before any screen reader can ask for a box.
    [[maybe_unused]] static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleBox);
        return true;
    }();
    resize(sizePx);
}

void PictureBox::setAppearance(Appearance look) {
    if (look != look_) {
        look_ = look;
        update();
        // The switch's checked state is its look.
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void PictureBox::setBorderStyle(BorderStyle border) {
    if (border != border_) {
        border_ = border;
        update();
    }
}

void PictureBox::click() {
    emit clicked();
}

int PictureBox::frameWidth() const {
    return frameWidthFor(border_, look_);
}

void PictureBox::paintFrame(QPainter& p) const {
    const QRect r = rect();
    const QPalette& pal = palette();
    const DeviceGrid grid(p);
    // One-pixel edges as filled rectangles: much cheaper than stroking, and the same pixels.
    auto edge = [&](const QRect& box, const QColor& topLeft, const QColor& bottomRight) {
        p.fillRect(grid.rect(QRect(box.left(), box.top(), box.width(), 1)), topLeft);
        p.fillRect(grid.rect(QRect(box.left(), box.top(), 1, box.height())), topLeft);
        p.fillRect(grid.rect(QRect(box.left(), box.bottom(), box.width(), 1)), bottomRight);
        p.fillRect(grid.rect(QRect(box.right(), box.top(), 1, box.height())), bottomRight);
    };
    if (frameWidth() == 1) {
        const QColor line = pal.color(QPalette::WindowText);
        edge(r, line, line);
    } else if (frameWidth() == 2) {
        // Sunken edge: shadow above and left, light below and right, two pixels deep.
        edge(r, pal.color(QPalette::Mid), pal.color(QPalette::Light));
        edge(r.adjusted(1, 1, -1, -1), pal.color(QPalette::Shadow), pal.color(QPalette::Button));
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

// The second click of a double click is no click of its own: a double click is one press.
void PictureBox::mouseDoubleClickEvent(QMouseEvent*) {
    pressed_ = false;
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool released = pressed_ && event->button() == Qt::LeftButton &&
                          rect().contains(event->position().toPoint());
    pressed_ = false;
    if (released) {
        click();
    }
}

// One press of the key is one click, however long the key is held. The click's handler runs
// here, inside the key's event: a press that starts the demonstration returns when it stops.
void PictureBox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!event->isAutoRepeat()) {
                click();
            }
            event->accept();
            return;
        default:
            Surface::keyPressEvent(event);
    }
}

}  // namespace scene
