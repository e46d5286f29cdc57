// Marks a program's first frame from inside it, without the program knowing: loaded into the
// program by the benchmark (LD_PRELOAD), it stands in front of the two calls by which the
// toolkit sends a window's picture to the X server, and at the first of them writes one line to
// standard error: "velmora-bench: first frame: PEAK_KB kB, PROCESSOR_NS ns", the peak resident
// memory and the processor time of the whole process up to that moment. The calls go on to the
// library as always.

#include <dlfcn.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

bool marked = false;

long peakKilobytes() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status) {
        return -1;
    }
    char line[256];
    long kilobytes = -1;
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "VmHWM:", 6) == 0) {
            kilobytes = std::strtol(line + 6, nullptr, 10);
        }
    }
    std::fclose(status);
    return kilobytes;
}

void markFirstFrame() {
    if (marked) {
        return;
    }
    marked = true;
    timespec processor{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &processor);
    std::fprintf(stderr, "velmora-bench: first frame: %ld kB, %lld ns\n", peakKilobytes(),
                 static_cast<long long>(processor.tv_sec) * 1'000'000'000 + processor.tv_nsec);
    std::fflush(stderr);
}

template <class Function>
Function next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" {

// MIT-SHM's call, declared here as libxcb-shm declares it, so that its headers are not needed.
xcb_void_cookie_t xcb_shm_put_image(xcb_connection_t* c, xcb_drawable_t drawable, xcb_gcontext_t gc,
                                    uint16_t total_width, uint16_t total_height, uint16_t src_x,
                                    uint16_t src_y, uint16_t src_width, uint16_t src_height,
                                    int16_t dst_x, int16_t dst_y, uint8_t depth, uint8_t format,
                                    uint8_t send_event, uint32_t shmseg, uint32_t offset) {
    markFirstFrame();
    static const auto real = next<decltype(&xcb_shm_put_image)>("xcb_shm_put_image");
    return real(c, drawable, gc, total_width, total_height, src_x, src_y, src_width, src_height,
                dst_x, dst_y, depth, format, send_event, shmseg, offset);
}

xcb_void_cookie_t xcb_copy_area(xcb_connection_t* c, xcb_drawable_t src_drawable,
                                xcb_drawable_t dst_drawable, xcb_gcontext_t gc, int16_t src_x,
                                int16_t src_y, int16_t dst_x, int16_t dst_y, uint16_t width,
                                uint16_t height) {
    markFirstFrame();
    static const auto real = next<decltype(&xcb_copy_area)>("xcb_copy_area");
    return real(c, src_drawable, dst_drawable, gc, src_x, src_y, dst_x, dst_y, width, height);
}
}
