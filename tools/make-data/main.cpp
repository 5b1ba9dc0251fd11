// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// make-data: draws every picture and synthesises every sound of the game's data directory.
//   make-data DIR                     writes DIR/Images/ and DIR/Sons/
//   make-data --contact-sheet FILE    writes a PNG of every picture, for looking them over
//   make-data --icons DIR             writes the program's icon in the hicolor sizes into DIR
#include <SDL.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "screens/fonts.h"
#include "tools/make-data/contact_sheet.h"
#include "tools/make-data/font_check.h"
#include "tools/make-data/music.h"
#include "tools/make-data/picture_catalogue.h"
#include "tools/make-data/picture_writers.h"
#include "tools/make-data/program_icons.h"
#include "tools/make-data/sound_cues.h"
#include "tools/make-data/wav_file.h"

namespace {

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

int usage()
{
    std::fprintf(stderr,
                 "usage: make-data DIR                   write the data directory DIR (Images/, Sons/)\n"
                 "       make-data --contact-sheet FILE  write every picture into one PNG\n"
                 "       make-data --icons DIR           write the program's icon into DIR/<N>x<N>/apps/\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) return usage();
    if (argc == 3 && std::strcmp(argv[1], "--icons") == 0) return writeProgramIcons(argv[2]) ? 0 : 1;
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
    if (argc == 3) {
        if (std::strcmp(argv[1], "--contact-sheet") != 0) return usage();
        if (!writeContactSheet(argv[2])) {
            std::fprintf(stderr, "make-data: could not write %s\n", argv[2]);
            status = 1;
        }
    } else {
        const std::filesystem::path dir(argv[1]);
        std::error_code error;
        std::filesystem::create_directories(dir / "Images", error);
        std::filesystem::create_directories(dir / "Sons", error);
        if (error) {
            std::fprintf(stderr, "make-data: could not create %s: %s\n", argv[1], error.message().c_str());
            status = 1;
        } else if (!writePictures(dir / "Images") || !writeSounds(dir / "Sons")) {
            status = 1;
        }
    }
    closeGameFonts();
    return status;
}
