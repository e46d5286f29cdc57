#pragma once

#include <QString>
#include <optional>

#include "classroom/projector_view.h"
#include "physics/element.h"

// What the program keeps of a teacher's choices from one start to the next: the size the window
// is shown at, the interface language and the element in the circuit, per user, where the
// platform keeps programs' settings. Nothing of the demonstration itself is kept: each start is at
// rest.
struct Remembered {
    std::optional<ViewSize> size;
    QString language;  // "ru" or "en"; empty when none was kept
    std::optional<physics::ElementKind> element;
    // A settings file that cannot be read, or holds a value the program does not know for one of
    // its keys: what cannot be read is passed over, and this names the file. Keys the program does
    // not know (a later version's) are left as they are, and a file that cannot be read is
    // replaced by a good one at the next change.
    QString unreadable;
};

// What was kept; it needs no application object.
Remembered recall();

// The line that says a settings file was passed over, in the interface language.
QString unreadableNotice(const QString& path);

void remember(const ViewSize& size);
void rememberLanguage(const QString& language);
void rememberElement(physics::ElementKind element);

// An element by the name the command line and the settings give it: coil, capacitor or resistor.
std::optional<physics::ElementKind> elementNamed(const QString& name);
QString nameOf(physics::ElementKind element);
