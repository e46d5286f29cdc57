#include "shell/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

Translations::Translations(const QString& language) {
    load(language);
}

void Translations::load(const QString& language) {
    program_ = std::make_unique<QTranslator>();
    toolkit_ = std::make_unique<QTranslator>();
    if (language == QLatin1String("en")) {
        // The toolkit is written in English: only the program needs translating.
        [[maybe_unused]] const bool loaded = program_->load(QStringLiteral(":/i18n/velmora_en.qm"));
        Q_ASSERT(loaded);  // embedded at build time
        return;
    }
    // Without the toolkit's translations installed its few own texts stay in English.
    [[maybe_unused]] const bool found =
        toolkit_->load(QStringLiteral("qtbase_%1").arg(language),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

void Translations::install() {
    for (QTranslator* translator : {program_.get(), toolkit_.get()}) {
        if (!translator->isEmpty()) {
            QCoreApplication::installTranslator(translator);
        }
    }
}

void Translations::switchTo(const QString& language) {
    for (QTranslator* translator : {program_.get(), toolkit_.get()}) {
        QCoreApplication::removeTranslator(translator);
    }
    load(language);
    install();
}

QString Translations::translate(const char* context, const char* text) const {
    const QString translated = program_->translate(context, text);
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}
