// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The level editor's window: its events, its paints, the proof followed while it waits, and the
// shown level played in the game window, after which the editor comes back.
#include "shell/sdl_editor.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "game/game_state.h"
#include "game/window_events.h"
#include "screens/editor_screen.h"
#include "screens/game_window_paint.h"
#include "screens/translation.h"
#include "shell/data_paths.h"
#include "shell/level_sets.h"
#include "shell/printable_path.h"
#include "shell/sdl_dialogs.h"
#include "shell/sdl_platform.h"
#include "shell/sdl_presentation.h"
#include "shell/sdl_windows.h"
#include "shell/settings_file.h"
#include "shell/shell_state.h"
#include "shell/sound_cues.h"
#include "shell/user_dirs.h"

namespace {

// How often a running proof is read while no event comes, ms.
constexpr int kProofReadMs = 100;

// The author of a new set: the player's name on the system.
std::string playerName()
{
    const passwd* entry = getpwuid(getuid());
    if (entry != nullptr && entry->pw_name != nullptr && entry->pw_name[0] != '\0') return entry->pw_name;
    const char* user = std::getenv("USER");
    return user != nullptr ? user : "";
}

void paintEditor(const LevelEditor& editor, bool cursorShown)
{
    SDL_Surface* picture = windowPicture(windows.game.window);
    if (picture == nullptr) return;
    EditorPanelTexts texts;
    texts.verdict = shownVerdict(editor, texts.cleared);
    texts.status = editor.status;
    texts.unsaved = editor.edit.changesSinceSave > 0;
    texts.cursorShown = cursorShown;
    texts.lineOpen = editor.lineOpen;
    texts.lineFor = editor.lineFor;
    texts.line = editor.line;
    drawEditorScreen(picture, editor.edit, texts);
    showWindowPicture(windows.game.window);
}

// The shown level played in the game window as a game of its own, until it is cleared, lost or
// left; then the window is the editor's again.
void tryShownLevel(LevelEditor& editor)
{
    editor.tryAsked = false;
    const LevelSet trial = trialSet(editor);
    game.levelSet = &trial;
    game.currentLevel = 1;
    windows.pointer = SDL_Point{kPaddleStartX, 0};
    windows.deferred = DeferredInputs{};
    forgetGameWindowPaint();
    windows.game.pictureLost = true;
    sdl.tryingLevel = true;
    gameWindowNewGame();
    runMessageLoop(WindowKind::Game);
    sdl.tryingLevel = false;
    closeAnswerWindows();
    stopGameTimer();
    stopSounds();
    game.requests = FlowRequests{};
    game.levelSet = nullptr;
    windows.deferred = DeferredInputs{};
    if (windows.game.window == nullptr && !sdl.quitRequested) openWindow(WindowKind::Game);
    windows.pointerShown = true;
    SDL_ShowCursor(SDL_ENABLE);
    editor.status = tr("Essai terminé : retour à l'éditeur.");
}

// The grid cell under a point of the picture, when it lies on the playfield.
bool cellAt(Point point, int& column, int& row)
{
    if (point.x < 0 || point.y < 0 || point.x >= kPlayfieldWidth) return false;
    column = point.x / kBrickWidth;
    row = point.y / kBrickHeight;
    return row < kEditRows;
}

// A click or a drag with a button held: on the playfield the left one places and the right one
// removes; on the panel the left one picks a kind or a group.
void pointerAt(LevelEditor& editor, Point point, std::uint32_t buttons, bool pressed)
{
    int column = 0, row = 0;
    if (cellAt(point, column, row)) {
        editor.edit.column = column;
        editor.edit.row = row;
        if ((buttons & SDL_BUTTON_LMASK) != 0) runEditorCommand(editor, EditorKey{EditorCommand::Place, 0});
        if ((buttons & SDL_BUTTON_RMASK) != 0) runEditorCommand(editor, EditorKey{EditorCommand::Remove, 0});
        return;
    }
    if (!pressed || (buttons & SDL_BUTTON_LMASK) == 0) return;
    const int kind = paletteKindAt(point.x, point.y);
    if (kind != 0) editor.edit.kind = kind;
    const int group = groupBoxAt(point.x, point.y);
    if (group >= 0) editor.edit.group = group;
}

// One event of the editor's window; true when it changed what the window shows.
bool editorEvent(LevelEditor& editor, const SDL_Event& event, bool& cursorShown)
{
    SDL_Window* window = windows.game.window;
    switch (event.type) {
    case SDL_KEYDOWN:
        if (event.key.keysym.sym == SDLK_F11) {
            shellState.playerSettings.values.fullScreen = toggleFullScreen(window);
            return true;
        }
        cursorShown = true;
        editorKeyPressed(editor, event.key.keysym.sym, event.key.keysym.mod);
        // The window system composes typed text (accents, dead keys) only while a line is open.
        if (editor.lineOpen != (SDL_IsTextInputActive() == SDL_TRUE)) {
            if (editor.lineOpen) SDL_StartTextInput();
            if (!editor.lineOpen) SDL_StopTextInput();
        }
        return true;
    case SDL_TEXTINPUT:
        if (editor.lineOpen) typeIntoEditorLine(editor, event.text.text);
        return editor.lineOpen;
    case SDL_MOUSEMOTION:
        if (editor.lineOpen) return false;  // the mouse waits for the line to be done, like the keys
        cursorShown = true;
        pointerAt(editor, picturePointOf(window, event.motion.x, event.motion.y), event.motion.state, false);
        return true;
    case SDL_MOUSEBUTTONDOWN:
        if (editor.lineOpen) return false;
        pointerAt(editor, picturePointOf(window, event.button.x, event.button.y), SDL_BUTTON(event.button.button),
                  true);
        return true;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) runEditorCommand(editor, EditorKey{EditorCommand::Quit, 0});
        if (windowMayShowNothing(event.window.event)) windowPictureLost(window);
        if (event.window.event == SDL_WINDOWEVENT_LEAVE) cursorShown = false;
        return true;
    default: return false;
    }
}

}  // namespace

bool openEditedSet(const std::string& path, LevelEditor& editor, std::FILE* err)
{
    std::string chosen = path;
    if (chosen.empty()) {
        const std::string folder = playerLevelSetDirectory();
        if (folder.empty() || !makeUserDir(folder)) {
            std::fputs(tr("tessaron : aucun dossier où ranger un nouveau jeu de niveaux (HOME ni XDG_DATA_HOME)\n"),
                       err);
            return false;
        }
        chosen = newLevelSetPath(folder);
    }
    std::string refusal;
    if (!openLevelEditor(editor, chosen, playerName(), refusal)) {
        std::fprintf(err, tr("tessaron : %s\n"), printablePath(refusal).c_str());
        return false;
    }
    editor.proofProgram = proofProgramPath(shellState.exeDir);
    return true;
}

int runLevelEditor(LevelEditor& editor)
{
    // The window's close box asks before unsaved changes are lost, instead of ending SDL's loop.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    finishStartUp();
    openWindow(WindowKind::Game);
    bool repaint = true;
    bool cursorShown = true;
    while (!editor.quit && !sdl.quitRequested && windows.game.window != nullptr) {
        // An answer given is taken before a question is asked: its window has just closed.
        const int answer = takeEditorAnswer();
        if (answer != 0) {
            answerEditorQuestion(editor, answer == 1);
            repaint = true;
        }
        if (editor.question != EditorQuestion::NoQuestion && !answerWindowOpen()) {
            openEditorQuestion(editorQuestionText(editor.question));
        }
        if (editor.tryAsked) {
            tryShownLevel(editor);
            repaint = true;
            continue;
        }
        if (repaint) paintEditor(editor, cursorShown);
        repaint = false;
        SDL_Event event;
        const bool got = waitForEditorEvent(event, levelProofRunning(editor.proof) ? kProofReadMs : -1);
        repaint = followLevelProof(editor);
        if (!got) continue;
        if (answerWindowOpen() && answerWindowEvent(event)) continue;
        const bool own = eventWindowId(event) == SDL_GetWindowID(windows.game.window);
        if (own && editor.question == EditorQuestion::NoQuestion)
            repaint = editorEvent(editor, event, cursorShown) || repaint;
    }
    stopLevelProof(editor.proof);
    closeAnswerWindows();
    closeWindow(WindowKind::Game);
    return 0;
}
