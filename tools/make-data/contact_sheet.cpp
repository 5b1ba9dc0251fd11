// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The contact sheet: every picture at twice its size, labelled, and the screens assembled.
#include "tools/make-data/contact_sheet.h"

#include <SDL_image.h>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <vector>

#include "resources/cursors.h"
#include "resources/program_icon.h"
#include "screens/fonts.h"
#include "screens/menu_buttons.h"
#include "tools/make-data/drawing.h"
#include "tools/make-data/picture_catalogue.h"

namespace {

constexpr int kSheetWidth = 1460;
constexpr int kMargin = 20;
constexpr int kCaption = 22;  // room for a file name under a picture

struct Placed {
    SDL_Surface* picture;  // owned by the sheet until it is drawn
    std::string caption;
    int scale;
};

void copyScaled(SDL_Surface* sheet, SDL_Surface* picture, int x, int y, int scale)
{
    for (int py = 0; py < picture->h * scale; ++py)
        for (int px = 0; px < picture->w * scale; ++px)
            blendPixel(sheet, x + px, y + py, pixelAt(picture, px / scale, py / scale));
}

// A checkerboard behind icons, so that their transparency shows.
void checkerboard(SDL_Surface* sheet, int x, int y, int w, int h)
{
    for (int py = 0; py < h; ++py)
        for (int px = 0; px < w; ++px)
            blendPixel(sheet, x + px, y + py, ((px / 6 + py / 6) % 2) ? hexColour(0x9A9A9A) : hexColour(0x6E6E6E));
}

SDL_Surface* fromPixelArt(const PixelArt& art)
{
    SDL_Surface* picture = newCanvas(art.width, art.height);
    for (int y = 0; y < art.height; ++y)
        for (int x = 0; x < art.width; ++x) {
            const std::uint32_t argb = pixelArtColour(art, x, y);
            setPixel(picture, x, y,
                     {static_cast<float>((argb >> 16) & 255) / 255.0f, static_cast<float>((argb >> 8) & 255) / 255.0f,
                      static_cast<float>(argb & 255) / 255.0f, static_cast<float>(argb >> 24) / 255.0f});
        }
    return picture;
}

void text(SDL_Surface* target, int x, int y, const char* windows1252, int height, int weight, SDL_Color colour)
{
    drawText(target, openGameFont(height, weight), x, y, windows1252, static_cast<int>(std::strlen(windows1252)),
             colour);
}

SDL_Surface* findPicture(std::vector<PictureRecipe>& recipes, const std::string& name)
{
    for (auto& recipe : recipes)
        if (recipe.name == name) return recipe.draw();
    return nullptr;
}

// The play screen as the game composes it: background, a few rows of bricks, the paddle,
// balls, capsules, a shot, and the side panel's texts.
SDL_Surface* playScreen(std::vector<PictureRecipe>& recipes)
{
    SDL_Surface* screen = findPicture(recipes, "fond.bmp");
    if (screen == nullptr) return nullptr;
    for (int row = 0; row < 6; ++row)
        for (int column = 1; column < 11; ++column) {
            const int kind = row == 0 ? 8 : row == 1 ? (column % 3 == 0 ? 7 : 6) : 1 + (row + column) % 5;
            if (row == 4 && column > 6) continue;
            stampPicture(screen, findPicture(recipes, std::to_string(kind) + ".bmp"), column * 40, 60 + row * 20);
        }
    stampPicture(screen, findPicture(recipes, "raquette2.ico"), 210, 520);
    stampPicture(screen, findPicture(recipes, "raquettearme.ico"), 210, 520);
    stampPicture(screen, findPicture(recipes, "ball.ico"), 300, 380);
    stampPicture(screen, findPicture(recipes, "ballr.ico"), 140, 300);
    stampPicture(screen, findPicture(recipes, "bonus7.bmp"), 90, 420);
    stampPicture(screen, findPicture(recipes, "bonus12.bmp"), 380, 260);
    stampPicture(screen, findPicture(recipes, "bonus5.bmp"), 250, 470);
    fillRect(screen, 229, 430, 3, 9, hexColour(0x00BE00));
    fillRect(screen, 269, 460, 3, 9, hexColour(0x00BE00));
    const SDL_Color black{0, 0, 0, 255};
    text(screen, 510, 120, "Niveau : 12 ", 25, 30, black);
    text(screen, 510, 150, "Score : 123450 ", 25, 30, black);
    text(screen, 510, 200,
         "Tessas cass\xE9"
         "es : 187",
         25, 30, black);
    text(screen, 510, 240, "Vies restantes :", 25, 30, black);
    text(screen, 510, 300, "Bonus en cours :", 25, 30, black);
    text(screen, 510, 360, "Code Secret du", 25, 30, black);
    text(screen, 510, 380, "niveau: KWZPAX ", 25, 30, black);
    for (int i = 1; i <= 8; ++i) stampPicture(screen, findPicture(recipes, "ball.ico"), 500 + 20 * i, 270);
    stampPicture(screen, findPicture(recipes, "bonus1.bmp"), 520, 330);
    stampPicture(screen, findPicture(recipes, "bonus11.bmp"), 520, 330);
    stampPicture(screen, findPicture(recipes, "bonus3.bmp"), 560, 330);
    stampPicture(screen, findPicture(recipes, "bonus5.bmp"), 600, 330);
    stampPicture(screen, findPicture(recipes, "bonus9.bmp"), 640, 330);
    text(screen, 525, 343, "18", 15, 1200, black);
    return screen;
}

// A line of black text as the game writes it over a picture: in the bold face at `height`.
struct TextLine {
    int x;
    int y;
    const char* windows1252;
    int height;
};

// One of the game's backgrounds with the lines the game writes over it.
SDL_Surface* withTexts(std::vector<PictureRecipe>& recipes, const char* name, std::initializer_list<TextLine> lines)
{
    SDL_Surface* screen = findPicture(recipes, name);
    if (screen == nullptr) return nullptr;
    for (const TextLine& line : lines)
        text(screen, line.x, line.y, line.windows1252, line.height, 700, SDL_Color{0, 0, 0, 255});
    return screen;
}

SDL_Surface* endScreen(std::vector<PictureRecipe>& recipes)
{
    return withTexts(recipes, "Perdu.bmp",
                     {{285, 135, "200000", 40},
                      {160, 190, "\xC9lodie", 40},
                      {255, 270, "123450", 40},
                      {90, 330, "Essai de prendre un maximum de bonus pour booster ton score!", 22}});
}

SDL_Surface* levelScreen(std::vector<PictureRecipe>& recipes)
{
    return withTexts(recipes, "Niveau.bmp",
                     {{100, 140, "Le niveau 7 etait facile...", 38},
                      {105, 190, "Mais le niveau 8 l'est moins !!", 38},
                      {140, 320, "MWQZAX", 140}});
}

SDL_Surface* menuScreen(std::vector<PictureRecipe>& recipes)
{
    SDL_Surface* background = findPicture(recipes, "fondmenu.bmp");
    if (background == nullptr) return nullptr;
    SDL_Surface* screen = newCanvas(220, 308);
    copyScaled(screen, background, 0, 0, 1);
    SDL_FreeSurface(background);
    const int tops[kDrawnMenuButtons] = {80, 140, 180, 220, 260};
    const int dx[kDrawnMenuButtons] = {25, 13, 18, 35, 35};
    const char* labels[kDrawnMenuButtons] = {"Commencer", "Entrer un code", "Credits, Aide", "Sons : ON", "QUITTER"};
    const SDL_Color black{0, 0, 0, 255};
    for (int i = 0; i < kDrawnMenuButtons; ++i) {
        const bool hovered = i + kFirstDrawnButton == kCreditsButton;
        stampPicture(screen, findPicture(recipes, hovered ? "boutonSurvolé.ico" : "bouton.ico"), 40, tops[i]);
        text(screen, 40 + dx[i], tops[i] + 3 - (hovered ? 1 : 0), labels[i], 19, 650, black);
    }
    text(screen, 35, 120, "Niveau s\xE9lectionn\xE9 : 25", 19, 650, black);
    return screen;
}

}  // namespace

bool writeContactSheet(const std::string& path)
{
    std::vector<PictureRecipe> recipes = pictureRecipes();
    std::vector<Placed> placed;
    for (auto& recipe : recipes) placed.push_back({recipe.draw(), recipe.name, 2});
    placed.push_back({fromPixelArt(kProgramIcon32), "program icon 32", 2});
    placed.push_back({fromPixelArt(kProgramIcon16), "program icon 16", 2});
    placed.push_back({fromPixelArt(kGameCursor), "game pointer", 2});
    placed.push_back({fromPixelArt(kMenuCursor), "menu pointer", 2});
    placed.push_back({playScreen(recipes), "the play screen, assembled", 1});
    placed.push_back({endScreen(recipes), "the end screen, assembled", 1});
    placed.push_back({levelScreen(recipes), "the level intro, assembled", 1});
    placed.push_back({menuScreen(recipes), "the menu, assembled", 2});

    // Lay the pictures out in rows, left to right, the small ones first.
    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        const int ha = a.picture ? a.picture->h * a.scale : 0;
        const int hb = b.picture ? b.picture->h * b.scale : 0;
        return (ha > 200) < (hb > 200);
    });
    struct Spot {
        int x, y;
    };
    std::vector<Spot> spots;
    int x = kMargin;
    int y = kMargin + 40;
    int rowHeight = 0;
    for (const Placed& p : placed) {
        const int w = p.picture ? p.picture->w * p.scale : 10;
        const int h = p.picture ? p.picture->h * p.scale : 10;
        if (x + w > kSheetWidth - kMargin && x > kMargin) {
            x = kMargin;
            y += rowHeight + kCaption + 14;
            rowHeight = 0;
        }
        spots.push_back({x, y});
        x += std::max(w, 150) + 18;
        rowHeight = std::max(rowHeight, h);
    }
    const int sheetHeight = y + rowHeight + kCaption + kMargin;
    SDL_Surface* sheet = newCanvas(kSheetWidth, sheetHeight);
    bool written = false;
    if (sheet != nullptr) {
        fillRect(sheet, 0, 0, kSheetWidth, sheetHeight, hexColour(0x3C3F45));
        drawLabel(sheet, kMargin, 12,
                  "Tessaron Data: every picture at twice its size; the screens as the game puts them together", 22, 700,
                  hexColour(0xF0F0F0));
        for (std::size_t i = 0; i < placed.size(); ++i) {
            const Placed& p = placed[i];
            if (p.picture == nullptr) continue;
            const int w = p.picture->w * p.scale;
            const int h = p.picture->h * p.scale;
            checkerboard(sheet, spots[i].x, spots[i].y, w, h);
            copyScaled(sheet, p.picture, spots[i].x, spots[i].y, p.scale);
            drawLabel(sheet, spots[i].x, spots[i].y + h + 3, p.caption.c_str(), 16, 700, hexColour(0xE8E8E8));
        }
        written = IMG_SavePNG(sheet, path.c_str()) == 0;
        SDL_FreeSurface(sheet);
    }
    for (const Placed& p : placed)
        if (p.picture != nullptr) SDL_FreeSurface(p.picture);
    return written;
}
