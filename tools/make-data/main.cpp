// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// make-data: draws every picture and synthesises every sound of the game's data directory.
//   make-data DIR                     writes DIR/Images/ and DIR/Sons/
//   make-data --contact-sheet FILE    writes a PNG of every picture, for looking them over
//   make-data --icons DIR             writes the program's icon in the hicolor sizes into DIR
//   make-data --language LL LOCALEDIR DIR  writes DIR/Images/LL/, the pictures with words in LL
//   make-data --help, --version       print the usage or the version; other options are refused
#include <SDL.h>
#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "screens/fonts.h"
#include "screens/translation.h"
#include "tools/make-data/contact_sheet.h"
#include "tools/make-data/font_check.h"
#include "tools/make-data/music.h"
#include "tools/make-data/picture_catalogue.h"
#include "tools/make-data/picture_writers.h"
#include "tools/make-data/program_icons.h"
#include "tools/make-data/sound_cues.h"
#include "tools/make-data/wav_file.h"

namespace {

bool readWholeFile(const std::filesystem::path& path, std::string& bytes)
{
    std::ifstream file(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return static_cast<bool>(file) || file.eof();
}

bool writePictures(const std::filesystem::path& imageDir)
{
    bool ok = true;
    for (const PictureRecipe& recipe : pictureRecipes()) {
        SDL_Surface* picture = recipe.draw();
        const std::string path = (imageDir / recipe.name).string();
        bool written = false;
        if (picture != nullptr && picture->w == recipe.width && picture->h == recipe.height)
            written = recipe.kind == PictureKind::Icon ? writeIconFile(path, picture) : writeBitmapFile(path, picture);
        if (picture != nullptr) SDL_FreeSurface(picture);
        if (!written) {
            std::fprintf(stderr, "make-data: could not write %s\n", path.c_str());
            ok = false;
        }
    }
    return ok;
}

// Draws every picture again in `language`, from the catalogues in `localeDir`, and keeps in
// imageDir/<language>/ those that differ from the French ones already in imageDir: the pictures
// that hold words. The game falls back to the French picture for any other.
bool writeLanguagePictures(const std::filesystem::path& imageDir, const std::string& language,
                           const std::string& localeDir)
{
    setenv("LANGUAGE", language.c_str(), 1);
    std::setlocale(LC_MESSAGES, "C.UTF-8");
    bindtextdomain(kTextDomain, localeDir.c_str());
    bind_textdomain_codeset(kTextDomain, "UTF-8");
    const std::filesystem::path dir = imageDir / language;
    std::error_code error;
    std::filesystem::remove_all(dir, error);
    std::filesystem::create_directories(dir, error);
    if (error || !writePictures(dir)) return false;
    int kept = 0;
    for (const PictureRecipe& recipe : pictureRecipes()) {
        std::string french;
        std::string translated;
        if (readWholeFile(imageDir / recipe.name, french) && readWholeFile(dir / recipe.name, translated) &&
            french == translated) {
            std::filesystem::remove(dir / recipe.name, error);
        } else {
            ++kept;
        }
    }
    std::printf("make-data: %d pictures in %s\n", kept, language.c_str());
    return true;
}

bool writeSounds(const std::filesystem::path& soundDir)
{
    bool ok = true;
    for (const CueRecipe& cue : cueRecipes()) {
        const std::string path = (soundDir / (cue.name + ".wav")).string();
        if (!writeWaveFile(path, cue.make())) {
            std::fprintf(stderr, "make-data: could not write %s\n", path.c_str());
            ok = false;
        }
    }
    const std::string music = (soundDir / "musique.wav").string();
    if (!writeWaveFile(music, composeMusic())) {
        std::fprintf(stderr, "make-data: could not write %s\n", music.c_str());
        ok = false;
    }
    return ok;
}

const char* const kUsage =
    "usage: make-data DIR                   write the data directory DIR (Images/, Sons/)\n"
    "       make-data -- DIR                the same, for a DIR whose name starts with -\n"
    "       make-data --contact-sheet FILE  write every picture into one PNG\n"
    "       make-data --icons DIR           write the program's icon into DIR/<N>x<N>/apps/\n"
    "       make-data --language LL LOCALEDIR DIR\n"
    "                                       write DIR/Images/LL/: the pictures with words, in LL\n"
    "       make-data -h | --help | --version\n";

// What the command line asks for: the options are read before anything is drawn, and a word
// that looks like an option is never taken for a folder or a file to write.
enum class Request { Data, ContactSheet, Icons, Language, Help, Version, Refused, Unknown };

struct Option {
    const char* name;
    int operands;  // the words that follow it, none of which may start with "-" or be empty
    Request request;
};

const Option kOptions[] = {
    {"-h", 0, Request::Help},
    {"--help", 0, Request::Help},
    {"--version", 0, Request::Version},
    {"--", 1, Request::Data},
    {"--contact-sheet", 1, Request::ContactSheet},
    {"--icons", 1, Request::Icons},
    {"--language", 3, Request::Language},
};

// The request, its operands from argv[first] on (the data folder's, when no option is given).
Request readCommandLine(int argc, char** argv, int& first)
{
    if (argc < 2) return Request::Refused;
    first = 1;
    if (argv[1][0] != '-') return argc == 2 && argv[1][0] != '\0' ? Request::Data : Request::Refused;
    for (const Option& option : kOptions) {
        if (std::strcmp(argv[1], option.name) != 0) continue;
        if (argc != 2 + option.operands) return Request::Refused;
        first = 2;
        // After "--" the folder's name may start with "-": that is what "--" is for.
        for (int i = 2; i < argc; ++i)
            if (argv[i][0] == '\0' || (argv[i][0] == '-' && option.request != Request::Data)) return Request::Refused;
        return option.request;
    }
    return Request::Unknown;
}

}  // namespace

int main(int argc, char** argv)
{
    int first = 1;
    const Request request = readCommandLine(argc, argv, first);
    if (request == Request::Help) return std::fputs(kUsage, stdout) == EOF ? 1 : 0;
    if (request == Request::Version) return std::printf("make-data %s\n", TESSARON_VERSION) < 0 ? 1 : 0;
    if (request == Request::Unknown) std::fprintf(stderr, "make-data: unknown option %s\n", argv[1]);
    if (request == Request::Refused || request == Request::Unknown) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const char* const target = argv[argc - 1];
    if (request == Request::Icons) return writeProgramIcons(target) ? 0 : 1;
    std::string missing;
    if (!latoFacesFound(missing)) {
        // Drawn in another face, the pictures' texts would be clipped or misplaced.
        std::fprintf(stderr,
                     "make-data: the Lato font is needed to draw the pictures' texts, and fontconfig has no Lato "
                     "%s face; install it (Debian: fonts-lato) and build again\n",
                     missing.c_str());
        closeGameFonts();
        return 1;
    }

    int status = 0;
    if (request == Request::Language) {
        if (!writeLanguagePictures(std::filesystem::path(target) / "Images", argv[first], argv[first + 1])) {
            std::fprintf(stderr, "make-data: could not write the %s pictures in %s\n", argv[first], target);
            status = 1;
        }
    } else if (request == Request::ContactSheet) {
        if (!writeContactSheet(target)) {
            std::fprintf(stderr, "make-data: could not write %s\n", target);
            status = 1;
        }
    } else {
        const std::filesystem::path dir(target);
        std::error_code error;
        std::filesystem::create_directories(dir / "Images", error);
        std::filesystem::create_directories(dir / "Sons", error);
        if (error) {
            std::fprintf(stderr, "make-data: could not create %s: %s\n", target, error.message().c_str());
            status = 1;
        } else if (!writePictures(dir / "Images") || !writeSounds(dir / "Sons")) {
            status = 1;
        }
    }
    closeGameFonts();
    return status;
}
