#include "demo/demo_clock.h"

#include <algorithm>
#include <utility>

DemoClock::DemoClock(std::function<double()> wall) : wall_(std::move(wall)) {}

double DemoClock::now() const {
    if (standing()) {
        return base_;
    }
    return base_ + (wall_() - wallBase_) / slowdown_;
}

double DemoClock::read() {
    lastRead_ = now();
    return *lastRead_;
}

void DemoClock::rebase() {
    base_ = now();
    wallBase_ = wall_();
}

void DemoClock::setPaused(bool paused) {
    rebase();
    if (paused && !paused_ && lastRead_) {
        base_ = *lastRead_;
    }
    paused_ = paused;
    emit changed();
}

void DemoClock::setSlowdown(int slowdown) {
    rebase();
    slowdown_ = std::clamp(slowdown, kNormalSpeed, kSlowestSpeed);
    emit changed();
}

DemoClock::Hold::Hold(DemoClock& clock) : clock_(clock) {
    clock_.rebase();
    ++clock_.holds_;
}

DemoClock::Hold::~Hold() {
    clock_.rebase();
    --clock_.holds_;
}

int slower(int slowdown) {
    return std::min(slowdown * 2, kSlowestSpeed);
}

int faster(int slowdown) {
    return std::max(slowdown / 2, kNormalSpeed);
}
