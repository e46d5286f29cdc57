#include "app/application.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

#include "scene/fonts.h"

void setUpApplication() {
    QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"));
    QApplication::setStyle(style);
    QApplication::setPalette(style->standardPalette());
    QApplication::setFont(scene::toQFont({"MS Sans Serif", 8.25}));
}
