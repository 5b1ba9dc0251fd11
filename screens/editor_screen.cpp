// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The level editor's screen, drawn on a frame of the game window's size.
#include "screens/editor_screen.h"

#include <SDL_surface.h>

#include <array>
#include <cstdio>

#include "game/brick_kinds.h"
#include "screens/drawing_surface.h"
#include "screens/fonts.h"
#include "screens/screen_state.h"
#include "screens/translation.h"
#include "screens/windows1252.h"

namespace {

constexpr SDL_Color kPanel{24, 24, 40, 255};
constexpr SDL_Color kPanelInk{230, 230, 230, 255};
constexpr SDL_Color kDimInk{150, 150, 170, 255};
constexpr SDL_Color kGridDot{120, 120, 140, 255};
constexpr SDL_Color kCursor{255, 220, 0, 255};
constexpr SDL_Color kChosen{255, 220, 0, 255};
constexpr SDL_Color kProvenGreen{120, 230, 120, 255};
constexpr SDL_Color kStuckRed{255, 120, 110, 255};
constexpr int kPanelLeft = kPlayfieldWidth;
constexpr int kPanelTextLeft = kPanelLeft + 8;

constexpr int kCaretWidth = 2;

// The editor's keys, as the panel lists them (Windows-1252).
constexpr std::array<const char*, 14> kKeyLines = {
    drawnTextId("Fl\xe8"
                "ches, souris : curseur"),
    drawnTextId("1 \xe0 8, clic : genre de brique"),
    drawnTextId("Espace, clic : poser"),
    drawnTextId("Suppr, clic droit : retirer"),
    drawnTextId("G : groupe de disparition"),
    drawnTextId("Page pr\xe9"
                "c./suiv. : niveau"),
    drawnTextId("N : nouveau niveau"),
    drawnTextId("Ctrl+Suppr : retirer le niveau"),
    drawnTextId("Maj+Page : d\xe9"
                "placer le niveau"),
    drawnTextId("Ctrl+Z, Ctrl+Y : annuler, refaire"),
    drawnTextId("P : prouver, T : essayer"),
    drawnTextId("F2, F3, F4 : nom, auteur, titre"),
    drawnTextId("Ctrl+S : enregistrer"),
    drawnTextId("\xc9"
                "chap : quitter"),
};

// An outline `thickness` pixels wide just inside the box.
void outline(SDL_Surface* frame, SDL_Rect box, int thickness, SDL_Color colour)
{
    fillRectangle(frame, box.x, box.y, box.x + box.w, box.y + thickness, colour);
    fillRectangle(frame, box.x, box.y + box.h - thickness, box.x + box.w, box.y + box.h, colour);
    fillRectangle(frame, box.x, box.y, box.x + thickness, box.y + box.h, colour);
    fillRectangle(frame, box.x + box.w - thickness, box.y, box.x + box.w, box.y + box.h, colour);
}

void drawLine(SDL_Surface* frame, const GameFont& font, int x, int y, const std::string& text, SDL_Color colour)
{
    drawText(frame, font, x, y, text.c_str(), static_cast<int>(text.size()), colour);
}

// Draws UTF-8 `text` in lines that fit the panel, from `y`, at most `most` lines; returns the y after.
int drawWrapped(SDL_Surface* frame, const GameFont& font, int y, const std::string& text, SDL_Color colour, int most)
{
    std::string shown;
    if (!windows1252FromUtf8(text, shown)) shown = "?";
    const int room = kPanelTextRight - kPanelTextLeft;
    while (!shown.empty() && most-- > 0) {
        std::size_t fits = shown.size();
        while (fits > 1 && textWidth(font, shown.c_str(), static_cast<int>(fits)) > room) {
            const std::size_t blank = shown.rfind(' ', fits - 1);
            fits = blank != std::string::npos && blank > 0 ? blank : fits - 1;
        }
        drawLine(frame, font, kPanelTextLeft, y, shown.substr(0, fits), colour);
        shown.erase(0, fits);
        while (!shown.empty() && shown.front() == ' ') shown.erase(0, 1);
        y += font.cellHeight;
    }
    return y;
}

// A text the player writes (UTF-8), after `label`, on its panel line at `y`, cut to the panel
// with an ellipsis. While it is typed, the typed line stands in its place in the chosen colour,
// its end in sight with the caret after it.
void drawWrittenText(SDL_Surface* frame, const GameFont& font, int y, const EditorPanelTexts& texts, EditText which,
                     const std::string& label, const std::string& text, SDL_Color colour)
{
    const bool typed = texts.lineOpen && texts.lineFor == which;
    std::string shown;
    if (!windows1252FromUtf8(typed ? texts.line : text, shown)) shown = "?";
    shown = label + shown;
    const int room = kPanelTextRight - kPanelTextLeft;
    if (!typed) {
        drawLine(frame, font, kPanelTextLeft, y, fitText(font, shown, room), colour);
        return;
    }
    const auto width = [&font](const std::string& t) { return textWidth(font, t.c_str(), static_cast<int>(t.size())); };
    if (width(shown) + kCaretWidth + 1 > room) {
        while (!shown.empty() && width("\x85" + shown) + kCaretWidth + 1 > room) shown.erase(0, 1);
        shown.insert(0, "\x85");  // an ellipsis: the line's start is out of sight
    }
    drawLine(frame, font, kPanelTextLeft, y, shown, kChosen);
    const int caret = kPanelTextLeft + width(shown) + 1;
    fillRectangle(frame, caret, y, caret + kCaretWidth, y + font.cellHeight, kChosen);
}

void drawPlayfield(SDL_Surface* frame, const LevelEdit& edit, bool cursorShown)
{
    drawPicture(frame, screenState.pictures.gameBackground, 0, 0, kPlayfieldWidth, kEditorScreenHeight);
    for (int row = 0; row <= kEditRows; ++row) {
        for (int column = 0; column <= kEditColumns; ++column) {
            setPixel(frame, column * kBrickWidth, row * kBrickHeight, kGridDot);
        }
    }
    const GameFont& small = openGameFont(11, 700);
    for (const Brick& brick : edit.set.levels[static_cast<std::size_t>(edit.level)].entries) {
        if (brick.kind == kNoBrick) continue;
        drawPicture(frame, screenState.pictures.brickBitmaps[static_cast<std::size_t>(brick.kind)], brick.x, brick.y,
                    kBrickWidth, kBrickHeight);
        if (brick.group == 0) continue;
        const std::string group = std::to_string(brick.group);
        drawLine(frame, small, brick.x + kBrickWidth - 8, brick.y + 5, group, kBlack);
        drawLine(frame, small, brick.x + kBrickWidth - 9, brick.y + 4, group, kPanelInk);
    }
    if (cursorShown)
        outline(frame, SDL_Rect{edit.column * kBrickWidth, edit.row * kBrickHeight, kBrickWidth, kBrickHeight}, 2,
                kCursor);
}

void drawPalette(SDL_Surface* frame, const LevelEdit& edit, const GameFont& font)
{
    for (int kind = 1; kind <= kBrickKinds; ++kind) {
        const SDL_Rect box = paletteBox(kind);
        drawPicture(frame, screenState.pictures.brickBitmaps[static_cast<std::size_t>(kind)], box.x + 4, box.y + 3,
                    kBrickWidth, kBrickHeight);
        drawLine(frame, font, box.x + kBrickWidth + 10, box.y + 6, std::to_string(kind), kPanelInk);
        if (kind == edit.kind) outline(frame, box, 2, kChosen);
    }
    drawLine(frame, font, kPanelTextLeft, kGroupBoxesTop + 4, drawnText("Groupe :"), kPanelInk);
    for (int group = 0; group < kEditorGroups; ++group) {
        const SDL_Rect box{kGroupBoxesLeft + group * (kGroupBoxSize + 2), kGroupBoxesTop, kGroupBoxSize, kGroupBoxSize};
        drawLine(frame, font, box.x + 7, box.y + 4, group == 0 ? "-" : std::to_string(group), kPanelInk);
        outline(frame, box, group == edit.group ? 2 : 1, group == edit.group ? kChosen : kDimInk);
    }
}

}  // namespace

SDL_Rect paletteBox(int kind)
{
    const int index = kind - 1;
    return SDL_Rect{kPaletteLeft + (index % 2) * kPaletteBoxWidth, kPaletteTop + (index / 2) * kPaletteBoxHeight,
                    kPaletteBoxWidth - 4, kPaletteBoxHeight - 2};
}

int paletteKindAt(int x, int y)
{
    for (int kind = 1; kind <= kBrickKinds; ++kind) {
        const SDL_Rect box = paletteBox(kind);
        if (x >= box.x && x < box.x + box.w && y >= box.y && y < box.y + box.h) return kind;
    }
    return 0;
}

int groupBoxAt(int x, int y)
{
    if (y < kGroupBoxesTop || y >= kGroupBoxesTop + kGroupBoxSize || x < kGroupBoxesLeft) return -1;
    const int group = (x - kGroupBoxesLeft) / (kGroupBoxSize + 2);
    return group < kEditorGroups ? group : -1;
}

void drawEditorScreen(SDL_Surface* target, const LevelEdit& edit, const EditorPanelTexts& texts)
{
    if (target == nullptr) return;
    SDL_Surface* frame = beginFrame(kEditorScreenWidth, kEditorScreenHeight);
    if (frame == nullptr) return;
    drawPlayfield(frame, edit, texts.cursorShown);
    fillRectangle(frame, kPanelLeft, 0, kEditorScreenWidth, kEditorScreenHeight, kPanel);

    const GameFont& title = openGameFont(16, 700);
    const GameFont& font = openGameFont(13, 400);
    drawLine(frame, title, kPanelTextLeft, 6,
             drawnText("\xc9"
                       "diteur de niveaux"),
             kChosen);
    drawWrittenText(frame, font, kWrittenTextTops[0], texts, EditText::SetName, "", edit.set.name, kPanelInk);
    drawWrittenText(frame, font, kWrittenTextTops[1], texts, EditText::Author, drawnText("par "), edit.set.author,
                    kDimInk);
    char line[96];
    std::snprintf(line, sizeof line, drawnText("Niveau %d sur %d").c_str(), edit.level + 1,
                  static_cast<int>(edit.set.levels.size()));
    std::string levelLine = line;
    if (texts.unsaved) levelLine += drawnText(" (modifi\xe9)");
    drawLine(frame, font, kPanelTextLeft, kWrittenTextTops[1] + 18, levelLine, kPanelInk);
    const std::string& levelTitle = editText(edit, EditText::LevelTitle);
    const bool untitled = levelTitle.empty() && !(texts.lineOpen && texts.lineFor == EditText::LevelTitle);
    drawWrittenText(frame, font, kWrittenTextTops[2], texts, EditText::LevelTitle,
                    untitled ? drawnText("(sans titre)") : "", levelTitle, untitled ? kDimInk : kPanelInk);

    drawPalette(frame, edit, font);
    int y = drawWrapped(frame, font, kGroupBoxesTop + kGroupBoxSize + 8, texts.verdict,
                        texts.cleared ? kProvenGreen : kStuckRed, 3);
    drawWrapped(frame, font, y + 4, texts.status, kPanelInk, 4);

    const GameFont& help = openGameFont(12, 400);
    y = kEditorScreenHeight - static_cast<int>(kKeyLines.size()) * help.cellHeight - 6;
    for (const char* keys : kKeyLines) {
        drawLine(frame, help, kPanelTextLeft, y, drawnText(keys), kDimInk);
        y += help.cellHeight;
    }
    endFrame(frame, target, 0);
}
