// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The menu's picture, its buttons' hit test and the sound switch.
#include "screens/menu_screen.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "game/game_state.h"
#include "screens/drawing_surface.h"
#include "screens/fonts.h"
#include "screens/menu_buttons.h"
#include "screens/pictures.h"
#include "screens/translation.h"

std::array<char, 64> selectedLevelText{};

namespace {

// The font of the buttons' labels and the selected level.
const GameFont& menuFont() { return openGameFont(19, 650); }

}  // namespace

void drawMenu(SDL_Surface* target)
{
    if (target == nullptr) return;
    SDL_Surface* frame = beginFrame(kMenuWidth, kMenuHeight);
    if (frame == nullptr) return;
    const GameFont& font = menuFont();
    drawPicture(frame, pictures.menuBackground, 0, 0, 285, 445);
    for (int i = kFirstDrawnButton; i <= kLastDrawnButton; ++i) {
        const MenuButton& button = menuButtons[static_cast<std::size_t>(i)];
        SDL_Surface* picture = button.hovered == 1 ? button.hoverIcon : button.icon;
        drawPicture(frame, picture, button.x, button.y, button.width, button.height);
        drawText(frame, font, button.x + button.textDx, button.y + button.textDy - button.hovered, button.label.data(),
                 static_cast<int>(std::strlen(button.label.data())), kBlack);
    }
    std::snprintf(selectedLevelText.data(), selectedLevelText.size(),
                  drawnText("Niveau s\xe9lectionn\xe9 : %d").c_str(), game.currentLevel);
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

void labelMenuButton(MenuButton& button, const char* label, int frenchDx)
{
    const std::string shown = drawnText(label);
    std::snprintf(button.label.data(), button.label.size(), "%s", shown.c_str());
    const int width = textWidth(menuFont(), button.label.data(), static_cast<int>(std::strlen(button.label.data())));
    button.textDx = shown == label ? frenchDx : (button.width - width) / 2;
}

void labelSoundButton()
{
    labelMenuButton(menuButtons[kSoundButton],
                    game.soundEnabled == 1 ? drawnTextId("Sons : ON") : drawnTextId("Sons : OFF"), kSoundLabelDx);
}
