// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game's font cache: fontconfig finds the face, SDL_ttf opens it once per cell height and
// weight, and text is drawn through it.
#include "screens/fonts.h"

#include "screens/drawing_surface.h"
#include "screens/font_paths.h"
#include "screens/truetype_tables.h"
#include "screens/windows1252.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

// The face the screens ask for is not installed on Linux; Lato stands in for it with its
// regular, bold and black faces.
constexpr const char* kFaceName = "Trebuchet MS";
constexpr const char* kFamily = "Lato";
constexpr const char* kFaceAlias = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <alias binding="same">
    <family>Trebuchet MS</family>
    <prefer><family>Lato</family></prefer>
  </alias>
</fontconfig>
)";

// One opened font and what it was asked for.
struct FontSlot {
    int height = 0;  // cell height asked for, pixels
    int weight = 0;  // mapper weight asked for, clamped to 1000
    GameFont font;
};

// The opened fonts and the fontconfig set-up, made at first use and kept for the run. A fixed
// table: the game uses eight fonts and the picture maker a few dozen.
constexpr int kFontSlots = 96;
struct FontLookup {
    bool ttfHeld = false;  // the lookup's own use of SDL_ttf is taken
    FcConfig* config = nullptr;
    bool fontconfigShared = false;  // another part of the program uses fontconfig too
    std::array<FontSlot, kFontSlots> slots{};
    int used = 0;              // slots filled, from the first
    GameFont noFont;           // handed out when the table is full: draws nothing
    bool faceMissing = false;  // a font was opened in another family than Lato, or none at all
};
FontLookup fontLookup;

// Notes a face of another family than the game's: Lato is missing and stood in for.
const GameFont& noteFamily(const GameFont& font)
{
    const char* family = font.face == nullptr ? nullptr : TTF_FontFaceFamilyName(font.face);
    if (family == nullptr || std::strncmp(family, kFamily, std::strlen(kFamily)) != 0) fontLookup.faceMissing = true;
    return font;
}

bool startLookup()
{
    // SDL_ttf counts its users: the lookup holds a use of its own while it keeps faces, so
    // that another part of the program shutting SDL_ttf down does not take them away.
    if (!fontLookup.ttfHeld) {
        if (TTF_Init() != 0) return false;
        fontLookup.ttfHeld = true;
    }
    return true;
}

// Fontconfig is started only when a face must be asked of it: reading its configuration and
// caches is the dearest part of opening the menu's font.
bool startFontconfig()
{
    if (fontLookup.config == nullptr) {
        fontLookup.config = FcInitLoadConfigAndFonts();
        if (fontLookup.config == nullptr) return false;
        // Fontconfig keeps state of its own that only FcFini releases: release it all at exit.
        static bool closeAtExit = std::atexit(closeGameFonts) == 0;
        (void)closeAtExit;
        FcConfigParseAndLoadFromMemory(fontLookup.config, reinterpret_cast<const FcChar8*>(kFaceAlias), FcFalse);
    }
    return true;
}

// The fontconfig weight that a mapper weight asks for: the game's face has no face thinner
// than its regular one, and a font mapper never draws a lighter face than the family has, so
// every weight below 400 (the side panel's thin 30 among them) is the regular face; 650 and
// 700 are bold, 1000 and above black.
int fontconfigWeight(int weight)
{
    weight = std::clamp(weight, 400, 1000);
    // Round to the named weights, halves upwards: 650 asks for bold as the mapper gave it.
    const int named = (weight + 50) / 100 * 100;
    return static_cast<int>(std::lround(FcWeightFromOpenTypeDouble(named)));
}

// A face fontconfig offers: its file and index.
struct FaceChoice {
    std::string file;
    int index = 0;
};
// Faces tried, best first, before the game gives up on a weight.
constexpr int kFaceChoices = 8;

// The faces that fontconfig offers for the game's face at a fontconfig weight, best first (Lato
// when installed; else whatever stands in). The count filled.
int matchFaces(int weight, std::array<FaceChoice, kFaceChoices>& choices)
{
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(kFaceName));
    FcPatternAddInteger(pattern, FC_WEIGHT, weight);
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(fontLookup.config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcFontSet* sorted = FcFontSort(fontLookup.config, pattern, FcTrue, nullptr, &result);
    FcPatternDestroy(pattern);
    if (sorted == nullptr) return 0;
    int count = 0;
    for (int i = 0; i < sorted->nfont && count < kFaceChoices; ++i) {
        FcChar8* path = nullptr;
        if (FcPatternGetString(sorted->fonts[i], FC_FILE, 0, &path) != FcResultMatch || path == nullptr) continue;
        FaceChoice& choice = choices[static_cast<std::size_t>(count++)];
        choice.file = reinterpret_cast<const char*>(path);
        if (FcPatternGetInteger(sorted->fonts[i], FC_INDEX, 0, &choice.index) != FcResultMatch) choice.index = 0;
    }
    FcFontSetDestroy(sorted);
    return count;
}

// SDL_ttf takes a whole point size and a dots-per-inch value; the pixels per em that a
// cell height asks for is rarely whole, so pick the pair whose product comes closest.
void pointSizeFor(double pixelsPerEm, int& pointSize, unsigned& dpi)
{
    const double product = pixelsPerEm * 72.0;
    double bestError = 1e30;
    pointSize = std::max(1, static_cast<int>(std::lround(pixelsPerEm)));
    dpi = 72;
    for (unsigned candidate = 48; candidate <= 300; ++candidate) {
        const long size = std::lround(product / candidate);
        if (size < 1) continue;
        const double error = std::fabs(static_cast<double>(size) * candidate - product);
        if (error + 1e-9 < bestError) {
            bestError = error;
            pointSize = static_cast<int>(size);
            dpi = candidate;
        }
    }
}

GameFont openFaceFile(int height, const std::string& file, int faceIndex)
{
    GameFont font;
    font.cellHeight = height;

    CellMetrics metrics;
    if (readCellMetrics(file.c_str(), faceIndex, metrics)) {
        const int cellUnits = metrics.winAscent + metrics.winDescent;
        int pointSize = 0;
        unsigned dpi = 72;
        pointSizeFor(static_cast<double>(height) * metrics.unitsPerEm / cellUnits, pointSize, dpi);
        font.face = TTF_OpenFontIndexDPI(file.c_str(), pointSize, faceIndex, dpi, dpi);
        font.cellAscent = static_cast<int>(std::lround(static_cast<double>(height) * metrics.winAscent / cellUnits));
        return font;
    }

    // No OS/2 table: size the face until SDL_ttf's own line height matches the cell.
    int pointSize = height;
    for (int attempt = 0; attempt < 4; ++attempt) {
        TTF_Font* face = TTF_OpenFontIndex(file.c_str(), pointSize, faceIndex);
        if (face == nullptr) return font;
        const int lineHeight = std::max(1, TTF_FontHeight(face));
        if (font.face != nullptr) TTF_CloseFont(font.face);
        font.face = face;
        if (lineHeight == height) break;
        pointSize = std::max(1, static_cast<int>(std::lround(static_cast<double>(pointSize) * height / lineHeight)));
    }
    if (font.face != nullptr) {
        const int lineHeight = std::max(1, TTF_FontHeight(font.face));
        font.cellAscent =
            static_cast<int>(std::lround(static_cast<double>(TTF_FontAscent(font.face)) * height / lineHeight));
    }
    return font;
}

// Whether an opened font can draw the game's text: a face with sane line metrics whose capital
// A leaves ink. A file of the right size and time may still be no usable face (a truncated or
// damaged copy, tables zeroed, absurd metrics).
bool usableFont(const GameFont& font)
{
    if (font.face == nullptr) return false;
    const int lineHeight = TTF_FontHeight(font.face);
    if (lineHeight < font.cellHeight / 2 || lineHeight > font.cellHeight * 3 || font.cellAscent < 1 ||
        font.cellAscent > font.cellHeight) {
        return false;
    }
    SDL_Surface* glyph =
        TTF_RenderGlyph32_Shaded(font.face, 'A', SDL_Color{0, 0, 0, 255}, SDL_Color{255, 255, 255, 255});
    bool ink = false;
    if (glyph != nullptr && SDL_LockSurface(glyph) == 0) {
        // An 8-bit surface whose palette runs from the background (0) to the text.
        for (int y = 0; y < glyph->h && !ink; ++y) {
            const auto* row = static_cast<const std::uint8_t*>(glyph->pixels) + y * glyph->pitch;
            for (int x = 0; x < glyph->w && !ink; ++x) ink = row[x] != 0;
        }
        SDL_UnlockSurface(glyph);
    }
    SDL_FreeSurface(glyph);
    return ink;
}

void closeFont(GameFont& font)
{
    if (font.face != nullptr) TTF_CloseFont(font.face);
    font.face = nullptr;
}

// The font for a cell height and mapper weight: from the face the cache keeps, or fontconfig's.
// A kept face that does not open as a usable one is dropped from the cache and fontconfig is
// asked at once; the game's face missing, whatever fontconfig gives is used and noted.
GameFont openFace(int height, int weight)
{
    GameFont font;
    font.cellHeight = height;
    if (height <= 0 || !startLookup()) return font;
    std::string file;
    int faceIndex = 0;
    const int faceWeight = fontconfigWeight(weight);
    if (cachedFacePath(faceWeight, file, faceIndex)) {
        font = openFaceFile(height, file, faceIndex);
        if (usableFont(font)) return noteFamily(font);
        closeFont(font);
        forgetFacePath(faceWeight);
    }
    std::array<FaceChoice, kFaceChoices> choices;
    const int count = startFontconfig() ? matchFaces(faceWeight, choices) : 0;
    for (int i = 0; i < count; ++i) {
        const FaceChoice& choice = choices[static_cast<std::size_t>(i)];
        font = openFaceFile(height, choice.file, choice.index);
        if (usableFont(font)) {
            rememberFacePath(faceWeight, choice.file, choice.index);
            return noteFamily(font);
        }
        closeFont(font);
    }
    fontLookup.faceMissing = true;
    return font;
}

// Where the baseline lies in a surface that SDL_ttf rendered for `utf8`: at the face's
// ascent, pushed down by as much as the tallest glyph rises above that ascent.
int baselineInRendering(TTF_Font* face, const std::string& utf8)
{
    const int ascent = TTF_FontAscent(face);
    int highest = ascent;
    std::size_t pos = 0;
    std::uint32_t code = 0;
    while (pos < utf8.size() && decodeUtf8(utf8, pos, code)) {
        int top = 0;
        if (TTF_GlyphMetrics32(face, code, nullptr, nullptr, nullptr, &top, nullptr) == 0)
            highest = std::max(highest, top);
    }
    return highest;
}

std::string_view firstBytes(const char* text, int count)
{
    if (text == nullptr || count <= 0) return {};
    const void* nul = std::memchr(text, '\0', static_cast<std::size_t>(count));
    const std::size_t length =
        nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - text) : static_cast<std::size_t>(count);
    return {text, length};
}

}  // namespace

const GameFont& openGameFont(int height, int weight)
{
    weight = std::min(weight, 1000);
    for (int i = 0; i < fontLookup.used; ++i) {
        const FontSlot& slot = fontLookup.slots[static_cast<std::size_t>(i)];
        if (slot.height == height && slot.weight == weight) return slot.font;
    }
    if (fontLookup.used == kFontSlots) return fontLookup.noFont;
    FontSlot& slot = fontLookup.slots[static_cast<std::size_t>(fontLookup.used++)];
    slot.height = height;
    slot.weight = weight;
    slot.font = openFace(height, weight);
    return slot.font;
}

void drawText(SDL_Surface* target, const GameFont& font, int x, int y, const char* text, int count, SDL_Color colour)
{
    const std::string_view bytes = firstBytes(text, count);
    if (target == nullptr || font.face == nullptr || bytes.empty()) return;
    settleFrame(target);
    const std::string utf8 = utf8FromWindows1252(bytes);
    colour.a = 255;
    SDL_Surface* rendered = TTF_RenderUTF8_Blended(font.face, utf8.c_str(), colour);
    if (rendered == nullptr) return;
    SDL_SetSurfaceBlendMode(rendered, SDL_BLENDMODE_BLEND);
    SDL_Rect place{x, y + font.cellAscent - baselineInRendering(font.face, utf8), rendered->w, rendered->h};
    SDL_BlitSurface(rendered, nullptr, target, &place);
    SDL_FreeSurface(rendered);
}

int textWidth(const GameFont& font, const char* text, int count)
{
    const std::string_view bytes = firstBytes(text, count);
    if (font.face == nullptr || bytes.empty()) return 0;
    int width = 0;
    int height = 0;
    if (TTF_SizeUTF8(font.face, utf8FromWindows1252(bytes).c_str(), &width, &height) != 0) return 0;
    return width;
}

std::string fitText(const GameFont& font, std::string text, int room)
{
    const auto width = [&font](const std::string& t) { return textWidth(font, t.c_str(), static_cast<int>(t.size())); };
    if (width(text) <= room) return text;
    while (!text.empty() && width(text + "\x85") > room) text.pop_back();
    return text + "\x85";  // an ellipsis
}

void shareFontconfig() { fontLookup.fontconfigShared = true; }

bool gameFaceMissing() { return fontLookup.faceMissing; }

void closeGameFonts()
{
    // If SDL_ttf was shut down more often than started, its faces went with it: only forget them.
    const bool ttfRunning = TTF_WasInit() > 0;
    for (int i = 0; i < fontLookup.used; ++i) {
        GameFont& font = fontLookup.slots[static_cast<std::size_t>(i)].font;
        if (font.face != nullptr && ttfRunning) TTF_CloseFont(font.face);
        font = GameFont{};
    }
    fontLookup.used = 0;
    fontLookup.faceMissing = false;
    if (fontLookup.config != nullptr) {
        FcConfigDestroy(fontLookup.config);
        fontLookup.config = nullptr;
        // FcFini asserts that nobody else holds fontconfig's caches: only when nobody does.
        if (!fontLookup.fontconfigShared) FcFini();
    }
    if (fontLookup.ttfHeld && ttfRunning) TTF_Quit();
    fontLookup.ttfHeld = false;
}
