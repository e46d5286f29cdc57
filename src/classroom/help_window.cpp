#include "classroom/help_window.h"

#include <QAction>
#include <QEvent>

#include "classroom/help_page.h"

HelpWindow::HelpWindow(QWidget& window, QList<QAction*> commands, std::function<QString()> options)
    : QTextBrowser(&window), commands_(std::move(commands)), options_(std::move(options)) {
    setWindowFlag(Qt::Window);
    addActions(commands_);
    auto* close = new QAction(this);
    close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
    resize(640, 620);
    showPage();
}

void HelpWindow::showPage() {
    setWindowTitle(tr("Velmora — справка"));
    setHtml(helpPage(commands_, options_ ? options_() : QString()));
}

void HelpWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        // Once the commands have their new names too.
        QMetaObject::invokeMethod(this, &HelpWindow::showPage, Qt::QueuedConnection);
    }
    QTextBrowser::changeEvent(event);
}
