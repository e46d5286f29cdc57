#pragma once

#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRegion>
#include <QWidget>
#include <list>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

#include "scene/colour.h"
#include "scene/windowless.h"

namespace scene {

// A container with its own drawing surface: the window itself and every picture box. It paints
// its background, then its windowless elements, then the lines drawn on it at run time; its
// windowed children lie above all of that.
//
// Drawn lines are kept in an image of their own until the surface is cleared, so a repaint never
// loses them. They are also kept as a list, from which the image is drawn again, sharp, when the
// surface is shown at another pixel density (a projector's scale changed); a line drawn again to
// the same end points at the same width covers the first one and takes its place in the list, so
// a needle swinging for hours keeps the list as short as the needle's positions are many.
//
// The repaint notification follows one rule: a paint raises `repaintRequested` unless all it
// shows is the surface's own lines, drawn or cleared since its last paint, with no expose of the
// window over the surface in between. The surface watches its window for exposes.
class Surface : public QWidget {
    Q_OBJECT

  public:
    Surface(QWidget* parent, ColourNumber backColour);

    ColourNumber BackColor() const { return backColour_; }
    void setBackColor(ColourNumber colour);

    // Elements are painted in the order they are added, the first at the back.
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

    // Where the inner coordinate system starts, inside the border, moved by the offset.
    QPoint innerOrigin() const { return QPoint(frameWidth(), frameWidth()) + offset_; }
    // Moves the whole inner picture and every control on it, e.g. to centre it in a window
    // larger than its layout; (0, 0) puts it back at the top-left.
    void setInnerOffset(QPoint offset);
    // The inner area: the whole surface inside its border, unless a surface says otherwise.
    virtual QSize innerSize() const;

    // Called by an element whose caption or position changed (pixels of the inner area).
    void windowlessChanged(const QRect& innerPx);

  signals:
    // The windowing system asks the surface to redraw itself (not merely to show lines just
    // drawn on it). Raised before the surface paints, so lines drawn by a handler show in that
    // paint.
    void repaintRequested();

  protected:
    virtual int frameWidth() const { return 0; }
    virtual void paintFrame(QPainter&) const {}
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct DrawnLine {
        QPointF from;  // twips
        QPointF to;
        int widthPx;
        ColourNumber colour;
    };
    // The pixels a line covers: its end points, either way round, and its width.
    using Place = std::tuple<qreal, qreal, qreal, qreal, int>;

    QImage& drawingImage();
    void paintElements(QPainter& p, const QRect& dirty) const;
    void paintLine(QPainter& painter, const DrawnLine& line) const;
    void remember(const DrawnLine& line);
    // Asks for a paint of lines just drawn or cleared (pixels of the inner area).
    void showOwnLines(const QRect& innerPx);

    ColourNumber backColour_;
    std::vector<std::unique_ptr<Windowless>> elements_;
    int drawWidth_ = 1;
    QImage drawing_;
    std::list<DrawnLine> drawn_;  // in the order drawn; a covered line is dropped
    std::map<Place, std::list<DrawnLine>::iterator> drawnAt_;
    QPoint offset_;
    QRegion ownLines_;      // drawn or cleared since the last paint, in pixels of the surface
    bool exposed_ = false;  // the window was exposed over the surface since the last paint
};

}  // namespace scene
