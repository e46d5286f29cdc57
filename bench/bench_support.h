#pragma once

// What the benchmark and the long run share: the process's own figures as Linux reports them,
// and showing the window until its first frame is out.

#include <sys/resource.h>

#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace bench {

// Processor seconds of the whole process, every thread, user and system.
inline double processSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// A line of /proc/PID/status in kB, of this process or another: "VmRSS" is the resident memory
// now, "VmHWM" its peak.
inline long statusKilobytes(const QByteArray& field, qint64 pid = 0) {
    QFile status(pid == 0 ? QStringLiteral("/proc/self/status")
                          : QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray prefix = field + ':';
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith(prefix)) {
            return line.mid(prefix.size()).simplified().split(' ').value(0).toLong();
        }
    }
    return -1;
}

// The value at fraction p (0 to 1) of the sorted values, 0 for none.
inline double percentile(std::vector<double> values, double p) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

// Shows the window and returns once its first frame has gone to the display: the window's own
// paint comes first, the children's follow in the same update, and the finished frame is handed
// to the window system before the event loop takes the next event. False after 10 s without.
inline bool showFirstFrame(QWidget& window) {
    struct FirstPaint : QObject {
        QEventLoop done;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) {
                QTimer::singleShot(0, &done, [this] { done.exit(1); });
            }
            return false;
        }
    } firstPaint;
    window.installEventFilter(&firstPaint);
    window.show();
    QTimer::singleShot(10'000, &firstPaint.done, [&] { firstPaint.done.exit(0); });
    const bool shown = firstPaint.done.exec() == 1;
    window.removeEventFilter(&firstPaint);
    return shown;
}

}  // namespace bench
