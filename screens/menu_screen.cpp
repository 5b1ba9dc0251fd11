// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The menu's picture, its buttons' hit test and the sound switch.
#include "screens/menu_screen.h"

#include <cstdio>
#include <cstring>

#include "game/game_state.h"
#include "screens/drawing_surface.h"
#include "screens/fonts.h"
#include "screens/menu_buttons.h"
#include "screens/pictures.h"

std::array<char, 64> selectedLevelText{};

void drawMenu(SDL_Surface* target)
{
    if (target == nullptr) return;
    SDL_Surface* frame = beginFrame(kMenuWidth, kMenuHeight);
    if (frame == nullptr) return;
    const GameFont& font = openGameFont(19, 650);
    drawPicture(frame, pictures.menuBackground, 0, 0, 285, 445);
    for (int i = kFirstDrawnButton; i <= kLastDrawnButton; ++i) {
        const MenuButton& button = menuButtons[static_cast<std::size_t>(i)];
        SDL_Surface* picture = button.hovered == 1 ? button.hoverIcon : button.icon;
        drawPicture(frame, picture, button.x, button.y, button.width, button.height);
        drawText(frame, font, button.x + button.textDx, button.y + button.textDy - button.hovered, button.label.data(),
                 static_cast<int>(std::strlen(button.label.data())), kBlack);
    }
    std::snprintf(selectedLevelText.data(), selectedLevelText.size(), "Niveau s\xe9lectionn\xe9 : %d",
                  game.currentLevel);
    drawText(frame, font, 35, 120, selectedLevelText.data(), static_cast<int>(std::strlen(selectedLevelText.data())),
             kBlack);
    endFrame(frame, target, 0);
}

MenuButtonId hitTestButtons(int x, int y)
{
    for (int i = kFirstDrawnButton; i <= kLastDrawnButton; ++i) {
        menuButtons[static_cast<std::size_t>(i)].hovered = 0;
    }
    MenuButtonId found = kNoMenuButton;
    for (int i = kFirstDrawnButton; i <= kLastDrawnButton; ++i) {
        const MenuButton& button = menuButtons[static_cast<std::size_t>(i)];
        if (x >= button.x && x <= button.x + button.width && y >= button.y && y <= button.y + button.height) {
            found = static_cast<MenuButtonId>(i);
        }
    }
    menuButtons[found].hovered = 1;
    return found;
}

void toggleSound()
{
    game.soundEnabled = game.soundEnabled == 0 ? 1 : 0;
    labelSoundButton();
}

void labelSoundButton()
{
    std::array<char, 64>& label = menuButtons[kSoundButton].label;
    std::snprintf(label.data(), label.size(), "%s", game.soundEnabled == 1 ? "Sons : ON" : "Sons : OFF");
}
