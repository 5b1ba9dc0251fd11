// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The .tessaron-levels text: every fault refuses the whole file in one line; what the writer
// writes reads back the same.
#include <gtest/gtest.h>

#include <string>

#include "game/level_set.h"
#include "tests/scratch_files.h"

namespace {

const std::string kHead = "tessaron-levels 1\nname Essai\nauthor Moi\nlevel\n";  // the level on line 4

std::string repeated(const std::string& line, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) text += line;
    return text;
}

// Sets compare whole: name, author, titles and every entry.
bool sameSet(const LevelSet& a, const LevelSet& b)
{
    if (a.name != b.name || a.author != b.author || a.levels.size() != b.levels.size()) return false;
    for (std::size_t l = 0; l < a.levels.size(); ++l) {
        const LevelBoard &x = a.levels[l], &y = b.levels[l];
        if (x.title != y.title || x.entries.size() != y.entries.size()) return false;
        for (std::size_t i = 0; i < x.entries.size(); ++i) {
            const Brick &p = x.entries[i], &q = y.entries[i];
            if (p.x != q.x || p.y != q.y || p.kind != q.kind || p.group != q.group) return false;
        }
    }
    return true;
}

TEST(LevelSetFile, EveryFaultRefusesTheWholeFileWithItsLine)
{
    const std::string brick = "brick 0 0 hard\n";
    const struct {
        std::string text;
        std::string refusal;
    } cases[] = {
        {"", "ligne 1 : le fichier doit commencer par « tessaron-levels 1 »"},
        {"# rien\ntessaron-levels 2\n", "ligne 2 : le fichier doit commencer par « tessaron-levels 1 »"},
        {kHead + "brick 0 0 ordinary9\n", "ligne 5 : genre de brique inconnu « ordinary9 »"},
        {kHead + "brick 441 0 hard\n", "ligne 5 : brique hors du terrain (x de 0 à 440, y de 0 à 530)"},
        {kHead + "brick 0 531 hard\n", "ligne 5 : brique hors du terrain (x de 0 à 440, y de 0 à 530)"},
        {kHead + "brick -1 0 hard\n", "ligne 5 : brique hors du terrain (x de 0 à 440, y de 0 à 530)"},
        {kHead + "brick 0 x hard\n", "ligne 5 : une brique s'écrit « brick X Y GENRE [group G] [overlapping] »"},
        {kHead + brick + "brick 39 19 hard\n",
         "ligne 6 : la brique chevauche celle de la ligne 5 (ajoutez « overlapping » si c'est voulu)"},
        {kHead + brick + "brick 40 0 hard overlapping\n",
         "ligne 6 : brique marquée « overlapping » qui ne chevauche aucune autre"},
        {kHead + repeated("empty\n", 250) + brick, "ligne 255 : plus de 250 briques dans ce niveau"},
        {kHead + brick + repeated("level\n" + brick, 99), "ligne 202 : plus de 99 niveaux"},
        {kHead + "brick 0 0 indestructible\nempty\nlevel\n" + brick, "ligne 4 : ce niveau n'a aucune brique à casser"},
        {kHead + brick + "level\n", "ligne 6 : ce niveau n'a aucune brique à casser"},
        {kHead + brick + repeated("# " + std::string(1000, '-') + "\n", 1100),
         "ligne 1051 : le fichier dépasse 1048576 octets"},
        {kHead + brick + "# \xC3\x28\n", "ligne 6 : texte qui n'est pas de l'UTF-8 valide"},
        {"# \xC0\xAF\n", "ligne 1 : texte qui n'est pas de l'UTF-8 valide"},
        {"\n\n# \xED\xA0\x80\n", "ligne 3 : texte qui n'est pas de l'UTF-8 valide"},
        {"# \xF4\x90\x80\x80\n", "ligne 1 : texte qui n'est pas de l'UTF-8 valide"},
        {"# \xE2\x82", "ligne 1 : texte qui n'est pas de l'UTF-8 valide"},
        {kHead + "brick 0 0 hard\x01\n", "ligne 5 : caractère de contrôle dans la ligne"},
        {"tessaron-levels 1\nname Essai\nauthor Moi\nbrick 0 0 hard\n",
         "ligne 4 : brique avant la première ligne « level »"},
        {kHead + "brick 0 0 hard group 6\n", "ligne 5 : groupe « 6 » hors de 1 à 5"},
        {kHead + "brick 0 0 hard group 0\n", "ligne 5 : groupe « 0 » hors de 1 à 5"},
        {kHead + "brick 0 0 hard group 1 group 2\n", "ligne 5 : « group » en trop"},
        {kHead + "brick 0 0 hard solid\n", "ligne 5 : « solid » en trop"},
        {kHead + "wall 0 0\n", "ligne 5 : « wall » n'est pas une ligne de jeu de niveaux"},
        {"tessaron-levels 1\nname Essai\nlevel\n",
         "ligne 3 : le nom (« name ») et l'auteur (« author ») précèdent le premier niveau"},
        {"tessaron-levels 1\nname Essai\nauthor Moi\n", "ligne 3 : aucun niveau (ligne « level »)"},
        {"tessaron-levels 1\nname Essai\nname Autre\n", "ligne 3 : deuxième ligne « name »"},
        {kHead + brick + "author Autre\n", "ligne 6 : « author » après le premier niveau"},
        {"tessaron-levels 1\nname \n", "ligne 2 : « name » sans texte"},
        {"tessaron-levels 1\nauthor " + std::string(65, 'a') + "\n", "ligne 2 : texte de plus de 64 octets"},
    };
    for (const auto& c : cases) {
        LevelSet set;
        set.name = "reste";
        std::string refusal;
        EXPECT_FALSE(readLevelSet(c.text, set, refusal)) << c.refusal;
        EXPECT_EQ(refusal, c.refusal);
        EXPECT_TRUE(set.levels.empty() && set.name.empty()) << c.refusal;  // nothing half-loaded
    }
}

// Blank lines, comments, tabs, spaces and CR LF endings change nothing; the writer's text of
// any set it is given reads back as that set, and writes the same text again.
TEST(LevelSetFile, WrittenSetsReadBackTheSame)
{
    LevelSet made{"Mes niveaux « à moi »", "Zoé", {}};
    made.levels.push_back({"Le début", {{0, 0, 8, 1}, {0, 0, 0, 0}, {20, 10, 6, 1}, {440, 530, 1, 0}}});
    made.levels.push_back({"", {{200, 300, 7, 5}}});
    LevelSet read;
    std::string refusal;
    ASSERT_TRUE(readLevelSet(writeLevelSet(made), read, refusal)) << refusal;
    EXPECT_TRUE(sameSet(read, made));

    const std::string loose =
        "\r\n# mon jeu\r\n  tessaron-levels 1 \r\nname\tMes niveaux « à moi »\nauthor Zoé  \n\nlevel Le début\n"
        "brick 0 0 indestructible  group 1\nempty\n\tbrick 20 10 hard group 1 overlapping\nbrick 440 530 ordinary1\n"
        "level\nbrick 200 300 cracked group 5";
    ASSERT_TRUE(readLevelSet(loose, read, refusal)) << refusal;
    EXPECT_TRUE(sameSet(read, made));

    ASSERT_TRUE(readLevelSet(readBytes(TESSARON_SOURCE_DIR "/resources/built-in.tessaron-levels"), read, refusal));
    const std::string written = writeLevelSet(read);
    LevelSet again;
    ASSERT_TRUE(readLevelSet(written, again, refusal)) << refusal;
    EXPECT_TRUE(sameSet(again, read));
    EXPECT_EQ(writeLevelSet(again), written);
}

}  // namespace
