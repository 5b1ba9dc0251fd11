// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The level editor's file, keys, proof and trial.
#include "shell/level_editor.h"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>

#include "game/brick_kinds.h"
#include "game/formatted_text.h"
#include "screens/translation.h"
#include "screens/windows1252.h"
#include "shell/atomic_file.h"
#include "shell/level_set_file.h"
#include "shell/regular_file.h"

namespace {

constexpr const char* kNewSetStem = "niveaux-";
constexpr const char* kSetExtension = ".tessaron-levels";
constexpr const char* kNotProven = "not proven";

struct EditorKeyRow {
    SDL_Keycode key;
    std::uint16_t modifiers;  // KMOD_CTRL or KMOD_SHIFT when the key needs one of them, else 0
    EditorCommand command;
};

// clang-format off
constexpr std::array<EditorKeyRow, 24> kEditorKeys = {{
    {SDLK_LEFT, 0, EditorCommand::CursorLeft}, {SDLK_RIGHT, 0, EditorCommand::CursorRight},
    {SDLK_UP, 0, EditorCommand::CursorUp}, {SDLK_DOWN, 0, EditorCommand::CursorDown},
    {SDLK_SPACE, 0, EditorCommand::Place}, {SDLK_RETURN, 0, EditorCommand::Place},
    {SDLK_KP_ENTER, 0, EditorCommand::Place},
    {SDLK_DELETE, 0, EditorCommand::Remove}, {SDLK_BACKSPACE, 0, EditorCommand::Remove},
    {SDLK_DELETE, KMOD_CTRL, EditorCommand::RemoveLevel},
    {SDLK_g, 0, EditorCommand::NextGroup},
    {SDLK_PAGEUP, 0, EditorCommand::PreviousLevel}, {SDLK_PAGEDOWN, 0, EditorCommand::NextLevel},
    {SDLK_PAGEUP, KMOD_SHIFT, EditorCommand::MoveLevelEarlier}, {SDLK_PAGEDOWN, KMOD_SHIFT, EditorCommand::MoveLevelLater},
    {SDLK_n, 0, EditorCommand::AddLevel},
    {SDLK_z, KMOD_CTRL, EditorCommand::Undo}, {SDLK_y, KMOD_CTRL, EditorCommand::Redo},
    {SDLK_s, KMOD_CTRL, EditorCommand::Save},
    {SDLK_p, 0, EditorCommand::Prove}, {SDLK_t, 0, EditorCommand::Try},
    {SDLK_ESCAPE, 0, EditorCommand::Quit}, {SDLK_q, KMOD_CTRL, EditorCommand::Quit},
    {SDLK_z, KMOD_CTRL | KMOD_SHIFT, EditorCommand::Redo},
}};
// clang-format on

// The modifiers that choose among the rows: Ctrl and Shift, either side.
std::uint16_t chosenModifiers(std::uint16_t modifiers)
{
    std::uint16_t chosen = 0;
    if ((modifiers & KMOD_CTRL) != 0) chosen |= KMOD_CTRL;
    if ((modifiers & KMOD_SHIFT) != 0) chosen |= KMOD_SHIFT;
    return chosen;
}

// The editor's lines name their numbers as "%ld".
std::string formatted(const char* format, long a, long b = 0, long c = 0, long d = 0)
{
    return formattedText(format, a, b, c, d);
}

// The first level (1-based) with no brick to break, or 0.
int levelWithoutBrickToBreak(const LevelSet& set)
{
    for (std::size_t l = 0; l < set.levels.size(); ++l) {
        bool breakable = false;
        for (const Brick& brick : set.levels[l].entries) breakable = breakable || brickKindRow(brick.kind).breakable;
        if (!breakable) return static_cast<int>(l) + 1;
    }
    return 0;
}

// `text` when the reader takes it as a set's name (one line of UTF-8 without control characters
// or blanks at its ends, 1 to 64 bytes), else `otherwise`.
std::string readableText(const std::string& text, const std::string& otherwise)
{
    return editTextRefusal(EditText::SetName, text).empty() ? text : otherwise;
}

// A byte within a UTF-8 character, after its first.
bool continuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Closes the line being typed, keeping its text when the reader takes it.
void closeLine(LevelEditor& editor, bool keep)
{
    const std::string refusal = keep ? editTextRefusal(editor.lineFor, editor.line) : "";
    if (!refusal.empty()) {
        editor.status = tr("Refusé : ") + refusal;
        return;
    }
    if (keep) setEditText(editor.edit, editor.lineFor, editor.line);
    editor.lineOpen = false;
    editor.line.clear();
    editor.status.clear();
}

// Writes the set with each level's proof note. A file changed on disk since it was opened (or
// made meanwhile where there was none) is replaced only with `overwrite`; otherwise the player
// is asked.
void save(LevelEditor& editor, bool overwrite)
{
    editor.saveWhenProven = false;
    const int empty = levelWithoutBrickToBreak(editor.edit.set);
    if (empty != 0) {
        editor.status = formatted(tr("Pas enregistré : le niveau %ld n'a aucune brique à casser."), empty);
        return;
    }
    const LevelSetRefusal refusal = editRefusal(editor.edit);
    if (refusal.fault != LevelSetFault::None) {
        editor.status = tr("Pas enregistré : ") + levelSetRefusalLine(refusal);
        return;
    }
    std::string now;
    const bool there = readRegularFile(editor.path, kMaxLevelFileBytes + 1, now) || errno != ENOENT;
    const bool changed = editor.onDisk ? !there || now != editor.diskBytes : there;
    if (changed && !overwrite) {
        editor.question = EditorQuestion::Overwrite;
        editor.status = tr("Le fichier a changé depuis son ouverture.");
        return;
    }
    int proven = 0;
    for (LevelBoard& level : editor.edit.set.levels) {
        const std::string* verdict = verdictOf(editor.proof, level.entries);
        setProofNote(level, verdict != nullptr ? *verdict : kNotProven);
        proven += verdict != nullptr && verdictCleared(*verdict);
    }
    const std::string text = writeLevelSetFile(editor.edit.set);
    std::string reason;
    const bool written = there || overwrite ? writeFileAtomically(editor.path, text, reason)
                                            : writeNewFileAtomically(editor.path, text, reason) == 0;
    if (!written) {
        if (reason.empty()) {  // made meanwhile by another
            editor.question = EditorQuestion::Overwrite;
            editor.status = tr("Le fichier a changé depuis son ouverture.");
            return;
        }
        editor.status = tr("Pas enregistré : ") + reason;
        return;
    }
    editor.onDisk = true;
    editor.diskBytes = text;
    editor.edit.changesSinceSave = 0;
    editor.status = formatted(tr("Enregistré, %ld niveaux prouvés sur %ld."), proven,
                              static_cast<long>(editor.edit.set.levels.size()));
}

void startProof(LevelEditor& editor)
{
    std::string reason;
    if (startLevelProof(editor.proof, editor.edit.set, editor.proofProgram, reason)) {
        editor.status = tr("Preuve en cours : le pilote automatique joue les niveaux.");
    } else if (!reason.empty()) {
        editor.status = tr("La preuve ne peut pas commencer : ") + reason;
    } else if (!levelProofRunning(editor.proof)) {
        editor.status = tr("Tous les niveaux sont déjà prouvés.");
    }
}

// Saving waits for the proof of the levels not yet proven; asked again meanwhile, it saves at
// once, those levels marked as not proven.
void askSave(LevelEditor& editor)
{
    if (levelProofRunning(editor.proof) && editor.saveWhenProven) {
        save(editor, false);
        return;
    }
    if (!levelProofRunning(editor.proof)) startProof(editor);
    if (!levelProofRunning(editor.proof)) {
        save(editor, false);
        return;
    }
    editor.saveWhenProven = true;
    editor.status = tr("Enregistrement après la preuve (Ctrl+S encore : tout de suite, sans elle).");
}

void moveCursor(LevelEdit& edit, int columns, int rows)
{
    edit.column = (edit.column + columns + kEditColumns) % kEditColumns;
    edit.row = (edit.row + rows + kEditRows) % kEditRows;
}

}  // namespace

EditorKey editorKeyOf(SDL_Keycode key, std::uint16_t modifiers)
{
    const std::uint16_t chosen = chosenModifiers(modifiers);
    if (chosen == 0 && key >= SDLK_1 && key < SDLK_1 + kBrickKinds)
        return EditorKey{EditorCommand::PickKind, static_cast<int>(key - SDLK_1) + 1};
    if (chosen == 0 && key >= SDLK_KP_1 && key < SDLK_KP_1 + kBrickKinds)
        return EditorKey{EditorCommand::PickKind, static_cast<int>(key - SDLK_KP_1) + 1};
    // F2, F3 and F4 write the set's name, its author and the shown level's title.
    if (chosen == 0 && key >= SDLK_F2 && key <= SDLK_F4)
        return EditorKey{EditorCommand::WriteText, static_cast<int>(key - SDLK_F2)};
    for (const EditorKeyRow& row : kEditorKeys) {
        if (row.key == key && row.modifiers == chosen) return EditorKey{row.command, 0};
    }
    return EditorKey{};
}

std::string newLevelSetPath(const std::string& folder)
{
    for (int number = 1;; ++number) {
        const std::string path = folder + "/" + kNewSetStem + std::to_string(number) + kSetExtension;
        if (access(path.c_str(), F_OK) != 0 && errno == ENOENT) return path;
    }
}

bool openLevelEditor(LevelEditor& editor, const std::string& path, const std::string& author, std::string& refusal)
{
    editor.path = path;
    std::string bytes;
    if (!readRegularFileNotLink(path, kMaxLevelFileBytes + 1, bytes)) {
        if (errno != ENOENT) {
            refusal = path + tr(" : ") + levelSetFileReadFault(errno);
            return false;
        }
        std::string name = path.substr(path.rfind('/') + 1);
        if (name.size() > std::string(kSetExtension).size() &&
            name.compare(name.size() - std::string(kSetExtension).size(), std::string::npos, kSetExtension) == 0)
            name.resize(name.size() - std::string(kSetExtension).size());
        editor.edit = newLevelEdit(readableText(name, tr("Mes niveaux")), readableText(author, "?"));
        // The file's head comment in the player's language (the French one is the writer's own).
        editor.edit.set.notes = {
            tr("# Un jeu de niveaux de Tessaron : une ligne par brique, dans l'ordre où le jeu les pose.")};
        editor.status = tr("Nouveau jeu de niveaux : posez des briques, puis Ctrl+S.");
        return true;
    }
    LevelSet set;
    LevelSetRefusal why;
    if (!readLevelSet(bytes, set, why)) {
        refusal = path + tr(" : ") + levelSetRefusalLine(why);
        return false;
    }
    editor.edit = levelEditOf(set);
    editor.onDisk = true;
    editor.diskBytes = bytes;
    return true;
}

void runEditorCommand(LevelEditor& editor, EditorKey key)
{
    LevelEdit& edit = editor.edit;
    switch (key.command) {
    case EditorCommand::CursorLeft: moveCursor(edit, -1, 0); break;
    case EditorCommand::CursorRight: moveCursor(edit, 1, 0); break;
    case EditorCommand::CursorUp: moveCursor(edit, 0, -1); break;
    case EditorCommand::CursorDown: moveCursor(edit, 0, 1); break;
    case EditorCommand::Place: placeBrick(edit, edit.column, edit.row); break;
    case EditorCommand::Remove: removeBrick(edit, edit.column, edit.row); break;
    case EditorCommand::PickKind: edit.kind = key.argument; break;
    case EditorCommand::WriteText:
        editor.lineFor = static_cast<EditText>(key.argument);
        editor.line = editText(edit, editor.lineFor);
        editor.lineOpen = true;
        editor.status = tr("Tapez le texte : Entrée le garde, Échap l'annule.");
        break;
    case EditorCommand::NextGroup: edit.group = (edit.group + 1) % (kBrickGroups + 1); break;
    case EditorCommand::PreviousLevel: showLevel(edit, edit.level - 1); break;
    case EditorCommand::NextLevel: showLevel(edit, edit.level + 1); break;
    case EditorCommand::AddLevel: addLevel(edit); break;
    case EditorCommand::RemoveLevel: removeLevel(edit); break;
    case EditorCommand::MoveLevelEarlier: moveLevel(edit, -1); break;
    case EditorCommand::MoveLevelLater: moveLevel(edit, 1); break;
    case EditorCommand::Undo:
        if (!undoEdit(edit)) editor.status = tr("Rien à annuler.");
        break;
    case EditorCommand::Redo:
        if (!redoEdit(edit)) editor.status = tr("Rien à refaire.");
        break;
    case EditorCommand::Save: askSave(editor); break;
    case EditorCommand::Prove: startProof(editor); break;
    case EditorCommand::Try:
        if (levelWithoutBrickToBreak(trialSet(editor)) != 0) {
            editor.status = tr("Ce niveau n'a aucune brique à casser : rien à essayer.");
        } else {
            editor.tryAsked = true;
        }
        break;
    case EditorCommand::Quit:
        if (editor.edit.changesSinceSave > 0) {
            editor.question = EditorQuestion::QuitUnsaved;
        } else {
            editor.quit = true;
        }
        break;
    case EditorCommand::NoCommand: break;
    }
}

void editorKeyPressed(LevelEditor& editor, SDL_Keycode key, std::uint16_t modifiers)
{
    if (!editor.lineOpen) {
        runEditorCommand(editor, editorKeyOf(key, modifiers));
        return;
    }
    switch (key) {
    case SDLK_BACKSPACE:
        while (!editor.line.empty() && continuationByte(editor.line.back())) editor.line.pop_back();
        if (!editor.line.empty()) editor.line.pop_back();
        break;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: closeLine(editor, true); break;
    case SDLK_ESCAPE: closeLine(editor, false); break;
    default: break;
    }
}

void typeIntoEditorLine(LevelEditor& editor, const char* utf8)
{
    const std::string typed = utf8 != nullptr ? utf8 : "";
    for (std::size_t at = 0, end = 0; at < typed.size(); at = end) {
        end = at + 1;
        while (end < typed.size() && continuationByte(typed[end])) ++end;
        const std::string character = typed.substr(at, end - at);
        std::string drawn;
        if (!windows1252FromUtf8(character, drawn) || drawn.size() != 1 ||
            static_cast<unsigned char>(drawn[0]) < 0x20 || drawn[0] == 0x7f) {
            editor.status = tr("Refusé : ") + std::string(tr("le jeu ne sait pas afficher ce caractère."));
        } else if (editor.line.size() + character.size() > kMaxLevelSetText) {
            editor.status =
                tr("Refusé : ") + std::string(tr("plus de 64 octets (une lettre accentuée en compte deux)."));
        } else {
            editor.line += character;
        }
    }
}

std::string editTextRefusal(EditText which, const std::string& text)
{
    const bool title = which == EditText::LevelTitle;
    const std::string file = "tessaron-levels 1\nname " + (title ? std::string("-") : text) + "\nauthor -\nlevel " +
                             (title ? text : std::string()) + "\nbrick 0 0 hard\n";
    LevelSet read;
    LevelSetRefusal refusal;
    if (readLevelSet(file, read, refusal) && (title ? read.levels[0].title : read.name) == text) return "";
    switch (refusal.fault) {
    case LevelSetFault::None: return tr("pas de blanc au début ni à la fin.");
    case LevelSetFault::TextMissing: return tr("le nom du jeu et son auteur ne peuvent pas être vides.");
    case LevelSetFault::TextTooLong: return tr("plus de 64 octets (une lettre accentuée en compte deux).");
    default: return levelSetRefusalLine(refusal);
    }
}

void answerEditorQuestion(LevelEditor& editor, bool yes)
{
    const EditorQuestion asked = editor.question;
    editor.question = EditorQuestion::NoQuestion;
    if (asked == EditorQuestion::Overwrite) {
        if (yes) save(editor, true);
        if (!yes) editor.status = tr("Pas enregistré : le fichier sur le disque est gardé tel quel.");
    }
    if (asked == EditorQuestion::QuitUnsaved && yes) editor.quit = true;
}

bool followLevelProof(LevelEditor& editor)
{
    if (!pollLevelProof(editor.proof)) return false;
    if (!levelProofRunning(editor.proof)) {
        editor.status = tr("Preuve terminée.");
        if (editor.saveWhenProven) save(editor, false);
    }
    return true;
}

std::string shownVerdict(const LevelEditor& editor, bool& cleared)
{
    const std::vector<Brick>& entries = editor.edit.set.levels[static_cast<std::size_t>(editor.edit.level)].entries;
    const std::string* verdict = verdictOf(editor.proof, entries);
    cleared = verdict != nullptr && verdictCleared(*verdict);
    if (verdict == nullptr) {
        return levelProofRunning(editor.proof) ? tr("Preuve en cours…") : tr("Pas encore prouvé : P le prouve.");
    }
    long won = 0, games = 0, fastest = 0, slowest = 0;
    if (std::sscanf(verdict->c_str(), "cleared %ld/%ld ticks %ld..%ld", &won, &games, &fastest, &slowest) == 4) {
        return formatted(tr("Prouvé : nettoyé %ld fois sur %ld, en %ld à %ld ticks."), won, games, fastest, slowest);
    }
    const std::size_t stuck = verdict->find("stuck: ");
    const std::string why = stuck == std::string::npos ? *verdict : verdict->substr(stuck + 7);
    long left = 0, x = 0, y = 0, seed = 0;
    if (std::sscanf(why.c_str(), "%ld bricks out of reach, first at %ld %ld", &left, &x, &y) == 3) {
        if (left == 1) return formatted(tr("Non prouvé : une brique hors d'atteinte, en %ld %ld."), x, y);
        return formatted(tr("Non prouvé : %ld briques hors d'atteinte, la première en %ld %ld."), left, x, y);
    }
    char how[32] = "";
    if (std::sscanf(why.c_str(), "seed %ld %31[^,], %ld bricks left, first at %ld %ld", &seed, how, &left, &x, &y) ==
        5) {
        const std::string said = how;
        const char* cause = said == "a ball in a loop"  ? tr("une balle tournait en boucle")
                            : said == "every ball lost" ? tr("toutes les balles perdues")
                                                        : tr("trop long");
        const std::string rest = left == 1
                                     ? formatted(tr(", une brique reste, en %ld %ld."), x, y)
                                     : formatted(tr(", %ld briques restent, la première en %ld %ld."), left, x, y);
        return tr("Non prouvé : ") + std::string(cause) + rest;
    }
    return tr("Non prouvé : ") + why;
}

const char* editorQuestionText(EditorQuestion question)
{
    return question == EditorQuestion::Overwrite
               ? tr("Le fichier a changé sur le disque depuis son ouverture. L'écraser ?")
               : tr("Quitter l'éditeur sans enregistrer ?");
}

LevelSet trialSet(const LevelEditor& editor)
{
    const LevelBoard& shown = editor.edit.set.levels[static_cast<std::size_t>(editor.edit.level)];
    return LevelSet{editor.edit.set.name, editor.edit.set.author, {LevelBoard{shown.title, shown.entries}}};
}

bool trialOver(GameMode mode)
{
    switch (mode) {
    case GameMode::Playing:
    case GameMode::Question:
    case GameMode::LostBallPause:
    case GameMode::Applause: return false;
    default: return true;
    }
}
