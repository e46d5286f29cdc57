#include "classroom/help_window.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QEvent>
#include <algorithm>

#include "classroom/help_page.h"

namespace {

// The toolkit reads a text browser as a label; the help is a document. Its text is the
// document's, offsets are its cursor positions, as the toolkit counts them for its own text
// widgets.
class HelpDocument : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit HelpDocument(HelpWindow* window) : QAccessibleWidget(window, QAccessible::Document) {}
    using QAccessibleWidget::text;  // its name and description; the text interface's below

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        return state;
    }
    // Its scroll bars and viewport are no elements to read.
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    void selection(int index, int* start, int* end) const override {
        const QTextCursor c = help().textCursor();
        *start = index == 0 && c.hasSelection() ? c.selectionStart() : 0;
        *end = index == 0 && c.hasSelection() ? c.selectionEnd() : 0;
    }
    int selectionCount() const override { return help().textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { setCursorPosition(cursorPosition()); }
    void setSelection(int, int start, int end) override { help().setTextCursor(range(start, end)); }
    int cursorPosition() const override { return help().textCursor().position(); }
    void setCursorPosition(int position) override {
        help().setTextCursor(range(position, position));
    }
    QString text(int start, int end) const override {
        return range(start, end).selectedText().replace(QChar::ParagraphSeparator, u'\n');
    }
    int characterCount() const override {
        QTextCursor c(help().document());
        c.movePosition(QTextCursor::End);
        return c.position();
    }
    QRect characterRect(int offset) const override {
        const QTextCursor at = range(offset, offset);
        const QRect caret = help().cursorRect(at);
        const QChar character = help().document()->characterAt(at.position());
        const QRect box(caret.topLeft(),
                        QSize(help().fontMetrics().horizontalAdvance(character), caret.height()));
        return box.translated(help().viewport()->mapToGlobal(QPoint()));
    }
    int offsetAtPoint(const QPoint& point) const override {
        return help().cursorForPosition(help().viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int start, int end) override {
        setSelection(0, start, end);
        help().ensureCursorVisible();
    }
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

  private:
    HelpWindow& help() const { return *static_cast<HelpWindow*>(widget()); }

    // The text from `start` to `end`, both kept within the document.
    QTextCursor range(int start, int end) const {
        QTextCursor c(help().document());
        const int last = characterCount();
        c.setPosition(std::clamp(start, 0, last));
        c.setPosition(std::clamp(end, 0, last), QTextCursor::KeepAnchor);
        return c;
    }
};

QAccessibleInterface* helpDocument(const QString& className, QObject* object) {
    if (className == QLatin1String("HelpWindow")) {
        return new HelpDocument(static_cast<HelpWindow*>(object));
    }
    return nullptr;
}

}  // namespace

HelpWindow::HelpWindow(QWidget& window, QList<QAction*> commands, std::function<QString()> options)
    : QTextBrowser(&window), commands_(std::move(commands)), options_(std::move(options)) {
    [[maybe_unused]] static const bool factoryInstalled = [] {
        QAccessible::installFactory(helpDocument);
        return true;
    }();
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
