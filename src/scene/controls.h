#pragma once

// The scene, the bottom layer: the window's controls and drawing surfaces, created from the
// layout tables in twips, and the static picture around them. It knows nothing of what moves.

#include <QHash>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "scene/layout.h"
#include "scene/surface.h"

class QPushButton;
class QSlider;

namespace scene {

// Every windowed control of the window, created from the layout tables and found again by
// name and index. Windowless elements are kept by the surface that paints them.
class Controls {
  public:
    // Creates every control of the given layouts on `form`: picture boxes, markers, sliders,
    // buttons, then the windowless elements of each surface in its paint order.
    Controls(Surface& form, std::initializer_list<const Layout*> layouts);

    QWidget& widget(const Id& id) const;
    Surface& surface(const Id& id) const;
    Windowless& windowless(const Id& id, const Id& parent = kForm) const;

    template <class T>
    T& get(const Id& id) const {
        auto* typed = qobject_cast<T*>(&widget(id));
        if (!typed) {
            throw ControlError(id);
        }
        return *typed;
    }

    int count() const { return static_cast<int>(widgets_.size()); }

    // Lays a control out anew, as the drawing of another element has it: on the surface named
    // `container` (a marker moving to another wire segment), at `twips` of its inner area, kept
    // for later zooms. Its size in twips stays unless `twips` has one.
    void relay(const Id& id, const Id& container, const QRect& twips);

    // Gives a control the tooltip and the screen reader's name that it shows from now on,
    // in the interface language now and after any change of language.
    void describeAs(const Id& id, const char* tooltip, const char* accessibleName);

    // Every caption, tooltip and name a screen reader reads, again in the interface language.
    void retranslate();
    // Every control and element in its place again, at the layout's zoom now.
    void relayout();

  private:
    // A control as its table gives it: where it lies (twips of its container's inner area), its
    // font and its texts.
    struct Laid {
        QWidget* control;
        Surface* container;
        QRect twips;
        std::optional<FontSpec> font;
        const char* caption;
        const char* tooltip;
        AccessibleText accessible;
    };

    void add(const Id& id, const Laid& laid);
    Laid& laidOut(const Id& id);
    // The window and every picture box on it.
    void eachSurface(const std::function<void(Surface&)>& act) const;
    static void place(const Laid& laid);
    static void showTexts(const Laid& laid);

    Surface& form_;
    QHash<QString, QWidget*> widgets_;
    std::vector<Laid> laid_;
};

}  // namespace scene
