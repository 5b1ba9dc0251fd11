// Editing a dialog's field as in any text field: the opening text selected, typing and pasting
// at the caret over the selection, Backspace, Delete, the caret keys with and without Shift,
// and a click's caret.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>

#include "game/game_state.h"
#include "shell/text_dialogs.h"

namespace {

// The field's text with the caret as | or the selection in [ ].
std::string shown(const TextField& field)
{
    int start = 0;
    int count = 0;
    selectionOf(field, start, count);
    std::string out(field.text.data());
    if (count == 0) return out.insert(static_cast<std::size_t>(field.caret), "|");
    return out.insert(static_cast<std::size_t>(start + count), "]").insert(static_cast<std::size_t>(start), "[");
}

}  // namespace

TEST(TextFieldEditing, KeysTypingAndClicksActAtTheCaretAndOverTheSelection)
{
    // Steps: B Backspace, D Delete, L R H E the caret keys (lower case: with Shift), a digit
    // n a click before character n, "+text" typed or pasted text up to the next space.
    const struct {
        const char* opening;
        const char* steps;
        const char* result;
    } cases[] = {
        {"Ancien", "", "[Ancien]"},                 // opens all selected
        {"Ancien", "+Zo\xC3\xA9", "Zo\xE9|"},       // typing replaces it
        {"Ancien", "+\xE2\x86\x92", "[Ancien]"},    // a refused character keeps it
        {"abcdef", "3 B", "ab|def"},
        {"abcdef", "3 D", "abc|ef"},
        {"abcdef", "3 L L", "a|bcdef"},
        {"abcdef", "3 R", "abcd|ef"},
        {"abcdef", "H B", "|abcdef"},               // nothing before the start
        {"abcdef", "E D", "abcdef|"},               // nothing after the end
        {"abcdef", "3 l l", "a[bc]def"},
        {"abcdef", "3 r h", "[abc]def"},            // the selection keeps its anchor
        {"abcdef", "3 e L", "abc|def"},             // Left collapses to its start
        {"abcdef", "3 h R", "abc|def"},             // Right to its end
        {"abcdef", "3 l l B", "a|def"},
        {"abcdef", "3 r D", "abc|ef"},
        {"abcdef", "3 +XY", "abcXY|def"},
        {"abcdef", "9", "abcdef|"},                 // a click past the end
        {"OLDONE", "+ab12cd\n", "AB12CD|"},         // code field: capitals, no line break
    };
    for (const auto& c : cases) {
        std::snprintf(pathBuffer.data(), pathBuffer.size(), "%s", c.opening);
        TextField field = openTextField(c.opening[0] == 'O' ? TextDialog::LevelCode : TextDialog::PlayerName);
        const std::string steps = c.steps;
        for (std::size_t i = 0; i < steps.size(); ++i) {
            const char step = steps[i];
            const CaretMove moves[] = {CaretMove::Left, CaretMove::Right, CaretMove::Home, CaretMove::End};
            const std::size_t key = std::string("LRHE").find(static_cast<char>(std::toupper(step)));
            if (step == 'B') eraseBeforeCaret(field);
            if (step == 'D') eraseAfterCaret(field);
            if (key != std::string::npos) moveCaret(field, moves[key], std::islower(step) != 0);
            if (std::isdigit(step)) placeCaret(field, step - '0', false);
            if (step != '+') continue;
            const std::size_t end = std::min(steps.find(' ', i), steps.size());
            typeIntoField(field, steps.substr(i + 1, end - i - 1).c_str());
            i = end;
        }
        EXPECT_EQ(shown(field), c.result) << c.opening << " / " << c.steps;
    }
}

TEST(TextFieldEditing, PastingInTheMiddleInsertsWhatFitsIn63CharactersAndKeepsTheRest)
{
    std::snprintf(pathBuffer.data(), pathBuffer.size(), "%s", (std::string(30, 'a') + std::string(30, 'b')).c_str());
    TextField field = openTextField(TextDialog::PlayerName);
    placeCaret(field, 30, false);
    EXPECT_EQ(typeIntoField(field, "xyz-and-more"), 3);
    EXPECT_EQ(shown(field), std::string(30, 'a') + "xyz|" + std::string(30, 'b'));
}
