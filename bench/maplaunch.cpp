// Starts a program and times it from the spawn to the X server mapping its
// window: the root window's MapNotify is watched before the child exists, so
// the time is the server's own moment, not a polling interval. Then waits a
// little, reads the child's peak resident memory, and ends it; with --keep
// it leaves the child running and returns once something else has ended it.
//
//   maplaunch [--settle MS] [--keep] [--timeout S] -- PROGRAM [ARGS...]
//
// Prints one line: pid=N window=N map_us=N cpu_us=N hwm_kb=N rss_kb=N
#include <xcb/xcb.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <poll.h>
#include <string>

extern char **environ;

namespace {

long long nowMicroseconds()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1'000'000 + ts.tv_nsec / 1000;
}

// A field of /proc/PID/status in kB, or -1.
long statusKilobytes(pid_t pid, const std::string &field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0)
            return std::strtol(line.c_str() + field.size() + 1, nullptr, 10);
    }
    return -1;
}

// CPU time of all the child's threads so far, from the scheduler's own
// nanosecond counts: a figure the machine's other load hardly moves.
long long cpuMicroseconds(pid_t pid)
{
    long long total = 0;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto &task : std::filesystem::directory_iterator(tasks)) {
        std::ifstream schedstat(task.path() / "schedstat");
        long long onCpu = 0;
        if (schedstat >> onCpu)
            total += onCpu / 1000;
    }
    return total;
}

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    auto cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(xcb_intern_atom_reply(c, cookie, nullptr),
                                                                         &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The _NET_WM_PID a toolkit puts on its windows, or 0.
pid_t windowPid(xcb_connection_t *c, xcb_window_t window, xcb_atom_t netWmPid)
{
    auto cookie = xcb_get_property(c, 0, window, netWmPid, XCB_ATOM_CARDINAL, 0, 1);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(xcb_get_property_reply(c, cookie, nullptr),
                                                                          &std::free);
    if (!reply || xcb_get_property_value_length(reply.get()) < 4)
        return 0;
    return static_cast<pid_t>(*static_cast<uint32_t *>(xcb_get_property_value(reply.get())));
}

int usage()
{
    std::fprintf(stderr, "usage: maplaunch [--settle MS] [--keep] [--timeout S] -- PROGRAM [ARGS...]\n");
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    int settleMs = 500;
    int timeoutS = 30;
    bool keep = false;
    int first = 1;
    for (; first < argc; ++first) {
        const std::string arg = argv[first];
        if (arg == "--settle" && first + 1 < argc)
            settleMs = std::atoi(argv[++first]);
        else if (arg == "--timeout" && first + 1 < argc)
            timeoutS = std::atoi(argv[++first]);
        else if (arg == "--keep")
            keep = true;
        else if (arg == "--") {
            ++first;
            break;
        } else
            return usage();
    }
    if (first >= argc)
        return usage();

    int screenNumber = 0;
    xcb_connection_t *c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "maplaunch: cannot open the display\n");
        return 1;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&it);
    const xcb_window_t root = it.data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t netWmPid = atom(c, "_NET_WM_PID"); // also a round trip: the selection is in place

    pid_t pid = 0;
    const long long start = nowMicroseconds();
    // The child's output goes to stderr: stdout carries only our one line, and
    // a kept child holds no pipe of the caller's open.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
    const int err = posix_spawnp(&pid, argv[first], &actions, nullptr, &argv[first], environ);
    posix_spawn_file_actions_destroy(&actions);
    if (err != 0) {
        std::fprintf(stderr, "maplaunch: cannot start %s: %s\n", argv[first], std::strerror(err));
        return 1;
    }

    long long mapped = -1;
    long long cpuAtMap = -1;
    xcb_window_t window = XCB_WINDOW_NONE;
    const long long deadline = start + static_cast<long long>(timeoutS) * 1'000'000;
    pollfd pfd{xcb_get_file_descriptor(c), POLLIN, 0};
    while (mapped < 0 && nowMicroseconds() < deadline) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_poll_for_event(c), &std::free);
        if (!event) {
            if (xcb_connection_has_error(c))
                break;
            poll(&pfd, 1, 100);
            continue;
        }
        if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY)
            continue;
        const long long at = nowMicroseconds();
        const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event.get());
        if (!map->override_redirect && windowPid(c, map->window, netWmPid) == pid) {
            mapped = at;
            cpuAtMap = cpuMicroseconds(pid);
            window = map->window;
        }
    }
    xcb_disconnect(c);
    if (mapped < 0) {
        std::fprintf(stderr, "maplaunch: %s mapped no window in %d s\n", argv[first], timeoutS);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return 1;
    }

    usleep(static_cast<useconds_t>(settleMs) * 1000);
    std::printf("pid=%d window=%u map_us=%lld cpu_us=%lld hwm_kb=%ld rss_kb=%ld\n", static_cast<int>(pid), window,
                mapped - start, cpuAtMap, statusKilobytes(pid, "VmHWM"), statusKilobytes(pid, "VmRSS"));
    std::fflush(stdout);
    if (!keep)
        kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return 0;
}
