// The game's font lookup and text drawing: fontconfig finds the face, SDL_ttf draws it.
#include "screens/fonts.h"

#include "screens/drawing_surface.h"
#include "screens/font_paths.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace {

// The face the screens ask for is not installed on Linux; Lato stands in for it with its
// regular, bold and black faces.
constexpr const char* kFaceName = "Trebuchet MS";
constexpr const char* kFaceAlias = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <alias binding="same">
    <family>Trebuchet MS</family>
    <prefer><family>Lato</family></prefer>
  </alias>
</fontconfig>
)";

// Unicode code points of the bytes 0x80..0x9F; the rest of Windows-1252 is Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

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
    bool ttfHeld = false;        // the lookup's own use of SDL_ttf is taken
    FcConfig* config = nullptr;
    bool fontconfigShared = false;  // another part of the program uses fontconfig too
    std::array<FontSlot, kFontSlots> slots{};
    int used = 0;                // slots filled, from the first
    GameFont noFont;             // handed out when the table is full: draws nothing
};
FontLookup fontLookup;

// A font file's vertical metrics in font units: the cell is winAscent + winDescent.
struct CellMetrics {
    int unitsPerEm = 0;
    int winAscent = 0;
    int winDescent = 0;
};

std::uint32_t readBig(const unsigned char* p, int bytes) {
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) value = (value << 8) | p[i];
    return value;
}

// Reads `size` bytes at `offset` of the file; false when the file is shorter.
bool readAt(std::ifstream& file, std::uint32_t offset, unsigned char* out, std::size_t size) {
    file.seekg(offset);
    file.read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(size));
    return static_cast<std::size_t>(file.gcount()) == size;
}

// Reads unitsPerEm from 'head' and usWinAscent/usWinDescent from 'OS/2' of the face
// `faceIndex` of a TrueType/OpenType file or collection.
bool readCellMetrics(const char* path, int faceIndex, CellMetrics& metrics) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    unsigned char header[12];
    if (!readAt(file, 0, header, sizeof header)) return false;
    std::uint32_t directory = 0;
    if (std::memcmp(header, "ttcf", 4) == 0) {
        const std::uint32_t faces = readBig(header + 8, 4);
        if (faceIndex < 0 || static_cast<std::uint32_t>(faceIndex) >= faces) return false;
        unsigned char entry[4];
        if (!readAt(file, 12 + 4 * static_cast<std::uint32_t>(faceIndex), entry, 4)) return false;
        directory = readBig(entry, 4);
        if (!readAt(file, directory, header, sizeof header)) return false;
    }
    const std::uint32_t tables = readBig(header + 4, 2);
    std::uint32_t headOffset = 0;
    std::uint32_t os2Offset = 0;
    for (std::uint32_t i = 0; i < tables; ++i) {
        unsigned char record[16];
        if (!readAt(file, directory + 12 + 16 * i, record, sizeof record)) return false;
        const std::uint32_t length = readBig(record + 12, 4);
        if (std::memcmp(record, "head", 4) == 0 && length >= 54) headOffset = readBig(record + 8, 4);
        if (std::memcmp(record, "OS/2", 4) == 0 && length >= 78) os2Offset = readBig(record + 8, 4);
    }
    if (headOffset == 0 || os2Offset == 0) return false;
    unsigned char head[20];
    unsigned char os2[78];
    if (!readAt(file, headOffset, head, sizeof head) || !readAt(file, os2Offset, os2, sizeof os2))
        return false;
    metrics.unitsPerEm = static_cast<int>(readBig(head + 18, 2));
    metrics.winAscent = static_cast<int>(readBig(os2 + 74, 2));
    metrics.winDescent = static_cast<int>(readBig(os2 + 76, 2));
    return metrics.unitsPerEm > 0 && metrics.winAscent + metrics.winDescent > 0;
}

bool startLookup() {
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
bool startFontconfig() {
    if (fontLookup.config == nullptr) {
        fontLookup.config = FcInitLoadConfigAndFonts();
        if (fontLookup.config == nullptr) return false;
        // Fontconfig keeps state of its own that only FcFini releases: release it all at exit.
        static bool closeAtExit = std::atexit(closeGameFonts) == 0;
        (void)closeAtExit;
        FcConfigParseAndLoadFromMemory(fontLookup.config,
                                       reinterpret_cast<const FcChar8*>(kFaceAlias), FcFalse);
    }
    return true;
}

// The fontconfig weight that a mapper weight asks for: the game's face has no face thinner
// than its regular one, and a font mapper never draws a lighter face than the family has, so
// every weight below 400 (the side panel's thin 30 among them) is the regular face; 650 and
// 700 are bold, 1000 and above black.
int fontconfigWeight(int weight) {
    weight = std::clamp(weight, 400, 1000);
    // Round to the named weights, halves upwards: 650 asks for bold as the mapper gave it.
    const int named = (weight + 50) / 100 * 100;
    return static_cast<int>(std::lround(FcWeightFromOpenTypeDouble(named)));
}

// The file and face index that fontconfig picks for the game's face at a fontconfig weight.
bool matchFace(int weight, std::string& file, int& faceIndex) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(kFaceName));
    FcPatternAddInteger(pattern, FC_WEIGHT, weight);
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(fontLookup.config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(fontLookup.config, pattern, &result);
    FcPatternDestroy(pattern);
    if (match == nullptr) return false;
    FcChar8* path = nullptr;
    bool found = FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path != nullptr;
    if (found) file = reinterpret_cast<const char*>(path);
    if (FcPatternGetInteger(match, FC_INDEX, 0, &faceIndex) != FcResultMatch) faceIndex = 0;
    FcPatternDestroy(match);
    return found;
}

// SDL_ttf takes a whole point size and a dots-per-inch value; the pixels per em that a
// cell height asks for is rarely whole, so pick the pair whose product comes closest.
void pointSizeFor(double pixelsPerEm, int& pointSize, unsigned& dpi) {
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

GameFont openFace(int height, int weight) {
    GameFont font;
    font.cellHeight = height;
    if (height <= 0 || !startLookup()) return font;
    std::string file;
    int faceIndex = 0;
    const int faceWeight = fontconfigWeight(weight);
    if (!cachedFacePath(faceWeight, file, faceIndex)) {
        if (!startFontconfig() || !matchFace(faceWeight, file, faceIndex)) return font;
        rememberFacePath(faceWeight, file, faceIndex);
    }

    CellMetrics metrics;
    if (readCellMetrics(file.c_str(), faceIndex, metrics)) {
        const int cellUnits = metrics.winAscent + metrics.winDescent;
        int pointSize = 0;
        unsigned dpi = 72;
        pointSizeFor(static_cast<double>(height) * metrics.unitsPerEm / cellUnits, pointSize, dpi);
        font.face = TTF_OpenFontIndexDPI(file.c_str(), pointSize, faceIndex, dpi, dpi);
        font.cellAscent = static_cast<int>(
            std::lround(static_cast<double>(height) * metrics.winAscent / cellUnits));
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
        pointSize = std::max(1, static_cast<int>(std::lround(
                                    static_cast<double>(pointSize) * height / lineHeight)));
    }
    if (font.face != nullptr) {
        const int lineHeight = std::max(1, TTF_FontHeight(font.face));
        font.cellAscent = static_cast<int>(
            std::lround(static_cast<double>(TTF_FontAscent(font.face)) * height / lineHeight));
    }
    return font;
}

void appendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Decodes one UTF-8 character at `pos`, strictly (no overlong forms, surrogates or truncation).
bool decodeUtf8(std::string_view text, std::size_t& pos, std::uint32_t& code) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    int extra = 0;
    std::uint32_t minimum = 0;
    if (lead < 0x80) {
        code = lead;
        ++pos;
        return true;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1; code = lead & 0x1F; minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2; code = lead & 0x0F; minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3; code = lead & 0x07; minimum = 0x10000;
    } else {
        return false;
    }
    if (pos + extra >= text.size()) return false;
    for (int i = 1; i <= extra; ++i) {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0) != 0x80) return false;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    pos += 1 + extra;
    return true;
}

// Where the baseline lies in a surface that SDL_ttf rendered for `utf8`: at the face's
// ascent, pushed down by as much as the tallest glyph rises above that ascent.
int baselineInRendering(TTF_Font* face, const std::string& utf8) {
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

std::string_view firstBytes(const char* text, int count) {
    if (text == nullptr || count <= 0) return {};
    const void* nul = std::memchr(text, '\0', static_cast<std::size_t>(count));
    const std::size_t length =
        nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - text)
            : static_cast<std::size_t>(count);
    return {text, length};
}

}  // namespace


const GameFont& openGameFont(int height, int weight) {
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

void drawText(SDL_Surface* target, const GameFont& font, int x, int y, const char* text,
              int count, SDL_Color colour) {
    const std::string_view bytes = firstBytes(text, count);
    if (target == nullptr || font.face == nullptr || bytes.empty()) return;
    settleFrame(target);
    const std::string utf8 = utf8FromWindows1252(bytes);
    colour.a = 255;
    SDL_Surface* rendered = TTF_RenderUTF8_Blended(font.face, utf8.c_str(), colour);
    if (rendered == nullptr) return;
    SDL_SetSurfaceBlendMode(rendered, SDL_BLENDMODE_BLEND);
    SDL_Rect place{x, y + font.cellAscent - baselineInRendering(font.face, utf8), rendered->w,
                   rendered->h};
    SDL_BlitSurface(rendered, nullptr, target, &place);
    SDL_FreeSurface(rendered);
}

int textWidth(const GameFont& font, const char* text, int count) {
    const std::string_view bytes = firstBytes(text, count);
    if (font.face == nullptr || bytes.empty()) return 0;
    int width = 0;
    int height = 0;
    if (TTF_SizeUTF8(font.face, utf8FromWindows1252(bytes).c_str(), &width, &height) != 0) return 0;
    return width;
}

std::string utf8FromWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte < 0xA0)
            appendUtf8(out, kHighControls[byte - 0x80]);
        else
            appendUtf8(out, byte);
    }
    return out;
}

bool windows1252FromUtf8(std::string_view utf8, std::string& out) {
    out.clear();
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        std::uint32_t code = 0;
        if (!decodeUtf8(utf8, pos, code)) {
            out.clear();
            return false;
        }
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            out += static_cast<char>(code);
            continue;
        }
        const auto slot = std::find(kHighControls.begin(), kHighControls.end(), code);
        if (slot == kHighControls.end()) {
            out.clear();
            return false;
        }
        out += static_cast<char>(0x80 + (slot - kHighControls.begin()));
    }
    return true;
}

void shareFontconfig() { fontLookup.fontconfigShared = true; }

void closeGameFonts() {
    // If SDL_ttf was shut down more often than started, its faces went with it: only forget them.
    const bool ttfRunning = TTF_WasInit() > 0;
    for (int i = 0; i < fontLookup.used; ++i) {
        GameFont& font = fontLookup.slots[static_cast<std::size_t>(i)].font;
        if (font.face != nullptr && ttfRunning) TTF_CloseFont(font.face);
        font = GameFont{};
    }
    fontLookup.used = 0;
    if (fontLookup.config != nullptr) {
        FcConfigDestroy(fontLookup.config);
        fontLookup.config = nullptr;
        // FcFini asserts that nobody else holds fontconfig's caches: only when nobody does.
        if (!fontLookup.fontconfigShared) FcFini();
    }
    if (fontLookup.ttfHeld && ttfRunning) TTF_Quit();
    fontLookup.ttfHeld = false;
}
