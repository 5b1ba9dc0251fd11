// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The .tessaron-levels text: read strictly, line by line, into a LevelSet; written back.
#include "game/level_set.h"

#include "game/brick_kinds.h"
#include "game/formatted_text.h"
#include "game/text_ids.h"

#include <cstring>
#include <string_view>

namespace {

constexpr std::string_view kFirstLine = "tessaron-levels 1";

// Where the first byte that is not well-formed UTF-8 lies, or text.size() when all are.
// Overlong forms, surrogates and code points past U+10FFFF are refused.
std::size_t firstBadUtf8(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int follow = 0;
        unsigned low = 0x80, high = 0xBF;  // the allowed range of the second byte
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            follow = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            follow = 2;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            follow = 3;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        } else {
            return i;
        }
        for (int k = 1; k <= follow; ++k) {
            if (i + k >= text.size()) return i;
            const auto byte = static_cast<unsigned char>(text[i + k]);
            const unsigned from = k == 1 ? low : 0x80, to = k == 1 ? high : 0xBF;
            if (byte < from || byte > to) return i;
        }
        i += static_cast<std::size_t>(follow) + 1;
    }
    return i;
}

int lineOf(const std::string& text, std::size_t position)
{
    int line = 1;
    for (std::size_t i = 0; i < position && i < text.size(); ++i) line += text[i] == '\n';
    return line;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The next blank-separated word of `rest`, removed from it; empty at the end.
std::string_view nextWord(std::string_view& rest)
{
    rest = trimmed(rest);
    std::size_t end = 0;
    while (end < rest.size() && !isBlank(rest[end])) ++end;
    const std::string_view word = rest.substr(0, end);
    rest.remove_prefix(end);
    return word;
}

// A whole number of at most five digits, with an optional minus sign.
bool readWhole(std::string_view word, int& value)
{
    const bool negative = !word.empty() && word.front() == '-';
    if (negative) word.remove_prefix(1);
    if (word.empty() || word.size() > 5) return false;
    int read = 0;
    for (const char c : word) {
        if (c < '0' || c > '9') return false;
        read = read * 10 + (c - '0');
    }
    value = negative ? -read : read;
    return true;
}

int kindNamed(std::string_view word)
{
    for (int kind = 1; kind <= kBrickKinds; ++kind) {
        if (word == brickKindRow(kind).name) return kind;
    }
    return kNoBrick;
}

bool breakable(const Brick& brick) { return brickKindRow(brick.kind).breakable; }

// What the reader knows while it goes through the lines.
struct Reading {
    LevelSet set;
    bool started = false;  // the first line has been read
    int nameLine = 0;
    int authorLine = 0;
    int levelLine = 0;            // the line of the level being read
    std::vector<int> entryLines;  // the line of each entry of the level being read
    LevelSetRefusal refusal;      // what is wrong, and where
};

bool fail(Reading& reading, int line, LevelSetFault fault, std::string_view word = {}, int number = 0)
{
    reading.refusal = LevelSetRefusal{fault, line, std::string(word), number};
    return false;
}

// The level just read must have a brick to break, or the game would clear it at once.
bool closeLevel(Reading& reading)
{
    if (reading.set.levels.empty()) return true;
    for (const Brick& brick : reading.set.levels.back().entries) {
        if (breakable(brick)) return true;
    }
    return fail(reading, reading.levelLine, LevelSetFault::LevelWithoutBrick);
}

bool readText(Reading& reading, int line, std::string_view keyword, std::string_view rest, std::string& text,
              int& seenAt)
{
    if (!reading.set.levels.empty()) return fail(reading, line, LevelSetFault::TextAfterFirstLevel, keyword);
    if (seenAt != 0) return fail(reading, line, LevelSetFault::SecondText, keyword);
    if (rest.empty()) return fail(reading, line, LevelSetFault::TextMissing, keyword);
    if (rest.size() > kMaxLevelSetText) return fail(reading, line, LevelSetFault::TextTooLong);
    text = std::string(rest);
    seenAt = line;
    return true;
}

bool readBrick(Reading& reading, int line, std::string_view rest)
{
    if (reading.set.levels.empty()) return fail(reading, line, LevelSetFault::BrickBeforeLevel);
    Brick brick{0, 0, 0, 0};
    const std::string_view xWord = nextWord(rest), yWord = nextWord(rest), kindWord = nextWord(rest);
    if (!readWhole(xWord, brick.x) || !readWhole(yWord, brick.y)) {
        return fail(reading, line, LevelSetFault::BrickForm);
    }
    if (brick.x < 0 || brick.x > kRightmostBrickLeft || brick.y < 0 || brick.y > kLowestBrickTop) {
        return fail(reading, line, LevelSetFault::BrickOffField);
    }
    brick.kind = kindNamed(kindWord);
    if (brick.kind == 0) return fail(reading, line, LevelSetFault::UnknownKind, kindWord);
    bool markedOverlapping = false;
    for (std::string_view word = nextWord(rest); !word.empty(); word = nextWord(rest)) {
        if (word == "group" && brick.group == 0) {
            const std::string_view groupWord = nextWord(rest);
            if (!readWhole(groupWord, brick.group) || brick.group < 1 || brick.group > 5) {
                return fail(reading, line, LevelSetFault::GroupOutOfRange, groupWord);
            }
        } else if (word == "overlapping" && !markedOverlapping) {
            markedOverlapping = true;
        } else {
            return fail(reading, line, LevelSetFault::WordTooMany, word);
        }
    }
    LevelBoard& level = reading.set.levels.back();
    if (level.entries.size() >= static_cast<std::size_t>(kBrickCount)) {
        return fail(reading, line, LevelSetFault::TooManyBricks);
    }
    int overlapped = 0;
    for (std::size_t i = 0; i < level.entries.size() && overlapped == 0; ++i) {
        if (level.entries[i].kind != kNoBrick && bricksOverlap(level.entries[i], brick))
            overlapped = reading.entryLines[i];
    }
    if (overlapped != 0 && !markedOverlapping) {
        return fail(reading, line, LevelSetFault::Overlaps, {}, overlapped);
    }
    if (overlapped == 0 && markedOverlapping) {
        return fail(reading, line, LevelSetFault::OverlapsNothing);
    }
    level.entries.push_back(brick);
    reading.entryLines.push_back(line);
    return true;
}

bool readLine(Reading& reading, int line, std::string_view text)
{
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7f) {
            return fail(reading, line, LevelSetFault::ControlCharacter);
        }
    }
    text = trimmed(text);
    if (!text.empty() && text.front() == '#') {
        // Kept where the writer puts notes back: before the first statement, or at the head of a level.
        if (!reading.started) reading.set.notes.emplace_back(text);
        if (!reading.set.levels.empty() && reading.set.levels.back().entries.empty()) {
            reading.set.levels.back().notes.emplace_back(text);
        }
        return true;
    }
    if (text.empty()) return true;
    if (!reading.started) {
        if (text != kFirstLine) return fail(reading, line, LevelSetFault::FirstLine);
        reading.started = true;
        return true;
    }
    std::string_view rest = text;
    const std::string_view keyword = nextWord(rest);
    rest = trimmed(rest);
    if (keyword == "name") return readText(reading, line, keyword, rest, reading.set.name, reading.nameLine);
    if (keyword == "author") return readText(reading, line, keyword, rest, reading.set.author, reading.authorLine);
    if (keyword == "brick") return readBrick(reading, line, rest);
    if (keyword == "empty" && rest.empty()) {
        if (reading.set.levels.empty()) return fail(reading, line, LevelSetFault::EmptyBeforeLevel);
        if (reading.set.levels.back().entries.size() >= static_cast<std::size_t>(kBrickCount)) {
            return fail(reading, line, LevelSetFault::TooManyBricks);
        }
        reading.set.levels.back().entries.push_back(Brick{0, 0, 0, 0});
        reading.entryLines.push_back(line);
        return true;
    }
    if (keyword == "level") {
        if (reading.nameLine == 0 || reading.authorLine == 0) {
            return fail(reading, line, LevelSetFault::NameAndAuthorFirst);
        }
        if (rest.size() > kMaxLevelSetText) return fail(reading, line, LevelSetFault::TextTooLong);
        if (!closeLevel(reading)) return false;
        if (reading.set.levels.size() >= static_cast<std::size_t>(kMaxSetLevels)) {
            return fail(reading, line, LevelSetFault::TooManyLevels);
        }
        reading.set.levels.push_back(LevelBoard{std::string(rest), {}});
        reading.entryLines.clear();
        reading.levelLine = line;
        return true;
    }
    return fail(reading, line, LevelSetFault::UnknownLine, keyword);
}

bool readLines(Reading& reading, const std::string& text)
{
    if (text.size() > kMaxLevelFileBytes) {
        return fail(reading, lineOf(text, kMaxLevelFileBytes), LevelSetFault::FileTooLong);
    }
    const std::size_t bad = firstBadUtf8(text);
    if (bad < text.size()) return fail(reading, lineOf(text, bad), LevelSetFault::NotUtf8);
    int line = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string_view content(text.data() + start, end - start);
        if (!content.empty() && content.back() == '\r') content.remove_suffix(1);
        if (!readLine(reading, ++line, content)) return false;
        start = end + 1;
    }
    const int last = line == 0 ? 1 : line;
    if (!reading.started) return fail(reading, last, LevelSetFault::FirstLine);
    if (reading.set.levels.empty()) return fail(reading, last, LevelSetFault::NoLevel);
    return closeLevel(reading);
}

}  // namespace

std::uint64_t levelSetDigest(const LevelSet& set)
{
    std::uint64_t digest = 14695981039346656037ull;
    for (const unsigned char c : writeLevelSet(set)) digest = (digest ^ c) * 1099511628211ull;
    return digest;
}

bool bricksOverlap(const Brick& a, const Brick& b)
{
    return a.x < b.x + kBrickWidth && b.x < a.x + kBrickWidth && a.y < b.y + kBrickHeight && b.y < a.y + kBrickHeight;
}

const std::array<const char*, kLevelSetFaultCount> kLevelSetFaultTexts = {
    "",
    trId("ce niveau n'a aucune brique à casser"),
    trId("« %s » après le premier niveau"),
    trId("deuxième ligne « %s »"),
    trId("« %s » sans texte"),
    trId("texte de plus de 64 octets"),
    trId("brique avant la première ligne « level »"),
    trId("une brique s'écrit « brick X Y GENRE [group G] [overlapping] »"),
    trId("brique hors du terrain (x de 0 à 440, y de 0 à 530)"),
    trId("genre de brique inconnu « %s »"),
    trId("groupe « %s » hors de 1 à 5"),
    trId("« %s » en trop"),
    trId("plus de 250 briques dans ce niveau"),
    trId("la brique chevauche celle de la ligne %d (ajoutez « overlapping » si c'est voulu)"),
    trId("brique marquée « overlapping » qui ne chevauche aucune autre"),
    trId("caractère de contrôle dans la ligne"),
    trId("le fichier doit commencer par « tessaron-levels 1 »"),
    trId("« empty » avant la première ligne « level »"),
    trId("le nom (« name ») et l'auteur (« author ») précèdent le premier niveau"),
    trId("plus de 99 niveaux"),
    trId("« %s » n'est pas une ligne de jeu de niveaux"),
    trId("le fichier dépasse 1048576 octets"),
    trId("texte qui n'est pas de l'UTF-8 valide"),
    trId("aucun niveau (ligne « level »)"),
};

const char* const kLevelSetRefusalLineText = trId("ligne %d : %s");

std::string levelSetRefusalText(const LevelSetRefusal& refusal, const char* lineFormat, const char* faultFormat)
{
    if (refusal.fault == LevelSetFault::None) return "";
    // What the format takes is read from the French text; a translation has the same
    // conversions. The word comes from the file: it is only ever an argument.
    const char* french = kLevelSetFaultTexts[static_cast<std::size_t>(refusal.fault)];
    const std::string fault = std::strstr(french, "%s") != nullptr   ? formattedText(faultFormat, refusal.word.c_str())
                              : std::strstr(french, "%d") != nullptr ? formattedText(faultFormat, refusal.number)
                                                                     : std::string(faultFormat);
    return formattedText(lineFormat, refusal.line, fault.c_str());
}

std::string levelSetRefusalText(const LevelSetRefusal& refusal)
{
    return levelSetRefusalText(refusal, kLevelSetRefusalLineText,
                               kLevelSetFaultTexts[static_cast<std::size_t>(refusal.fault)]);
}

bool readLevelSet(const std::string& text, LevelSet& set, LevelSetRefusal& refusal)
{
    Reading reading;
    const bool read = readLines(reading, text);
    set = read ? std::move(reading.set) : LevelSet{};
    refusal = read ? LevelSetRefusal{} : reading.refusal;
    return read;
}

bool readLevelSet(const std::string& text, LevelSet& set, std::string& refusal)
{
    LevelSetRefusal why;
    const bool read = readLevelSet(text, set, why);
    refusal = levelSetRefusalText(why);
    return read;
}

namespace {

std::string writtenLevelSet(const LevelSet& set, bool withNotes)
{
    std::string text;
    if (withNotes && !set.notes.empty()) {
        for (const std::string& note : set.notes) text += note + "\n";
    } else {
        text = "# Un jeu de niveaux de Tessaron : une ligne par brique, dans l'ordre où le jeu les pose.\n";
    }
    text += std::string(kFirstLine) + "\nname " + set.name + "\nauthor " + set.author + "\n";
    for (const LevelBoard& level : set.levels) {
        text += "\nlevel";
        if (!level.title.empty()) text += " " + level.title;
        text += "\n";
        if (withNotes) {
            for (const std::string& note : level.notes) text += note + "\n";
        }
        for (std::size_t i = 0; i < level.entries.size(); ++i) {
            const Brick& brick = level.entries[i];
            if (brick.kind == kNoBrick) {
                text += "empty\n";
                continue;
            }
            text += "brick " + std::to_string(brick.x) + " " + std::to_string(brick.y) + " " +
                    brickKindRow(brick.kind).name;
            if (brick.group != 0) text += " group " + std::to_string(brick.group);
            bool overlaps = false;
            for (std::size_t j = 0; j < i && !overlaps; ++j) {
                overlaps = level.entries[j].kind != kNoBrick && bricksOverlap(level.entries[j], brick);
            }
            if (overlaps) text += " overlapping";
            text += "\n";
        }
    }
    return text;
}

}  // namespace

std::string writeLevelSet(const LevelSet& set) { return writtenLevelSet(set, false); }

std::string writeLevelSetFile(const LevelSet& set) { return writtenLevelSet(set, true); }
