// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The menu's picture, its buttons' hit test and the sound switch.
#include "screens/menu_screen.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "game/game_state.h"
#include "game/level_set.h"
#include "screens/drawing_surface.h"
#include "screens/fonts.h"
#include "screens/menu_buttons.h"
#include "screens/pictures.h"
#include "screens/screen_state.h"
#include "screens/translation.h"
#include "screens/windows1252.h"

namespace {

// The notice's lines under the last button, in a small dark red.
constexpr int kNoticeX = 4;
constexpr int kNoticeY = 286;
constexpr int kNoticeLineHeight = 11;
constexpr SDL_Color kNoticeRed{150, 0, 0, 255};
constexpr SDL_Color kNoticePlate{250, 240, 215, 255};

// The set's line: on a plate that widens the pale band of the selected level upwards.
constexpr int kSetLineLeft = 6;
constexpr int kSetLineRight = kMenuWidth - 6;
constexpr int kSetLineTop = 105;
constexpr int kSetLineHeight = 14;

// The name of the set played, Windows-1252, between the marks that say it can be changed, cut
// to what the line holds.
std::string levelSetLine(const GameFont& font)
{
    const char* name = game.levelSet != nullptr ? game.levelSet->name.c_str() : tr("Les niveaux de Tessaron");
    std::string shown;
    if (!windows1252FromUtf8(name, shown)) shown = "?";
    const int room = kSetLineRight - kSetLineLeft - 4 - textWidth(font, "\x8b  \x9b", 5);
    return "\x8b " + fitText(font, shown, room) + " \x9b";
}

void drawLevelSetLine(SDL_Surface* frame)
{
    const GameFont& font = openGameFont(kSetLineHeight - 2, 600);
    const std::string line = levelSetLine(font);
    const int count = static_cast<int>(line.size());
    fillRectangle(frame, kSetLineLeft, kSetLineTop, kSetLineRight, kSetLineTop + kSetLineHeight, kNoticePlate);
    drawText(frame, font, (kMenuWidth - textWidth(font, line.c_str(), count)) / 2, kSetLineTop, line.c_str(), count,
             kBlack);
}

}  // namespace

void showMenuNotice(const char* first, const char* second)
{
    const char* lines[] = {first, second};
    for (std::size_t i = 0; i < screenState.menuNotice.size(); ++i) {
        std::string text;
        if (!windows1252FromUtf8(lines[i], text)) text = "?";
        std::snprintf(screenState.menuNotice[i].data(), screenState.menuNotice[i].size(), "%s", text.c_str());
    }
}

namespace {

// The font of the buttons' labels and the selected level.
const GameFont& menuFont() { return openGameFont(kMenuLabelFontHeight, kMenuLabelFontWeight); }

}  // namespace

void drawMenu(SDL_Surface* target)
{
    if (target == nullptr) return;
    SDL_Surface* frame = beginFrame(kMenuWidth, kMenuHeight);
    if (frame == nullptr) return;
    const GameFont& font = menuFont();
    drawPicture(frame, screenState.pictures.menuBackground, 0, 0, 285, 445);
    for (int i = kFirstDrawnButton; i <= kLastDrawnButton; ++i) {
        const MenuButton& button = screenState.menuButtons[static_cast<std::size_t>(i)];
        SDL_Surface* picture = button.hovered == 1 ? button.hoverIcon : button.icon;
        drawPicture(frame, picture, button.x, button.y, button.width, button.height);
        drawText(frame, font, button.x + button.textDx, button.y + button.textDy - button.hovered, button.label.data(),
                 static_cast<int>(std::strlen(button.label.data())), kBlack);
    }
    std::snprintf(screenState.selectedLevelText.data(), screenState.selectedLevelText.size(),
                  drawnText("Niveau s\xe9lectionn\xe9 : %d").c_str(), game.currentLevel);
    drawText(frame, font, 35, 120, screenState.selectedLevelText.data(),
             static_cast<int>(std::strlen(screenState.selectedLevelText.data())), kBlack);
    if (screenState.menuOffersLevelSets) drawLevelSetLine(frame);
    // On a pale plate over the picture's foot, so that it reads on any background.
    if (screenState.menuNotice[0][0] != '\0') {
        fillRectangle(frame, kNoticeX - 2, kNoticeY - 1, kMenuWidth - kNoticeX + 2,
                      kNoticeY + kNoticeLineHeight * static_cast<int>(screenState.menuNotice.size()) + 1, kNoticePlate);
    }
    // A long reason is cut with an ellipsis at the plate's edge; the terminal has it whole.
    const GameFont& noticeFont = openGameFont(kNoticeLineHeight, 400);
    for (std::size_t i = 0; i < screenState.menuNotice.size(); ++i) {
        const std::string line = fitText(noticeFont, screenState.menuNotice[i].data(), kMenuWidth - 2 * kNoticeX);
        drawText(frame, noticeFont, kNoticeX, kNoticeY + static_cast<int>(i) * kNoticeLineHeight, line.c_str(),
                 static_cast<int>(line.size()), kNoticeRed);
    }
    endFrame(frame, target, 0);
}

bool onLevelSetLine(int x, int y)
{
    return screenState.menuOffersLevelSets && x >= kSetLineLeft && x <= kSetLineRight && y >= kSetLineTop &&
           y <= kSetLineTop + kSetLineHeight;
}

MenuButtonId hitTestButtons(int x, int y)
{
    for (int i = kFirstDrawnButton; i <= kLastDrawnButton; ++i) {
        screenState.menuButtons[static_cast<std::size_t>(i)].hovered = 0;
    }
    MenuButtonId found = kNoMenuButton;
    for (int i = kFirstDrawnButton; i <= kLastDrawnButton; ++i) {
        const MenuButton& button = screenState.menuButtons[static_cast<std::size_t>(i)];
        if (x >= button.x && x <= button.x + button.width && y >= button.y && y <= button.y + button.height) {
            found = static_cast<MenuButtonId>(i);
        }
    }
    screenState.menuButtons[found].hovered = 1;
    return found;
}

void toggleSound()
{
    game.soundEnabled = game.soundEnabled == 0 ? 1 : 0;
    labelSoundButton();
}

void labelMenuButton(MenuButton& button, const MenuLabel& label)
{
    const std::string shown = drawnText(label.text);
    std::snprintf(button.label.data(), button.label.size(), "%s", shown.c_str());
    const int width = textWidth(menuFont(), button.label.data(), static_cast<int>(std::strlen(button.label.data())));
    button.textDx = menuLabelDx(label, width, shown != label.text);
}

void labelSoundButton()
{
    labelMenuButton(screenState.menuButtons[kSoundButton],
                    game.soundEnabled == 1 ? kMenuLabels[kSoundButton - kFirstDrawnButton] : kSoundOffLabel);
}
