// x11-grab-key KEYSYM: another program on the desktop that owns a key. Grabs the
// key on the root window (any modifiers), prints "grabbed" or "refused" and
// holds the grab until its standard input closes.
#include <X11/Xlib.h>
#include <cstdio>

namespace {
bool refused = false;
int onError(Display*, XErrorEvent* error) {
    refused = refused || error->error_code == BadAccess;
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    Display* display = argc == 2 ? XOpenDisplay(nullptr) : nullptr;
    if (!display)
        return 2;
    const KeyCode keycode = XKeysymToKeycode(display, XStringToKeysym(argv[1]));
    if (keycode == 0)
        return 3;
    XSetErrorHandler(onError);
    XGrabKey(display, keycode, AnyModifier, DefaultRootWindow(display), False, GrabModeAsync, GrabModeAsync);
    XSync(display, False);
    std::puts(refused ? "refused" : "grabbed");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    XCloseDisplay(display);
    return 0;
}
