#include <emscripten/val.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <QTouchEvent>
#include <QWindow>
#include <cstdio>

#include "classroom/projector_view.h"
#include "classroom/screen_scale.h"
#include "shell/platform.h"
#include "shell/translations.h"

// A browser: the program is a page, the page's canvas its screen, and the page's address its
// command line. Everything the program keeps lives in the page's memory (its settings are kept
// in the browser's storage by the page itself, keep_settings.js).
namespace platform {

namespace {

using emscripten::val;

// A finger held this long without moving opens the context menu.
constexpr int kLongPressMs = 600;
// How far a held finger may drift, in pixels, and still be a press rather than a drag.
constexpr double kLongPressDrift = 12;

// A long press of a finger on the window, held still, opens its context menu where a mouse's
// right click would: touch screens have no right button. The toolkit has already made the finger
// a left mouse button by then; the menu takes the finger's release, as it takes a mouse's.
class LongPress : public QObject {
  public:
    explicit LongPress(QWidget& window) : QObject(&window), window_(window) {
        timer_.setSingleShot(true);
        timer_.setInterval(kLongPressMs);
        connect(&timer_, &QTimer::timeout, this, &LongPress::openMenu);
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWindowType() || static_cast<QWindow*>(watched) != window_.windowHandle()) {
            return false;
        }
        switch (event->type()) {
            case QEvent::TouchBegin: {
                const auto* touch = static_cast<QTouchEvent*>(event);
                if (touch->points().size() == 1) {
                    at_ = touch->points().constFirst().globalPosition();
                    timer_.start();
                }
                break;
            }
            case QEvent::TouchUpdate: {
                const auto* touch = static_cast<QTouchEvent*>(event);
                if (touch->points().size() != 1 ||
                    (touch->points().constFirst().globalPosition() - at_).manhattanLength() >
                        kLongPressDrift) {
                    timer_.stop();
                }
                break;
            }
            case QEvent::TouchEnd:
            case QEvent::TouchCancel:
                timer_.stop();
                break;
            default:
                break;
        }
        return false;
    }

  private:
    void openMenu() {
        const QPoint global = at_.toPoint();
        QWidget* target = QApplication::widgetAt(global);
        if (!target || target->window() != &window_) {
            target = &window_;
        }
        QContextMenuEvent menu(QContextMenuEvent::Other, target->mapFromGlobal(global), global);
        QApplication::sendEvent(target, &menu);
    }

    QWidget& window_;
    QTimer timer_;
    QPointF at_;
};

// The page's canvas in the browser's pixels, whatever scale the program draws it at now.
QSize pageSize(const QScreen& screen) {
    return (QSizeF(screen.geometry().size()) * windowScale()).toSize();
}

}  // namespace

// The toolkit could not draw in the page: the browser gives it no WebGL, or took it away.
QString windowSystemFailure(const Translations& translations, const QString& toolkitReason) {
    return translations
        .translate("WindowSystemGuard",
                   QT_TRANSLATE_NOOP("WindowSystemGuard", "velmora: окно не открыть: %1"))
        .arg(toolkitReason.section(QLatin1Char('\n'), 0, 0));
}

// The browser's console, and what went wrong on the page too, where its reader sees it (the page
// shows it in place of the window, index.html's velmoraStatus).
void tell(Channel channel, const QString& text) {
    std::FILE* out = channel == Channel::Error ? stderr : stdout;
    std::fputs(text.trimmed().toUtf8().constData(), out);
    std::fputc('\n', out);
    std::fflush(out);
    const val status = val::global("velmoraStatus");
    if (channel == Channel::Error && status.typeOf().as<std::string>() == "function") {
        status(text.trimmed().toStdString());
    }
}

// The browser tells the key's meaning in the layout, not its place on the keyboard.
int keyPosition(const QKeyEvent&) {
    return Qt::Key_unknown;
}

// Each page is a program of its own, its files in its own memory: nothing to share with another.
QString sessionName() {
    return QStringLiteral("page");
}

QString sessionFolder() {
    return QDir::tempPath();
}

SessionLock::SessionLock(const QString&) : held_(true) {}

SessionLock::~SessionLock() = default;

void survivePeersGone() {}

// ?lang= and ?element= of the address.
QStringList pageOptions() {
    const val query = val::global("URLSearchParams").new_(val::global("location")["search"]);
    QStringList options;
    for (const char* name : {"lang", "element"}) {
        const val value = query.call<val>("get", std::string(name));
        if (!value.isNull()) {
            options << QStringLiteral("--%1").arg(QLatin1String(name))
                    << QString::fromStdString(value.as<std::string>());
        }
    }
    return options;
}

QString firstLanguage() {
    const val navigator = val::global("navigator");
    const val languages = navigator["languages"];
    const val first = !languages.isUndefined() && languages["length"].as<int>() > 0
                          ? languages[0]
                          : navigator["language"];
    const QString language =
        first.isString() ? QString::fromStdString(first.as<std::string>()) : QString();
    return language.section(QLatin1Char('-'), 0, 0)
                       .compare(QLatin1String("en"), Qt::CaseInsensitive) == 0
               ? QStringLiteral("en")
               : QStringLiteral("ru");
}

bool windowIsPage() {
    return true;
}

// The screen's geometry changes also when the program draws at another scale; only a page of
// another size is fitted anew.
void showOnPage(QWidget& window, ProjectorView& view) {
    view.show({ViewSize::Mode::FullScreen});
    QScreen* screen = window.screen();
    QObject::connect(screen, &QScreen::geometryChanged, &view,
                     [&view, screen, shown = pageSize(*screen)]() mutable {
                         const QSize now = pageSize(*screen);
                         if (std::abs(now.width() - shown.width()) > 1 ||
                             std::abs(now.height() - shown.height()) > 1) {
                             shown = now;
                             view.show({ViewSize::Mode::FullScreen});
                         }
                     });
    new LongPress(window);
}

// The browser's download of the file, under the name offered.
FileOffer fileOffer() {
    return [](const QByteArray& content, const QString& name) {
        QFileDialog::saveFileContent(content, name);
    };
}

}  // namespace platform
