// The demonstration left running for a long time, as in a lesson: mode 9, the graphs shown, the
// amplitude and the inductance moved to random places every few seconds. Every 30 s it prints
// the pass rate of the last 30 s, the resident memory, the X server's pixmaps held for the
// program (through xrestop, where it is installed) and the number of widgets. Ends with status 1
// unless the memory and the pixmaps stay within 2 MB of their values after the first minute, the
// widgets stay as many as at the start and every 30 s holds at least 55 passes a second.
//
//   velmora_soak [MINUTES] [SEED]      default 30 minutes

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSlider>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "bench_support.h"
#include "demo/form1.h"
#include "shell/application.h"

namespace {

constexpr double kSampleSeconds = 30;
constexpr double kSettleSeconds = 60;  // the values after this are the ones to hold
constexpr long kDriftKilobytes = 2048;
constexpr double kLeastRate = 55;

struct Pixmaps {
    long count = -1;  // -1: not read
    long kilobytes = -1;
};

// What xrestop counts for this program's connection, which names itself after the application.
Pixmaps serverPixmaps() {
    QProcess xrestop;
    xrestop.start(QStringLiteral("xrestop"),
                  {QStringLiteral("-b"), QStringLiteral("-m"), QStringLiteral("1")});
    if (!xrestop.waitForFinished(5000) || xrestop.exitCode() != 0) {
        return {};
    }
    const QByteArray owner = "for " + QCoreApplication::applicationName().toLocal8Bit() + " (";
    Pixmaps found;
    bool ours = false;
    for (const QByteArray& line : xrestop.readAllStandardOutput().split('\n')) {
        if (!line.startsWith('\t')) {
            ours = line.contains(owner);
            continue;
        }
        const QList<QByteArray> field = line.split(':');
        if (!ours || field.size() != 2) {
            continue;
        }
        const QByteArray name = field[0].trimmed();
        if (name == "pixmaps") {
            found.count = field[1].trimmed().toLong();
        } else if (name == "pixmap bytes") {
            found.kilobytes = field[1].trimmed().toLong() / 1024;
        }
    }
    return found;
}

struct Sample {
    double seconds;
    double rate;
    long resident;  // kB
    Pixmaps pixmaps;
    qsizetype widgets;
};

QString drift(long value, long base) {
    return value < 0 || base < 0 ? QStringLiteral("-") : QString::number(value - base);
}

void printSample(const Sample& s, const Sample* base) {
    const int whole = static_cast<int>(s.seconds + 0.5);
    std::printf("  %3d:%02d  %8.1f  %9ld  %9s  %9ld  %9s  %7ld  %7lld\n", whole / 60, whole % 60,
                s.rate, s.resident, base ? qPrintable(drift(s.resident, base->resident)) : "",
                s.pixmaps.kilobytes,
                base ? qPrintable(drift(s.pixmaps.kilobytes, base->pixmaps.kilobytes)) : "",
                s.pixmaps.count, static_cast<long long>(s.widgets));
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[]) {
    const double minutes = argc > 1 ? std::atof(argv[1]) : 30;
    const quint32 seed = argc > 2 ? static_cast<quint32>(std::atol(argv[2])) : 20261208;
    QApplication app(argc, argv);
    setUpApplication();
    QRandomGenerator random(seed);

    std::vector<Sample> samples;
    QElapsedTimer clock;
    const double end = minutes * 60;
    double nextMove = 0;
    double nextSample = kSampleSeconds;
    long passes = 0;
    long passesAtSample = 0;
    qsizetype widgetsAtStart = 0;
    std::optional<std::size_t> base;  // the sample after the first minute
    Form1* form = nullptr;
    Form1 window({{}, [&] {
                      form->processPendingInput();
                      ++passes;
                      const double now = static_cast<double>(clock.nsecsElapsed()) / 1e9;
                      if (now >= nextMove) {
                          form->sldU->setValue(random.bounded(1, 11));
                          form->sldL->setValue(random.bounded(1, 11));
                          nextMove = now + 2 + random.bounded(3.0);
                      }
                      if (now >= nextSample) {
                          const double last = samples.empty() ? 0 : samples.back().seconds;
                          samples.push_back(
                              {now, static_cast<double>(passes - passesAtSample) / (now - last),
                               bench::statusKilobytes("VmRSS"), serverPixmaps(),
                               form->findChildren<QWidget*>().size()});
                          passesAtSample = passes;
                          if (!base && now >= kSettleSeconds) {
                              base = samples.size() - 1;
                          }
                          printSample(samples.back(), base ? &samples[*base] : nullptr);
                          nextSample += kSampleSeconds;
                      }
                      if (now >= end && form->running == 1) {
                          form->picOn_Click();  // stop
                          return;
                      }
                      form->waitForNextFrame();
                  }});
    form = &window;
    if (!bench::showFirstFrame(window)) {
        std::fputs("velmora_soak: the window was not shown\n", stderr);
        return 1;
    }
    window.sldW->setValue(9);
    window.Command4_Click();  // the curtain opens on the graphs
    widgetsAtStart = window.findChildren<QWidget*>().size();
    std::printf(
        "Mode 9, graphs shown, sliders moved every 2 to 5 s (seed %u), %g minutes; "
        "%lld widgets\n",
        seed, minutes, static_cast<long long>(widgetsAtStart));
    std::printf("  %6s  %8s  %9s  %9s  %9s  %9s  %7s  %7s\n", "time", "passes/s", "RSS kB",
                "drift kB", "pixmap kB", "drift kB", "pixmaps", "widgets");
    QTimer::singleShot(0, &window, [&] {
        clock.start();
        window.picOn_Click();
        QCoreApplication::quit();
    });
    QApplication::exec();

    QStringList failures;
    const Sample* held = base ? &samples[*base] : nullptr;
    for (const Sample& s : samples) {
        if (s.rate < kLeastRate) {
            failures << QStringLiteral("%1 passes a second at %2 s").arg(s.rate).arg(s.seconds);
        }
        if (s.widgets != widgetsAtStart) {
            failures << QStringLiteral("%1 widgets at %2 s").arg(s.widgets).arg(s.seconds);
        }
        if (held && s.seconds > held->seconds) {
            if (std::labs(s.resident - held->resident) > kDriftKilobytes) {
                failures << QStringLiteral("resident memory %1 kB from its value after a minute")
                                .arg(s.resident - held->resident);
            }
            if (held->pixmaps.kilobytes >= 0 &&
                std::labs(s.pixmaps.kilobytes - held->pixmaps.kilobytes) > kDriftKilobytes) {
                failures << QStringLiteral("X pixmaps %1 kB from their value after a minute")
                                .arg(s.pixmaps.kilobytes - held->pixmaps.kilobytes);
            }
        }
    }
    if (!held) {
        failures << QStringLiteral("too short a run to compare anything with its first minute");
    }
    if (!samples.empty() && samples.front().pixmaps.kilobytes < 0) {
        std::printf("X pixmaps not read (xrestop is missing or found no connection).\n");
    }
    if (failures.isEmpty()) {
        std::printf("Held throughout.\n");
        return 0;
    }
    std::printf("Not held: %s\n", qPrintable(failures.join(QStringLiteral("; "))));
    return 1;
}
