#pragma once

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QWidget>
#include <memory>
#include <vector>

#include "scene/colour.h"
#include "scene/windowless.h"

namespace scene {

// A container with its own drawing surface: the window itself and every picture box. It paints
// its background, then its windowless elements, then the lines drawn on it at run time; its
// windowed children lie above all of that.
//
// Drawn lines are kept in an image of their own until the surface is cleared, so a repaint never
// loses them, and the memory they take does not grow however many are drawn.
class Surface : public QWidget {
    Q_OBJECT

  public:
    Surface(QWidget* parent, ColourNumber backColour);

    ColourNumber BackColor() const { return backColour_; }
    void setBackColor(ColourNumber colour);

    Windowless& addWindowless(const WindowlessSpec& element);
    Windowless& windowless(const Id& id) const;
    const std::vector<std::unique_ptr<Windowless>>& windowlessElements() const { return elements_; }

    int DrawWidth() const { return drawWidth_; }
    void setDrawWidth(int pixels) { drawWidth_ = pixels; }

    // A line from one absolute point to another, in twips of the inner area, in the given
    // colour at the surface's drawing width.
    void drawLine(float x1, float y1, float x2, float y2, ColourNumber colour);
    // Removes every line drawn so far; background and elements stay.
    void clearDrawing();

    // Where the inner coordinate system starts, inside the border.
    QPoint innerOrigin() const { return {frameWidth(), frameWidth()}; }
    // The inner area: the whole surface inside its border, unless a surface says otherwise.
    virtual QSize innerSize() const;

    // Called by an element whose caption or position changed (pixels of the inner area).
    void windowlessChanged(const QRect& innerPx);

  signals:
    // The windowing system asks the surface to redraw itself (not merely to show lines just
    // drawn on it). Raised before the surface paints.
    void repaintRequested();

  protected:
    virtual int frameWidth() const { return 0; }
    virtual void paintFrame(QPainter&) const {}
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage& drawingImage();
    QPainter& linePainter();
    void finishLines();

    ColourNumber backColour_;
    std::vector<std::unique_ptr<Windowless>> elements_;
    int drawWidth_ = 1;
    QImage drawing_;
    std::unique_ptr<QPainter> linePainter_;
    QRegion ownDirty_;  // updates asked for only to show freshly drawn lines
    bool painting_ = false;
    QRegion drawnWhilePainting_;
};

}  // namespace scene
