#include "scene/fonts.h"

#include <array>
#include <cmath>
#include <string_view>

namespace scene {

namespace {

struct Substitute {
    std::string_view layoutFamily;
    const char* installedFamily;
};

// Fonts of the Debian packages fonts-ebgaramond and fonts-liberation2, all with Cyrillic. The bold
// face of "EB Garamond 12" has no Cyrillic, so Garamond is "EB Garamond 08", emboldened for bold.
constexpr std::array kSubstitutes{
    Substitute{"Garamond", "EB Garamond 08"},
    Substitute{"MS Sans Serif", "Liberation Sans"},
    Substitute{"Courier", "Liberation Mono"},
    Substitute{"Courier New", "Liberation Mono"},
};

}  // namespace

QString substituteFamily(const QString& layoutFamily) {
    for (const auto& s : kSubstitutes) {
        if (layoutFamily == QLatin1String(s.layoutFamily.data(), s.layoutFamily.size())) {
            return QString::fromLatin1(s.installedFamily);
        }
    }
    return layoutFamily;
}

QFont toQFont(const FontSpec& font) {
    QFont resolved(substituteFamily(QString::fromLatin1(font.family)));
    resolved.setPixelSize(static_cast<int>(std::lround(font.points * 96.0 / 72.0)));
    resolved.setBold(font.bold);
    resolved.setItalic(font.italic);
    resolved.setStyleStrategy(QFont::PreferMatch);
    return resolved;
}

}  // namespace scene
