#pragma once

#include <QString>
#include <optional>

#include "classroom/projector_view.h"

// What the program keeps of a teacher's choices from one start to the next: the size the window
// is shown at and the interface language, per user, where the platform keeps programs' settings.
// Nothing of the demonstration itself is kept: each start is at rest.
struct Remembered {
    std::optional<ViewSize> size;
    QString language;  // "ru" or "en"; empty when none was kept
    // A settings file that cannot be read, is damaged or holds values the program does not
    // know: it is passed over, and this names it.
    QString unreadable;
};

// What was kept; it needs no application object.
Remembered recall();

// The line that says a settings file was passed over, in the interface language.
QString unreadableNotice(const QString& path);

void remember(const ViewSize& size);
void rememberLanguage(const QString& language);
