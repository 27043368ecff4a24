// bench_window_watch [--name TITLE] [--pixel X Y RRGGBB] [--timeout MS] [--output FILE] -- PROGRAM [ARGS...]
//
// Starts PROGRAM on the current X display and reports, in milliseconds from just before it was
// started, when its top-level window was mapped and when the window first showed the given
// colour at the given pixel (i.e. its first paint reached the screen). Nothing in the program
// is instrumented: the watcher listens for MapNotify on the root window and then reads the
// pixel back from the server every half millisecond. It prints one line,
//   pid <pid> mapped_ms <t> painted_ms <t> polls <n> start_ns <CLOCK_MONOTONIC at launch>
// and leaves the program running for the caller to measure further and end. With --output,
// the program's standard output goes to FILE.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <fcntl.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::chrono::microseconds kPollInterval{500};

struct Options {
    std::string name; // window title to wait for; empty: the first window
    std::optional<int> x, y; // pixel to read back, in window coordinates
    unsigned long colour = 0; // its expected 0xRRGGBB value
    int timeout_ms = 10000;
    std::string output; // file for the program's standard output; empty: ours
    char** command = nullptr;
};

std::optional<Options> parse(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--name" && i + 1 < argc) {
            options.name = argv[++i];
        } else if (arg == "--pixel" && i + 3 < argc) {
            options.x = std::atoi(argv[++i]);
            options.y = std::atoi(argv[++i]);
            options.colour = std::strtoul(argv[++i], nullptr, 16);
        } else if (arg == "--output" && i + 1 < argc) {
            options.output = argv[++i];
        } else if (arg == "--timeout" && i + 1 < argc) {
            options.timeout_ms = std::atoi(argv[++i]);
        } else if (arg == "--" && i + 1 < argc) {
            options.command = argv + i + 1;
            return options;
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// Qt writes the title as UTF-8 in both title properties; a plain byte compare is enough here.
bool has_title(Display* display, Window window, const std::string& name)
{
    if (name.empty())
        return true;
    for (const char* property : {"_NET_WM_NAME", "WM_NAME"}) {
        Atom type = None;
        int format = 0;
        unsigned long items = 0, left = 0;
        unsigned char* data = nullptr;
        const Atom atom = XInternAtom(display, property, False);
        if (XGetWindowProperty(
                display, window, atom, 0, 256, False, AnyPropertyType, &type, &format, &items, &left, &data)
                == Success
            && data) {
            const bool same = format == 8 && std::string(reinterpret_cast<char*>(data), items) == name;
            XFree(data);
            if (same)
                return true;
        }
    }
    return false;
}

// Reading a window that is not yet viewable fails with BadMatch: that only means "not yet".
int ignore_errors(Display*, XErrorEvent*)
{
    return 0;
}

std::optional<unsigned long> pixel_at(Display* display, Window window, int x, int y)
{
    XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return std::nullopt;
    const unsigned long value = XGetPixel(image, 0, 0) & 0xFFFFFFul;
    XDestroyImage(image);
    return value;
}

double millis_since(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    const std::optional<Options> options = parse(argc, argv);
    if (!options) {
        std::fprintf(stderr,
            "usage: bench_window_watch [--name TITLE] [--pixel X Y RRGGBB] [--timeout MS] [--output FILE] -- PROGRAM "
            "[ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "bench_window_watch: no X display\n");
        return 1;
    }
    XSetErrorHandler(ignore_errors);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        close(ConnectionNumber(display));
        if (!options->output.empty()) {
            const int fd = open(options->output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd < 0 || dup2(fd, STDOUT_FILENO) < 0)
                _exit(126);
            close(fd);
        }
        execvp(options->command[0], options->command);
        _exit(127);
    }
    if (pid < 0)
        return 1;

    Window shown = None;
    double mapped_ms = -1, painted_ms = -1;
    long polls = 0;
    while (millis_since(start) < options->timeout_ms) {
        while (shown == None && XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect
                && has_title(display, event.xmap.window, options->name)) {
                mapped_ms = millis_since(start);
                shown = event.xmap.window;
            }
        }
        if (shown != None) {
            if (!options->x) {
                painted_ms = mapped_ms;
                break;
            }
            ++polls;
            if (pixel_at(display, shown, *options->x, *options->y) == options->colour) {
                painted_ms = millis_since(start);
                break;
            }
        }
        int child_status = 0;
        if (waitpid(pid, &child_status, WNOHANG) == pid) {
            std::fprintf(stderr, "bench_window_watch: the program ended before its window showed\n");
            return 1;
        }
        if (shown == None) {
            // Sleep until the server says something, or the poll interval passes.
            const int fd = ConnectionNumber(display);
            fd_set readable;
            FD_ZERO(&readable);
            FD_SET(fd, &readable);
            timeval wait{0, static_cast<suseconds_t>(kPollInterval.count())};
            select(fd + 1, &readable, nullptr, nullptr, &wait);
        } else {
            usleep(static_cast<useconds_t>(kPollInterval.count()));
        }
    }
    const auto start_ns = std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch()).count();
    std::printf("pid %d mapped_ms %.2f painted_ms %.2f polls %ld start_ns %lld\n", static_cast<int>(pid), mapped_ms,
        painted_ms, polls, static_cast<long long>(start_ns));
    std::fflush(stdout);
    XCloseDisplay(display);
    return painted_ms < 0 ? 1 : 0;
}
