// Times a program's start from outside, as a player sees it: from its launch to its first
// window mapped on the X server, and to the first pixel drawn in that window (any pixel of the
// window's middle row or column that is no longer black). Prints
// "pid PID mapped-ms M first-pixel-ms P" and leaves the program running; run under Xvfb.
// Usage: window-start-timer COMMAND [ARGUMENTS...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <sys/select.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

namespace {

double msSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Whether a strip of the window holds a pixel that is not black.
bool drawnIn(Display* display, Window window, int x, int y, int width, int height)
{
    XErrorHandler previous = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    XImage* image = XGetImage(display, window, x, y, static_cast<unsigned>(width), static_cast<unsigned>(height),
                              AllPlanes, ZPixmap);
    XSetErrorHandler(previous);
    if (image == nullptr) return false;
    bool drawn = false;
    for (int row = 0; row < height && !drawn; ++row) {
        for (int column = 0; column < width && !drawn; ++column) drawn = (XGetPixel(image, column, row) & 0xFFFFFF) != 0;
    }
    XDestroyImage(image);
    return drawn;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: window-start-timer COMMAND [ARGUMENTS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return 1;
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        execvp(argv[1], argv + 1);
        _exit(127);
    }

    Window mapped = 0;
    double mappedMs = -1;
    while (mapped == 0 && msSince(start) < 10000) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && mapped == 0) {
                mapped = event.xmap.window;
                mappedMs = msSince(start);
            }
        }
        if (mapped == 0) {
            const int fd = ConnectionNumber(display);
            fd_set wait;
            FD_ZERO(&wait);
            FD_SET(fd, &wait);
            timeval slice{0, 1000};
            select(fd + 1, &wait, nullptr, nullptr, &slice);
        }
    }
    double pixelMs = -1;
    if (mapped != 0) {
        XWindowAttributes attributes{};
        XGetWindowAttributes(display, mapped, &attributes);
        const int w = attributes.width;
        const int h = attributes.height;
        while (pixelMs < 0 && msSince(start) < 10000) {
            if (drawnIn(display, mapped, 0, h / 2, w, 1) || drawnIn(display, mapped, w / 2, 0, 1, h)) {
                pixelMs = msSince(start);
            } else {
                usleep(250);
            }
        }
    }
    std::printf("pid %d mapped-ms %.1f first-pixel-ms %.1f\n", static_cast<int>(pid), mappedMs, pixelMs);
    XCloseDisplay(display);
    return mapped != 0 && pixelMs >= 0 ? 0 : 1;
}
