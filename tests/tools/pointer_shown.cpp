// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Whether the X server draws a pointer where it now is, for the end-to-end tests (a screenshot
// never holds the pointer): prints "shown" when the current pointer's picture has a visible
// pixel, "hidden" when it has none; exit 2 without a display or the XFIXES extension.
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <cstdio>

int main()
{
    Display* display = XOpenDisplay(nullptr);
    int event = 0;
    int error = 0;
    if (display == nullptr || !XFixesQueryExtension(display, &event, &error)) return 2;
    XFixesCursorImage* image = XFixesGetCursorImage(display);
    if (image == nullptr) return 2;
    bool visible = false;
    for (unsigned long i = 0; i < static_cast<unsigned long>(image->width) * image->height; ++i) {
        visible = visible || (image->pixels[i] >> 24) != 0;
    }
    std::printf("%s\n", visible ? "shown" : "hidden");
    XFree(image);
    XCloseDisplay(display);
    return 0;
}
