// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Times a program's start from outside, as a player sees it: from its launch to its first
// window mapped on the X server, and to the first pixel drawn in that window (any pixel of the
// window's middle row or column that is no longer black), with the CPU the program has used
// by then (all its threads, nanosecond counts of the scheduler). With --hover X Y W H it then
// moves the pointer to the middle of that rectangle of the window and times how long the
// program takes to change a pixel of it (a button lighting up under the pointer).
// Prints "pid PID mapped-ms M first-pixel-ms P cpu-ms C [answer-ms A]" and leaves the program
// running; run under Xvfb.
// Usage: window-start-timer [--hover X Y W H] COMMAND [ARGUMENTS...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <sys/select.h>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

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
        for (int column = 0; column < width && !drawn; ++column)
            drawn = (XGetPixel(image, column, row) & 0xFFFFFF) != 0;
    }
    XDestroyImage(image);
    return drawn;
}

// CPU milliseconds the process has used so far, summed over its live threads; -1 when unknown.
double cpuMsOf(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (dir == nullptr) return -1;
    double total = 0;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.') continue;
        std::FILE* stat = std::fopen((tasks + "/" + entry->d_name + "/schedstat").c_str(), "r");
        if (stat == nullptr) continue;
        unsigned long long ns = 0;
        if (std::fscanf(stat, "%llu", &ns) == 1) total += static_cast<double>(ns) / 1e6;
        std::fclose(stat);
    }
    closedir(dir);
    return total;
}

// A copy of a rectangle of the window's pixels; empty when it cannot be read.
std::string pixelsOf(Display* display, Window window, int x, int y, int width, int height)
{
    XErrorHandler previous = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    XImage* image = XGetImage(display, window, x, y, static_cast<unsigned>(width), static_cast<unsigned>(height),
                              AllPlanes, ZPixmap);
    XSetErrorHandler(previous);
    if (image == nullptr) return {};
    std::string pixels;
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const unsigned long pixel = XGetPixel(image, column, row) & 0xFFFFFF;
            pixels.append(reinterpret_cast<const char*>(&pixel), 3);
        }
    }
    XDestroyImage(image);
    return pixels;
}

}  // namespace

int main(int argc, char** argv)
{
    int first = 1;
    bool hover = false;
    int hx = 0, hy = 0, hw = 0, hh = 0;
    if (argc > 5 && std::strcmp(argv[1], "--hover") == 0) {
        hover = true;
        hx = std::atoi(argv[2]);
        hy = std::atoi(argv[3]);
        hw = std::atoi(argv[4]);
        hh = std::atoi(argv[5]);
        first = 6;
    }
    if (argc <= first || hw < 0 || hh < 0) {
        std::fprintf(stderr, "usage: window-start-timer [--hover X Y W H] COMMAND [ARGUMENTS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return 1;
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    // The pointer starts in a corner, over no window the program may open.
    XWarpPointer(display, None, DefaultRootWindow(display), 0, 0, 0, 0, 0, 0);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        execvp(argv[first], argv + first);
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
    double cpuMs = -1;
    if (mapped != 0) {
        XWindowAttributes attributes{};
        XGetWindowAttributes(display, mapped, &attributes);
        const int w = attributes.width;
        const int h = attributes.height;
        while (pixelMs < 0 && msSince(start) < 10000) {
            if (drawnIn(display, mapped, 0, h / 2, w, 1) || drawnIn(display, mapped, w / 2, 0, 1, h)) {
                pixelMs = msSince(start);
                cpuMs = cpuMsOf(pid);
            } else {
                usleep(250);
            }
        }
    }
    double answerMs = -1;
    if (hover && pixelMs >= 0) {
        const std::string before = pixelsOf(display, mapped, hx, hy, hw, hh);
        XWarpPointer(display, None, mapped, 0, 0, 0, 0, hx + hw / 2, hy + hh / 2);
        XSync(display, False);
        const auto moved = std::chrono::steady_clock::now();
        while (answerMs < 0 && msSince(moved) < 5000) {
            const std::string now = pixelsOf(display, mapped, hx, hy, hw, hh);
            if (!now.empty() && now != before) {
                answerMs = msSince(start) - pixelMs;
            } else {
                usleep(250);
            }
        }
    }
    std::printf("pid %d mapped-ms %.1f first-pixel-ms %.1f cpu-ms %.1f", static_cast<int>(pid), mappedMs, pixelMs,
                cpuMs);
    if (hover) std::printf(" answer-ms %.1f", answerMs);
    std::printf("\n");
    XCloseDisplay(display);
    return mapped != 0 && pixelMs >= 0 && (!hover || answerMs >= 0) ? 0 : 1;
}
