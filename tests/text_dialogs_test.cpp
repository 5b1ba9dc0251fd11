// The one-line dialogs: the field's text, typing, capitals, the 63-character limit, OK as the
// only way out, and the menu's code-entry step.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "game/game_state.h"
#include "game/level_codes.h"
#include "shell/text_dialogs.h"
#include "tests/fake_platform.h"

namespace {

class TextDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetWorld();
        fillLevelCodes();
    }
    static void setPathBuffer(const std::string& text)
    {
        std::snprintf(pathBuffer.data(), pathBuffer.size(), "%s", text.c_str());
    }
    static std::string fieldText(const TextField& field) { return field.text.data(); }
};

TEST_F(TextDialogs, OpeningOnTheCurrentCodeAndPressingOkKeepsTheLevel)
{
    game.currentLevel = 7;
    enterLevelCode();
    ASSERT_EQ(fake.dialogs.size(), 1u);
    EXPECT_EQ(fake.dialogs[0], TextDialog::LevelCode);
    EXPECT_EQ(fake.dialogInitialText, levelCodes[7].data());
    EXPECT_EQ(game.currentLevel, 7);

    // The same through the field itself: it opens on the code and OK hands it back.
    setPathBuffer(levelCodes[7].data());
    TextField field = openTextField(TextDialog::LevelCode);
    EXPECT_EQ(fieldText(field), levelCodes[7].data());
    setPathBuffer("junk");
    confirmTextField(field);
    EXPECT_EQ(levelForCode(pathBuffer.data()), 7);
}

TEST_F(TextDialogs, AfterTheLastLevelTheFieldOpensEmptyAndOkSelectsLevelOne)
{
    for (const int level : {26, 0, -3}) {
        SCOPED_TRACE(level);
        resetFakePlatform();
        setPathBuffer("left over from a path");
        game.currentLevel = level;
        enterLevelCode();
        EXPECT_EQ(fake.dialogInitialText, "");
        EXPECT_EQ(game.currentLevel, 1);
    }
}

TEST_F(TextDialogs, TheTypedCodeChoosesTheLevel)
{
    game.currentLevel = 2;
    fake.typeText = true;
    fake.typedText = levelCodes[22].data();
    enterLevelCode();
    EXPECT_EQ(game.currentLevel, 22);

    fake.typedText = "no such code";
    enterLevelCode();
    EXPECT_EQ(game.currentLevel, 1);
}

TEST_F(TextDialogs, TheCodeFieldCapitalisesWindows1252LettersAndTheNameFieldDoesNot)
{
    setPathBuffer("");
    TextField code = openTextField(TextDialog::LevelCode);
    typeIntoField(code, "aé\xC5\x93\xC3\xBF\xC3\x9F\xC2\xB5\xC3\xB7z9");  // a é œ ÿ ß µ ÷ z 9
    EXPECT_EQ(fieldText(code), "A\xC9\x8C\x9F\xDF\xB5\xF7Z9");

    TextField name = openTextField(TextDialog::PlayerName);
    typeIntoField(name, "Zoé ");
    EXPECT_EQ(fieldText(name), "Zo\xE9 ");
}

TEST_F(TextDialogs, TheFieldKeeps63Characters)
{
    setPathBuffer(std::string(100, 'q'));
    TextField opened = openTextField(TextDialog::PlayerName);
    EXPECT_EQ(opened.length, 63);
    EXPECT_EQ(fieldText(opened), std::string(63, 'q'));

    setPathBuffer("");
    TextField field = openTextField(TextDialog::PlayerName);
    const std::string typed = std::string(35, 'a') + std::string(35, 'b');
    EXPECT_EQ(typeIntoField(field, typed.c_str()), 63);
    EXPECT_EQ(typeIntoField(field, "c"), 0);
    EXPECT_EQ(fieldText(field), typed.substr(0, 63));

    // A full field takes a character again once one is erased.
    eraseBeforeCaret(field);
    EXPECT_EQ(typeIntoField(field, "é"), 1);
    EXPECT_EQ(field.length, 63);
    confirmTextField(field);
    EXPECT_EQ(std::string(pathBuffer.data()), typed.substr(0, 62) + "\xE9");
}

TEST_F(TextDialogs, OnlyOkClosesTheDialog)
{
    setPathBuffer("KEEP");
    TextField field = openTextField(TextDialog::PlayerName);
    typeIntoField(field, "x");
    EXPECT_TRUE(requestCloseTextField(field));
    EXPECT_TRUE(field.open);
    EXPECT_STREQ(pathBuffer.data(), "KEEP");  // nothing handed over before OK
    confirmTextField(field);
    EXPECT_FALSE(field.open);
    EXPECT_FALSE(requestCloseTextField(field));
    EXPECT_STREQ(pathBuffer.data(), "x");  // the opening text was selected: typing replaced it
}

TEST_F(TextDialogs, CharactersWindows1252CannotHoldAreRefused)
{
    setPathBuffer("");
    TextField field = openTextField(TextDialog::PlayerName);
    // € and Œ are in Windows-1252; an arrow, a Cyrillic letter and an emoji are not.
    EXPECT_EQ(typeIntoField(field, "a\xE2\x82\xAC\xE2\x86\x92\xD0\x96\xF0\x9F\x98\x80\xC5\x92z"), 4);
    EXPECT_EQ(fieldText(field), "a\x80\x8Cz");

    // Control characters, stray bytes and cut sequences do not enter the field either.
    EXPECT_EQ(typeIntoField(field, "\t\n\x7F\xFF\x80\xC3"), 0);
    EXPECT_EQ(typeIntoField(field, "\xC2\x81"), 0);  // a byte Windows-1252 leaves unassigned
    EXPECT_EQ(typeIntoField(field, nullptr), 0);
    EXPECT_EQ(fieldText(field), "a\x80\x8Cz");
}

}  // namespace
