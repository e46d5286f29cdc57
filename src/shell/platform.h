#pragma once

#include <QString>

class Translations;

// What the program needs from the platform it runs on, where desktops differ. Each platform has
// one source of its own, chosen by the build: platform_unix.cpp for Linux and the BSDs.
namespace platform {

// Why no window can be opened, in one line of the interface language, with what the user can do
// about it. `toolkitReason` is the toolkit's own reason for the failure, in one line.
QString windowSystemFailure(const Translations& translations, const QString& toolkitReason);

// Where a text the program says without its window goes: its help and version, or a mistake on
// the command line and a failure to start.
enum class Channel { Output, Error };

// Says a text that the program has to say before, or instead of, opening its window.
void tell(Channel channel, const QString& text);

}  // namespace platform
