// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The level editor's work apart from its window: the file opened and saved (atomically, and
// never over a file changed since it was opened without the player's yes), its keys, the proof
// of its levels and the level tried in the game window. The window's loop (sdl_editor.cpp)
// hands it the player's inputs and shows what it holds.
#pragma once
#include <SDL_keycode.h>

#include <cstdint>
#include <string>

#include "game/game_state.h"
#include "game/level_edit.h"
#include "shell/level_proof.h"

// What a key asks of the editor.
enum class EditorCommand : std::uint8_t {
    NoCommand,
    CursorLeft,
    CursorRight,
    CursorUp,
    CursorDown,
    Place,
    Remove,
    PickKind,   // the argument is the kind
    WriteText,  // the argument is the EditText: its line opens for typing
    NextGroup,
    PreviousLevel,
    NextLevel,
    AddLevel,
    RemoveLevel,
    MoveLevelEarlier,
    MoveLevelLater,
    Undo,
    Redo,
    Save,
    Prove,
    Try,
    Quit,
};
struct EditorKey {
    EditorCommand command = EditorCommand::NoCommand;
    int argument = 0;
};

// The question the editor waits for an answer to.
enum class EditorQuestion : std::uint8_t { NoQuestion, Overwrite, QuitUnsaved };

struct LevelEditor {
    LevelEdit edit;
    std::string path;             // the file edited
    bool onDisk = false;          // the file was there when opened, or has been saved since
    std::string diskBytes;        // its bytes then: a file that differs now has been changed by another
    std::string status;           // the editor's last word, UTF-8
    LevelProof proof;             // the proof under way and the verdicts given
    std::string proofProgram;     // the tessaron-lab that proves
    bool saveWhenProven = false;  // a save waits for the proof under way
    EditorQuestion question = EditorQuestion::NoQuestion;  // asked, waiting for its answer
    bool quit = false;                                     // the editor is done: its window closes
    bool tryAsked = false;                                 // the shown level is to be played in the game window
    bool lineOpen = false;                                 // a text is being typed: every key goes to it
    EditText lineFor = EditText::SetName;                  // the text typed
    std::string line;                                      // what is typed so far, UTF-8
};

// The key of a key press with its modifiers (SDL's KMOD_* bits).
EditorKey editorKeyOf(SDL_Keycode key, std::uint16_t modifiers);

// A name for a new set in `folder`: "niveaux-N.tessaron-levels" with the first N not taken.
std::string newLevelSetPath(const std::string& folder);

// Opens `path` for editing: the set it holds, or a new set of one empty level when there is no
// file (named after the file). False with `refusal` when the file is there but refused.
bool openLevelEditor(LevelEditor& editor, const std::string& path, const std::string& author, std::string& refusal);

// Does what a key asks; a question asked or an answer awaited is in editor.question.
void runEditorCommand(LevelEditor& editor, EditorKey key);

// A key pressed (with SDL's KMOD_* bits): the command editorKeyOf gives, or while a text is
// typed, the line's own keys. Backspace erases its last character, Return keeps the text when
// the reader would (as one change to undo), else says why; Escape gives it up. Other keys do
// nothing then.
void editorKeyPressed(LevelEditor& editor, SDL_Keycode key, std::uint16_t modifiers);
// Text typed (UTF-8, as the window system delivers it) added at the line's end, character by
// character. Refused, with the reason said: a character the game cannot draw or a control
// character, and what would make the text longer than the reader takes.
void typeIntoEditorLine(LevelEditor& editor, const char* utf8);

// Why the reader would not give `text` back as the text `which` (in the player's language),
// or "" when it would.
std::string editTextRefusal(EditText which, const std::string& text);

// The answer to editor.question: an overwrite agreed saves, a quit agreed ends the editor.
void answerEditorQuestion(LevelEditor& editor, bool yes);

// Reads what the proof has said so far; true when the screen has something new to show. A save
// that waited for the proof is made once it ends.
bool followLevelProof(LevelEditor& editor);

// The proof of the shown level as the panel says it (UTF-8), and whether it was cleared.
std::string shownVerdict(const LevelEditor& editor, bool& cleared);

// The text of the question asked, as the question window shows it (UTF-8).
const char* editorQuestionText(EditorQuestion question);

// The shown level alone, as a set the game plays when the player tries it.
LevelSet trialSet(const LevelEditor& editor);

// Whether a game trying a level is over in `mode`: the level cleared and applauded, the last
// ball lost, or the game left; the editor comes back then.
bool trialOver(GameMode mode);
