// The start-up benchmark's stopwatch (bench/startup.sh): starts the program and watches
// its windows from outside, as the X server sees them. The program shows its main window,
// then the splash over it while the start-up runs. When the splash goes, this program
// drags something over the main window, as a file manager would (the drag-and-drop
// protocol's enter and position messages). The program answers with its status only once
// its message loop runs again, that is when the start-up work after the splash is done
// and the window takes input: that answer is the moment the main window is ready.
//
//   startup_probe PROGRAM
//
// Prints "pid=... main_ms=... splash_shown_ms=... splash_gone_ms=... ready_ms=...", the
// times counted from the start, and leaves the program running. Exits with 1 when the
// program ends or nothing happens within 60 seconds.

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

long msSince(Clock::time_point start)
{
    return long(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

// A window the program shows, not one of Qt's 1x1 helpers.
bool isRealWindow(Display *display, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes))
        return false;
    return attributes.width > 1 && attributes.height > 1 && !attributes.override_redirect;
}

void sendDnd(Display *display, Window target, Atom type, long l1, long l2, long l3, long l4,
             Window source)
{
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = target;
    event.xclient.message_type = type;
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(source);
    event.xclient.data.l[1] = l1;
    event.xclient.data.l[2] = l2;
    event.xclient.data.l[3] = l3;
    event.xclient.data.l[4] = l4;
    XSendEvent(display, target, False, NoEventMask, &event);
    XFlush(display);
}

// Enters the window with a file list and moves to its middle.
void dragOver(Display *display, Window target, Window source)
{
    Window child;
    int x = 0, y = 0;
    XWindowAttributes attributes;
    XGetWindowAttributes(display, target, &attributes);
    XTranslateCoordinates(display, target, DefaultRootWindow(display), attributes.width / 2,
                          attributes.height / 2, &x, &y, &child);
    const Atom uriList = XInternAtom(display, "text/uri-list", False);
    sendDnd(display, target, XInternAtom(display, "XdndEnter", False), 5L << 24, long(uriList), 0,
            0, source);
    sendDnd(display, target, XInternAtom(display, "XdndPosition", False), 0,
            (long(x) << 16) | long(y), CurrentTime,
            long(XInternAtom(display, "XdndActionCopy", False)), source);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PROGRAM\n", argv[0]);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_probe: no X display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    const Atom status = XInternAtom(display, "XdndStatus", False);
    // The drag's source window: never shown, it receives the target's answer.
    const Window source = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    char *programArgv[] = {argv[1], nullptr};
    if (posix_spawn(&pid, argv[1], nullptr, nullptr, programArgv, environ) != 0) {
        std::fprintf(stderr, "startup_probe: cannot start %s\n", argv[1]);
        return 1;
    }

    Window main = 0;
    Window splash = 0;
    long mainMs = -1, splashShownMs = -1, splashGoneMs = -1, readyMs = -1;
    const int fd = ConnectionNumber(display);
    while (readyMs < 0) {
        if (msSince(start) > 60000 || waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "startup_probe: the program did not get ready\n");
            return 1;
        }
        if (!XPending(display)) {
            fd_set readable;
            FD_ZERO(&readable);
            FD_SET(fd, &readable);
            timeval wait{0, 100000};
            select(fd + 1, &readable, nullptr, nullptr, &wait);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && isRealWindow(display, event.xmap.window)) {
            // The main window is shown first, the splash over it.
            if (!main) {
                main = event.xmap.window;
                mainMs = msSince(start);
            } else if (!splash && event.xmap.window != main) {
                splash = event.xmap.window;
                splashShownMs = msSince(start);
            }
        } else if (event.type == UnmapNotify && splash && event.xunmap.window == splash &&
                   splashGoneMs < 0) {
            splashGoneMs = msSince(start);
            dragOver(display, main, source);
        } else if (event.type == ClientMessage && event.xclient.window == source &&
                   event.xclient.message_type == status) {
            readyMs = msSince(start);
            sendDnd(display, main, XInternAtom(display, "XdndLeave", False), 0, 0, 0, 0, source);
        }
    }
    std::printf("pid=%d main_ms=%ld splash_shown_ms=%ld splash_gone_ms=%ld ready_ms=%ld\n",
                int(pid), mainMs, splashShownMs, splashGoneMs, readyMs);
    XCloseDisplay(display);
    return 0;
}
