// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The changed pixels of a window's picture and their enlarged copy.
#include "shell/frame_presentation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace {

// Rows that differ with at most this many equal rows between them share a rectangle: one
// rectangle sent costs more than a few rows of pixels.
constexpr int kJoinedRowGap = 8;

const Uint32* constRow(const SDL_Surface* surface, int y)
{
    return reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(surface->pixels) + y * surface->pitch);
}

Uint32* rowOf(SDL_Surface* surface, int y)
{
    return reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch);
}

bool wordPixels(const SDL_Surface* surface)
{
    return surface != nullptr && surface->pixels != nullptr && surface->format->BytesPerPixel == 4;
}

void copyRect(const SDL_Surface* from, SDL_Surface* to, const SDL_Rect& rect)
{
    for (int y = rect.y; y < rect.y + rect.h; ++y) {
        std::memcpy(rowOf(to, y) + rect.x, constRow(from, y) + rect.x, static_cast<std::size_t>(rect.w) * 4);
    }
}

void addRect(SDL_Rect rect, SDL_Rect* out, int max, int& count)
{
    if (count == max) {
        SDL_UnionRect(&out[max - 1], &rect, &out[max - 1]);
        return;
    }
    out[count++] = rect;
}

// One window column (or row) of a picture shown between two whole factors: the two picture
// pixels it mixes and the share of the second, 0 to 256. The picture is taken as enlarged
// `k` times by nearest neighbour, then sampled linearly at the window pixel's centre: inside
// a picture pixel both are the same pixel (sharp), at its edge the two neighbours meet.
struct Mix {
    int first;
    int second;
    int share;
};

Mix mixAt(int windowIndex, int shownSize, int pictureSize, int k)
{
    const double centre = (windowIndex + 0.5) * pictureSize / shownSize;  // in picture pixels
    const double enlarged = centre * k - 0.5;                             // in enlarged pixels
    const int left = static_cast<int>(std::floor(enlarged));
    const double fraction = enlarged - left;
    const auto pictureOf = [&](int enlargedIndex) {
        return std::clamp(enlargedIndex >= 0 ? enlargedIndex / k : -1, 0, pictureSize - 1);
    };
    Mix mix{pictureOf(left), pictureOf(left + 1), static_cast<int>(std::lround(fraction * 256))};
    if (mix.first == mix.second || mix.share == 0) return Mix{mix.first, mix.first, 0};
    if (mix.share == 256) return Mix{mix.second, mix.second, 0};
    return mix;
}

Uint32 blend(Uint32 a, Uint32 b, int share)
{
    if (share == 0) return a;
    const Uint32 keep = static_cast<Uint32>(256 - share);
    const Uint32 take = static_cast<Uint32>(share);
    const Uint32 redBlue = (((a & 0xFF00FFu) * keep + (b & 0xFF00FFu) * take) >> 8) & 0xFF00FFu;
    const Uint32 green = (((a & 0x00FF00u) * keep + (b & 0x00FF00u) * take) >> 8) & 0x00FF00u;
    return 0xFF000000u | redBlue | green;
}

// The window pixels a change of `area` touches when the picture is shown at place.width x
// place.height, recomputed whole from the picture. A window pixel samples at most half an
// enlarged pixel beyond its own picture pixel; the area grows by one picture pixel on each
// side, a margin that covers every window pixel its edges reach.
SDL_Rect copyReduced(const SDL_Surface* picture, SDL_Rect area, SDL_Surface* window, const PicturePlace& place)
{
    const int pw = picture->w;
    const int ph = picture->h;
    const int k = std::max(1, place.scale);
    const int left = std::max(0, area.x - 1);
    const int top = std::max(0, area.y - 1);
    const int right = std::min(pw, area.x + area.w + 1);
    const int bottom = std::min(ph, area.y + area.h + 1);
    const int x0 = std::max({0, static_cast<int>(static_cast<long>(left) * place.width / pw), -place.x});
    const int y0 = std::max({0, static_cast<int>(static_cast<long>(top) * place.height / ph), -place.y});
    const int x1 = std::min(
        {place.width, static_cast<int>((static_cast<long>(right) * place.width + pw - 1) / pw), window->w - place.x});
    const int y1 = std::min({place.height, static_cast<int>((static_cast<long>(bottom) * place.height + ph - 1) / ph),
                             window->h - place.y});
    if (x1 <= x0 || y1 <= y0) return SDL_Rect{0, 0, 0, 0};
    std::array<Mix, 8192> columns{};
    const int count = std::min(x1 - x0, static_cast<int>(columns.size()));
    for (int i = 0; i < count; ++i) columns[static_cast<std::size_t>(i)] = mixAt(x0 + i, place.width, pw, k);
    for (int y = y0; y < y1; ++y) {
        const Mix row = mixAt(y, place.height, ph, k);
        const Uint32* upper = constRow(picture, row.first);
        const Uint32* lower = constRow(picture, row.second);
        Uint32* to = rowOf(window, place.y + y) + place.x + x0;
        for (int i = 0; i < count; ++i) {
            const Mix& column = columns[static_cast<std::size_t>(i)];
            const Uint32 above = blend(upper[column.first], upper[column.second], column.share);
            to[i] = row.share == 0
                        ? above
                        : blend(above, blend(lower[column.first], lower[column.second], column.share), row.share);
        }
    }
    return SDL_Rect{place.x + x0, place.y + y0, count, y1 - y0};
}

}  // namespace

int takeChangedRects(const SDL_Surface* picture, SDL_Surface* shown, SDL_Rect area, SDL_Rect* out, int max)
{
    if (max <= 0 || !wordPixels(picture) || !wordPixels(shown) || picture->w != shown->w || picture->h != shown->h) {
        return 0;
    }
    const SDL_Rect bounds{0, 0, picture->w, picture->h};
    if (SDL_IntersectRect(&area, &bounds, &area) != SDL_TRUE) return 0;
    int count = 0;
    bool open = false;
    SDL_Rect run{};
    int lastDifferingRow = 0;
    const auto closeRun = [&]() {
        copyRect(picture, shown, run);
        addRect(run, out, max, count);
        open = false;
    };
    for (int y = area.y; y < area.y + area.h; ++y) {
        const Uint32* now = constRow(picture, y) + area.x;
        const Uint32* before = constRow(shown, y) + area.x;
        if (std::memcmp(now, before, static_cast<std::size_t>(area.w) * 4) == 0) {
            if (open && y - lastDifferingRow > kJoinedRowGap) closeRun();
            continue;
        }
        int left = 0;
        while (now[left] == before[left]) ++left;
        int right = area.w - 1;
        while (now[right] == before[right]) --right;
        const SDL_Rect row{area.x + left, y, right - left + 1, 1};
        if (open) {
            SDL_UnionRect(&run, &row, &run);
        } else {
            run = row;
            open = true;
        }
        lastDifferingRow = y;
    }
    if (open) closeRun();
    return count;
}

SDL_Rect copyEnlarged(const SDL_Surface* picture, SDL_Rect area, SDL_Surface* window, const PicturePlace& place)
{
    const int k = std::max(1, place.scale);
    const SDL_Rect bounds{0, 0, picture->w, picture->h};
    if (SDL_IntersectRect(&area, &bounds, &area) != SDL_TRUE) return SDL_Rect{0, 0, 0, 0};
    if (!wholeFactorPlace(place) && wordPixels(picture) && wordPixels(window)) {
        return copyReduced(picture, area, window, place);
    }
    // Only whole enlarged pixels that lie inside the window are drawn.
    const int right = std::min(area.x + area.w, (window->w - place.x) / k);
    const int bottom = std::min(area.y + area.h, (window->h - place.y) / k);
    if (right <= area.x || bottom <= area.y) return SDL_Rect{0, 0, 0, 0};
    const SDL_Rect target{place.x + area.x * k, place.y + area.y * k, (right - area.x) * k, (bottom - area.y) * k};
    if (!wordPixels(picture) || !wordPixels(window)) {
        SDL_Rect part{area.x, area.y, right - area.x, bottom - area.y};
        SDL_Rect to = target;
        SDL_BlitScaled(const_cast<SDL_Surface*>(picture), &part, window, &to);
        return target;
    }
    for (int y = area.y; y < bottom; ++y) {
        const Uint32* from = constRow(picture, y);
        Uint32* to = rowOf(window, place.y + y * k) + target.x;
        for (int x = area.x; x < right; ++x) to = std::fill_n(to, k, from[x]);
        for (int copy = 1; copy < k; ++copy) {
            std::memcpy(rowOf(window, place.y + y * k + copy) + target.x, rowOf(window, place.y + y * k) + target.x,
                        static_cast<std::size_t>(target.w) * 4);
        }
    }
    return target;
}
