// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Whether the X server draws a pointer (no screenshot holds it), for the end-to-end tests:
// prints "shown" when the pointer's picture has a visible pixel, else "hidden"; exit 2 without
// a display or the XFIXES extension.
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <cstdio>

int main()
{
    Display* display = XOpenDisplay(nullptr);
    int event = 0, error = 0;
    XFixesCursorImage* image =
        display != nullptr && XFixesQueryExtension(display, &event, &error) ? XFixesGetCursorImage(display) : nullptr;
    if (image == nullptr) return 2;
    bool visible = false;
    for (unsigned long i = 0; i < static_cast<unsigned long>(image->width) * image->height; ++i)
        visible = visible || (image->pixels[i] >> 24) != 0;
    std::puts(visible ? "shown" : "hidden");
    return 0;
}
