// The changed pixels of a window's picture and their enlarged copy.
#include "shell/frame_presentation.h"

#include <algorithm>
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
