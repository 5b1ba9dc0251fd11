// Pictures of known colours for the drawing suites.
#include "tests/test_pictures.h"

#include "screens/pictures.h"

SDL_Surface* makeSolidPicture(int width, int height, SDL_Color colour, bool icon)
{
    SDL_Surface* picture =
        SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_FillRect(picture, nullptr,
                 SDL_MapRGBA(picture->format, colour.r, colour.g, colour.b, colour.a));
    SDL_SetSurfaceBlendMode(picture, icon ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE);
    return picture;
}

SDL_Surface* makeTarget(int width, int height, SDL_Color colour)
{
    return makeSolidPicture(width, height, colour, false);
}

SDL_Color pixelAt(SDL_Surface* surface, int x, int y)
{
    SDL_Color colour{0, 0, 0, 0};
    if (x < 0 || y < 0 || x >= surface->w || y >= surface->h) return colour;
    const auto* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
    Uint32 value = 0;
    SDL_memcpy(&value, row + x * surface->format->BytesPerPixel, surface->format->BytesPerPixel);
    SDL_GetRGBA(value, surface->format, &colour.r, &colour.g, &colour.b, &colour.a);
    return colour;
}

bool hasColour(SDL_Surface* surface, int x, int y, SDL_Color colour)
{
    const SDL_Color found = pixelAt(surface, x, y);
    return found.r == colour.r && found.g == colour.g && found.b == colour.b;
}

int countColour(SDL_Surface* surface, int x, int y, int w, int h, SDL_Color colour)
{
    int count = 0;
    for (int row = y; row < y + h; ++row) {
        for (int column = x; column < x + w; ++column) {
            if (hasColour(surface, column, row, colour)) ++count;
        }
    }
    return count;
}

SDL_Color brickColour(int kind) { return SDL_Color{static_cast<Uint8>(100 + kind), 0, 0, 255}; }
SDL_Color capsuleColour(int kind) { return SDL_Color{0, static_cast<Uint8>(100 + kind), 0, 255}; }
SDL_Color paddleColour(int entry) { return SDL_Color{0, 0, static_cast<Uint8>(100 + entry), 255}; }

void installTestPictures()
{
    removeTestPictures();
    pictures.gameBackground = makeSolidPicture(700, 550, kGameBackgroundColour, false);
    pictures.lostBackground = makeSolidPicture(700, 550, kLostBackgroundColour, false);
    pictures.levelBackground = makeSolidPicture(700, 550, kLevelBackgroundColour, false);
    pictures.finishedBackground = makeSolidPicture(700, 550, kFinishedBackgroundColour, false);
    pictures.creditsBackground = makeSolidPicture(700, 550, kCreditsBackgroundColour, false);
    pictures.menuBackground = makeSolidPicture(285, 445, kMenuBackgroundColour, false);
    for (int kind = 1; kind <= 8; ++kind) {
        pictures.brickBitmaps[static_cast<std::size_t>(kind)] =
            makeSolidPicture(40, 20, brickColour(kind), false);
    }
    for (int kind = 1; kind <= 13; ++kind) {
        pictures.bonusBitmaps[static_cast<std::size_t>(kind)] =
            makeSolidPicture(20, 10, capsuleColour(kind), false);
    }
    for (int entry = 1; entry <= 3; ++entry) {
        pictures.paddleIcons[static_cast<std::size_t>(entry)] =
            makeSolidPicture(30 * entry, 15, paddleColour(entry), true);
    }
    pictures.armedPaddleIcon = makeSolidPicture(60, 15, kArmedPaddleColour, true);
    pictures.stickyPaddleIcon = makeSolidPicture(60, 15, kStickyPaddleColour, true);
    pictures.bouncePaddleIcon = makeSolidPicture(60, 15, kBouncePaddleColour, true);
    pictures.ballIconNormal = makeSolidPicture(12, 12, kBallColour, true);
    pictures.ballIconFire = makeSolidPicture(12, 12, kFireBallColour, true);
    pictures.buttonIcon = makeSolidPicture(128, 24, kButtonColour, true);
    pictures.buttonHoverIcon = makeSolidPicture(128, 24, kButtonHoverColour, true);
}

void removeTestPictures()
{
    SDL_Surface** singles[] = {
        &pictures.buttonIcon,        &pictures.buttonHoverIcon,    &pictures.menuBackground,
        &pictures.creditsBackground, &pictures.lostBackground,     &pictures.levelBackground,
        &pictures.finishedBackground, &pictures.gameBackground,    &pictures.armedPaddleIcon,
        &pictures.stickyPaddleIcon,  &pictures.bouncePaddleIcon,   &pictures.ballIconNormal,
        &pictures.ballIconFire,      &pictures.victoryPlate,
    };
    for (SDL_Surface** single : singles) {
        SDL_FreeSurface(*single);
        *single = nullptr;
    }
    for (SDL_Surface*& picture : pictures.bonusBitmaps) {
        SDL_FreeSurface(picture);
        picture = nullptr;
    }
    for (SDL_Surface*& picture : pictures.paddleIcons) {
        SDL_FreeSurface(picture);
        picture = nullptr;
    }
    for (SDL_Surface*& picture : pictures.brickBitmaps) {
        SDL_FreeSurface(picture);
        picture = nullptr;
    }
}
