// wait-mapped WIDTH HEIGHT TIMEOUT_MS
// Waits until a window of exactly WIDTH x HEIGHT is viewable on the X display
// (a top-level window or the client inside a window manager's frame) and
// prints the time it was seen, in nanoseconds since the epoch, so that a
// bench script can subtract the time it started the program. Polls every
// millisecond: a bench tool, not part of the player.
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

bool viewableOfSize(Display* display, Window window, int width, int height, int depth) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(display, window, &a) || a.map_state != IsViewable)
        return false;
    if (a.width == width && a.height == height)
        return true;
    if (depth == 0)
        return false;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    bool found = false;
    if (XQueryTree(display, window, &root, &parent, &children, &count)) {
        for (unsigned i = 0; i < count && !found; ++i)
            found = viewableOfSize(display, children[i], width, height, depth - 1);
        if (children)
            XFree(children);
    }
    return found;
}

int ignoreErrors(Display*, XErrorEvent*) { return 0; } // windows vanish while we look

} // namespace

int main(int argc, char** argv) {
    if (argc < 4)
        return 2;
    const int width = std::atoi(argv[1]), height = std::atoi(argv[2]), timeoutMs = std::atoi(argv[3]);
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 2;
    XSetErrorHandler(ignoreErrors);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        Window root = DefaultRootWindow(display), r = 0, p = 0, *children = nullptr;
        unsigned count = 0;
        bool found = false;
        if (XQueryTree(display, root, &r, &p, &children, &count)) {
            for (unsigned i = 0; i < count && !found; ++i)
                found = viewableOfSize(display, children[i], width, height, 2);
            if (children)
                XFree(children);
        }
        if (found) {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::printf("%lld\n", static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return 1;
}
