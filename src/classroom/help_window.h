#pragma once

#include <QList>
#include <QTextBrowser>
#include <functional>

class QAction;

// The help page in a window of its own, beside the demonstration and not holding it: in the
// interface language, also after the language changes; the window's commands work in it with
// their keys, Esc or Ctrl+W closes it. A screen reader reads it as a document that cannot be
// edited: its text by characters, words and lines, its caret and its selection.
class HelpWindow : public QTextBrowser {
    Q_OBJECT

  public:
    HelpWindow(QWidget& window, QList<QAction*> commands, std::function<QString()> options);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void showPage();

    QList<QAction*> commands_;
    std::function<QString()> options_;
};
