#pragma once

#include <QTextBrowser>

// The help page in a window of its own, which a screen reader reads as a document that cannot be
// edited: its text by characters, words and lines, its caret and its selection.
class HelpWindow : public QTextBrowser {
    Q_OBJECT

  public:
    explicit HelpWindow(QWidget* parent);
};
