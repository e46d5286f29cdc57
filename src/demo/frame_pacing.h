#pragma once

#include <QtGlobal>

// The rhythm of the run loop's passes: one a display frame, without hurrying to catch up.
namespace pacing {

struct FrameWait {
    qint64 due;   // when the next pass is due, ns on the loop's monotonic clock
    qint64 wait;  // how long to wait for it from now, ns; 0 runs it at once
};

// The next pass is due one frame after the previous due time. When that time has already passed
// (a pass with its painting took longer than a frame), it runs at once, and the rhythm starts
// again from now.
constexpr FrameWait nextFrame(qint64 previousDue, qint64 now, qint64 frame) {
    const qint64 due = previousDue + frame;
    if (due <= now) {
        return {now, 0};
    }
    return {due, due - now};
}

}  // namespace pacing
