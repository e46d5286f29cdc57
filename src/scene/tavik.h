#pragma once

#include <QWidget>
#include <optional>

#include "scene/colour.h"

// The charge marker control: a small window of its own showing a plus or a minus mark on its
// own background colour.
namespace Tavik {

// What an instance keeps of itself: its extent in hundredths of a millimetre ("_extentx",
// "_extenty") and, optionally, its background colour ("backcolor").
struct PersistedSettings {
    int extentX;
    int extentY;
    std::optional<scene::ColourNumber> backColor = {};
};

// Hundredths of a millimetre to twips, to the nearest twip: 291 × 397 is 165 × 225.
int himetricToTwips(int himetric);

class Mark : public QWidget {
    Q_OBJECT

  public:
    bool Visible() const { return !isHidden(); }

    scene::ColourNumber BackColor() const { return backColor_; }
    void setBackColor(scene::ColourNumber colour);

    // Width and height in twips, from the persisted extent.
    QSize twipsSize() const { return twipsSize_; }

    // Shows only what lies inside its container's border: again after the instance or its
    // container moved to another place.
    void clipToContainer();

  protected:
    // An instance with no persisted background takes its container's (the ambient colour).
    Mark(QWidget* parent, const PersistedSettings& settings, scene::ColourNumber ambient);
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    virtual bool vertical() const = 0;

  private:
    QSize twipsSize_;
    scene::ColourNumber backColor_;
};

class Plus : public Mark {
    Q_OBJECT

  public:
    Plus(QWidget* parent, const PersistedSettings& settings, scene::ColourNumber ambient);

  protected:
    bool vertical() const override { return true; }
};

class Minus : public Mark {
    Q_OBJECT

  public:
    Minus(QWidget* parent, const PersistedSettings& settings, scene::ColourNumber ambient);

  protected:
    bool vertical() const override { return false; }
};

}  // namespace Tavik
