// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The one-line dialogs: the code entry, what the field takes, its 63 characters, OK, editing at the caret.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <tuple>
#include <utility>

#include "game/flow.h"
#include "game/game_state.h"
#include "game/level_codes.h"
#include "shell/text_dialogs.h"
#include "tests/fake_platform.h"

namespace {

void setPathBuffer(const std::string& text) { std::snprintf(pathBuffer.data(), pathBuffer.size(), "%s", text.c_str()); }

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

// The field opened on `opening` after `steps` (B Backspace, D Delete, LRHE caret keys (lower case: with Shift), a digit
// n: a click at n, "+text": text typed), shown as above.
std::string edited(const char* opening, const std::string& steps)
{
    setPathBuffer(opening);
    TextField field = openTextField(opening[0] == 'O' ? TextDialog::LevelCode : TextDialog::PlayerName);
    const CaretMove moves[] = {CaretMove::Left, CaretMove::Right, CaretMove::Home, CaretMove::End};
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const char step = steps[i];
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
    return shown(field);
}

}  // namespace

// The code dialog opens on the current level's code (none past the last) and the code given picks the level.
TEST(LevelCodeEntry, OpensOnTheCurrentCodeAndTheCodeGivenChoosesTheLevel)
{
    resetWorld();
    fillLevelCodes();
    // The current level, what is typed (nullptr: OK on the opening text), the opening text, the level chosen.
    const std::tuple<int, const char*, const char*, int> cases[] = {
        {7, nullptr, levelCodes[7].data(), 7},
        {2, levelCodes[22].data(), levelCodes[2].data(), 22},
        {2, "no such code", levelCodes[2].data(), 1},
        {kLevelCount + 1, nullptr, "", 1},
        {0, nullptr, "", 1},
        {-3, nullptr, "", 1}};
    for (const auto& [level, typed, opening, chosen] : cases) {
        resetFakePlatform();
        setPathBuffer("left over from a path");
        game.currentLevel = level;
        beginCodeEntry();
        composeDialogOpening(TextDialog::LevelCode);
        EXPECT_EQ(std::string(pathBuffer.data()), opening) << level;
        input(Handler::Text, 0, typed ? typed : pathBuffer.data());
        EXPECT_EQ(std::pair(game.mode, game.currentLevel), std::pair(GameMode::Playing, chosen)) << level;
    }
}

// The field takes what Windows-1252 holds, the code field in capitals, and refuses all else.
TEST(TextField, TakesWhatWindows1252HoldsAndTheCodeFieldInCapitals)
{
    // The dialog, what is typed, how many characters are taken, the field's text then.
    const std::tuple<TextDialog, const char*, int, const char*> cases[] = {
        {TextDialog::LevelCode, "a\xC3\xA9\xC5\x93\xC3\xBF\xC3\x9F\xC2\xB5\xC3\xB7z9", 9,
         "A\xC9\x8C\x9F\xDF\xB5\xF7Z9"},
        {TextDialog::PlayerName, "Zo\xC3\xA9 ", 4, "Zo\xE9 "},
        {TextDialog::PlayerName, "a\xE2\x82\xAC\xE2\x86\x92\xD0\x96\xF0\x9F\x98\x80\xC5\x92z", 4, "a\x80\x8Cz"},
        {TextDialog::PlayerName, "\t\n\x7F\xFF\x80\xC3", 0, ""},
        {TextDialog::PlayerName, "\xC2\x81", 0, ""},  // a byte Windows-1252 leaves unassigned
        {TextDialog::PlayerName, nullptr, 0, ""},
    };
    for (const auto& [dialog, typed, taken, text] : cases) {
        setPathBuffer("");
        TextField field = openTextField(dialog);
        EXPECT_EQ(typeIntoField(field, typed), taken) << text;
        EXPECT_STREQ(field.text.data(), text);
    }
}

// The field keeps 63 characters, typed, pasted or opened with; only OK closes it and hands its text over.
TEST(TextField, Keeps63CharactersAndOnlyOkHandsThemOver)
{
    setPathBuffer(std::string(100, 'q'));
    EXPECT_STREQ(openTextField(TextDialog::PlayerName).text.data(), std::string(63, 'q').c_str());
    setPathBuffer("");
    TextField field = openTextField(TextDialog::PlayerName);
    const std::string typed = std::string(35, 'a') + std::string(35, 'b');
    EXPECT_EQ(typeIntoField(field, typed.c_str()), 63);
    EXPECT_EQ(typeIntoField(field, "c"), 0);
    eraseBeforeCaret(field);
    EXPECT_EQ(typeIntoField(field, "\xC3\xA9"), 1);
    EXPECT_TRUE(requestCloseTextField(field) && field.open && pathBuffer[0] == '\0');
    confirmTextField(field);
    EXPECT_FALSE(requestCloseTextField(field) || field.open);
    EXPECT_EQ(std::string(pathBuffer.data()), typed.substr(0, 62) + "\xE9");
    setPathBuffer(std::string(30, 'a') + std::string(30, 'b'));
    field = openTextField(TextDialog::PlayerName);
    placeCaret(field, 30, false);
    EXPECT_EQ(typeIntoField(field, "xyz-and-more"), 3);
    EXPECT_EQ(shown(field), std::string(30, 'a') + "xyz|" + std::string(30, 'b'));
}

// The name field opens all selected: typing replaces the selection, a refused character keeps it. Nothing goes before
// the start nor after the end; a selection keeps its anchor and Left and Right collapse it to its ends; a click past
// the end puts the caret there. The code field takes capitals and no line break.
TEST(TextField, KeysTypingAndClicksActAtTheCaretAndOverTheSelection)
{
    EXPECT_EQ(edited("Ancien", ""), "[Ancien]");
    EXPECT_EQ(edited("Ancien", "+Zo\xC3\xA9"), "Zo\xE9|");
    EXPECT_EQ(edited("Ancien", "+\xE2\x86\x92"), "[Ancien]");
    EXPECT_EQ(edited("OLDONE", "+ab12cd\n"), "AB12CD|");
    const std::pair<const char*, const char*> edits[] = {
        {"3 B", "ab|def"},    {"3 D", "abc|ef"},     {"3 L L", "a|bcdef"},   {"3 R", "abcd|ef"},   {"H B", "|abcdef"},
        {"E D", "abcdef|"},   {"3 l l", "a[bc]def"}, {"3 r h", "[abc]def"},  {"3 e L", "abc|def"}, {"3 h R", "abc|def"},
        {"3 l l B", "a|def"}, {"3 r D", "abc|ef"},   {"3 +XY", "abcXY|def"}, {"9", "abcdef|"}};
    for (const auto& [steps, result] : edits) EXPECT_EQ(edited("abcdef", steps), result) << steps;
}
