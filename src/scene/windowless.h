#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <variant>

#include "scene/colour.h"
#include "scene/fonts.h"

class QPainter;

namespace scene {

// A control's name, and its index when it belongs to a control array (-1 when it does not).
struct Id {
    std::string_view name;
    int index = -1;

    friend bool operator==(const Id&, const Id&) = default;
    QString toString() const;
};

inline constexpr Id kForm{"Form1"};

// A text of the layout tables (a caption, a tooltip, an accessible name) in the interface
// language: the tables mark their translatable texts in the context "Velmora", and a text
// without a translation (a letter, a unit) stays as laid out. Null gives an empty string.
QString translated(const char* text);

// A lookup of a control that does not exist: a name that is not laid out, or an index outside
// its control array. The operation that asked for it ends there, and every procedure that called
// it, up to the handler.
class ControlError : public std::out_of_range {
  public:
    explicit ControlError(const Id& id);
};

struct LabelSpec {
    Id id;
    Id parent;
    QRect box;  // twips
    const char* caption;
    FontSpec font;
    ColourNumber fore = kWindowText;
    std::optional<ColourNumber> back = {};  // empty: transparent
};

struct LineSpec {
    Id id;
    Id parent;
    QPoint from;  // twips
    QPoint to;
    int width = 1;  // pixels
    ColourNumber colour = kWindowText;
};

enum class ShapeKind { Rectangle, Circle, RoundedRectangle };

struct ShapeSpec {
    Id id;
    Id parent;
    ShapeKind kind;
    QRect box;                               // twips
    int border = 1;                          // pixels
    std::optional<ColourNumber> back = {};   // empty: transparent
    std::optional<ColourNumber> hatch = {};  // cross-hatch fill colour, if any
};

enum class Picture { PenU, PenI, PenP, Icon, Emblem };

struct ImageSpec {
    Id id;
    Id parent;
    QPoint pos;  // twips, top-left corner
    Picture picture;
};

using WindowlessSpec = std::variant<LabelSpec, LineSpec, ShapeSpec, ImageSpec>;

class Surface;

// One label, line, shape or image, painted by the surface that contains it. Only two things
// change at run time: a label's caption and an image's position.
class Windowless {
  public:
    Windowless(Surface& owner, WindowlessSpec element);

    const WindowlessSpec& laidOut() const { return laidOut_; }
    const Id& id() const;

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    // A label showing its laid-out caption shows it in the interface language now; a caption
    // set at run time stays.
    void retranslate();

    // Shown (as all are, but the drawings of the elements not in the circuit) or not painted.
    bool Visible() const { return visible_; }
    void setVisible(bool visible);

    // The top-left corner in twips (an image's Left and Top).
    QPoint position() const { return position_; }
    void setLeft(float twips);
    void setTop(float twips);

    // Where the element paints, in pixels of its container's inner area.
    QRect pixelBounds() const { return bounds_; }
    // Where a label's letters stand, in the same pixels: less than its box where the caption is
    // shorter than the box is wide.
    QRect textBounds() const;
    // A label whose box a later label's background covers from `twips` on, where it lies across
    // it: its letters end before that background begins, at every scale.
    void endLettersBefore(const QRect& twips);
    // Its place and font again, after the layout's zoom changed.
    void relayout();
    void paint(QPainter& painter) const;
    // The two layers of a label, which the surface paints apart for labels that stand side by
    // side: its background where it is opaque, then its letters.
    bool opaqueLabel() const;
    void paintBack(QPainter& painter) const;
    // A label's letters; a framed rectangle's frame, which the surface paints again over the
    // backgrounds of the labels after it; nothing of other elements.
    void paintInk(QPainter& painter) const;

  private:
    void moveTo(QPoint twips);
    QRect boundsNow() const;
    const QFont& fittedFont(const LabelSpec& label) const;

    Surface& owner_;
    WindowlessSpec laidOut_;
    QString caption_;
    QString laidOutCaption_;  // as translated when last shown
    QFont font_;              // a label's, resolved for its caption
    // The same, closed up where the caption would not fit its box; worked out when the label is
    // first painted, so that a label not painted (under the curtain at start) loads no font.
    mutable std::optional<QFont> fitted_;
    QPoint position_;
    int lettersEnd_ = 0;  // twips from a label's left edge: its box's width, or less
    bool visible_ = true;
    // An image's picture, drawn when first painted and again when painted at another device
    // pixel ratio (the window moved to another screen) or another zoom.
    mutable QImage image_;
    QRect bounds_;  // kept, as the surface asks for it at every paint
};

// Draws a straight line between two points given in twips, without antialiasing, so the same
// end points and width always give the same pixels: drawing a line again in the background
// colour erases it exactly.
void drawTwipsLine(QPainter& painter, QPointF from, QPointF to, int widthPx, ColourNumber colour);

// The smallest pixel rectangle that holds such a line.
QRect twipsLineBounds(QPointF from, QPointF to, int widthPx);

}  // namespace scene
