#include "scene/screen_reader.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>
#include <utility>

namespace scene {

namespace {

// A readable part as an element of its own, a child of its window's.
class PartAccessible : public QAccessibleInterface {
  public:
    PartAccessible(QWidget& window, ReadablePart part) : window_(&window), part_(std::move(part)) {}

    bool isValid() const override { return !window_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return window_ ? window_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(window_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                return part_.name();
            case QAccessible::Description:
                return part_.description ? part_.description() : QString();
            default:
                return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!window_) {
            return {};
        }
        const QRect area = part_.area();
        return {window_->mapToGlobal(area.topLeft()), area.size()};
    }
    QAccessible::Role role() const override { return part_.role; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !part_.shown();
        state.readOnly = true;
        return state;
    }

  private:
    QPointer<QWidget> window_;
    ReadablePart part_;
};

// The elements of a window for a screen reader, kept on the window. The parts' interfaces are
// registered with the toolkit's accessibility and removed again with the window.
class ReaderList : public QObject {
  public:
    ReaderList(QWidget& window, std::function<std::vector<ReaderElement>()> elements)
        : QObject(&window), window_(window), elements_(std::move(elements)) {}
    ~ReaderList() override {
        for (const Element& e : made_) {
            if (const auto* part = std::get_if<QAccessible::Id>(&e)) {
                QAccessible::deleteAccessibleInterface(*part);
            }
        }
    }
    ReaderList(const ReaderList&) = delete;
    ReaderList& operator=(const ReaderList&) = delete;

    void add(QWidget& element) { added_.emplace_back(&element); }

    int count() {
        std::erase_if(added_,
                      [](const Element& e) { return std::get<QPointer<QWidget>>(e).isNull(); });
        return static_cast<int>(made().size() + added_.size());
    }

    QAccessibleInterface* at(int index) {
        if (index < 0 || index >= count()) {
            return nullptr;
        }
        const auto i = static_cast<std::size_t>(index);
        const Element& e = i < made_.size() ? made_[i] : added_[i - made_.size()];
        if (const auto* control = std::get_if<QPointer<QWidget>>(&e)) {
            return QAccessible::queryAccessibleInterface(control->data());
        }
        return QAccessible::accessibleInterface(std::get<QAccessible::Id>(e));
    }

  private:
    using Element = std::variant<QPointer<QWidget>, QAccessible::Id>;

    const std::vector<Element>& made() {
        if (elements_) {
            for (ReaderElement& e : std::exchange(elements_, {})()) {
                if (auto* control = std::get_if<QWidget*>(&e)) {
                    made_.emplace_back(QPointer<QWidget>(*control));
                } else {
                    made_.emplace_back(QAccessible::registerAccessibleInterface(
                        new PartAccessible(window_, std::get<ReadablePart>(std::move(e)))));
                }
            }
        }
        return made_;
    }

    QWidget& window_;
    std::function<std::vector<ReaderElement>()> elements_;
    std::vector<Element> made_;
    std::vector<Element> added_;  // controls only
};

// The window: a frame whose children are its list's elements and no others.
class WindowAccessible : public QAccessibleWidget {
  public:
    WindowAccessible(QWidget* window, ReaderList& list)
        : QAccessibleWidget(window, QAccessible::Window), list_(&list) {}

    int childCount() const override { return list_ ? list_->count() : 0; }
    QAccessibleInterface* child(int index) const override {
        return list_ ? list_->at(index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i) {
            if (this->child(i) == child) {
                return i;
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface* c = child(i);
            if (c && !c->state().invisible && c->rect().contains(x, y)) {
                return c;
            }
        }
        return nullptr;
    }

  private:
    QPointer<ReaderList> list_;
};

ReaderList* readerList(const QWidget& window) {
    for (QObject* child : window.children()) {
        if (auto* list = dynamic_cast<ReaderList*>(child)) {
            return list;
        }
    }
    return nullptr;
}

QAccessibleInterface* readerWindow(const QString&, QObject* object) {
    auto* window = qobject_cast<QWidget*>(object);
    ReaderList* list = window && window->isWindow() ? readerList(*window) : nullptr;
    return list ? new WindowAccessible(window, *list) : nullptr;
}

}  // namespace

void exposeToScreenReaders(QWidget& window, std::function<std::vector<ReaderElement>()> elements) {
    [[maybe_unused]] static const bool factoryInstalled = [] {
        QAccessible::installFactory(readerWindow);
        return true;
    }();
    new ReaderList(window, std::move(elements));
}

void addToScreenReaders(QWidget& window, QWidget& element) {
    if (ReaderList* list = readerList(window)) {
        list->add(element);
    }
}

}  // namespace scene
