// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The level editor apart from its window: its keys, its saves (never over a file changed since
// it was opened without a yes), the proof read from tessaron-lab, the verdict it shows and the
// level it gives the game to try; and its screen drawn in the game's pictures.
#include <gtest/gtest.h>

#include <unistd.h>

#include <string>
#include <tuple>
#include <vector>

#include "screens/drawing_surface.h"
#include "screens/editor_screen.h"
#include "screens/pictures.h"
#include "shell/level_editor.h"
#include "tests/fake_platform.h"
#include "tests/scratch_files.h"
#include "tests/test_pictures.h"

namespace {

TEST(LevelEditor, KeysGiveTheirCommands)
{
    using C = EditorCommand;
    const std::tuple<SDL_Keycode, std::uint16_t, C, int> cases[] = {
        {SDLK_LEFT, 0, C::CursorLeft, 0},      {SDLK_DOWN, KMOD_NUM, C::CursorDown, 0},
        {SDLK_1, 0, C::PickKind, 1},           {SDLK_8, 0, C::PickKind, 8},
        {SDLK_9, 0, C::NoCommand, 0},          {SDLK_KP_3, 0, C::PickKind, 3},
        {SDLK_1, KMOD_LCTRL, C::NoCommand, 0}, {SDLK_SPACE, 0, C::Place, 0},
        {SDLK_DELETE, 0, C::Remove, 0},        {SDLK_DELETE, KMOD_RCTRL, C::RemoveLevel, 0},
        {SDLK_PAGEUP, 0, C::PreviousLevel, 0}, {SDLK_PAGEDOWN, KMOD_LSHIFT, C::MoveLevelLater, 0},
        {SDLK_z, KMOD_LCTRL, C::Undo, 0},      {SDLK_z, KMOD_LCTRL | KMOD_RSHIFT, C::Redo, 0},
        {SDLK_y, KMOD_CTRL, C::Redo, 0},       {SDLK_s, KMOD_LCTRL, C::Save, 0},
        {SDLK_s, 0, C::NoCommand, 0},          {SDLK_z, 0, C::NoCommand, 0},
        {SDLK_ESCAPE, 0, C::Quit, 0},          {SDLK_t, 0, C::Try, 0},
        {SDLK_F2, 0, C::WriteText, 0},         {SDLK_F4, KMOD_NUM, C::WriteText, 2},
        {SDLK_F3, KMOD_CTRL, C::NoCommand, 0}, {SDLK_F5, 0, C::NoCommand, 0},
    };
    for (const auto& [key, modifiers, command, argument] : cases) {
        const EditorKey given = editorKeyOf(key, modifiers);
        EXPECT_EQ(std::tie(given.command, given.argument), std::tie(command, argument)) << key;
    }
}

// A scratch folder, and an editor whose proof program does not exist: saving does not wait.
struct EditorFiles : ::testing::Test {
    std::string folder = makeScratchDirectory();
    LevelEditor editor;
    void SetUp() override { editor.proofProgram = folder + "/no-lab"; }
    void TearDown() override { removeScratchDirectory(folder); }
    void open(const std::string& name)
    {
        std::string refusal;
        editor = LevelEditor{};
        editor.proofProgram = folder + "/no-lab";
        ASSERT_TRUE(openLevelEditor(editor, folder + "/" + name, "Zoé", refusal)) << refusal;
    }
    void press(EditorCommand command, int argument = 0) { runEditorCommand(editor, EditorKey{command, argument}); }
};

TEST_F(EditorFiles, ANewSetIsSavedAsTheReaderReadsItMarkedNotProven)
{
    EXPECT_EQ(newLevelSetPath(folder), folder + "/niveaux-1.tessaron-levels");
    writeBytes(folder + "/niveaux-1.tessaron-levels", "x");
    EXPECT_EQ(newLevelSetPath(folder), folder + "/niveaux-2.tessaron-levels");

    // A new set is named after its file, when the reader would take that name.
    for (const auto& [file, name] : {std::pair<std::string, std::string>{"a\x01b.tessaron-levels", "Mes niveaux"},
                                     {" x", "Mes niveaux"},
                                     {std::string(65, 'n'), "Mes niveaux"},
                                     {"\xff", "Mes niveaux"},
                                     {std::string(64, 'n'), std::string(64, 'n')}}) {
        open(file);
        EXPECT_EQ(editor.edit.set.name, name) << file;
    }
    open("Mes briques.tessaron-levels");
    EXPECT_EQ(editor.edit.set.name, "Mes briques");
    EXPECT_EQ(editor.edit.set.author, "Zoé");
    press(EditorCommand::Save);
    EXPECT_EQ(editor.status, "Pas enregistré : le niveau 1 n'a aucune brique à casser.");
    EXPECT_EQ(readBytes(editor.path), "");
    press(EditorCommand::PickKind, kHardBrick);
    press(EditorCommand::CursorLeft);
    press(EditorCommand::Place);
    press(EditorCommand::Save);
    LevelSet saved;
    std::string refusal;
    ASSERT_TRUE(readLevelSet(readBytes(editor.path), saved, refusal)) << editor.status << refusal;
    ASSERT_EQ(saved.levels.size(), 1u);
    EXPECT_EQ(saved.levels[0].notes, std::vector<std::string>{"# proof: not proven"});
    // Its head comment, in the game's own French here, is the one the writer gives every set.
    const std::string written = writeLevelSet(saved);
    EXPECT_EQ(saved.notes, std::vector<std::string>{written.substr(0, written.find('\n'))});
    ASSERT_EQ(saved.levels[0].entries.size(), 1u);
    EXPECT_EQ(saved.levels[0].entries[0].x, kRightmostBrickLeft);
    EXPECT_EQ(editor.edit.changesSinceSave, 0);

    // Opened again, it is the set saved; a file the reader refuses is not opened.
    open("Mes briques.tessaron-levels");
    EXPECT_EQ(writeLevelSetFile(editor.edit.set), readBytes(editor.path));
    writeBytes(folder + "/bad.tessaron-levels", "tessaron-levels 2\n");
    LevelEditor other;
    EXPECT_FALSE(openLevelEditor(other, folder + "/bad.tessaron-levels", "Zoé", refusal));
    EXPECT_EQ(refusal, folder + "/bad.tessaron-levels : ligne 1 : le fichier doit commencer par « tessaron-levels 1 »");
    // A folder is no set, and no new set is made in its place.
    EXPECT_FALSE(openLevelEditor(other, folder, "Zoé", refusal));
    EXPECT_EQ(refusal, folder + " : ce n'est pas un fichier ordinaire");
}

// A file changed on disk since it was opened, or made meanwhile where there was none, is
// replaced only after a yes; a no keeps it as it is.
TEST_F(EditorFiles, AFileChangedOnDiskIsOverwrittenOnlyAfterAYes)
{
    const std::string theirs = "tessaron-levels 1\nname Autre\nauthor Lui\nlevel\nbrick 0 0 hard\n";
    for (const bool existed : {true, false}) {
        for (const bool yes : {true, false}) {
            const std::string name = std::string(existed ? "old" : "new") + (yes ? "-yes" : "-no");
            if (existed)
                writeBytes(folder + "/" + name, "tessaron-levels 1\nname A\nauthor B\nlevel\nbrick 0 0 hard\n");
            open(name);
            press(EditorCommand::Place);
            writeBytes(folder + "/" + name, theirs);
            press(EditorCommand::Save);
            EXPECT_EQ(editor.question, EditorQuestion::Overwrite) << name;
            EXPECT_EQ(readBytes(folder + "/" + name), theirs) << name;
            answerEditorQuestion(editor, yes);
            EXPECT_EQ(editor.question, EditorQuestion::NoQuestion) << name;
            EXPECT_EQ(readBytes(folder + "/" + name) == theirs, !yes) << name;
            // Saved, the file is the editor's again: the next save asks nothing.
            if (!yes) continue;
            press(EditorCommand::PickKind, 2);
            press(EditorCommand::Place);
            press(EditorCommand::Save);
            EXPECT_EQ(editor.question, EditorQuestion::NoQuestion) << name;
            EXPECT_EQ(readBytes(folder + "/" + name), writeLevelSetFile(editor.edit.set)) << name;
        }
    }
}

// Leaving with changes not saved asks first; undo and redo that find nothing say so.
TEST_F(EditorFiles, LeavingWithChangesAsksFirst)
{
    open("a.tessaron-levels");
    press(EditorCommand::Quit);
    EXPECT_TRUE(editor.quit);
    open("a.tessaron-levels");
    press(EditorCommand::Redo);
    EXPECT_EQ(editor.status, "Rien à refaire.");
    press(EditorCommand::Place);
    press(EditorCommand::Quit);
    EXPECT_EQ(editor.question, EditorQuestion::QuitUnsaved);
    answerEditorQuestion(editor, false);
    EXPECT_FALSE(editor.quit);
    press(EditorCommand::Undo);
    press(EditorCommand::Undo);
    EXPECT_EQ(editor.status, "Rien à annuler.");
    press(EditorCommand::Quit);
    answerEditorQuestion(editor, true);
    EXPECT_TRUE(editor.quit);
}

// F2 to F4 open a text for typing, and no other key works meanwhile; Return keeps what the reader
// would take, as one change to undo, or says why not; Escape gives the typing up.
TEST_F(EditorFiles, TextsAreTypedThenKeptOrRefused)
{
    const std::string refused = "Refusé : ", blanks = refused + "pas de blanc au début ni à la fin.";
    // The key, the Backspaces before typing, what is typed, and the text kept or the refusal said.
    const std::tuple<SDL_Keycode, int, std::string, std::string> cases[] = {
        {SDLK_F2, 1, "Forêt d'été", "Forêt d'été"},
        {SDLK_F3, 1, "", "Zo"},        // Backspace erases é whole
        {SDLK_F4, 0, "é\t日!", "é!"},  // neither a control character nor one the game cannot draw
        {SDLK_F2, 3, "", refused + "le nom du jeu et son auteur ne peuvent pas être vides."},
        {SDLK_F3, 0, " ", blanks},
        {SDLK_F4, 0, " x", blanks},
        {SDLK_F2, 1, std::string(65, 'n'), std::string(64, 'n')},  // typing stops at 64 bytes
    };
    for (const auto& [fKey, erased, typed, result] : cases) {
        open("a.tessaron-levels");
        const EditText which = static_cast<EditText>(fKey - SDLK_F2);
        const std::string before = editText(editor.edit, which);
        editorKeyPressed(editor, fKey, 0);
        for (const SDL_Keycode key : {SDLK_SPACE, SDLK_n, SDLK_F3}) editorKeyPressed(editor, key, 0);
        EXPECT_EQ(std::make_tuple(editor.edit.changesSinceSave, editor.lineFor), std::make_tuple(0, which)) << typed;
        for (int i = 0; i < erased; ++i) editorKeyPressed(editor, SDLK_BACKSPACE, 0);
        typeIntoEditorLine(editor, typed.c_str());
        editorKeyPressed(editor, SDLK_RETURN, 0);
        const bool kept = result.rfind(refused, 0) != 0;
        EXPECT_EQ(kept ? editText(editor.edit, which) : editor.status, result) << typed;
        EXPECT_EQ(editor.lineOpen, !kept) << typed;
        if (!kept) editorKeyPressed(editor, SDLK_ESCAPE, 0);
        EXPECT_FALSE(editor.lineOpen || editor.quit) << typed;
        EXPECT_EQ(editor.edit.changesSinceSave, kept ? 1 : 0) << typed;
        editorKeyPressed(editor, SDLK_z, KMOD_CTRL);
        EXPECT_EQ(editText(editor.edit, which), before) << typed;
    }
}

TEST(LevelEditor, ProofLinesAndVerdicts)
{
    const std::tuple<std::string, bool, int, std::string> lines[] = {
        {"level 12 cleared 3/3 ticks 5..9", true, 12, "cleared 3/3 ticks 5..9"},
        {"level 1 not-cleared 0/3 stuck: x", true, 1, "not-cleared 0/3 stuck: x"},
        {"set A by B: 2 levels, seeds 1 to 3", false, 0, ""},
        {"proved 1/2", false, 0, ""},
        {"level x cleared", false, 0, ""},
        {"level 3", false, 0, ""},
    };
    for (const auto& [line, read, level, verdict] : lines) {
        int number = 0;
        std::string said;
        EXPECT_EQ(readProofLine(line, number, said), read) << line;
        EXPECT_TRUE(!read || std::tie(number, said) == std::tie(level, verdict)) << line << ": " << said;
    }

    LevelEditor editor;
    editor.edit = newLevelEdit("A", "B");
    const std::tuple<std::string, bool, std::string> verdicts[] = {
        {"cleared 2/3 ticks 812..1460 stuck: seed 2 every ball lost, 3 bricks left, first at 0 0", true,
         "Prouvé : nettoyé 2 fois sur 3, en 812 à 1460 ticks."},
        {"not-cleared 0/3 stuck: 4 bricks out of reach, first at 40 60", false,
         "Non prouvé : 4 briques hors d'atteinte, la première en 40 60."},
        {"not-cleared 0/3 stuck: seed 1 a ball in a loop, 7 bricks left, first at 80 100", false,
         "Non prouvé : une balle tournait en boucle, 7 briques restent, la première en 80 100."},
        {"not-cleared 0/3 stuck: seed 3 out of ticks, 1 bricks left, first at 0 20", false,
         "Non prouvé : trop long, une brique reste, en 0 20."},
        {"not-cleared 0/1 stuck: 1 bricks out of reach, first at 240 120", false,
         "Non prouvé : une brique hors d'atteinte, en 240 120."},
        {"not-cleared 0/3 stuck: something new", false, "Non prouvé : something new"},
    };
    bool cleared = true;
    EXPECT_EQ(shownVerdict(editor, cleared), "Pas encore prouvé : P le prouve.");
    EXPECT_FALSE(cleared);
    for (const auto& [verdict, wasCleared, shown] : verdicts) {
        editor.proof.proven = {ProvenBoard{editor.edit.set.levels[0].entries, verdict}};
        EXPECT_EQ(shownVerdict(editor, cleared), shown);
        EXPECT_EQ(cleared, wasCleared) << verdict;
    }
}

// The real tessaron-lab proves a set of a level it clears and a level whose brick is sealed;
// the verdicts are kept per board, and a board proven is not proven again.
TEST(LevelEditor, TheLabProvesTheBoardsNotYetProven)
{
    LevelSet set{"A", "B", {}};
    set.levels.push_back({"", {{220, 200, kFirstOrdinaryBrick, 0}}});
    set.levels.push_back({"",
                          {{0, 0, kIndestructibleBrick, 0},
                           {40, 0, kIndestructibleBrick, 0},
                           {0, 20, kFirstOrdinaryBrick, 0},
                           {40, 20, kIndestructibleBrick, 0},
                           {0, 40, kIndestructibleBrick, 0}}});
    LevelProof proof;
    std::string reason;
    ASSERT_TRUE(startLevelProof(proof, set, proofProgramPath(TESSARON_BIN_DIR), reason)) << reason;
    for (int waits = 0; waits < 6000 && levelProofRunning(proof); ++waits) {
        pollLevelProof(proof);
        usleep(10000);
    }
    ASSERT_FALSE(levelProofRunning(proof));
    ASSERT_NE(verdictOf(proof, set.levels[0].entries), nullptr);
    EXPECT_TRUE(verdictCleared(*verdictOf(proof, set.levels[0].entries))) << *verdictOf(proof, set.levels[0].entries);
    ASSERT_NE(verdictOf(proof, set.levels[1].entries), nullptr);
    EXPECT_EQ(verdictOf(proof, set.levels[1].entries)->rfind("not-cleared 0/3 stuck: 1 bricks out of reach", 0), 0u);
    EXPECT_FALSE(startLevelProof(proof, set, proofProgramPath(TESSARON_BIN_DIR), reason));
    EXPECT_EQ(reason, "");
    // Without the lab the proof cannot start, and the editor says why rather than calling
    // every level proven.
    LevelEditor editor;
    editor.edit = levelEditOf(set);
    editor.proofProgram = "/nonexistent/tessaron-lab";
    runEditorCommand(editor, EditorKey{EditorCommand::Prove, 0});
    EXPECT_FALSE(levelProofRunning(editor.proof));
    EXPECT_EQ(editor.status.rfind("La preuve ne peut pas commencer : ", 0), 0u) << editor.status;
}

TEST(LevelEditor, ATrialPlaysTheShownLevelUntilItIsOver)
{
    LevelEditor editor;
    editor.edit = newLevelEdit("A", "B");
    addLevel(editor.edit);
    editor.edit.set.levels[1].title = "deux";
    placeBrick(editor.edit, 3, 4);
    const LevelSet trial = trialSet(editor);
    ASSERT_EQ(trial.levels.size(), 1u);
    EXPECT_EQ(trial.levels[0].title, "deux");
    EXPECT_EQ(trial.levels[0].entries.size(), 1u);
    for (const GameMode mode : {GameMode::Playing, GameMode::Question, GameMode::LostBallPause, GameMode::Applause})
        EXPECT_FALSE(trialOver(mode));
    for (const GameMode mode : {GameMode::Slide, GameMode::SlideHold, GameMode::LevelIntro, GameMode::FinalPicture,
                                GameMode::NameEntry, GameMode::EndScreen})
        EXPECT_TRUE(trialOver(mode));
    showLevel(editor.edit, 0);
    runEditorCommand(editor, EditorKey{EditorCommand::Try, 0});
    EXPECT_FALSE(editor.tryAsked);
    showLevel(editor.edit, 1);
    runEditorCommand(editor, EditorKey{EditorCommand::Try, 0});
    EXPECT_TRUE(editor.tryAsked);
}

// The screen: the level's bricks in their pictures where they lie, the cursor's outline, the
// chosen kind framed in the palette, the palette's and groups' boxes found where drawn, and the
// texts the player writes.
TEST(EditorScreen, DrawsTheLevelInTheGamesPictures)
{
    resetWorld();
    installTestPictures();
    LevelEdit edit = newLevelEdit("A", "B");
    edit.set.levels[0].entries = {{80, 40, 3, 0}, {100, 50, kHardBrick, 2}};
    edit.kind = 5;
    edit.column = 6;
    edit.row = 10;
    SDL_Surface* target = makeTarget(kEditorScreenWidth, kEditorScreenHeight, kBlack);
    drawEditorScreen(target, edit, EditorPanelTexts{});
    EXPECT_TRUE(hasColour(target, 85, 45, brickColour(3)));
    EXPECT_TRUE(hasColour(target, 130, 65, brickColour(kHardBrick)));  // the later entry on top
    EXPECT_TRUE(hasColour(target, 300, 300, kGameBackgroundColour));
    EXPECT_TRUE(allHaveColour(target, {{240, 200}, {279, 219}, {260, 201}}, SDL_Color{255, 220, 0, 255}));
    for (int kind = 1; kind <= kBrickKinds; ++kind) {
        const SDL_Rect box = paletteBox(kind);
        EXPECT_EQ(paletteKindAt(box.x + 1, box.y + box.h - 1), kind);
        EXPECT_TRUE(hasColour(target, box.x + 10, box.y + 10, brickColour(kind))) << kind;
        EXPECT_EQ(hasColour(target, box.x, box.y + 12, SDL_Color{255, 220, 0, 255}), kind == 5) << kind;
    }
    EXPECT_EQ(paletteKindAt(10, 10), 0);
    for (int group = 0; group <= kBrickGroups; ++group)
        EXPECT_EQ(groupBoxAt(kGroupBoxesLeft + group * (kGroupBoxSize + 2) + 3, kGroupBoxesTop + 3), group);
    EXPECT_EQ(groupBoxAt(kGroupBoxesLeft - 1, kGroupBoxesTop + 3), -1);
    // The set's name, its author and the level's title stay within the panel however long; the
    // one typed shows its end with the caret, a column of the chosen colour as high as the line.
    const std::string longest = "Les jardins de mosa\xc3\xafque du printemps, \xc3\xa9t\xc3\xa9 comme hiver";
    edit = newLevelEdit(longest, longest);
    edit.set.levels[0].title = longest;
    const SDL_Color panel{24, 24, 40, 255}, chosen{255, 220, 0, 255};
    const int inside = kPanelTextRight - kPlayfieldWidth, outside = kEditorScreenWidth - kPanelTextRight, high = 13;
    for (int typed = -1; typed < 3; ++typed) {
        drawEditorScreen(target, edit,
                         EditorPanelTexts{"", false, "", false, true, typed >= 0,
                                          static_cast<EditText>(std::max(typed, 0)), longest});
        for (int row = 0; row < 3; ++row) {
            const int top = kWrittenTextTops[static_cast<std::size_t>(row)];
            int caret = 0;
            for (int x = kPlayfieldWidth; x < kPanelTextRight; ++x)
                caret += countColour(target, x, top, 1, high, chosen) == high;
            EXPECT_GT(inside * high - countColour(target, kPlayfieldWidth, top, inside, high, panel), 100) << row;
            EXPECT_EQ(countColour(target, kPanelTextRight, top, outside, high, panel), outside * high) << row;
            EXPECT_EQ(caret > 0, row == typed) << typed << row;
        }
    }
    SDL_FreeSurface(target);
    removeTestPictures();
}

}  // namespace
