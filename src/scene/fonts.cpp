#include "scene/fonts.h"

#include <QFontMetricsF>
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

// Fonts of the Debian packages fonts-ebgaramond and fonts-liberation2, all with Cyrillic. The bold
// face of "EB Garamond 12" has no Cyrillic, so Garamond is "EB Garamond 08", emboldened for bold.
// EB Garamond draws old-style figures, whose zero is a small letter o; digits alone take the
// lining figures of "Liberation Serif".
// Bold "MS Sans Serif" is about a pixel a letter wider than Liberation Sans Bold: the layout puts
// the index "m" of "Амплитуда(U" 96 pixels from the title's start, right after the "U", and
// Liberation Sans Bold ends the title there only with a pixel added to each letter.
// Windows names a font by its typographic family, which for EB Garamond spans both designs; the
// Windows build carries only the 08 design, so there it is "EB Garamond".
#ifdef Q_OS_WIN
constexpr char kGaramond08[] = "EB Garamond";
#else
constexpr char kGaramond08[] = "EB Garamond 08";
#endif
constexpr std::array kSubstitutes{
    Substitute{"Garamond", kGaramond08, "Liberation Serif", 0},
    Substitute{"MS Sans Serif", "Liberation Sans", nullptr, 1},
    Substitute{"Courier", "Liberation Mono", nullptr, 0},
    Substitute{"Courier New", "Liberation Mono", nullptr, 0},
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
    const Substitute* s = substituteFor(layoutFamily);
    if (font.bold && s && s->boldLetterSpacing != 0) {
        resolved.setLetterSpacing(QFont::AbsoluteSpacing, s->boldLetterSpacing);
    }
    return resolved;
}

QFont toQFont(const FontSpec& font, QStringView text, int boxWidthPx) {
    QFont fitted = toQFont(font, text);
    const qreal over =
        QFontMetricsF(fitted).tightBoundingRect(text.toString()).right() - boxWidthPx;
    const qsizetype gaps = text.size() - 1;
    if (over > 0 && gaps > 0) {
        fitted.setLetterSpacing(QFont::AbsoluteSpacing,
                                fitted.letterSpacing() - over / static_cast<qreal>(gaps));
    }
    return fitted;
}

}  // namespace scene
