// The one-line dialogs' field: Windows-1252 text of at most 63 characters, typed as UTF-8,
// capitals in the code field, closed only by OK; and the menu's code-entry step.
#include "shell/text_dialogs.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "game/game_state.h"
#include "game/level_codes.h"
#include "screens/fonts.h"

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
    return byte < 0x20 || byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F ||
           byte == 0x90 || byte == 0x9D;
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
        const std::size_t length =
            std::min(sequenceLength(static_cast<unsigned char>(typed[pos])), typed.size() - pos);
        const std::string_view character = typed.substr(pos, length);
        pos += length;
        if (field.length >= kFieldMaxLength) break;
        if (!windows1252FromUtf8(character, converted) || converted.size() != 1) continue;
        if (isControl(static_cast<unsigned char>(converted[0]))) continue;
        const char c = field.dialog == TextDialog::LevelCode ? capitalOf(converted[0]) : converted[0];
        field.text[static_cast<std::size_t>(field.length)] = c;
        field.length += 1;
        field.text[static_cast<std::size_t>(field.length)] = '\0';
        accepted += 1;
    }
    return accepted;
}

void eraseLastCharacter(TextField& field)
{
    if (field.length == 0) return;
    field.length -= 1;
    field.text[static_cast<std::size_t>(field.length)] = '\0';
}

void confirmTextField(TextField& field)
{
    std::memcpy(pathBuffer.data(), field.text.data(), static_cast<std::size_t>(field.length));
    pathBuffer[static_cast<std::size_t>(field.length)] = '\0';
    field.open = false;
}

bool requestCloseTextField(const TextField& field) { return field.open; }

void enterLevelCode()
{
    pathBuffer[0] = '\0';
    if (game.currentLevel >= 1 && game.currentLevel <= 25) {
        const auto& code = levelCodes[static_cast<std::size_t>(game.currentLevel)];
        std::snprintf(pathBuffer.data(), pathBuffer.size(), "%.*s", static_cast<int>(code.size() - 1),
                      code.data());
    }
    runTextDialog(TextDialog::LevelCode);
    game.currentLevel = levelForCode(pathBuffer.data());
}
