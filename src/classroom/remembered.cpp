#include "classroom/remembered.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <algorithm>
#include <array>

namespace {

class Texts {
    Q_DECLARE_TR_FUNCTIONS(Remembered)
};

const QString kSize = QStringLiteral("view/size");
const QString kScale = QStringLiteral("view/scale");
const QString kLanguage = QStringLiteral("language");
const QString kElement = QStringLiteral("element");

constexpr std::array<const char*, 3> kElementNames{"coil", "capacitor", "resistor"};

// One file in the user's folder for settings: ~/.config/velmora/velmora.ini on Linux,
// %APPDATA%\velmora\velmora.ini on Windows.
struct Kept : QSettings {
    Kept()
        : QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("velmora"),
                    QStringLiteral("velmora")) {}
};

std::optional<ViewSize> sizeFrom(const QString& mode, const QString& scaleText) {
    if (mode == QLatin1String("fit")) {
        return ViewSize{ViewSize::Mode::Fit};
    }
    if (mode == QLatin1String("fullscreen")) {
        return ViewSize{ViewSize::Mode::FullScreen};
    }
    bool ok = false;
    const double scale = scaleText.toDouble(&ok);
    if (mode == QLatin1String("scale") && ok && scale >= kSmallestScale && scale <= kLargestScale) {
        return ViewSize{ViewSize::Mode::Scale, scale};
    }
    return std::nullopt;
}

}  // namespace

Remembered recall() {
    const Kept kept;
    Remembered remembered;
    // Garbage in the file reads as keys of no meaning.
    const QStringList known{kSize, kScale, kLanguage, kElement};
    const QStringList keys = kept.allKeys();
    bool damaged = kept.status() != QSettings::NoError ||
                   std::any_of(keys.begin(), keys.end(),
                               [&](const QString& key) { return !known.contains(key); });
    if (!damaged && kept.contains(kSize)) {
        remembered.size = sizeFrom(kept.value(kSize).toString(), kept.value(kScale).toString());
        damaged = !remembered.size;
    }
    if (!damaged && kept.contains(kLanguage)) {
        remembered.language = kept.value(kLanguage).toString();
        if (remembered.language != QLatin1String("ru") &&
            remembered.language != QLatin1String("en")) {
            remembered.language.clear();
            damaged = true;
        }
    }
    if (!damaged && kept.contains(kElement)) {
        remembered.element = elementNamed(kept.value(kElement).toString());
        damaged = !remembered.element;
    }
    if (damaged) {
        return {std::nullopt, {}, std::nullopt, QDir::toNativeSeparators(kept.fileName())};
    }
    return remembered;
}

QString unreadableNotice(const QString& path) {
    return Texts::tr("velmora: настройки в «%1» не прочитать, они пропущены").arg(path);
}

void remember(const ViewSize& size) {
    Kept kept;
    switch (size.mode) {
        case ViewSize::Mode::Scale:
            kept.setValue(kSize, QStringLiteral("scale"));
            kept.setValue(kScale, QString::number(size.scale));
            break;
        case ViewSize::Mode::Fit:
            kept.setValue(kSize, QStringLiteral("fit"));
            kept.remove(kScale);
            break;
        case ViewSize::Mode::FullScreen:
            kept.setValue(kSize, QStringLiteral("fullscreen"));
            kept.remove(kScale);
            break;
    }
}

void rememberLanguage(const QString& language) {
    Kept().setValue(kLanguage, language);
}

void rememberElement(physics::ElementKind element) {
    Kept().setValue(kElement, nameOf(element));
}

std::optional<physics::ElementKind> elementNamed(const QString& name) {
    for (const physics::ElementKind kind : physics::kElementKinds) {
        if (name == QLatin1String(kElementNames.at(static_cast<std::size_t>(kind)))) {
            return kind;
        }
    }
    return std::nullopt;
}

QString nameOf(physics::ElementKind element) {
    return QString::fromLatin1(kElementNames.at(static_cast<std::size_t>(element)));
}
