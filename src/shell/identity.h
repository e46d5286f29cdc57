#pragma once

#include <QString>

// Who the program is, in one place: its name, its version (from the build) and the application id
// under which the desktop knows it (its desktop entry, icon and metainfo carry the same id).
namespace identity {

inline constexpr char kName[] = "Velmora";
inline constexpr char kApplicationId[] = "org.velmora.Velmora";

QString version();

// Gives the running application object its name, version and desktop file name.
void apply();

}  // namespace identity
