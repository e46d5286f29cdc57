#pragma once

#include "scene/surface.h"

namespace scene {

enum class BorderStyle { None, FixedSingle };
enum class Appearance { Flat = 0, ThreeD = 1 };

// A child window with a background colour, an optional single-line border (flat: a one-pixel
// dark line; 3D: a sunken two-pixel edge), windowless elements and a drawing surface. Its size
// includes the border; its inner coordinates start inside the border.
class PictureBox : public Surface {
    Q_OBJECT

  public:
    PictureBox(QWidget* parent, ColourNumber backColour, BorderStyle border, Appearance look,
               QSize sizePx);

    BorderStyle borderStyle() const { return border_; }
    Appearance appearance() const { return look_; }
    void setAppearance(Appearance look);

  signals:
    void clicked();

  protected:
    int frameWidth() const override;
    void paintFrame(QPainter& painter) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    BorderStyle border_;
    Appearance look_;
    bool pressed_ = false;
};

}  // namespace scene
