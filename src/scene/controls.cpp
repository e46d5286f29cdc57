#include "scene/controls.h"

#include <QPushButton>
#include <QSlider>
#include <algorithm>

#include "scene/fonts.h"
#include "scene/pictures.h"
#include "scene/units.h"

namespace scene {

namespace {

// Whether a step of the paint order paints the element of that name (of the step's kind and on
// its surface): a step with a name paints the elements of that name, one without paints those
// that no step of the surface names.
bool paints(const PaintStep& step, std::string_view name) {
    if (!step.name.empty()) {
        return step.name == name;
    }
    return std::none_of(paintOrder().begin(), paintOrder().end(), [&](const PaintStep& other) {
        return other.surface == step.surface && other.name == name;
    });
}

// What a screen reader says of a control, in the interface language; without a name the toolkit
// names the control as usual (a button by its caption), without a description it reads the
// tooltip.
void describe(QWidget& control, const AccessibleText& text) {
    if (text.name) {
        control.setAccessibleName(translated(text.name));
    }
    if (text.description) {
        control.setAccessibleDescription(translated(text.description));
    }
}

// A picture shown by a picture box, at its inner top-left corner: its only element.
ImageSpec pictureOf(const PictureBoxSpec& s) {
    return {{"Picture"}, s.id, {0, 0}, *s.picture};
}

}  // namespace

Controls::Controls(Surface& form, std::initializer_list<const Layout*> layouts) : form_(form) {
    for (const Layout* layout : layouts) {
        for (const auto& s : layout->pictureBoxes) {
            Surface& parent = surface(s.parent);
            auto* box =
                new PictureBox(&parent, s.back, s.border, s.look, toPixels(s.box).size(), s.role);
            box->setDrawWidth(s.drawWidth);
            box->setFocusPolicy(Qt::NoFocus);
            if (s.picture) {
                box->addWindowless(pictureOf(s));
            }
            add(s.id, {box, &parent, s.box, {}, nullptr, s.tooltip, s.accessible});
        }
    }
    for (const Layout* layout : layouts) {
        for (const auto& s : layout->markers) {
            Surface& parent = surface(s.parent);
            Tavik::Mark* mark = nullptr;
            if (s.kind == MarkerClass::Plus) {
                mark = new Tavik::Plus(&parent, s.settings, parent.BackColor());
            } else {
                mark = new Tavik::Minus(&parent, s.settings, parent.BackColor());
            }
            add(s.id, {mark, &parent, QRect(s.pos, mark->twipsSize()), {}, nullptr, nullptr, {}});
        }
        for (const auto& s : layout->sliders) {
            auto* slider = new QSlider(Qt::Horizontal, &form_);
            slider->setRange(s.min, s.max);
            slider->setValue(s.value);
            slider->setSingleStep(s.smallChange);
            slider->setPageStep(s.largeChange);
            slider->setTickPosition(QSlider::TicksBelow);
            slider->setTickInterval(1);
            slider->setFocusPolicy(Qt::StrongFocus);
            add(s.id, {slider, &form_, s.box, {}, nullptr, s.tooltip, s.accessible});
        }
        for (const auto& s : layout->buttons) {
            auto* button = new QPushButton(&form_);
            // Enter, like Space, presses the button that has the focus.
            button->setAutoDefault(true);
            button->setFocusPolicy(Qt::StrongFocus);
            add(s.id, {button, &form_, s.box, s.font, s.caption, nullptr, s.accessible});
        }
    }
    // The windowless elements, step by step of the paint order: a surface paints them in the
    // order they are added.
    for (const PaintStep& step : paintOrder()) {
        auto add = [&](auto specs) {
            for (const auto& s : specs) {
                if (s.parent == step.surface && paints(step, s.id.name)) {
                    surface(s.parent).addWindowless(s);
                }
            }
        };
        for (const Layout* layout : layouts) {
            switch (step.kind) {
                case ElementKind::Shape:
                    add(layout->shapes);
                    break;
                case ElementKind::Line:
                    add(layout->lines);
                    break;
                case ElementKind::Label:
                    add(layout->labels);
                    break;
                case ElementKind::Image:
                    add(layout->images);
                    break;
            }
        }
    }
}

void Controls::add(const Id& id, const Laid& laid) {
    const QString key = id.toString();
    laid.control->setObjectName(key);
    widgets_.insert(key, laid.control);
    place(laid);
    showTexts(laid);
    laid_.push_back(laid);
}

Controls::Laid& Controls::laidOut(const Id& id) {
    QWidget* control = &widget(id);
    const auto laid = std::find_if(laid_.begin(), laid_.end(),
                                   [&](const Laid& l) { return l.control == control; });
    if (laid == laid_.end()) {
        throw ControlError(id);
    }
    return *laid;
}

void Controls::relay(const Id& id, const Id& container, const QRect& twips) {
    Laid& laid = laidOut(id);
    Surface& surface = this->surface(container);
    if (laid.container != &surface) {
        // A widget given another parent is hidden: it keeps its own visibility.
        const bool shown = !laid.control->isHidden();
        laid.control->setParent(&surface);
        laid.control->setVisible(shown);
        laid.container = &surface;
    }
    laid.twips = twips.isEmpty() ? QRect(twips.topLeft(), laid.twips.size()) : twips;
    place(laid);
    if (auto* mark = qobject_cast<Tavik::Mark*>(laid.control)) {
        mark->clipToContainer();
    }
}

void Controls::describeAs(const Id& id, const char* tooltip, const char* accessibleName) {
    Laid& laid = laidOut(id);
    laid.tooltip = tooltip;
    laid.accessible.name = accessibleName;
    showTexts(laid);
}

void Controls::place(const Laid& laid) {
    laid.control->setGeometry(QRect(laid.container->innerOrigin() + toPixels(laid.twips.topLeft()),
                                    toPixels(laid.twips).size()));
    if (laid.font) {
        laid.control->setFont(toQFont(*laid.font));
    }
}

// A button's caption is the only caption of a windowed control.
void Controls::showTexts(const Laid& laid) {
    if (laid.caption) {
        static_cast<QPushButton*>(laid.control)->setText(translated(laid.caption));
    }
    laid.control->setToolTip(translated(laid.tooltip));
    describe(*laid.control, laid.accessible);
}

void Controls::relayout() {
    for (const Laid& laid : laid_) {
        place(laid);
    }
    eachSurface([](Surface& surface) {
        for (const auto& element : surface.windowlessElements()) {
            element->relayout();
        }
        surface.update();
    });
}

void Controls::retranslate() {
    for (const Laid& laid : laid_) {
        showTexts(laid);
    }
    eachSurface([](Surface& surface) {
        for (const auto& element : surface.windowlessElements()) {
            element->retranslate();
        }
    });
}

void Controls::eachSurface(const std::function<void(Surface&)>& act) const {
    act(form_);
    for (Surface* surface : form_.findChildren<Surface*>()) {
        act(*surface);
    }
}

QWidget& Controls::widget(const Id& id) const {
    if (id == kForm) {
        return form_;
    }
    QWidget* w = widgets_.value(id.toString());
    if (!w) {
        throw ControlError(id);
    }
    return *w;
}

Surface& Controls::surface(const Id& id) const {
    auto* s = qobject_cast<Surface*>(&widget(id));
    if (!s) {
        throw ControlError(id);
    }
    return *s;
}

Windowless& Controls::windowless(const Id& id, const Id& parent) const {
    return surface(parent).windowless(id);
}

}  // namespace scene
