// Launch to a mapped window, and to its first painting: BRENOLDI side by side with a bare Qt
// window of 24 buttons (bare_window), each started afresh, timed from just before the process
// starts until the X server reports its window mapped, and then drawn into (the DAMAGE
// extension). Prints the medians of several launches of each and the ratios. Needs an X server
// without a window manager (xvfb-run).
//   xvfb-run -a build/bench/bench_launch build/app/qt/brenoldi build/bench/bare_window [launches]

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Times {
    double mapped = -1, painted = -1;
};

// Milliseconds from the spawn of `program` until its window is mapped, and drawn into.
Times launch(xcb_connection_t* x, const char* program) {
    const auto start = Clock::now();
    pid_t pid = 0;
    char* arguments[] = {const_cast<char*>(program), nullptr};
    if (posix_spawn(&pid, program, nullptr, nullptr, arguments, environ) != 0) {
        std::perror(program);
        std::exit(1);
    }
    Times times;
    const auto now = [start] {
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    };
    const std::uint8_t damaged =
        xcb_get_extension_data(x, &xcb_damage_id)->first_event + XCB_DAMAGE_NOTIFY;
    std::vector<xcb_damage_damage_t> damages;
    xcb_window_t window = XCB_NONE;
    while (xcb_generic_event_t* event = xcb_wait_for_event(x)) {
        const int type = event->response_type & 0x7F;
        if (type == XCB_CREATE_NOTIFY) {
            // Every new top-level window is watched from its creation, so no drawing is missed.
            damages.push_back(xcb_generate_id(x));
            xcb_damage_create(x, damages.back(),
                              reinterpret_cast<xcb_create_notify_event_t*>(event)->window,
                              XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(x);
        } else if (type == XCB_MAP_NOTIFY && window == XCB_NONE) {
            window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
            times.mapped = now();
        } else if (type == damaged && window != XCB_NONE &&
                   reinterpret_cast<xcb_damage_notify_event_t*>(event)->drawable == window) {
            times.painted = now();
        }
        std::free(event);
        if (times.painted >= 0)
            break;
    }
    for (const xcb_damage_damage_t damage : damages)
        xcb_damage_destroy(x, damage);
    xcb_flush(x);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return times;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fputs("usage: bench_launch PROGRAM FLOOR [launches]\n", stderr);
        return 2;
    }
    const int launches = argc > 3 ? std::atoi(argv[3]) : 9;
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x))
        return 1;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    xcb_discard_reply(x, xcb_damage_query_version(x, 1, 1).sequence);
    const std::uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &events);
    xcb_flush(x);
    launch(x, argv[2]); // warms the disk cache for both
    launch(x, argv[1]);
    std::vector<double> mapped, painted, floorMapped, floorPainted;
    for (int i = 0; i < launches; ++i) { // interleaved, so load on the machine hits both alike
        const Times program = launch(x, argv[1]), floor = launch(x, argv[2]);
        mapped.push_back(program.mapped);
        painted.push_back(program.painted);
        floorMapped.push_back(floor.mapped);
        floorPainted.push_back(floor.painted);
    }
    const double m = median(mapped), fm = median(floorMapped);
    const double p = median(painted), fp = median(floorPainted);
    std::printf("Launch, median of %d: mapped %.1f ms (bare Qt window %.1f ms, %.2fx), "
                "painted %.1f ms (%.1f ms, %.2fx)\n",
                launches, m, fm, m / fm, p, fp, p / fp);
    xcb_disconnect(x);
    return 0;
}
