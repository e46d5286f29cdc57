#include "classroom/remembered.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <functional>

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

namespace {

// A settings file is text: one that is not (a file overwritten with other data, a disk's garbage)
// cannot be read, and the toolkit will not write into it either.
bool readable(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    return !utf8.hasError() && std::none_of(text.begin(), text.end(), [](QChar c) {
        return c.category() == QChar::Other_Control && c != u'\n' && c != u'\r' && c != u'\t';
    });
}

// What the file holds of the program's own keys, each value on its own: a key the program does
// not know (one of a later version's) is left alone, a value it does not know is passed over.
// False where something was passed over.
bool readInto(const QSettings& kept, Remembered& remembered) {
    bool whole = true;
    if (kept.contains(kSize)) {
        remembered.size = sizeFrom(kept.value(kSize).toString(), kept.value(kScale).toString());
        whole = whole && remembered.size.has_value();
    }
    if (kept.contains(kLanguage)) {
        const QString language = kept.value(kLanguage).toString();
        if (language == QLatin1String("ru") || language == QLatin1String("en")) {
            remembered.language = language;
        } else {
            whole = false;
        }
    }
    if (kept.contains(kElement)) {
        remembered.element = elementNamed(kept.value(kElement).toString());
        whole = whole && remembered.element.has_value();
    }
    return whole;
}

void writeSize(QSettings& kept, const ViewSize& size) {
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

// Writes a change. A file that cannot be read is replaced by a good one holding the change; one
// that can keeps every other key as it is.
void keep(const std::function<void(QSettings&)>& change) {
    {
        Kept kept;
        if (readable(kept.fileName())) {
            change(kept);
            kept.sync();
            if (kept.status() == QSettings::NoError) {
                return;
            }
        }
    }
    QFile::remove(Kept().fileName());
    Kept fresh;
    change(fresh);
}

}  // namespace

Remembered recall() {
    Kept kept;
    // The browser's toolkit reads the file only once asked to sync (elsewhere it has read it
    // already, and this finds nothing new).
    kept.sync();
    Remembered remembered;
    if (!readable(kept.fileName()) || kept.status() != QSettings::NoError ||
        !readInto(kept, remembered)) {
        remembered.unreadable = QDir::toNativeSeparators(kept.fileName());
    }
    return remembered;
}

QString unreadableNotice(const QString& path) {
    return Texts::tr("velmora: настройки в «%1» не прочитать, они пропущены").arg(path);
}

void remember(const ViewSize& size) {
    keep([&](QSettings& kept) { writeSize(kept, size); });
}

void rememberLanguage(const QString& language) {
    keep([&](QSettings& kept) { kept.setValue(kLanguage, language); });
}

void rememberElement(physics::ElementKind element) {
    keep([&](QSettings& kept) { kept.setValue(kElement, nameOf(element)); });
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
