// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The player's language: the locale and the setting choose it, the drawn texts and the terminal
// lines follow the catalogue, and numbers never follow the locale.
#include <gtest/gtest.h>
#include <langinfo.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "game/game_state.h"
#include "screens/fonts.h"
#include "screens/game_screen.h"
#include "screens/menu_screen.h"
#include "screens/run_rating.h"
#include "screens/translation.h"
#include "shell/language.h"
#include "shell/menu_navigation.h"
#include "tests/fake_platform.h"

// glibc's count of loaded catalogues: raising it makes gettext forget the translations it found.
extern "C" int _nl_msg_cat_cntr;

namespace {

constexpr const char* kVariables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
using Environment = std::array<const char*, 4>;  // values of kVariables; nullptr unsets

// Starts the language as the game does, in `environment`, with the settings file's `setting`.
void startIn(const Environment& environment, const char* setting)
{
    for (std::size_t i = 0; i < environment.size(); ++i) {
        if (environment[i] == nullptr) {
            unsetenv(kVariables[i]);
        } else {
            setenv(kVariables[i], environment[i], 1);
        }
    }
    startLanguage(std::string(TESSARON_BIN_DIR) + "/locale", setting);
    ++_nl_msg_cat_cntr;
}

class Language : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (std::size_t i = 0; i < saved.size(); ++i) {
            const char* value = std::getenv(kVariables[i]);
            saved[i] = value == nullptr ? std::string(1, '\0') : value;
        }
        resetWorld();
    }
    void TearDown() override
    {
        Environment environment{};
        for (std::size_t i = 0; i < saved.size(); ++i)
            environment[i] = saved[i] == std::string(1, '\0') ? nullptr : saved[i].c_str();
        startIn(environment, "auto");
        std::setlocale(LC_ALL, "C");
        ++_nl_msg_cat_cntr;
    }
    std::array<std::string, 4> saved;
};

constexpr Environment kEnglish{nullptr, nullptr, nullptr, "en_US.UTF-8"};
constexpr Environment kFrench{nullptr, nullptr, nullptr, "fr_FR.UTF-8"};

// The locale chooses as on any desktop (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG); the setting
// fixes it; French, the C locale and no locale at all give the game's own texts.
TEST_F(Language, TheLocaleAndTheSettingChooseTheLanguage)
{
    const std::tuple<Environment, const char*, bool> table[] = {
        {kEnglish, "auto", true},
        {kFrench, "auto", false},
        {{nullptr, nullptr, nullptr, "C"}, "auto", false},
        {{nullptr, nullptr, nullptr, nullptr}, "auto", false},
        {{nullptr, "fr_FR.UTF-8", "en_US.UTF-8", "en_US.UTF-8"}, "auto", false},
        {{nullptr, nullptr, "en_US.UTF-8", "fr_FR.UTF-8"}, "auto", true},
        {{"en", nullptr, nullptr, "fr_FR.UTF-8"}, "auto", true},
        {{"fr:en", nullptr, nullptr, "en_US.UTF-8"}, "auto", false},
        {{nullptr, nullptr, nullptr, "en_NZ.UTF-8"}, "auto", true},  // a locale never generated
        {kEnglish, "fr", false},
        {{nullptr, nullptr, nullptr, "C"}, "en", true},
        {kFrench, "en", true},
    };
    for (const auto& [environment, setting, english] : table) {
        startIn(environment, setting);
        EXPECT_EQ(drawnText("Commencer"), english ? "Start" : "Commencer") << environment[3] << " " << setting;
        EXPECT_STREQ(tr("app"), english ? "Tessaron" : "app") << environment[3] << " " << setting;
        EXPECT_EQ(catalogueLanguage(), english ? "en" : "") << environment[3] << " " << setting;
    }
}

// Drawn texts cross from the code's Windows-1252 to the catalogue's UTF-8 and back.
TEST_F(Language, RunTimeTextsInBothLanguages)
{
    const std::tuple<const char*, const char*> table[] = {
        {"Niveau s\xe9lectionn\xe9 : %d", "Selected level: %d"},
        {"\xc9"
         "chap : quitter",
         "Escape: quit"},
        {"Tu as trouv\xe9 comment bouger la raquette mais c'est tout...",
         "You found how to move the paddle, but that's all..."},
        {"Etes vous sur de vouloir quitter la partie?", "Are you sure you want to quit the game?"},
        {"Pret pour l'attaque du niveau %d?", "Ready to attack level %d?"},
        {"Sons : OFF", "Sound: OFF"},
        {"Pas une phrase du jeu", "Pas une phrase du jeu"},
    };
    for (const auto& [french, english] : table) {
        startIn(kFrench, "auto");
        EXPECT_EQ(drawnText(french), french);
        startIn(kEnglish, "auto");
        EXPECT_EQ(drawnText(french), english);
    }
    // The system's errors follow the locale, in its character set.
    startIn(kFrench, "auto");
    EXPECT_EQ(systemErrorText(ENOENT), "Aucun fichier ou dossier de ce type");
    startIn(kEnglish, "auto");
    EXPECT_EQ(systemErrorText(ENOENT), "No such file or directory");
    // The side panel in English; the level code stays the same six characters.
    game.currentLevel = 3;
    game.score = 12345;
    game.bricksBroken = 17;
    const std::string code = levelCodeText(3);
    const std::string expected[] = {"Level: 3 ",      "Score: 12345 ",  "Tessas broken: 17",   "Lives left: ",
                                    "Active bonus: ", "Secret code of", "level: " + code + " "};
    for (int line = 0; line < 7; ++line) {
        const int count = composeSidePanelLine(line);
        EXPECT_EQ(std::string(pathBuffer.data(), static_cast<std::size_t>(count)), expected[line]) << line;
    }
    // A French label keeps its place on the button; a translated one is centred on it.
    MenuButton button{};
    button.width = 128;
    for (const bool english : {false, true}) {
        startIn(english ? kEnglish : kFrench, "auto");
        labelMenuButton(button, kMenuLabels[kLevelCodeButton - kFirstDrawnButton]);
        const int width =
            textWidth(openGameFont(19, 650), button.label.data(), static_cast<int>(std::strlen(button.label.data())));
        EXPECT_EQ(button.textDx, english ? (128 - width) / 2 : 13);
        EXPECT_STREQ(button.label.data(), english ? "Enter a code" : "Entrer un code");
        // The question's letters follow its buttons: "o" answers "Oui", "y" answers "Yes".
        EXPECT_EQ(answerLettersOf(drawnText("Oui"), drawnText("Non")).yes, english ? SDLK_y : SDLK_o);
    }
}

// The replay's refusals made in the game world, which keeps only their reasons, read in the
// player's language; the French text is the game's own.
TEST_F(Language, ReplayRefusalsInBothLanguages)
{
    for (int reason = 1; reason < kReplayReasonCount; ++reason) {
        const ReplayRefusal refusal{static_cast<ReplayReason>(reason), 5, 3};
        startIn(kFrench, "auto");
        EXPECT_EQ(replayRefusalLine(refusal), replayRefusalText(refusal));
        startIn(kEnglish, "auto");
        const std::string english = replayRefusalLine(refusal);
        EXPECT_TRUE(english != replayRefusalText(refusal) && english.find("\xc3") == std::string::npos) << english;
    }
    EXPECT_EQ(replayRefusalLine({ReplayReason::CheckOutOfOrder, 5, 3}), "a state check at tick 5 follows tick 3");
    EXPECT_EQ(replayRefusalLine({}), "");
}

// A level set's refusals, which the reader keeps as faults, in the player's language; the word
// the file gave is only ever an argument, never read as a format.
TEST_F(Language, LevelSetRefusalsInBothLanguages)
{
    for (int fault = 1; fault < kLevelSetFaultCount; ++fault) {
        const LevelSetRefusal refusal{static_cast<LevelSetFault>(fault), 7, "%s%n", 5};
        startIn(kFrench, "auto");
        EXPECT_EQ(levelSetRefusalLine(refusal), levelSetRefusalText(refusal));
        startIn(kEnglish, "auto");
        const std::string english = levelSetRefusalLine(refusal);
        const std::string frenchFault = levelSetRefusalText(refusal, "line %d: %s", kLevelSetFaultTexts[fault]);
        EXPECT_TRUE(english.rfind("line 7: ", 0) == 0 && english != frenchFault &&
                    english.find_first_of("\xab\xbb\xc3") == std::string::npos)
            << english;
    }
    LevelSet set;
    LevelSetRefusal refusal;
    EXPECT_FALSE(readLevelSet("tessaron-levels 1\nname A\nauthor B\nlevel\nbrick 0 0 granite\n", set, refusal));
    EXPECT_EQ(levelSetRefusalLine(refusal), "line 5: unknown kind of brick \u201cgranite\u201d");
    EXPECT_EQ(levelSetRefusalLine({LevelSetFault::Overlaps, 6, "", 5}),
              "line 6: the brick overlaps the one on line 5 (add \u201coverlapping\u201d if it is meant)");
    EXPECT_EQ(levelSetRefusalLine({}), "");
}

// Every text drawn at run time fits the box it is drawn into, measured with the game's fonts in
// both languages: the replay cards (inside their frame), the level intros' lines and the end
// screen's ratings (to the window's frame), the side panel's lines with the longest numbers (to
// the panel's edge) and the question's buttons.
TEST_F(Language, EveryEnglishTextStaysInsideItsBox)
{
    struct Place {
        const char* french;  // a drawn text, a printf format of one number at most
        int height, weight;  // its font
        int room;            // the pixels it may take
    };
    constexpr int kCard = kReplayHelpCard.w - 4, kFoot = kReplayEndCard.w - 4, kRating = 690 - 90;
    std::vector<Place> places = {
        {kReplayEndLine, 18, 700, kFoot},
        {kReplayStoppedLine, 18, 700, kFoot},
        {"Oui", 17, 400, 80 - 8},
        {"Non", 17, 400, 80 - 8},
    };
    for (const auto& lines : {kReplayHelpLines, kReplayStoppedLines}) {
        for (std::size_t i = 0; i < lines.size(); ++i) places.push_back({lines[i], i == 0 ? 20 : 17, 700, kCard});
    }
    for (int score = 0; score <= 600000; score += 5000) places.push_back({ratingFor(score), 22, 700, kRating});
    game.currentLevel = 25;
    game.score = 9999999;
    game.bricksBroken = 9999;
    std::array<int, 7> frenchWidths{};
    for (const bool english : {false, true}) {
        startIn(english ? kEnglish : kFrench, "auto");
        for (const Place& place : places) {
            std::array<char, 200> text{};
            const std::string format = drawnText(place.french);
            if (std::strstr(place.french, "%ld") != nullptr) {
                std::snprintf(text.data(), text.size(), format.c_str(), 9999999L);
            } else {
                std::snprintf(text.data(), text.size(), format.c_str(), 25);
            }
            const int width = textWidth(openGameFont(place.height, place.weight), text.data(),
                                        static_cast<int>(std::strlen(text.data())));
            EXPECT_LE(width, place.room) << (english ? "English: " : "French: ") << text.data();
        }
        // The level intros' lines, for the last level, reach at most the window's frame.
        for (int draw = 0; draw < 5; ++draw) {
            std::array<char, 200> first{}, second{};
            composeIntroLines(draw, kLevelCount, first, second);
            for (const auto* line : {&first, &second})
                EXPECT_LE(textWidth(openGameFont(38, 700), line->data(), static_cast<int>(std::strlen(line->data()))),
                          690 - 105)
                    << (english ? "English: " : "French: ") << line->data();
        }
        // With four digits of bricks broken the game's own line already reaches the frame: an
        // English line may take as much as the French one, never more.
        for (int line = 0; line < 7; ++line) {
            const int count = composeSidePanelLine(line);
            const int width = textWidth(openGameFont(25, 30), pathBuffer.data(), count);
            if (!english) frenchWidths[static_cast<std::size_t>(line)] = width;
            EXPECT_LE(width, std::max(690 - 510, frenchWidths[static_cast<std::size_t>(line)]))
                << (english ? "English: " : "French: ") << pathBuffer.data();
        }
    }
}

// A translation whose conversions differ from its id's never reaches snprintf.
TEST_F(Language, ConversionsMustMatch)
{
    const std::tuple<const char*, const char*, bool> table[] = {
        {"%d", "%d", true},          {"a %d b %s", "x %d y %s", true},
        {"100%% %d", "%d %%", true}, {"%5.2f", "%5.2f", true},
        {"%d", "%s", false},         {"%d %s", "%s %d", false},
        {"%d", "", false},           {"", "%n", false},
        {"%d", "%d %d", false},      {"%ld", "%d", false},
    };
    for (const auto& [original, translated, same] : table) {
        EXPECT_EQ(sameConversions(original, translated), same) << original << " / " << translated;
    }
}

// Messages and character types follow the locale; numbers stay as in the C locale, so the score
// file, replays and settings read and write alike everywhere.
TEST_F(Language, NumbersIgnoreADecimalCommaLocale)
{
    startIn({nullptr, "de_DE.UTF-8", nullptr, nullptr}, "auto");
    ASSERT_STREQ(std::setlocale(LC_MESSAGES, nullptr), "de_DE.UTF-8") << "locale de_DE.UTF-8 is not generated";
    // Character types stay too: SDL labels the windows for X by them.
    EXPECT_STREQ(nl_langinfo(CODESET), "ANSI_X3.4-1968");
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%.1f", 1.5);
    EXPECT_STREQ(text.data(), "1.5");
    EXPECT_EQ(std::strtod("2.25", nullptr), 2.25);
}

// The catalogues are found beside a built program, else by the install's relative path.
TEST_F(Language, CataloguesAreFoundAsTheDataIs)
{
    EXPECT_EQ(chooseLocaleDir(TESSARON_BIN_DIR), std::string(TESSARON_BIN_DIR) + "/locale");
    EXPECT_EQ(chooseLocaleDir("/nowhere/games"), std::string("/nowhere/games/") + TESSARON_LOCALE_FROM_BINDIR);
    for (const auto& [value, valid] : {std::pair{"auto", true},
                                       {"fr", true},
                                       {"pt_BR", true},
                                       {"ast", true},
                                       {"EN", false},
                                       {"english", false},
                                       {"pt_br", false},
                                       {"", false}}) {
        EXPECT_EQ(validLanguageSetting(value), valid) << value;
    }
}

}  // namespace
