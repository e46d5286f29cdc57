#pragma once

#include <QList>
#include <QString>

class QAction;

// The help page, in the interface language: what the demonstration shows, what each control
// does, the window's commands with their keys (as the actions have them) and the command-line
// options (the lines given, as the program lists them; no section without).
QString helpPage(const QList<QAction*>& commands, const QString& options);
