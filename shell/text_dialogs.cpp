// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The one-line dialogs' field: Windows-1252 text of at most 63 characters, typed as UTF-8,
// capitals in the code field, closed only by OK; and the text each dialog opens on.
#include "shell/text_dialogs.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "game/game_state.h"
#include "game/level_codes.h"
#include "screens/windows1252.h"

namespace {

// Length of the UTF-8 sequence that starts with `lead`; 1 for a byte that starts none, so
// that a stray byte is refused on its own.
std::size_t sequenceLength(unsigned char lead)
{
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

// Control characters, and the five bytes Windows-1252 leaves unassigned, never enter a field.
bool isControl(unsigned char byte)
{
    return byte < 0x20 || byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

// Removes the selected characters and leaves the caret where they were; false when nothing
// was selected.
bool eraseSelection(TextField& field)
{
    int start = 0;
    int count = 0;
    selectionOf(field, start, count);
    if (count == 0) return false;
    char* at = field.text.data() + start;
    std::memmove(at, at + count, static_cast<std::size_t>(field.length - start - count) + 1);
    field.length -= count;
    field.caret = start;
    field.anchor = start;
    return true;
}

}  // namespace

char capitalOf(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 'a' && byte <= 'z') return static_cast<char>(byte - 0x20);
    // à..þ -> À..Þ, except the division sign ÷ (0xF7).
    if (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7) return static_cast<char>(byte - 0x20);
    switch (byte) {
    case 0x9A: return static_cast<char>(0x8A);  // š -> Š
    case 0x9C: return static_cast<char>(0x8C);  // œ -> Œ
    case 0x9E: return static_cast<char>(0x8E);  // ž -> Ž
    case 0xFF: return static_cast<char>(0x9F);  // ÿ -> Ÿ
    default: return c;
    }
}

TextField openTextField(TextDialog dialog)
{
    TextField field;
    field.dialog = dialog;
    field.length = static_cast<int>(strnlen(pathBuffer.data(), kFieldMaxLength));
    std::memcpy(field.text.data(), pathBuffer.data(), static_cast<std::size_t>(field.length));
    field.text[static_cast<std::size_t>(field.length)] = '\0';
    field.anchor = 0;
    field.caret = field.length;
    field.open = true;
    return field;
}

int typeIntoField(TextField& field, const char* utf8)
{
    if (utf8 == nullptr) return 0;
    const std::string_view typed(utf8);
    int accepted = 0;
    std::string converted;
    std::size_t pos = 0;
    while (pos < typed.size()) {
        const std::size_t length = std::min(sequenceLength(static_cast<unsigned char>(typed[pos])), typed.size() - pos);
        const std::string_view character = typed.substr(pos, length);
        pos += length;
        if (!windows1252FromUtf8(character, converted) || converted.size() != 1) continue;
        if (isControl(static_cast<unsigned char>(converted[0]))) continue;
        // The first character that enters replaces the selection; a refused one keeps it.
        eraseSelection(field);
        if (field.length >= kFieldMaxLength) break;
        const char c = field.dialog == TextDialog::LevelCode ? capitalOf(converted[0]) : converted[0];
        char* at = field.text.data() + field.caret;
        std::memmove(at + 1, at, static_cast<std::size_t>(field.length - field.caret) + 1);
        *at = c;
        field.length += 1;
        field.caret += 1;
        field.anchor = field.caret;
        accepted += 1;
    }
    return accepted;
}

void eraseBeforeCaret(TextField& field)
{
    if (eraseSelection(field) || field.caret == 0) return;
    field.anchor = field.caret - 1;
    eraseSelection(field);
}

void eraseAfterCaret(TextField& field)
{
    if (eraseSelection(field) || field.caret == field.length) return;
    field.anchor = field.caret + 1;
    eraseSelection(field);
}

void moveCaret(TextField& field, CaretMove move, bool extend)
{
    int start = 0;
    int count = 0;
    selectionOf(field, start, count);
    int to = field.caret;
    switch (move) {
    case CaretMove::Left: to = count > 0 && !extend ? start : field.caret - 1; break;
    case CaretMove::Right: to = count > 0 && !extend ? start + count : field.caret + 1; break;
    case CaretMove::Home: to = 0; break;
    case CaretMove::End: to = field.length; break;
    }
    placeCaret(field, to, extend);
}

void placeCaret(TextField& field, int index, bool extend)
{
    field.caret = std::clamp(index, 0, field.length);
    if (!extend) field.anchor = field.caret;
}

void selectionOf(const TextField& field, int& start, int& count)
{
    start = std::min(field.anchor, field.caret);
    count = std::abs(field.anchor - field.caret);
}

void confirmTextField(TextField& field)
{
    std::memcpy(pathBuffer.data(), field.text.data(), static_cast<std::size_t>(field.length));
    pathBuffer[static_cast<std::size_t>(field.length)] = '\0';
    field.open = false;
}

bool requestCloseTextField(const TextField& field) { return field.open; }

void composeDialogOpening(TextDialog dialog)
{
    pathBuffer[0] = '\0';
    if (dialog == TextDialog::PlayerName) {
        std::snprintf(pathBuffer.data(), pathBuffer.size(), "%s", game.bestScoreName.data());
    } else if (game.levelSet != nullptr) {
        std::snprintf(pathBuffer.data(), pathBuffer.size(), "%d", static_cast<int>(game.currentLevel));
    } else if (game.currentLevel >= 1 && game.currentLevel <= kLevelCount) {
        const auto& code = levelCodes[static_cast<std::size_t>(game.currentLevel)];
        std::snprintf(pathBuffer.data(), pathBuffer.size(), "%.*s", static_cast<int>(code.size() - 1), code.data());
    }
}
