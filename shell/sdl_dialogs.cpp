// The modal windows of the game: the Yes/No questions over the game window and the two
// one-line text dialogs (level code, best score's holder). Each runs a nested loop in which
// the game's timer keeps ticking and the other windows keep repainting.
#include <SDL.h>

#include <algorithm>
#include <cstring>

#include "game/game_state.h"
#include "game/platform.h"
#include "game/replay.h"
#include "screens/fonts.h"
#include "shell/sdl_platform.h"
#include "shell/text_dialogs.h"

namespace {

constexpr SDL_Color kInk{0, 0, 0, 255};
constexpr std::uint32_t kFace = 0xFFF0F0F0;    // dialog background
constexpr std::uint32_t kShade = 0xFFA0A0A0;   // sunken edges
constexpr std::uint32_t kDark = 0xFF404040;    // the default button's frame
constexpr std::uint32_t kFieldWhite = 0xFFFFFFFF;
constexpr std::uint32_t kButtonFace = 0xFFE1E1E1;
constexpr std::uint32_t kButtonHover = 0xFFE5F1FB;
constexpr std::uint32_t kButtonHoverEdge = 0xFF0078D7;
constexpr std::uint32_t kInfoBlue = 0xFF2D6FD2;

// Dialog units to pixels for the dialogs' small font.
constexpr int kUnitX100 = 175;  // 1.75 pixels a horizontal unit
constexpr int kUnitY100 = 200;  // 2 pixels a vertical unit
constexpr int kDialogFontHeight = 15;
constexpr int kQuestionFontHeight = 17;

int unitsX(int units) { return units * kUnitX100 / 100; }
int unitsY(int units) { return units * kUnitY100 / 100; }

void fill(SDL_Surface* surface, SDL_Rect rect, std::uint32_t argb)
{
    SDL_FillRect(surface, &rect, SDL_MapRGB(surface->format, (argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF));
}

void frame(SDL_Surface* surface, SDL_Rect rect, std::uint32_t argb)
{
    fill(surface, SDL_Rect{rect.x, rect.y, rect.w, 1}, argb);
    fill(surface, SDL_Rect{rect.x, rect.y + rect.h - 1, rect.w, 1}, argb);
    fill(surface, SDL_Rect{rect.x, rect.y, 1, rect.h}, argb);
    fill(surface, SDL_Rect{rect.x + rect.w - 1, rect.y, 1, rect.h}, argb);
}

bool inside(SDL_Rect rect, int x, int y)
{
    return x >= rect.x && x < rect.x + rect.w && y >= rect.y && y < rect.y + rect.h;
}

// A flat push button with its label centred; the default one has a dark frame.
void drawButton(SDL_Surface* surface, SDL_Rect rect, const char* label, bool isDefault, bool hovered,
                const GameFont& font)
{
    fill(surface, rect, hovered ? kButtonHover : kButtonFace);
    frame(surface, rect, hovered ? kButtonHoverEdge : (isDefault ? kDark : kShade));
    const int length = static_cast<int>(std::strlen(label));
    const int width = textWidth(font, label, length);
    drawText(surface, font, rect.x + (rect.w - width) / 2, rect.y + (rect.h - font.cellHeight) / 2, label, length,
             kInk);
}

SDL_Point mousePoint(const SDL_Event& event)
{
    if (event.type == SDL_MOUSEMOTION) return SDL_Point{event.motion.x, event.motion.y};
    return SDL_Point{event.button.x, event.button.y};
}

SDL_Window* openModalWindow(const char* title, int width, int height, std::uint32_t flags)
{
    SDL_Window* window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                                          flags | SDL_WINDOW_SHOWN | SDL_WINDOW_ALWAYS_ON_TOP);
    if (window != nullptr) SDL_RaiseWindow(window);
    return window;
}

// The one-line dialog window: the field at the left, OK at the right.
struct TextDialogWindow {
    SDL_Window* window = nullptr;
    TextField field;
    SDL_Rect fieldRect{};
    SDL_Rect okRect{};
    bool okHovered = false;
};

void paintTextDialog(TextDialogWindow& dialog)
{
    SDL_Surface* surface = SDL_GetWindowSurface(dialog.window);
    if (surface == nullptr) return;
    const GameFont& font = openGameFont(kDialogFontHeight, 400);
    fill(surface, SDL_Rect{0, 0, surface->w, surface->h}, kFace);
    fill(surface, dialog.fieldRect, kFieldWhite);
    frame(surface, dialog.fieldRect, kShade);

    // The text is centred; when it is wider than the field, its end stays in view.
    const int inner = dialog.fieldRect.w - 6;
    const int width = textWidth(font, dialog.field.text.data(), dialog.field.length);
    int x = dialog.fieldRect.x + 3 + (inner - width) / 2;
    if (width > inner) x = dialog.fieldRect.x + 3 + inner - width;
    const int y = dialog.fieldRect.y + (dialog.fieldRect.h - font.cellHeight) / 2;
    SDL_Rect clip{dialog.fieldRect.x + 2, dialog.fieldRect.y + 1, dialog.fieldRect.w - 4, dialog.fieldRect.h - 2};
    SDL_SetClipRect(surface, &clip);
    drawText(surface, font, x, y, dialog.field.text.data(), dialog.field.length, kInk);
    fill(surface, SDL_Rect{x + width + 1, y + 1, 1, font.cellHeight - 2}, 0xFF000000);  // the caret
    SDL_SetClipRect(surface, nullptr);

    drawButton(surface, dialog.okRect, "OK", true, dialog.okHovered, font);
    SDL_UpdateWindowSurface(dialog.window);
}

void textDialogEvent(const SDL_Event& event, void* context)
{
    TextDialogWindow& dialog = *static_cast<TextDialogWindow*>(context);
    switch (event.type) {
    case SDL_TEXTINPUT:
        typeIntoField(dialog.field, event.text.text);
        break;
    case SDL_KEYDOWN:
        if (event.key.keysym.sym == SDLK_BACKSPACE) eraseLastCharacter(dialog.field);
        // Enter presses the default button, OK; Escape is ignored like the close box.
        if (event.key.keysym.sym == SDLK_RETURN || event.key.keysym.sym == SDLK_KP_ENTER) {
            confirmTextField(dialog.field);
        }
        break;
    case SDL_MOUSEMOTION: {
        const SDL_Point point = mousePoint(event);
        dialog.okHovered = inside(dialog.okRect, point.x, point.y);
        break;
    }
    case SDL_MOUSEBUTTONUP: {
        const SDL_Point point = mousePoint(event);
        if (event.button.button == SDL_BUTTON_LEFT && inside(dialog.okRect, point.x, point.y)) {
            confirmTextField(dialog.field);
        }
        break;
    }
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) requestCloseTextField(dialog.field);
        break;
    default:
        break;
    }
}

// The Yes/No question window: the information mark, the text, "Oui" (default) and "Non".
struct QuestionWindow {
    SDL_Window* window = nullptr;
    const char* text = "";
    SDL_Rect yesRect{};
    SDL_Rect noRect{};
    int hovered = 0;   // 1 Yes, 2 No
    int answer = 0;    // 0 while open, 1 Yes, 2 No
};

void paintQuestion(QuestionWindow& question)
{
    SDL_Surface* surface = SDL_GetWindowSurface(question.window);
    if (surface == nullptr) return;
    const GameFont& font = openGameFont(kQuestionFontHeight, 400);
    fill(surface, SDL_Rect{0, 0, surface->w, surface->h}, kFieldWhite);
    fill(surface, SDL_Rect{0, surface->h - 44, surface->w, 44}, kFace);

    // The information mark: a blue disc with a white "i".
    const int cx = 32;
    const int cy = 34;
    for (int dy = -14; dy <= 14; ++dy) {
        for (int dx = -14; dx <= 14; ++dx) {
            if (dx * dx + dy * dy <= 196) fill(surface, SDL_Rect{cx + dx, cy + dy, 1, 1}, kInfoBlue);
        }
    }
    fill(surface, SDL_Rect{cx - 2, cy - 9, 4, 4}, kFieldWhite);
    fill(surface, SDL_Rect{cx - 2, cy - 3, 4, 12}, kFieldWhite);

    const int length = static_cast<int>(std::strlen(question.text));
    drawText(surface, font, 60, cy - font.cellHeight / 2, question.text, length, kInk);
    drawButton(surface, question.yesRect, "Oui", true, question.hovered == 1, font);
    drawButton(surface, question.noRect, "Non", false, question.hovered == 2, font);
    SDL_UpdateWindowSurface(question.window);
}

void questionEvent(const SDL_Event& event, void* context)
{
    QuestionWindow& question = *static_cast<QuestionWindow*>(context);
    switch (event.type) {
    case SDL_KEYDOWN: {
        const SDL_Keycode key = event.key.keysym.sym;
        if (key == SDLK_RETURN || key == SDLK_KP_ENTER || key == SDLK_o) question.answer = 1;
        if (key == SDLK_n) question.answer = 2;
        break;
    }
    case SDL_MOUSEMOTION: {
        const SDL_Point point = mousePoint(event);
        question.hovered = inside(question.yesRect, point.x, point.y) ? 1
                           : inside(question.noRect, point.x, point.y) ? 2 : 0;
        break;
    }
    case SDL_MOUSEBUTTONUP: {
        if (event.button.button != SDL_BUTTON_LEFT) break;
        const SDL_Point point = mousePoint(event);
        if (inside(question.yesRect, point.x, point.y)) question.answer = 1;
        if (inside(question.noRect, point.x, point.y)) question.answer = 2;
        break;
    }
    default:
        break;  // a Yes/No question has no close box and no Cancel: only its buttons answer
    }
}

}  // namespace

bool askYesNo(const char* text)
{
    QuestionWindow question;
    question.text = text;
    const GameFont& font = openGameFont(kQuestionFontHeight, 400);
    const int textPixels = textWidth(font, text, static_cast<int>(std::strlen(text)));
    const int width = std::max(260, 60 + textPixels + 24);
    const int height = 120;
    question.window = openModalWindow("app", width, height, 0);
    if (question.window == nullptr) return seamAnswer(false, SDL_GetTicks64());
    question.yesRect = SDL_Rect{width - 2 * 88 - 12, height - 34, 80, 24};
    question.noRect = SDL_Rect{width - 88 - 8, height - 34, 80, 24};
    while (question.answer == 0 && !sdl.quitRequested && !replayAnswerDue()) {
        paintQuestion(question);
        pumpModalLoop(question.window, questionEvent, &question);
    }
    SDL_DestroyWindow(question.window);
    return seamAnswer(question.answer == 1, SDL_GetTicks64());
}

void runTextDialog(TextDialog kind)
{
    TextDialogWindow dialog;
    dialog.field = openTextField(kind);
    const bool code = kind == TextDialog::LevelCode;
    const int width = unitsX(code ? 61 : 130);
    const int height = unitsY(12);
    const int fieldWidth = unitsX(code ? 42 : 112);
    dialog.fieldRect = SDL_Rect{0, 0, fieldWidth, height};
    dialog.okRect = SDL_Rect{fieldWidth, 0, width - fieldWidth, height};
    dialog.window = openModalWindow("> Tessaron", width, height, SDL_WINDOW_BORDERLESS);
    if (dialog.window == nullptr) {
        confirmTextField(dialog.field);  // no window: the text stays as it was opened
        seamDialogText(SDL_GetTicks64());
        return;
    }
    SDL_StartTextInput();
    while (dialog.field.open && !sdl.quitRequested && !replayAnswerDue()) {
        paintTextDialog(dialog);
        pumpModalLoop(dialog.window, textDialogEvent, &dialog);
    }
    SDL_StopTextInput();
    SDL_DestroyWindow(dialog.window);
    seamDialogText(SDL_GetTicks64());
}
