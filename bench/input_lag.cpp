// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Times, from outside the game, how long a key press or a pointer move takes to show as a
// moved paddle: it sends the input through the X server's test extension, as a keyboard or a
// mouse would, and reads the paddle's row of the screen until it changes.
// Usage: input-lag key|pointer COUNT X Y   (X, Y: the game window's client corner on the screen)
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include "game/game_state.h"

namespace {

constexpr int kPaddleRow = 527;  // a row of the game window the paddle alone crosses
constexpr double kGiveUpMs = 500.0;

double nowMs()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

std::vector<unsigned long> paddleRow(Display* display, int x, int y)
{
    XImage* image =
        XGetImage(display, DefaultRootWindow(display), x, y + kPaddleRow, kPlayfieldWidth, 1, AllPlanes, ZPixmap);
    std::vector<unsigned long> row;
    if (image == nullptr) return row;
    for (int i = 0; i < kPlayfieldWidth; ++i) row.push_back(XGetPixel(image, i, 0));
    XDestroyImage(image);
    return row;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 5 || (std::strcmp(argv[1], "key") != 0 && std::strcmp(argv[1], "pointer") != 0)) {
        std::fprintf(stderr, "usage: input-lag key|pointer COUNT X Y\n");
        return 2;
    }
    const bool keys = std::strcmp(argv[1], "key") == 0;
    const int count = std::atoi(argv[2]);
    const int x = std::atoi(argv[3]);
    const int y = std::atoi(argv[4]);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return 1;
    const KeyCode left = XKeysymToKeycode(display, XK_Left);
    const KeyCode right = XKeysymToKeycode(display, XK_Right);
    std::vector<double> lags;
    int missed = 0;
    for (int i = 0; i < count; ++i) {
        const bool rightward = i % 2 == 0;
        const std::vector<unsigned long> before = paddleRow(display, x, y);
        const double start = nowMs();
        if (keys) {
            XTestFakeKeyEvent(display, rightward ? right : left, True, CurrentTime);
        } else {
            XTestFakeMotionEvent(display, -1, x + (rightward ? 300 : 180), y + 400, CurrentTime);
        }
        XFlush(display);
        double lag = -1.0;
        while (nowMs() - start < kGiveUpMs) {
            if (paddleRow(display, x, y) != before) {
                lag = nowMs() - start;
                break;
            }
        }
        if (keys) {
            // Held a little, so the paddle travels and the next press starts from a new place.
            std::this_thread::sleep_for(std::chrono::milliseconds(120));
            XTestFakeKeyEvent(display, rightward ? right : left, False, CurrentTime);
            XFlush(display);
        }
        if (lag < 0) missed += 1;
        else lags.push_back(lag);
        // A pause of no fixed length: a whole number of the game's ticks would meet every input
        // at the same point between two ticks.
        std::this_thread::sleep_for(std::chrono::milliseconds(150 + std::rand() % 37));
    }
    XCloseDisplay(display);
    if (lags.empty()) {
        std::printf("%s: no paddle move seen in %d tries\n", argv[1], count);
        return 1;
    }
    std::sort(lags.begin(), lags.end());
    std::printf("%s to paddle: median %.1f ms, min %.1f ms, max %.1f ms over %zu moves (%d missed)\n", argv[1],
                lags[lags.size() / 2], lags.front(), lags.back(), lags.size(), missed);
    return 0;
}
