// Runs the demonstration in a real window for a few seconds and prints how it performs next to
// its targets: passes per second, processor share, and the cost of a pass without its wait.
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
#include <vector>

#include "app/application.h"
#include "app/form1.h"

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void report(const char* what, double value, const char* unit, const char* relation, double target,
            bool met) {
    std::printf("  %-28s %8.2f %-3s  target %s %g %s  %s\n", what, value, unit, relation, target,
                unit, met ? "ok" : "MISSED");
}

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

    QApplication app(argc, argv);
    setUpApplication();

    QElapsedTimer clock;
    clock.start();
    constexpr double kWarmUp = 1.0;
    Form1* form = nullptr;
    std::vector<double> passCosts;
    qint64 workStart = -1;
    qint64 measureStart = -1;
    double cpuStart = 0;
    long passes = 0;
    double wall = 0;
    double cpu = 0;

    Form1 window({{}, [&] {
                      const qint64 now = clock.nsecsElapsed();
                      form->processPendingInput();
                      const qint64 afterInput = clock.nsecsElapsed();
                      const double t = static_cast<double>(now) / 1e9;
                      if (measureStart < 0 && t >= kWarmUp) {
                          measureStart = now;
                          cpuStart = cpuSeconds();
                      } else if (measureStart >= 0 && workStart >= 0) {
                          // The pass's own work, and the input and painting of its yield.
                          passCosts.push_back(static_cast<double>(afterInput - workStart) / 1e6);
                          ++passes;
                      }
                      if (measureStart >= 0 && t >= kWarmUp + seconds && form->running == 1) {
                          wall = static_cast<double>(now - measureStart) / 1e9;
                          cpu = cpuSeconds() - cpuStart;
                          form->picOn_Click();  // stop
                          return;
                      }
                      form->waitForNextFrame();
                      workStart = clock.nsecsElapsed();
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

    std::sort(passCosts.begin(), passCosts.end());
    auto percentile = [&](double p) {
        if (passCosts.empty()) {
            return 0.0;
        }
        const auto i = static_cast<std::size_t>(p * static_cast<double>(passCosts.size() - 1));
        return passCosts[i];
    };
    const double rate = wall > 0 ? static_cast<double>(passes) / wall : 0;
    const double share = wall > 0 ? 100 * cpu / wall : 0;
    std::printf("sldW %d, sldU %d, sldL %d: %ld passes in %.1f s\n", modeW, modeU, modeL, passes,
                wall);
    report("passes per second", rate, "", ">=", 55, rate >= 55);
    report("CPU share of one core", share, "%", "<=", 20, share <= 20);
    report("pass cost, median", percentile(0.5), "ms", "<=", 1, percentile(0.5) <= 1);
    report("pass cost, 99th percentile", percentile(0.99), "ms", "<=", 4, percentile(0.99) <= 4);
    return 0;
}
