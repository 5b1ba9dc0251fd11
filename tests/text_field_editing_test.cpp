// Editing a dialog's field as in any text field: the opening text selected, the caret keys,
// Backspace and Delete at the caret or over a selection, a click's caret, and pasting.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "shell/text_dialogs.h"

namespace {

TextField fieldOn(const std::string& text, TextDialog dialog = TextDialog::PlayerName)
{
    std::snprintf(pathBuffer.data(), pathBuffer.size(), "%s", text.c_str());
    return openTextField(dialog);
}

// The field's text with the caret shown as | and the selection in [ ].
std::string shown(const TextField& field)
{
    int start = 0;
    int count = 0;
    selectionOf(field, start, count);
    std::string out;
    for (int i = 0; i <= field.length; ++i) {
        if (count > 0 && i == start) out += '[';
        if (count > 0 && i == start + count) out += ']';
        if (count == 0 && i == field.caret) out += '|';
        if (i < field.length) out += field.text[static_cast<std::size_t>(i)];
    }
    return out;
}

TEST(TextFieldEditing, TheFieldOpensWithItsTextSelectedSoTypingReplacesIt)
{
    TextField field = fieldOn("Ancien");
    EXPECT_EQ(shown(field), "[Ancien]");
    EXPECT_EQ(typeIntoField(field, "Zo\xC3\xA9"), 3);
    EXPECT_EQ(shown(field), "Zo\xE9|");

    // A refused character leaves the selection in place.
    TextField kept = fieldOn("Ancien");
    EXPECT_EQ(typeIntoField(kept, "\xE2\x86\x92"), 0);
    EXPECT_EQ(shown(kept), "[Ancien]");
}

TEST(TextFieldEditing, KeysActAtTheCaretAndOverTheSelection)
{
    // Each step starts from "abcdef" with the caret after "abc" (or as stated) and nothing selected.
    enum Step { Backspace, Delete, Left, Right, Home, End, ShiftLeft, ShiftRight, ShiftHome, ShiftEnd };
    const struct {
        std::vector<Step> steps;
        const char* result;
    } cases[] = {
        {{Backspace}, "ab|def"},
        {{Delete}, "abc|ef"},
        {{Left, Left}, "a|bcdef"},
        {{Right}, "abcd|ef"},
        {{Home}, "|abcdef"},
        {{End}, "abcdef|"},
        {{Home, Left, Backspace}, "|abcdef"},        // nothing before the start
        {{End, Right, Delete}, "abcdef|"},           // nothing after the end
        {{ShiftLeft, ShiftLeft}, "a[bc]def"},
        {{ShiftRight, ShiftHome}, "[abc]def"},       // the anchor stays where the selection began
        {{ShiftEnd, Left}, "abc|def"},               // Left collapses to the selection's start
        {{ShiftHome, Right}, "abc|def"},             // Right collapses to its end
        {{ShiftLeft, ShiftLeft, Backspace}, "a|def"},
        {{ShiftRight, Delete}, "abc|ef"},
        {{ShiftEnd, ShiftLeft, ShiftLeft, ShiftLeft}, "abc|def"},  // back to an empty selection
    };
    for (const auto& c : cases) {
        TextField field = fieldOn("abcdef");
        placeCaret(field, 3, false);
        for (const Step step : c.steps) {
            switch (step) {
            case Backspace: eraseBeforeCaret(field); break;
            case Delete: eraseAfterCaret(field); break;
            case Left: moveCaret(field, CaretMove::Left, false); break;
            case Right: moveCaret(field, CaretMove::Right, false); break;
            case Home: moveCaret(field, CaretMove::Home, false); break;
            case End: moveCaret(field, CaretMove::End, false); break;
            case ShiftLeft: moveCaret(field, CaretMove::Left, true); break;
            case ShiftRight: moveCaret(field, CaretMove::Right, true); break;
            case ShiftHome: moveCaret(field, CaretMove::Home, true); break;
            case ShiftEnd: moveCaret(field, CaretMove::End, true); break;
            }
        }
        EXPECT_EQ(shown(field), c.result) << c.result;
        EXPECT_EQ(field.text[static_cast<std::size_t>(field.length)], '\0');
    }
}

TEST(TextFieldEditing, TypingInsertsAtTheCaretAndAClickPlacesIt)
{
    TextField field = fieldOn("Lune");
    placeCaret(field, 0, false);
    typeIntoField(field, "Zo\xC3\xA9 ");
    EXPECT_EQ(shown(field), "Zo\xE9 |Lune");
    placeCaret(field, 99, false);  // a click beyond the text puts the caret at its end
    EXPECT_EQ(shown(field), "Zo\xE9 Lune|");
    placeCaret(field, -4, true);   // a drag to the left of the text selects all of it
    EXPECT_EQ(shown(field), "[Zo\xE9 Lune]");
}

TEST(TextFieldEditing, PastingInsertsWhatFitsAndTheCodeFieldKeepsItsCapitals)
{
    // A 60-character name with the caret in the middle takes 3 pasted characters, no more,
    // and what followed the caret stays after them.
    TextField field = fieldOn(std::string(30, 'a') + std::string(30, 'b'));
    placeCaret(field, 30, false);
    EXPECT_EQ(typeIntoField(field, "xyz-and-more\nsecond line"), 3);
    EXPECT_EQ(std::string(field.text.data()), std::string(30, 'a') + "xyz" + std::string(30, 'b'));
    EXPECT_EQ(field.caret, 33);

    // Pasted over the selected code, a lower-case code with a line break comes in as capitals.
    TextField code = fieldOn("OLDONE", TextDialog::LevelCode);
    typeIntoField(code, "ab12cd\n");
    EXPECT_EQ(shown(code), "AB12CD|");

    // A full field's selection is replaced by what is pasted over it.
    TextField full = fieldOn(std::string(63, 'q'));
    EXPECT_EQ(typeIntoField(full, std::string(70, 'r').c_str()), 63);
    EXPECT_EQ(std::string(full.text.data()), std::string(63, 'r'));
}

}  // namespace
