// The program's icon and cursors made into SDL surfaces and cursors.
#include "shell/program_look.h"

#include "resources/program_look.h"

namespace {

struct Look {
    SDL_Cursor* gameCursor = nullptr;
    SDL_Cursor* menuCursor = nullptr;
    SDL_Surface* icon = nullptr;
};
Look look;

SDL_Surface* surfaceOf(const LookPixels& pixels)
{
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, kLookSize, kLookSize, 32, SDL_PIXELFORMAT_ARGB8888);
    if (surface == nullptr) return nullptr;
    for (int y = 0; y < kLookSize; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(surface->pixels) + y * surface->pitch);
        for (int x = 0; x < kLookSize; ++x) row[x] = pixels[y * kLookSize + x];
    }
    return surface;
}

SDL_Cursor* cursorOf(const LookPixels& pixels, int hotX, int hotY)
{
    SDL_Surface* surface = surfaceOf(pixels);
    if (surface == nullptr) return nullptr;
    SDL_Cursor* cursor = SDL_CreateColorCursor(surface, hotX, hotY);
    SDL_FreeSurface(surface);
    return cursor;
}

}  // namespace

void setProgramLook(SDL_Window* window, WindowKind kind)
{
    if (look.icon == nullptr) look.icon = surfaceOf(programIconPixels());
    if (look.gameCursor == nullptr) look.gameCursor = cursorOf(gameCursorPixels(), kGameCursorHotX, kGameCursorHotY);
    if (look.menuCursor == nullptr) look.menuCursor = cursorOf(menuCursorPixels(), kMenuCursorHotX, kMenuCursorHotY);
    if (look.icon != nullptr) SDL_SetWindowIcon(window, look.icon);
    SDL_Cursor* cursor = kind == WindowKind::Menu ? look.menuCursor : look.gameCursor;
    if (cursor != nullptr) SDL_SetCursor(cursor);
}

void releaseProgramLook()
{
    if (look.gameCursor != nullptr) SDL_FreeCursor(look.gameCursor);
    if (look.menuCursor != nullptr) SDL_FreeCursor(look.menuCursor);
    if (look.icon != nullptr) SDL_FreeSurface(look.icon);
    look = Look{};
}
