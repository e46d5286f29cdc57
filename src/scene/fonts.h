#pragma once

#include <QFont>
#include <QString>
#include <QStringView>

namespace scene {

// A font as the layout names it: the family of the original design, its size in points.
struct FontSpec {
    const char* family;
    double points;
    bool bold = false;
    bool italic = false;
};

// Makes the program's own fonts, which it carries, known to the toolkit. Called once the
// application object is there, before any text is laid out.
void loadFonts();

// The program's family with Cyrillic glyphs that stands in for a family of the layout, for the
// given text: a text of digits alone may take another family, with lining figures.
QString substituteFamily(const QString& layoutFamily, QStringView text = {});

// The font to draw a text with: the substitute family at the pixel size the points give at
// 96 dpi and the layout's zoom, so texts fit their fixed boxes whatever the screen's own dpi
// setting.
QFont toQFont(const FontSpec& font, QStringView text = {});

// The font to draw a text in a box `boxWidthPx` wide with, from its left edge: as above, and
// where the substitute family draws the text wider than the box (the layout's own font was
// narrower), its letters close up by the fraction of a pixel it takes for the text to end inside
// the box. A text that fits is drawn as the substitute has it.
QFont toQFont(const FontSpec& font, QStringView text, int boxWidthPx);

}  // namespace scene
