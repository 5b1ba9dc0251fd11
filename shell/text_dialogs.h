// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The two one-line dialogs, the level code and the best score's holder, as the field's
// behaviour that their windows drive: open on pathBuffer, type, erase, OK; and the text each
// opens on.
#pragma once
#include <array>

// The two one-line dialogs.
enum class TextDialog { LevelCode, PlayerName };

// Characters a dialog's field keeps.
constexpr int kFieldMaxLength = 63;

struct TextField {
    TextDialog dialog = TextDialog::LevelCode;     // the code field turns typed letters into capitals
    std::array<char, kFieldMaxLength + 1> text{};  // Windows-1252, NUL-terminated
    int length = 0;                                // characters in text
    int caret = 0;                                 // the caret stands before text[caret], 0..length
    int anchor = 0;                                // the selection runs from anchor to caret
    bool open = false;                             // true from opening until OK
};

// The caret keys of a field.
enum class CaretMove { Left, Right, Home, End };

// Opens `dialog`'s field on the text of pathBuffer, cut to 63 characters, all of it selected
// so that typing replaces it.
TextField openTextField(TextDialog dialog);

// Types UTF-8 text (as the window system delivers it, or pasted) at the caret, replacing the
// selection, character by character. Refused: a character Windows-1252 cannot hold, a control
// character, bytes that are not UTF-8, and anything beyond the 63rd character. The code field
// turns letters (Windows-1252 ones included, é -> É) into capitals. Returns the characters
// accepted.
int typeIntoField(TextField& field, const char* utf8);

// Backspace: erases the selection, else the character before the caret.
void eraseBeforeCaret(TextField& field);

// Delete: erases the selection, else the character after the caret.
void eraseAfterCaret(TextField& field);

// Moves the caret one character or to an end. With `extend` (Shift held) the selection grows
// or shrinks with it; without, a selection collapses: Left to its start, Right to its end.
void moveCaret(TextField& field, CaretMove move, bool extend);

// Puts the caret before character `index` (a click in the field), clamped to the text;
// with `extend` the selection reaches there.
void placeCaret(TextField& field, int index, bool extend);

// The selected characters: from `start`, `count` of them (0 when nothing is selected).
void selectionOf(const TextField& field, int& start, int& count);

// OK: pathBuffer = the field's text, and the dialog closes.
void confirmTextField(TextField& field);

// Escape or the window's close button: ignored, since only OK closes a dialog. Returns
// whether the dialog is still open.
bool requestCloseTextField(const TextField& field);

// The Windows-1252 capital of a letter (a -> A, é -> É, œ -> Œ, ÿ -> Ÿ); other bytes as they are.
char capitalOf(char c);

// Composes in pathBuffer the text a dialog opens on: the code of game.currentLevel (empty
// outside 1..kLevelCount), or the record's previous holder.
void composeDialogOpening(TextDialog dialog);
