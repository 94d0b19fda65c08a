// kezora-mapwait NAME COMMAND...: starts COMMAND and prints the milliseconds
// from its exec to the mapping of a top-level window called NAME, then ends it.
// Listening to the root window's MapNotify is exact where polling is not.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <poll.h>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

std::string nameOf(Display* d, Window w)
{
    const Atom netName = XInternAtom(d, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    std::string name;
    if (XGetWindowProperty(d, w, netName, 0, 1024, False, utf8, &type, &format, &count, &after, &data) == Success
        && data) {
        name.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    return name;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: kezora-mapwait NAME COMMAND...\n");
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "kezora-mapwait: no display\n");
        return 2;
    }
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    XSync(d, False);
    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    int rc = 1;
    const double deadline = start + 20000;
    while (nowMs() < deadline) {
        if (!XPending(d)) {
            int st;
            if (waitpid(child, &st, WNOHANG) == child) {
                std::fprintf(stderr, "kezora-mapwait: the program ended first\n");
                return 1;
            }
            pollfd pfd{ConnectionNumber(d), POLLIN, 0};
            poll(&pfd, 1, 20);
            continue;
        }
        XEvent e;
        XNextEvent(d, &e);
        if (e.type == MapNotify && nameOf(d, e.xmap.window) == argv[1]) {
            std::printf("%.1f\n", nowMs() - start);
            rc = 0;
            break;
        }
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(d);
    return rc;
}
