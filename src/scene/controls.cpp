#include "scene/controls.h"

#include <QPushButton>
#include <QSlider>
#include <algorithm>

#include "scene/fonts.h"
#include "scene/pictures.h"
#include "scene/units.h"

namespace scene {

namespace {

void placeIn(QWidget& child, const Surface& container, QPoint twips) {
    child.move(container.innerOrigin() + toPixels(twips));
}

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
            placeIn(*box, parent, s.box.topLeft());
            box->setDrawWidth(s.drawWidth);
            box->setFocusPolicy(Qt::NoFocus);
            if (s.picture) {
                box->addWindowless(pictureOf(s));
            }
            add(s.id, box, {box, nullptr, s.tooltip, s.accessible});
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
            placeIn(*mark, parent, s.pos);
            add(s.id, mark, {mark, nullptr, nullptr, {}});
        }
        for (const auto& s : layout->sliders) {
            auto* slider = new QSlider(Qt::Horizontal, &form_);
            slider->setGeometry(toPixels(s.box));
            slider->setRange(s.min, s.max);
            slider->setValue(s.value);
            slider->setSingleStep(s.smallChange);
            slider->setPageStep(s.largeChange);
            slider->setTickPosition(QSlider::TicksBelow);
            slider->setTickInterval(1);
            slider->setFocusPolicy(Qt::StrongFocus);
            add(s.id, slider, {slider, nullptr, s.tooltip, s.accessible});
        }
        for (const auto& s : layout->buttons) {
            auto* button = new QPushButton(&form_);
            button->setGeometry(toPixels(s.box));
            button->setFont(toQFont(s.font));
            // Enter, like Space, presses the button that has the focus.
            button->setAutoDefault(true);
            button->setFocusPolicy(Qt::StrongFocus);
            add(s.id, button, {button, s.caption, nullptr, s.accessible});
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

void Controls::add(const Id& id, QWidget* widget, Texts texts) {
    const QString key = id.toString();
    widget->setObjectName(key);
    widgets_.insert(key, widget);
    showTexts(texts);
    texts_.push_back(texts);
}

void Controls::showTexts(const Texts& texts) {
    if (texts.caption) {
        static_cast<QPushButton*>(texts.control)->setText(translated(texts.caption));
    }
    texts.control->setToolTip(translated(texts.tooltip));
    describe(*texts.control, texts.accessible);
}

void Controls::retranslate() {
    for (const Texts& texts : texts_) {
        showTexts(texts);
    }
    for (Surface* surface : form_.findChildren<Surface*>()) {
        for (const auto& element : surface->windowlessElements()) {
            element->retranslate();
        }
    }
    for (const auto& element : form_.windowlessElements()) {
        element->retranslate();
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
