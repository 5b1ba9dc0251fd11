// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The windows that take an answer of the player: the Yes/No question over the game window and
// the two one-line text dialogs (level code, best score's holder). Each is open while game.mode
// asks for it, in the loop of the window it belongs to (no loop of its own), and its answer
// reaches the game as an input.
#include <SDL.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <string>

#include "game/controls.h"
#include "game/game_state.h"
#include "game/platform.h"
#include "game/replay.h"
#include "game/window_events.h"
#include "screens/fonts.h"
#include "screens/translation.h"
#include "screens/windows1252.h"
#include "shell/menu_navigation.h"
#include "shell/sdl_dialogs.h"
#include "shell/sdl_platform.h"
#include "shell/sdl_presentation.h"
#include "shell/sdl_windows.h"
#include "shell/settings_file.h"
#include "shell/shell_state.h"
#include "shell/text_dialogs.h"

namespace {

// Where the record's name dialog opens on the end screen, in game pixels: centred under the
// rating line (y 330), clear of the best score, its holder and the player's score above it.
constexpr int kNameDialogCentreX = 350;
constexpr int kNameDialogTop = 380;

constexpr SDL_Color kInk{0, 0, 0, 255};
constexpr std::uint32_t kFace = 0xFFF0F0F0;   // dialog background
constexpr std::uint32_t kShade = 0xFFA0A0A0;  // sunken edges
constexpr std::uint32_t kDark = 0xFF404040;   // the default button's frame
constexpr std::uint32_t kFieldWhite = 0xFFFFFFFF;
constexpr std::uint32_t kButtonFace = 0xFFE1E1E1;
constexpr std::uint32_t kButtonHover = 0xFFE5F1FB;
constexpr std::uint32_t kButtonHoverEdge = 0xFF0078D7;
constexpr std::uint32_t kInfoBlue = 0xFF2D6FD2;
constexpr std::uint32_t kInk32 = 0xFF000000;

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

// The keyboard's focus on a control: a dotted frame just inside it.
void drawFocusMark(SDL_Surface* surface, SDL_Rect rect)
{
    const SDL_Rect inner{rect.x + 3, rect.y + 3, rect.w - 6, rect.h - 6};
    for (int x = inner.x; x < inner.x + inner.w; x += 2) {
        fill(surface, SDL_Rect{x, inner.y, 1, 1}, kInk32);
        fill(surface, SDL_Rect{x, inner.y + inner.h - 1, 1, 1}, kInk32);
    }
    for (int y = inner.y; y < inner.y + inner.h; y += 2) {
        fill(surface, SDL_Rect{inner.x, y, 1, 1}, kInk32);
        fill(surface, SDL_Rect{inner.x + inner.w - 1, y, 1, 1}, kInk32);
    }
}

SDL_Point mousePoint(const SDL_Event& event)
{
    const bool motion = event.type == SDL_MOUSEMOTION;
    const Point point =
        picturePointOf(SDL_GetWindowFromID(motion ? event.motion.windowID : event.button.windowID),
                       motion ? event.motion.x : event.button.x, motion ? event.motion.y : event.button.y);
    return SDL_Point{point.x, point.y};
}

SDL_Window* openAnswerWindow(const char* title, int width, int height, std::uint32_t flags,
                             SDL_Point place = SDL_Point{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED})
{
    SDL_Window* window =
        openPictureWindow(title, place.x, place.y, width, height, flags | SDL_WINDOW_SHOWN | SDL_WINDOW_ALWAYS_ON_TOP);
    if (window == nullptr) return nullptr;
    // A window manager keeps it above its owner and hands it the focus the owner gets.
    SDL_Window* owner = windows.game.window != nullptr ? windows.game.window : windows.menu.window;
    if (owner != nullptr) SDL_SetWindowModalFor(window, owner);
    SDL_RaiseWindow(window);
    return window;
}

// Keys and gamepad buttons go to the open answer window, whichever window they came to.
bool isKeyboardEvent(const SDL_Event& event)
{
    return event.type == SDL_KEYDOWN || event.type == SDL_KEYUP || event.type == SDL_TEXTINPUT ||
           event.type == SDL_CONTROLLERBUTTONDOWN;
}

// Brings a window back in front with the focus, out of the taskbar if it was minimised.
void bringForward(SDL_Window* window)
{
    if ((SDL_GetWindowFlags(window) & SDL_WINDOW_MINIMIZED) != 0) SDL_RestoreWindow(window);
    SDL_RaiseWindow(window);
}

// The one-line dialog window: the field at the left, OK at the right.
struct TextDialogWindow {
    SDL_Window* window = nullptr;
    TextField field;
    SDL_Rect fieldRect{};
    SDL_Rect okRect{};
    bool okHovered = false;
    bool okFocused = false;  // Tab moved the keyboard's focus from the field to OK
    bool selecting = false;  // the left button went down in the field and is held
};

constexpr std::uint32_t kSelectionBlue = 0xFFB4D2F5;

int fieldPrefixWidth(const GameFont& font, const TextField& field, int characters)
{
    return textWidth(font, field.text.data(), characters);
}

// Where the field's text starts: centred when it fits; when it is wider than the field, its
// end stays in view unless the caret is further left, which then stays in view.
int fieldTextX(const TextDialogWindow& dialog, const GameFont& font)
{
    const int left = dialog.fieldRect.x + 3;
    const int inner = dialog.fieldRect.w - 6;
    const int width = fieldPrefixWidth(font, dialog.field, dialog.field.length);
    if (width <= inner) return left + (inner - width) / 2;
    const int caret = fieldPrefixWidth(font, dialog.field, dialog.field.caret);
    return std::max(left + inner - width, left - caret);
}

// The character boundary nearest to a click at x.
int caretIndexAt(const TextDialogWindow& dialog, int x)
{
    const GameFont& font = openGameFont(kDialogFontHeight, 400);
    const int offset = x - fieldTextX(dialog, font);
    int best = 0;
    for (int i = 1; i <= dialog.field.length; ++i) {
        if (std::abs(fieldPrefixWidth(font, dialog.field, i) - offset) <
            std::abs(fieldPrefixWidth(font, dialog.field, best) - offset))
            best = i;
    }
    return best;
}

void paintTextDialog(TextDialogWindow& dialog)
{
    SDL_Surface* surface = windowPicture(dialog.window);
    if (surface == nullptr) return;
    const GameFont& font = openGameFont(kDialogFontHeight, 400);
    fill(surface, SDL_Rect{0, 0, surface->w, surface->h}, kFace);
    fill(surface, dialog.fieldRect, kFieldWhite);
    frame(surface, dialog.fieldRect, kShade);

    const TextField& field = dialog.field;
    const int x = fieldTextX(dialog, font);
    const int y = dialog.fieldRect.y + (dialog.fieldRect.h - font.cellHeight) / 2;
    SDL_Rect clip{dialog.fieldRect.x + 2, dialog.fieldRect.y + 1, dialog.fieldRect.w - 4, dialog.fieldRect.h - 2};
    SDL_SetClipRect(surface, &clip);
    int start = 0;
    int count = 0;
    selectionOf(field, start, count);
    if (count > 0) {
        const int from = x + fieldPrefixWidth(font, field, start);
        const int to = x + fieldPrefixWidth(font, field, start + count);
        fill(surface, SDL_Rect{from, y, to - from + 1, font.cellHeight}, kSelectionBlue);
    }
    drawText(surface, font, x, y, field.text.data(), field.length, kInk);
    const int caretX = x + fieldPrefixWidth(font, field, field.caret);
    if (!dialog.okFocused) fill(surface, SDL_Rect{caretX, y + 1, 1, font.cellHeight - 2}, 0xFF000000);
    SDL_SetClipRect(surface, nullptr);

    drawButton(surface, dialog.okRect, "OK", true, dialog.okHovered, font);
    if (dialog.okFocused) drawFocusMark(surface, dialog.okRect);
    showWindowPicture(dialog.window);
}

void pasteClipboard(TextField& field)
{
    char* clipboard = SDL_GetClipboardText();
    if (clipboard == nullptr) return;
    typeIntoField(field, clipboard);  // what fits in the 63 characters goes in
    SDL_free(clipboard);
}

void textDialogKey(TextField& field, const SDL_Keysym& key)
{
    const bool shift = (key.mod & KMOD_SHIFT) != 0;
    const bool control = (key.mod & KMOD_CTRL) != 0;
    switch (key.sym) {
    case SDLK_BACKSPACE: eraseBeforeCaret(field); break;
    case SDLK_DELETE: eraseAfterCaret(field); break;
    case SDLK_LEFT: moveCaret(field, CaretMove::Left, shift); break;
    case SDLK_RIGHT: moveCaret(field, CaretMove::Right, shift); break;
    case SDLK_HOME: moveCaret(field, CaretMove::Home, shift); break;
    case SDLK_END: moveCaret(field, CaretMove::End, shift); break;
    case SDLK_v:
        if (control) pasteClipboard(field);
        break;
    case SDLK_INSERT:
        if (shift) pasteClipboard(field);
        break;
    case SDLK_a:
        if (control) {
            placeCaret(field, 0, false);
            placeCaret(field, field.length, true);
        }
        break;
    // Enter presses the default button, OK; Escape is ignored like the close box.
    case SDLK_RETURN:
    case SDLK_KP_ENTER: confirmTextField(field); break;
    default: break;
    }
}

void textDialogEvent(const SDL_Event& event, TextDialogWindow& dialog)
{
    switch (event.type) {
    case SDL_TEXTINPUT:
        if (!dialog.okFocused) typeIntoField(dialog.field, event.text.text);
        break;
    case SDL_KEYDOWN: {
        // Tab moves the focus between the field and OK; on OK, Return and Space press it.
        const SDL_Keycode key = event.key.keysym.sym;
        if (key == SDLK_TAB) dialog.okFocused = !dialog.okFocused;
        if (!dialog.okFocused) textDialogKey(dialog.field, event.key.keysym);
        if (dialog.okFocused && (key == SDLK_RETURN || key == SDLK_KP_ENTER || key == SDLK_SPACE)) {
            confirmTextField(dialog.field);
        }
        break;
    }
    case SDL_CONTROLLERBUTTONDOWN:
        if (event.cbutton.button == SDL_CONTROLLER_BUTTON_A) confirmTextField(dialog.field);  // A is OK
        break;
    case SDL_MOUSEMOTION: {
        const SDL_Point point = mousePoint(event);
        dialog.okHovered = inside(dialog.okRect, point.x, point.y);
        if (dialog.selecting) placeCaret(dialog.field, caretIndexAt(dialog, point.x), true);
        break;
    }
    case SDL_MOUSEBUTTONDOWN: {
        const SDL_Point point = mousePoint(event);
        if (event.button.button != SDL_BUTTON_LEFT || !inside(dialog.fieldRect, point.x, point.y)) break;
        dialog.selecting = true;
        dialog.okFocused = false;  // a click in the field gives it the focus
        placeCaret(dialog.field, caretIndexAt(dialog, point.x), (SDL_GetModState() & KMOD_SHIFT) != 0);
        break;
    }
    case SDL_MOUSEBUTTONUP: {
        const SDL_Point point = mousePoint(event);
        if (event.button.button != SDL_BUTTON_LEFT) break;
        if (!dialog.selecting && inside(dialog.okRect, point.x, point.y)) confirmTextField(dialog.field);
        dialog.selecting = false;
        break;
    }
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) requestCloseTextField(dialog.field);
        break;
    default: break;
    }
}

// The Yes/No question window: the information mark, the text, "Oui" (default) and "Non".
struct QuestionWindow {
    SDL_Window* window = nullptr;
    std::string text;  // in the player's language, Windows-1252
    SDL_Rect yesRect{};
    SDL_Rect noRect{};
    int hovered = 0;                             // 1 Yes, 2 No
    int answer = 0;                              // 0 while open, 1 Yes, 2 No
    QuestionButton focus = QuestionButton::Yes;  // the button Return presses: "Oui", the default, at first
};

void paintQuestion(QuestionWindow& question)
{
    SDL_Surface* surface = windowPicture(question.window);
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

    drawText(surface, font, 60, cy - font.cellHeight / 2, question.text.c_str(), static_cast<int>(question.text.size()),
             kInk);
    drawButton(surface, question.yesRect, drawnText("Oui").c_str(), true, question.hovered == 1, font);
    drawButton(surface, question.noRect, drawnText("Non").c_str(), false, question.hovered == 2, font);
    drawFocusMark(surface, question.focus == QuestionButton::Yes ? question.yesRect : question.noRect);
    showWindowPicture(question.window);
}

void questionEvent(const SDL_Event& event, QuestionWindow& question)
{
    // Tab, Left and Right move the focus; Return and Space press it, Escape and the first letter
    // of "Non" answer it, that of "Oui" answers "Oui", as the buttons are labelled in the
    // player's language; the gamepad's d-pad moves it, A presses it, B answers "Non".
    const QuestionButton given = questionKey(event, question.focus, shellState.playerSettings.values.gamepad,
                                             answerLettersOf(drawnText("Oui"), drawnText("Non")));
    if (given != QuestionButton::None) question.answer = given == QuestionButton::Yes ? 1 : 2;
    switch (event.type) {
    case SDL_MOUSEMOTION: {
        const SDL_Point point = mousePoint(event);
        question.hovered = inside(question.yesRect, point.x, point.y)  ? 1
                           : inside(question.noRect, point.x, point.y) ? 2
                                                                       : 0;
        break;
    }
    case SDL_MOUSEBUTTONUP: {
        if (event.button.button != SDL_BUTTON_LEFT) break;
        const SDL_Point point = mousePoint(event);
        if (inside(question.yesRect, point.x, point.y)) question.answer = 1;
        if (inside(question.noRect, point.x, point.y)) question.answer = 2;
        break;
    }
    default: break;  // a Yes/No question has no close box: only its buttons and keys answer
    }
}

}  // namespace

namespace {

// The answer windows open now: at most one question and one dialog, by the mode that asks.
struct AnswerWindows {
    QuestionWindow question;
    TextDialogWindow dialog;
    GameMode dialogMode = GameMode::Playing;  // the mode the open dialog answers
    bool editorAsks = false;                  // the open question is the level editor's
    int editorAnswer = 0;                     // its answer, once given: 1 Yes, 2 No
    std::uint64_t focusLeftAt = 0;            // SDL_GetTicks64 time a window of the program lost the focus; 0 none
};
AnswerWindows answers;

void openQuestion(const std::string& text, const char* caption)
{
    QuestionWindow& question = answers.question;
    question = QuestionWindow{};
    question.text = text;
    const GameFont& font = openGameFont(kQuestionFontHeight, 400);
    const int textPixels = textWidth(font, question.text.c_str(), static_cast<int>(question.text.size()));
    const int width = std::max(260, 60 + textPixels + 24);
    const int height = 120;
    question.window = openAnswerWindow(caption, width, height, 0);
    question.yesRect = SDL_Rect{width - 2 * 88 - 12, height - 34, 80, 24};
    question.noRect = SDL_Rect{width - 88 - 8, height - 34, 80, 24};
    // Keys and buttons let go while the question has them never reach the game: nothing stays held.
    releaseSteering(windows.input.steering);
    if (question.window != nullptr) paintQuestion(question);
}

void openTextDialog(TextDialog kind)
{
    TextDialogWindow& dialog = answers.dialog;
    dialog = TextDialogWindow{};
    composeDialogOpening(kind);
    dialog.field = openTextField(kind);
    const bool code = kind == TextDialog::LevelCode;
    const int width = unitsX(code ? 61 : 130);
    const int height = unitsY(12);
    const int fieldWidth = unitsX(code ? 42 : 112);
    dialog.fieldRect = SDL_Rect{0, 0, fieldWidth, height};
    dialog.okRect = SDL_Rect{fieldWidth, 0, width - fieldWidth, height};
    // The record's name is typed below the end screen's score lines, which stay in sight.
    SDL_Point place{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED};
    if (!code && windows.game.window != nullptr) {
        place = screenPointOfPicture(windows.game.window, Point{kNameDialogCentreX, kNameDialogTop});
        place.x -= width * windowScale() / 2;
    }
    dialog.window = openAnswerWindow("> Tessaron", width, height, SDL_WINDOW_BORDERLESS, place);
    releaseSteering(windows.input.steering);
    if (dialog.window == nullptr) return;
    SDL_StartTextInput();
    paintTextDialog(dialog);
}

void closeQuestion()
{
    if (answers.question.window == nullptr) return;
    closePictureWindow(answers.question.window);
    answers.question = QuestionWindow{};
}

void closeTextDialog()
{
    if (answers.dialog.window == nullptr) return;
    closePictureWindow(answers.dialog.window);
    answers.dialog = TextDialogWindow{};
    SDL_StopTextInput();
}

// The open window's answer, once given, goes to the game as an input (never while a replay
// plays: the replay holds the answers).
void handAnswersOver()
{
    if (replay.mode == ReplayMode::Playing) return;
    if (answers.question.window != nullptr && answers.question.answer != 0) {
        const bool yes = answers.question.answer == 1;
        const bool editors = answers.editorAsks;
        closeQuestion();
        answers.editorAsks = false;
        if (editors) answers.editorAnswer = yes ? 1 : 2;
        if (!editors) gameWindowAnswer(yes);
    }
    if (answers.dialog.window != nullptr && !answers.dialog.field.open) {
        closeTextDialog();
        gameWindowText(pathBuffer.data());
    }
}

}  // namespace

void syncAnswerWindows()
{
    const bool gameOpen = windows.game.window != nullptr;
    const bool asked = gameOpen && game.mode == GameMode::Question;
    if (!asked && !answers.editorAsks) closeQuestion();
    if (asked && answers.question.window == nullptr) openQuestion(drawnText(questionText(game.question)), tr("app"));
    const GameMode wanted = game.mode == GameMode::CodeEntry || (gameOpen && game.mode == GameMode::NameEntry)
                                ? game.mode
                                : GameMode::Playing;
    if (answers.dialog.window != nullptr && answers.dialogMode != wanted) closeTextDialog();
    if (wanted != GameMode::Playing && answers.dialog.window == nullptr) {
        answers.dialogMode = wanted;
        openTextDialog(wanted == GameMode::CodeEntry ? TextDialog::LevelCode : TextDialog::PlayerName);
        // No window: the text stays as it was opened.
        if (answers.dialog.window == nullptr) gameWindowText(pathBuffer.data());
    }
}

bool answerWindowOpen() { return answers.question.window != nullptr || answers.dialog.window != nullptr; }

bool answerWindowEvent(const SDL_Event& event)
{
    SDL_Window* open = answers.dialog.window != nullptr ? answers.dialog.window : answers.question.window;
    if (open == nullptr) return false;
    const std::uint32_t id = eventWindowId(event);
    const bool own = id == SDL_GetWindowID(open);
    if (own && event.type == SDL_WINDOWEVENT && windowMayShowNothing(event.window.event)) windowPictureLost(open);
    const bool elsewhere = !own && id != 0;
    // A key, a click or a focus gained in another window of the program brings it back in front.
    const bool focusTaken = event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_KEYDOWN ||
                            (event.type == SDL_WINDOWEVENT && (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED ||
                                                               event.window.event == SDL_WINDOWEVENT_TAKE_FOCUS));
    if (elsewhere && focusTaken) bringForward(open);
    // The focus moves between the program's own windows in two steps (lost here, gained there):
    // only a focus that stays away counts (see pauseIfFocusGoneElsewhere).
    if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
        answers.focusLeftAt = SDL_GetTicks64();
        return true;
    }
    // F11 stays the game window's full-screen switch.
    if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_F11) return false;
    if (!own && !isKeyboardEvent(event) && !isGamepadEvent(event)) return false;
    if (answers.dialog.window != nullptr) {
        textDialogEvent(event, answers.dialog);
        if (answers.dialog.field.open) paintTextDialog(answers.dialog);
    } else {
        questionEvent(event, answers.question);
        if (answers.question.answer == 0) paintQuestion(answers.question);
    }
    handAnswersOver();
    return true;
}

void repaintAnswerWindows()
{
    if (answers.question.window != nullptr) paintQuestion(answers.question);
    if (answers.dialog.window != nullptr) paintTextDialog(answers.dialog);
}

void confirmOpenDialog()
{
    // Left by a quit request or a close (a signal, the desktop's close, a logout): the name the
    // field shows is kept exactly as OK would keep it.
    if (answers.dialog.window != nullptr && answers.dialog.field.open) confirmTextField(answers.dialog.field);
    handAnswersOver();
}

void pauseIfFocusGoneElsewhere()
{
    constexpr std::uint64_t kSettleMs = 150;
    if (answers.focusLeftAt == 0 || SDL_GetTicks64() - answers.focusLeftAt < kSettleMs) return;
    answers.focusLeftAt = 0;
    if (SDL_GetKeyboardFocus() != nullptr || windows.game.window == nullptr || !answerWindowOpen()) return;
    SDL_Event away{};
    away.type = SDL_WINDOWEVENT;
    away.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    away.window.windowID = SDL_GetWindowID(windows.game.window);
    dispatchWindowEvent(WindowKind::Game, away);
}

void openEditorQuestion(const char* text)
{
    std::string drawn;
    if (!windows1252FromUtf8(text, drawn)) drawn = "?";
    answers.editorAnswer = 0;
    openQuestion(drawn, "> Tessaron");
    answers.editorAsks = answers.question.window != nullptr;
    if (!answers.editorAsks) answers.editorAnswer = 2;  // without its window, nothing is overwritten or lost
}

int takeEditorAnswer()
{
    const int answer = answers.editorAnswer;
    answers.editorAnswer = 0;
    return answer;
}

void closeAnswerWindows()
{
    answers.editorAsks = false;
    closeQuestion();
    closeTextDialog();
}
