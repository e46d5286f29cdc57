#pragma once

#include "scene/surface.h"

namespace scene {

enum class BorderStyle { None, FixedSingle };
enum class Appearance { Flat = 0, ThreeD = 1 };

// How a picture box shows itself to a screen reader: as the toolkit shows any child window; as
// a toggle button (the power switch), checked while its look is three-dimensional ("on"); or as
// a meter, an element a screen reader announces by its name and description.
enum class AccessibleRole { Plain, Switch, Meter };

// A child window with a background colour, an optional single-line border (flat: a one-pixel
// dark line; 3D: a sunken two-pixel edge), windowless elements and a drawing surface. Its size
// includes the border; its inner coordinates start inside the border.
//
// A box that takes the keyboard focus is pressed by Space, Return or Enter as by a click.
class PictureBox : public Surface {
    Q_OBJECT

  public:
    PictureBox(QWidget* parent, ColourNumber backColour, BorderStyle border, Appearance look,
               QSize sizePx, AccessibleRole role = AccessibleRole::Plain);

    BorderStyle borderStyle() const { return border_; }
    // A wire segment's border changes with the element it draws (a lead has none, a plate has
    // one); the inner area, and what stands on it, moves with it.
    void setBorderStyle(BorderStyle border);
    Appearance appearance() const { return look_; }
    void setAppearance(Appearance look);

    AccessibleRole accessibleRole() const { return role_; }

    // A press, as by the mouse: emits clicked() and returns when its handler returns.
    void click();

  signals:
    void clicked();

  protected:
    int frameWidth() const override;
    void paintFrame(QPainter& painter) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    BorderStyle border_;
    Appearance look_;
    AccessibleRole role_;
    bool pressed_ = false;
};

}  // namespace scene
