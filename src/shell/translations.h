#pragma once

#include <QString>
#include <QTranslator>
#include <memory>

// The interface language. The program is written in Russian, which is the default on every
// system whatever its locale; English comes from the translation embedded in the program. The
// toolkit's own texts (standard dialogs, context menus, the buttons of message boxes) follow the
// same language, from the toolkit's translations installed on the system.
class Translations {
  public:
    // Loads the translations of "ru" or "en"; no application object is needed yet.
    explicit Translations(const QString& language);

    // Puts them to work in the running application.
    void install();

    // Puts the translations of another language to work at once: the toolkit tells every
    // window, which shows its texts in it.
    void switchTo(const QString& language);

    // A text in the interface language, also before there is an application to install into.
    QString translate(const char* context, const char* text) const;

  private:
    void load(const QString& language);

    std::unique_ptr<QTranslator> program_;
    std::unique_ptr<QTranslator> toolkit_;
};
