#pragma once

#include <QList>
#include <QString>

class QAction;

// The help page, in the interface language: what the demonstration shows, what each control
// does, the window's commands with their keys (as the actions have them) and the command-line
// options (as `velmora --help` lists them).
QString helpPage(const QList<QAction*>& commands);
