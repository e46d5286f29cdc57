// Runs the demonstration in a real window for a few seconds and prints how it performs next to
// its targets: passes per second, processor share, and the cost of a pass without its wait,
// both as time on the clock and as processor time of the program's one thread.
//
//   velmora_bench <seconds> <sldW> <sldU> <sldL>

#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "app/application.h"
#include "app/form1.h"

namespace {

double processSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double threadMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double percentile(std::vector<double> values, double p) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

void report(const char* what, double value, const char* unit, const char* relation, double target,
            bool met) {
    std::printf("  %-40s %8.2f %-3s  target %s %g %s  %s\n", what, value, unit, relation, target,
                unit, met ? "ok" : "MISSED");
}

// What one run measures, from the end of the warm-up to the stop.
struct Measurement {
    QElapsedTimer clock;
    qint64 start = -1;        // ns on `clock`
    double processStart = 0;  // s of processor time
    double passStartWall = -1;
    double passStartCpu = 0;
    std::vector<double> wallCosts;  // ms per pass
    std::vector<double> cpuCosts;
    double wall = 0;
    double processor = 0;

    double seconds() const { return static_cast<double>(clock.nsecsElapsed()) / 1e9; }
};

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 5) {
        std::fputs("usage: velmora_bench <seconds> <sldW> <sldU> <sldL>\n", stderr);
        return 2;
    }
    const double seconds = std::atof(argv[1]);
    const int modeW = std::atoi(argv[2]);
    const int modeU = std::atoi(argv[3]);
    const int modeL = std::atoi(argv[4]);
    constexpr double kWarmUp = 1.0;

    QApplication app(argc, argv);
    setUpApplication();

    Measurement m;
    m.clock.start();
    Form1* form = nullptr;
    // The program's own yield, in its two halves, with the pass's work measured around the wait:
    // from the end of one wait to the end of the next input processing (painting included).
    Form1 window({{}, [&] {
                      form->processPendingInput();
                      const double now = m.seconds();
                      if (m.start < 0 && now >= kWarmUp) {
                          m.start = m.clock.nsecsElapsed();
                          m.processStart = processSeconds();
                      } else if (m.start >= 0 && m.passStartWall >= 0) {
                          m.wallCosts.push_back((now - m.passStartWall) * 1e3);
                          m.cpuCosts.push_back(threadMilliseconds() - m.passStartCpu);
                      }
                      if (m.start >= 0 && now >= kWarmUp + seconds && form->running == 1) {
                          m.wall = static_cast<double>(m.clock.nsecsElapsed() - m.start) / 1e9;
                          m.processor = processSeconds() - m.processStart;
                          form->picOn_Click();  // stop
                          return;
                      }
                      form->waitForNextFrame();
                      m.passStartWall = m.seconds();
                      m.passStartCpu = threadMilliseconds();
                  }});
    form = &window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fputs("velmora_bench: the window was not shown\n", stderr);
        return 1;
    }
    window.sldW->setValue(modeW);
    window.sldU->setValue(modeU);
    window.sldL->setValue(modeL);
    QTimer::singleShot(0, &window, [&] {
        window.picOn_Click();
        QCoreApplication::quit();
    });
    QApplication::exec();

    const auto passes = m.wallCosts.size();
    const double rate = m.wall > 0 ? static_cast<double>(passes) / m.wall : 0;
    const double share = m.wall > 0 ? 100 * m.processor / m.wall : 0;
    std::printf("sldW %d, sldU %d, sldL %d: %zu passes in %.1f s\n", modeW, modeU, modeL, passes,
                m.wall);
    report("passes per second", rate, "", ">=", 55, rate >= 55);
    report("CPU share of one core", share, "%", "<=", 20, share <= 20);
    const double wallMedian = percentile(m.wallCosts, 0.5);
    const double wall99 = percentile(m.wallCosts, 0.99);
    const double cpuMedian = percentile(m.cpuCosts, 0.5);
    const double cpu99 = percentile(m.cpuCosts, 0.99);
    report("pass cost, median (clock)", wallMedian, "ms", "<=", 1, wallMedian <= 1);
    report("pass cost, 99th percentile (clock)", wall99, "ms", "<=", 4, wall99 <= 4);
    report("pass cost, median (processor)", cpuMedian, "ms", "<=", 1, cpuMedian <= 1);
    report("pass cost, 99th percentile (processor)", cpu99, "ms", "<=", 4, cpu99 <= 4);
    return 0;
}
