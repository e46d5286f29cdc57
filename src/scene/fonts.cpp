#include "scene/fonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QResource>
#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "scene/units.h"

namespace scene {

namespace {

struct Substitute {
    std::string_view layoutFamily;
    const char* installedFamily;
    const char* digitsFamily;  // for a text of digits alone; null: the installed family
    int boldLetterSpacing;     // pixels added to every letter of bold text
};

// The program's own fonts (built from Debian's fonts-ebgaramond and fonts-liberation2 under names
// of their own, so that no font of the system can take their place), all with Cyrillic. The bold
// face of EB Garamond's 12 design has no Cyrillic, so Garamond is the 08 design, emboldened for
// bold. EB Garamond draws old-style figures, whose zero is a small letter o; digits alone take the
// lining figures of the serif.
// Bold "MS Sans Serif" is about a pixel a letter wider than Liberation Sans Bold: the layout puts
// the index "m" of "Амплитуда(U" 96 pixels from the title's start, right after the "U", and
// Liberation Sans Bold ends the title there only with a pixel added to each letter.
constexpr std::array kSubstitutes{
    Substitute{"Garamond", "Velmora Garamond", "Velmora Serif", 0},
    Substitute{"MS Sans Serif", "Velmora Sans", nullptr, 1},
    Substitute{"Courier", "Velmora Mono", nullptr, 0},
    Substitute{"Courier New", "Velmora Mono", nullptr, 0},
};

const Substitute* substituteFor(const QString& layoutFamily) {
    for (const auto& s : kSubstitutes) {
        if (layoutFamily ==
            QLatin1String(s.layoutFamily.data(), static_cast<qsizetype>(s.layoutFamily.size()))) {
            return &s;
        }
    }
    return nullptr;
}

bool digitsAlone(QStringView text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

}  // namespace

void loadFonts() {
    const QDir fonts(QStringLiteral(":/fonts"));
    for (const QString& file : fonts.entryList(QDir::Files)) {
        // The resource's own bytes, which live as long as the program: no copy is made.
        const QResource font(fonts.filePath(file));
        QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
            reinterpret_cast<const char*>(font.data()), static_cast<qsizetype>(font.size())));
    }
}

QString substituteFamily(const QString& layoutFamily, QStringView text) {
    const Substitute* s = substituteFor(layoutFamily);
    if (!s) {
        return layoutFamily;
    }
    const char* family =
        s->digitsFamily && digitsAlone(text) ? s->digitsFamily : s->installedFamily;
    return QString::fromLatin1(family);
}

QFont toQFont(const FontSpec& font, QStringView text) {
    const QString layoutFamily = QString::fromLatin1(font.family);
    QFont resolved(substituteFamily(layoutFamily, text));
    resolved.setPixelSize(static_cast<int>(std::lround(font.points * 96.0 / 72.0 * zoom())));
    resolved.setBold(font.bold);
    resolved.setItalic(font.italic);
    resolved.setStyleStrategy(QFont::PreferMatch);
    // The hinting the screen's scale would choose changes with the scale: fixed, a caption drawn
    // after the scale went up and back is the caption drawn before, pixel for pixel.
    resolved.setHintingPreference(QFont::PreferVerticalHinting);
    const Substitute* s = substituteFor(layoutFamily);
    if (font.bold && s && s->boldLetterSpacing != 0) {
        resolved.setLetterSpacing(QFont::AbsoluteSpacing, s->boldLetterSpacing);
    }
    return resolved;
}

QFont toQFont(const FontSpec& font, QStringView text, int boxWidthPx) {
    QFont fitted = toQFont(font, text);
    const QString whole = text.toString();
    const auto over = [&] {
        return QFontMetricsF(fitted).tightBoundingRect(whole).right() - boxWidthPx;
    };
    const qsizetype gaps = text.size() - 1;
    if (const qreal o = over(); o > 0 && gaps > 0) {
        fitted.setLetterSpacing(QFont::AbsoluteSpacing,
                                fitted.letterSpacing() - o / static_cast<qreal>(gaps));
    }
    // Drawn smaller than laid out, the size rounded to whole pixels, a single letter may still
    // reach a pixel past a narrow box (a terminal's "+"): it takes a pixel size less.
    while (zoom() < 1 && over() > 0 && fitted.pixelSize() > 1) {
        fitted.setPixelSize(fitted.pixelSize() - 1);
    }
    return fitted;
}

}  // namespace scene
