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

SDL_Surface* makeTarget(int width, int height, SDL_Color colour) { return makeSolidPicture(width, height, colour, false); }

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

std::uint32_t argbAt(SDL_Surface* surface, int x, int y)
{
    return static_cast<std::uint32_t*>(surface->pixels)[y * surface->pitch / 4 + x];
}

bool hasColour(SDL_Surface* surface, int x, int y, SDL_Color colour)
{
    const SDL_Color found = pixelAt(surface, x, y);
    return found.r == colour.r && found.g == colour.g && found.b == colour.b;
}

int countColour(SDL_Surface* surface, int x, int y, int w, int h, SDL_Color colour)
{
    int count = 0;
    for (int row = y; row < y + h; ++row)
        for (int column = x; column < x + w; ++column) count += hasColour(surface, column, row, colour);
    return count;
}

SDL_Color brickColour(int kind) { return SDL_Color{static_cast<Uint8>(100 + kind), 0, 0, 255}; }
SDL_Color capsuleColour(int kind) { return SDL_Color{0, static_cast<Uint8>(100 + kind), 0, 255}; }
SDL_Color paddleColour(int entry) { return SDL_Color{0, 0, static_cast<Uint8>(100 + entry), 255}; }

std::vector<GamePicture> gamePictures()
{
    std::vector<GamePicture> all = {{"bouton.ico", &pictures.buttonIcon, 128, 24},
                                    {"boutonSurvolé.ico", &pictures.buttonHoverIcon, 128, 24}};
    for (std::size_t k = 1; k <= 13; ++k) all.push_back({"bonus" + std::to_string(k) + ".bmp", &pictures.bonusBitmaps[k], 20, 10});
    const std::vector<GamePicture> singles = {
        {"fondmenu.bmp", &pictures.menuBackground, 285, 445},
        {"credits.bmp", &pictures.creditsBackground, 700, 550},
        {"Perdu.bmp", &pictures.lostBackground, 700, 550},
        {"Victoire.bmp", &pictures.victoryPlate, 300, 85},
        {"Niveau.bmp", &pictures.levelBackground, 700, 550},
        {"Fini.bmp", &pictures.finishedBackground, 700, 550},
        {"fond.bmp", &pictures.gameBackground, 700, 550},
        {"raquette1.ico", &pictures.paddleIcons[1], 30, 15},
        {"raquette2.ico", &pictures.paddleIcons[2], 60, 15},
        {"raquette3.ico", &pictures.paddleIcons[3], 90, 15},
        {"raquettearme.ico", &pictures.armedPaddleIcon, 60, 15},
        {"raquettegolf.ico", &pictures.stickyPaddleIcon, 60, 15},
        {"raquetteRebonds.ico", &pictures.bouncePaddleIcon, 60, 15},
        {"ball.ico", &pictures.ballIconNormal, 12, 12},
        {"ballr.ico", &pictures.ballIconFire, 12, 12},
    };
    all.insert(all.end(), singles.begin(), singles.end());
    for (std::size_t k = 1; k <= 8; ++k) all.push_back({std::to_string(k) + ".bmp", &pictures.brickBitmaps[k], 40, 20});
    return all;
}

void installTestPictures()
{
    removeTestPictures();
    const std::pair<SDL_Surface**, SDL_Color> backgrounds[] = {
        {&pictures.gameBackground, kGameBackgroundColour}, {&pictures.lostBackground, kLostBackgroundColour},
        {&pictures.levelBackground, kLevelBackgroundColour}, {&pictures.finishedBackground, kFinishedBackgroundColour},
        {&pictures.creditsBackground, kCreditsBackgroundColour}};
    for (const auto& [slot, colour] : backgrounds) *slot = makeSolidPicture(700, 550, colour, false);
    pictures.menuBackground = makeSolidPicture(285, 445, kMenuBackgroundColour, false);
    for (std::size_t k = 1; k <= 8; ++k) pictures.brickBitmaps[k] = makeSolidPicture(40, 20, brickColour(int(k)), false);
    for (std::size_t k = 1; k <= 13; ++k) pictures.bonusBitmaps[k] = makeSolidPicture(20, 10, capsuleColour(int(k)), false);
    for (std::size_t k = 1; k <= 3; ++k) pictures.paddleIcons[k] = makeSolidPicture(30 * int(k), 15, paddleColour(int(k)), true);
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
    for (const GamePicture& picture : gamePictures()) {
        SDL_FreeSurface(*picture.slot);
        *picture.slot = nullptr;
    }
}

namespace {

// Appends `value` in `bytes` little-endian bytes.
void putLittle(PictureBytes& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

}  // namespace

PictureBytes dibEntry(int width, int height, int depth, const std::vector<std::uint32_t>& palette,
                      const PixelRule& colourOf, const std::function<bool(int x, int y)>& clearAt)
{
    PictureBytes out;
    for (const std::uint32_t field : {40, width, height * 2}) putLittle(out, field, 4);
    putLittle(out, 1, 2);
    putLittle(out, static_cast<std::uint32_t>(depth), 2);
    for (int i = 0; i < 4; ++i) putLittle(out, 0, 4);
    putLittle(out, static_cast<std::uint32_t>(palette.size()), 4);
    putLittle(out, 0, 4);
    for (const std::uint32_t c : palette) putLittle(out, c, 4);
    const int stride = (width * depth + 31) / 32 * 4;
    for (int y = height - 1; y >= 0; --y) {
        PictureBytes row(static_cast<std::size_t>(stride), 0);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = colourOf(x, y);
            if (depth == 32 || depth == 24)
                for (int b = 0; b < depth / 8; ++b) row[static_cast<std::size_t>(x * depth / 8 + b)] = static_cast<unsigned char>(c >> (8 * b));
            else
                row[static_cast<std::size_t>(x * depth / 8)] |= static_cast<unsigned char>(c << (8 - depth - (x * depth) % 8));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    const int maskStride = (width + 31) / 32 * 4;
    for (int y = height - 1; y >= 0; --y) {
        PictureBytes row(static_cast<std::size_t>(maskStride), 0);
        for (int x = 0; x < width; ++x)
            if (clearAt(x, y)) row[static_cast<std::size_t>(x / 8)] |= static_cast<unsigned char>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

PictureBytes iconFile(const std::vector<IconEntry>& entries)
{
    PictureBytes out;
    for (const std::uint32_t field : {0u, 1u, static_cast<std::uint32_t>(entries.size())}) putLittle(out, field, 2);
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
    for (const IconEntry& e : entries) {
        out.insert(out.end(), {static_cast<unsigned char>(e.width), static_cast<unsigned char>(e.height), 0, 0});
        putLittle(out, 1, 2);
        putLittle(out, static_cast<std::uint32_t>(e.depth), 2);
        putLittle(out, static_cast<std::uint32_t>(e.image.size()), 4);
        putLittle(out, offset, 4);
        offset += static_cast<std::uint32_t>(e.image.size());
    }
    for (const IconEntry& e : entries) out.insert(out.end(), e.image.begin(), e.image.end());
    return out;
}

PictureBytes bitmapFile(int width, int height, const PixelRule& colourOf)
{
    const int stride = (width * 3 + 3) / 4 * 4;
    PictureBytes out = {'B', 'M'};
    for (const int field : {54 + stride * height, 0, 54, 40, width, height}) putLittle(out, static_cast<std::uint32_t>(field), 4);
    putLittle(out, 1, 2);
    putLittle(out, 24, 2);
    for (int i = 0; i < 6; ++i) putLittle(out, 0, 4);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) putLittle(out, colourOf(x, y), 3);
        out.resize(out.size() + static_cast<std::size_t>(stride - width * 3), 0);
    }
    return out;
}
