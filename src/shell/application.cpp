#include "shell/application.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include "scene/fonts.h"

namespace {

// Fusion draws a slider's tick marks with whatever pen its groove drawing left on the painter
// when the groove was not yet cached, so a slider's ticks change colour after its first repaint.
// Drawn in a pass of their own, between groove and handle, they always take the style's outline
// colour.
class SteadySliderTicks : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
        if (control != CC_Slider || !slider || !(slider->subControls & SC_SliderTickmarks)) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        QStyleOptionSlider pass = *slider;
        for (const SubControls part :
             {slider->subControls & ~(SC_SliderTickmarks | SC_SliderHandle),
              SubControls(SC_SliderTickmarks), slider->subControls & SC_SliderHandle}) {
            pass.subControls = part;
            QProxyStyle::drawComplexControl(control, &pass, painter, widget);
        }
    }
};

}  // namespace

void setUpApplication() {
    scene::loadFonts();
    auto* style = new SteadySliderTicks(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setStyle(style);
    QApplication::setPalette(style->standardPalette());
    QApplication::setFont(scene::toQFont({"MS Sans Serif", 8.25}));
}
