// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game window's screens, the pause text and the slide transitions.
#include "screens/game_screen.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>

#include "game/ball.h"
#include "game/game_state.h"
#include "game/level_codes.h"
#include "game/level_set.h"
#include "game/replay.h"
#include "screens/drawing_surface.h"
#include "screens/final_picture_layout.h"
#include "screens/fonts.h"
#include "screens/game_window_paint.h"
#include "screens/level_intro_layout.h"
#include "screens/pictures.h"
#include "screens/run_rating.h"
#include "screens/screen_state.h"
#include "screens/side_panel_layout.h"
#include "screens/translation.h"
#include "screens/windows1252.h"

namespace {

// Full-window pictures are drawn in this box; the 700 x 550 pictures keep their size in it.
constexpr int kBackdropBoxWidth = 740;
constexpr int kBackdropBoxHeight = 560;

constexpr int kBallSize = 2 * static_cast<int>(kBallRadius);  // the ball's picture spans its box
constexpr int kPaddleHeight = 15;
constexpr int kOverlayPaddleWidth = 60;

constexpr int kPanelLineCount = 7;
// Where each side panel line stands, top to bottom.
constexpr SDL_Point kPanelLinePlaces[kPanelLineCount] = {
    {510, 120}, {510, 150}, {510, 200}, {510, 240}, {510, 300}, {510, 360}, {510, 380},
};
// The two labels keep one trailing blank of their four.
constexpr int kPanelLabelCount = 17;

// The pause text and the area it bounces in.
constexpr const char* kPauseText = drawnTextId("Pause    ");
constexpr int kPauseAreaRight = 346;
constexpr int kPauseAreaBottom = 506;

// Picture of an entry of a table indexed by kind; null for a kind outside the table.
template <std::size_t N>
SDL_Surface* pictureOfKind(const std::array<SDL_Surface*, N>& table, int kind)
{
    if (kind < 1 || kind >= static_cast<int>(N)) return nullptr;
    return table[static_cast<std::size_t>(kind)];
}

void drawBackdrop(SDL_Surface* surface, SDL_Surface* picture, int y)
{
    drawPicture(surface, picture, 0, y, kBackdropBoxWidth, kBackdropBoxHeight);
}

void drawWholeText(SDL_Surface* surface, const GameFont& font, int x, int y, const char* text,
                   SDL_Color colour = kBlack)
{
    drawText(surface, font, x, y, text, static_cast<int>(std::strlen(text)), colour);
}

void drawBricks(SDL_Surface* surface)
{
    for (int i = kBrickCount - 1; i >= 0; --i) {
        const Brick& brick = game.brickTable[static_cast<std::size_t>(i)];
        if (brick.kind == 0) continue;
        drawPicture(surface, pictureOfKind(screenState.pictures.brickBitmaps, brick.kind), brick.x, brick.y,
                    kBrickWidth, kBrickHeight);
    }
}

void drawPaddle(SDL_Surface* surface)
{
    const int left = game.paddleX - game.paddleWidth / 2;
    if (game.bonusRandomBounce) {
        drawPicture(surface, screenState.pictures.bouncePaddleIcon, left, kPaddleTop, kOverlayPaddleWidth,
                    kPaddleHeight);
    } else {
        drawPicture(surface, pictureOfKind(screenState.pictures.paddleIcons, game.paddleWidth / 30), left, kPaddleTop,
                    game.paddleWidth, kPaddleHeight);
    }
    // The overlays are 60 wide whatever the paddle's width, from the same left edge.
    if (game.bonusArmed) {
        drawPicture(surface, screenState.pictures.armedPaddleIcon, left, kPaddleTop, kOverlayPaddleWidth,
                    kPaddleHeight);
    } else if (game.bonusSticky) {
        drawPicture(surface, screenState.pictures.stickyPaddleIcon, left, kPaddleTop, kOverlayPaddleWidth,
                    kPaddleHeight);
    }
}

void drawCapsules(SDL_Surface* surface)
{
    for (const FallingBonus& capsule : game.bonusTable) {
        if (capsule.kind == 0) continue;
        drawPicture(surface, pictureOfKind(screenState.pictures.bonusBitmaps, capsule.kind), capsule.x, capsule.y,
                    kCapsuleWidth, kCapsuleHeight);
    }
}

void drawShots(SDL_Surface* surface)
{
    for (const Shot& shot : game.shotTable) {
        if (shot.active == 0) continue;
        fillRectangle(surface, shot.x - 1, shot.y, shot.x + 1, shot.y + 8, kShotGreen);
    }
}

void drawBall(SDL_Surface* surface, const Ball& ball)
{
    SDL_Surface* picture =
        ball.icon == BallIcon::Fire ? screenState.pictures.ballIconFire : screenState.pictures.ballIconNormal;
    const SDL_Rect box = ballBox(ball);
    drawPicture(surface, picture, box.x, box.y, box.w, box.h);
}

// The dotted path a held ball would take: 100 steps of 5.5 pixels, turned back by the side
// walls and the top; two pixels per step, the second one step behind in the new direction.
// Hands every pixel to `visit`.
template <typename Visit>
void followAimingGuide(const Ball& ball, Visit visit)
{
    if (game.ballSpeed == 0) return;
    double dx = ball.vx / game.ballSpeed;
    double dy = ball.vy / game.ballSpeed;
    double px = ball.x;
    double py = ball.y;
    for (int step = 0; step < 100; ++step) {
        px += 5.5 * dx;
        py += 5.5 * dy;
        if (px > 474) dx = -dx;
        if (px < 6) dx = -dx;
        if (py < 6) dy = -dy;
        visit(static_cast<int>(px), static_cast<int>(py));
        visit(static_cast<int>(px - dx), static_cast<int>(py - dy));
    }
}

void drawAimingGuide(SDL_Surface* surface, const Ball& ball, SDL_Color colour)
{
    followAimingGuide(ball, [&](int x, int y) { setPixel(surface, x, y, colour); });
}

// Whether anything drawn in `box` can show through the surface's clip rectangle: texts are
// costly to render, and a paint that redraws only a small area leaves the others alone.
bool meetsClip(const SDL_Surface* surface, const SDL_Rect& box)
{
    return SDL_HasIntersection(&surface->clip_rect, &box) == SDL_TRUE;
}

// A box that holds every pixel of a text cell of the given font at (x, y) and `width`
// pixels of advance: glyphs may reach past their advance and accents above the cell.
SDL_Rect textBox(const GameFont& font, int x, int y, int width)
{
    const int margin = font.cellHeight / 2 + 2;
    return SDL_Rect{x - margin, y - margin, width + 2 * margin, font.cellHeight + 2 * margin};
}

void drawSidePanel(SDL_Surface* surface)
{
    const GameFont& font = openGameFont(25, 30);
    for (int line = 0; line < kPanelLineCount; ++line) {
        if (!meetsClip(surface, sidePanelLineBox(line))) continue;
        const int count = composeSidePanelLine(line);
        drawText(surface, font, kPanelLinePlaces[line].x, kPanelLinePlaces[line].y, pathBuffer.data(), count, kBlack);
    }
}

void drawLives(SDL_Surface* surface)
{
    for (int i = 1; i <= game.livesLeft; ++i) {
        drawPicture(surface, screenState.pictures.ballIconNormal, 500 + 20 * i, 270, kBallSize, kBallSize);
    }
}

void drawEffectMarks(SDL_Surface* surface)
{
    for (const CapsuleKindRow& row : kCapsuleKindRows) {
        if (row.lasting == nullptr || !(game.*row.lasting)) continue;
        drawPicture(surface, pictureOfKind(screenState.pictures.bonusBitmaps, row.kind), effectMarkX(row.markSlot),
                    kEffectMarkY, kCapsuleWidth, kCapsuleHeight);
    }
}

void drawShotsLeft(SDL_Surface* surface)
{
    if (!meetsClip(surface, shotsLeftBox())) return;
    std::snprintf(pathBuffer.data(), pathBuffer.size(), "%d", game.shotsLeft);
    drawWholeText(surface, openGameFont(15, 1200), 525, 343, pathBuffer.data());
}

// A colour component as the platform's colour macro keeps it: the low byte.
Uint8 lowByte(int value) { return static_cast<Uint8>(value & 0xFF); }

// The pause text with its shadow where it stands; the colour drifts with the position.
void drawPauseText(SDL_Surface* surface)
{
    if (!meetsClip(surface, pauseTextBox())) return;
    const GameFont& font = openGameFont(60, 1200);
    const int x = screenState.pauseTextX;
    const int y = screenState.pauseTextY;
    const int r = 128 + (y * 128) / 510;
    const int g = 128 + (x * 128) / 350;
    const int b = 255 - (x * 255) / 650;
    const SDL_Color shadow{lowByte(255 - r), lowByte(255 - g), lowByte(255 - b), 255};
    const SDL_Color colour{lowByte(r), lowByte(g), lowByte(b), 255};
    const std::string text = drawnText(kPauseText);
    const int count = static_cast<int>(text.size());
    drawText(surface, font, x + 2, y + 2, text.c_str(), count, shadow);
    drawText(surface, font, x, y, text.c_str(), count, colour);
}

// A watched replay's card: a plain panel over the background's help lines, with lines centred on it.
constexpr SDL_Color kReplayCard{251, 246, 234, 255};
constexpr SDL_Color kReplayInk{92, 58, 34, 255};
// The player's language's version of the French format `french` with the replay's tick.
std::string withReplayTick(const char* french)
{
    std::array<char, 200> line{};
    std::snprintf(line.data(), line.size(), drawnText(french).c_str(), replay.ticks);
    return line.data();
}

void drawCard(SDL_Surface* surface, const SDL_Rect& card)
{
    fillRectangle(surface, card.x, card.y, card.x + card.w, card.y + card.h, kReplayInk);
    fillRectangle(surface, card.x + 1, card.y + 1, card.x + card.w - 1, card.y + card.h - 1, kReplayCard);
}

// Draws `text`, in the player's language already, centred on `centreX`.
void drawCentredText(SDL_Surface* surface, const GameFont& font, int centreX, int y, const std::string& text,
                     SDL_Color colour = kReplayInk)
{
    const int count = static_cast<int>(text.size());
    drawText(surface, font, centreX - textWidth(font, text.c_str(), count) / 2, y, text.c_str(), count, colour);
}

// The side panel's help lines say that a recorded game is shown and how to speed it up or leave
// it; once the replay has departed from its game, that it stopped, where, and how to leave.
void drawReplayHelp(SDL_Surface* surface)
{
    drawCard(surface, kReplayHelpCard);
    const GameFont& heading = openGameFont(20, 700);
    const GameFont& lines = openGameFont(17, 700);
    const int centre = kReplayHelpCard.x + kReplayHelpCard.w / 2;
    const bool departed = replayDeparted();
    const auto& texts = departed ? kReplayStoppedLines : kReplayHelpLines;
    drawCentredText(surface, heading, centre, kReplayHelpCard.y + 8, drawnText(texts[0]));
    drawCentredText(surface, lines, centre, kReplayHelpCard.y + 40,
                    departed ? withReplayTick(texts[1]) : drawnText(texts[1]));
    drawCentredText(surface, lines, centre, kReplayHelpCard.y + 64, drawnText(texts[2]));
}

// The foot's card of the screens without a side panel, once the replay has departed.
void drawReplayStoppedLine(SDL_Surface* surface)
{
    drawCard(surface, kReplayEndCard);
    drawCentredText(surface, openGameFont(18, 700), kReplayEndCard.x + kReplayEndCard.w / 2, kReplayEndCard.y + 6,
                    withReplayTick(kReplayStoppedLine));
}

}  // namespace

void composeIntroLines(int draw, int level, std::array<char, 200>& first, std::array<char, 200>& second)
{
    char* one = first.data();
    char* two = second.data();
    const std::size_t oneSize = first.size();
    const std::size_t twoSize = second.size();
    std::snprintf(two, twoSize, " ");
    switch (draw) {
    case 0:
        std::snprintf(one, oneSize, "%s", drawnText("reprenons notre soufle avant ").c_str());
        std::snprintf(two, twoSize, drawnText("le terrifiant niveau %d?").c_str(), level);
        break;
    case 1: std::snprintf(one, oneSize, drawnText("Pret pour l'attaque du niveau %d?").c_str(), level); break;
    case 2:
        std::snprintf(one, oneSize, "%s", drawnText("Plongeons ensemble dans ").c_str());
        std::snprintf(two, twoSize, drawnText("le niveau %d !").c_str(), level);
        break;
    case 3:
        std::snprintf(one, oneSize, drawnText("Le niveau %d etait facile...").c_str(), level - 1);
        std::snprintf(two, twoSize, drawnText("Mais le niveau %d l'est moins !!").c_str(), level);
        break;
    default: std::snprintf(one, oneSize, drawnText("Le niveau %d vous attend !!").c_str(), level); break;
    }
}

namespace {

// The screens of the game window: which one the mode shows at rest.
enum class Screen { Play, End, Intro, Final };

Screen screenOfMode()
{
    switch (game.mode) {
    case GameMode::NameEntry:
    case GameMode::EndScreen: return Screen::End;
    case GameMode::LevelIntro: return Screen::Intro;
    case GameMode::FinalPicture: return Screen::Final;
    case GameMode::SlideHold: return game.slide == SlideKind::FinalUncovered ? Screen::Final : Screen::Intro;
    default: return Screen::Play;
    }
}

// Paints `screen` on a 740 x 550 frame and copies it to `target` at (0, y).
void drawScreenAt(SDL_Surface* target, Screen screen, int y)
{
    SDL_Surface* frame = beginFrame(kGameScreenWidth, kGameScreenHeight);
    if (frame == nullptr) return;
    switch (screen) {
    case Screen::End: drawEndScreen(frame); break;
    case Screen::Intro: drawLevelIntroScreen(frame); break;
    case Screen::Final: drawFinalPicture(frame); break;
    default:
        if (game.paused) movePauseText();
        drawPlayLayers(frame);
        break;
    }
    if (screen != Screen::Play && replayDeparted()) drawReplayStoppedLine(frame);
    endFrame(frame, target, y);
}

}  // namespace

void drawPlayLayers(SDL_Surface* surface)
{
    drawBackdrop(surface, screenState.pictures.gameBackground, 0);
    drawBricks(surface);
    drawPaddle(surface);
    drawCapsules(surface);
    drawShots(surface);
    drawBall(surface, game.balls[0]);
    if (game.ballCount == 2) drawBall(surface, game.balls[1]);
    if (game.bonusSticky) {
        if (game.balls[0].held == 1) drawAimingGuide(surface, game.balls[0], kGuideRed);
        if (game.balls[1].held == 1 && game.ballCount == 2) {
            drawAimingGuide(surface, game.balls[1], kGuideDarkGreen);
        }
    }
    drawSidePanel(surface);
    if (screenState.watchingReplay) drawReplayHelp(surface);
    drawLives(surface);
    drawEffectMarks(surface);
    if (game.bonusArmed) drawShotsLeft(surface);
    if (game.paused) drawPauseText(surface);
}

bool replayDeparted() { return screenState.watchingReplay && replay.stopped && !replay.failure.empty(); }

SDL_Rect ballBox(const Ball& ball)
{
    // Truncated toward zero after the subtraction, as the ball's corner.
    return SDL_Rect{static_cast<int>(ball.x - kBallRadius), static_cast<int>(ball.y - kBallRadius), kBallSize,
                    kBallSize};
}

SDL_Rect paddleBox()
{
    const int left = game.paddleX - game.paddleWidth / 2;
    return SDL_Rect{left, kPaddleTop, std::max(game.paddleWidth, kOverlayPaddleWidth), kPaddleHeight};
}

SDL_Rect aimingGuideBox(const Ball& ball)
{
    int left = INT_MAX;
    int top = INT_MAX;
    int right = INT_MIN;
    int bottom = INT_MIN;
    followAimingGuide(ball, [&](int x, int y) {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x);
        bottom = std::max(bottom, y);
    });
    if (left > right) return SDL_Rect{0, 0, 0, 0};
    return SDL_Rect{left, top, right - left + 1, bottom - top + 1};
}

SDL_Rect sidePanelLineBox(int line)
{
    // Every line runs at most to the frame's right edge.
    const SDL_Point place = kPanelLinePlaces[line];
    return textBox(openGameFont(25, 30), place.x, place.y, kGameScreenWidth - place.x);
}

SDL_Rect livesBox()
{
    if (game.livesLeft <= 0) return SDL_Rect{0, 0, 0, 0};
    return SDL_Rect{520, 270, 20 * game.livesLeft - 20 + kBallSize, kBallSize};
}

SDL_Rect effectMarksBox()
{
    const int left = effectMarkX(0);
    return SDL_Rect{left, kEffectMarkY, effectMarkX(kEffectMarkSlotCount - 1) + kCapsuleWidth - left, kCapsuleHeight};
}

SDL_Rect shotsLeftBox()
{
    // Up to five digits of the heavy 15-pixel font.
    const GameFont& font = openGameFont(15, 1200);
    return textBox(font, 525, 343, 5 * font.cellHeight);
}

SDL_Rect pauseTextBox()
{
    const GameFont& font = openGameFont(60, 1200);
    // The shadow lies 2 pixels right of and below the text.
    const std::string text = drawnText(kPauseText);
    const SDL_Rect box = textBox(font, screenState.pauseTextX, screenState.pauseTextY,
                                 textWidth(font, text.c_str(), static_cast<int>(text.size())));
    return SDL_Rect{box.x, box.y, box.w + 2, box.h + 2};
}

const char* levelCodeText(int level)
{
    // A player's set has no codes: its levels are chosen by number.
    if (level < 1 || level > kLevelCount || game.levelSet != nullptr) return "";
    return levelCodes[static_cast<std::size_t>(level)].data();
}

namespace {

// A player's set has no codes: its cards name the set instead, in Windows-1252.
std::string levelSetName()
{
    std::string name;
    if (!windows1252FromUtf8(game.levelSet->name, name)) name = "?";
    return name;
}

}  // namespace

int composeSidePanelLine(int line)
{
    char* text = pathBuffer.data();
    const std::size_t size = pathBuffer.size();
    int count = -1;
    switch (line) {
    case 0: std::snprintf(text, size, drawnText("Niveau : %d ").c_str(), game.currentLevel); break;
    case 1: std::snprintf(text, size, drawnText("Score : %d ").c_str(), game.score); break;
    case 2:
        std::snprintf(text, size,
                      drawnText("Tessas cass\xe9"
                                "es : %d")
                          .c_str(),
                      game.bricksBroken);
        break;
    case 3:
        std::snprintf(text, size, "%s", drawnText("Vies restantes :    ").c_str());
        count = std::min(kPanelLabelCount, static_cast<int>(std::strlen(text)));
        break;
    case 4:
        std::snprintf(text, size, "%s", drawnText("Bonus en cours :    ").c_str());
        count = std::min(kPanelLabelCount, static_cast<int>(std::strlen(text)));
        break;
    case 5:
        if (game.levelSet != nullptr) {
            std::snprintf(
                text, size, "%s",
                fitText(openGameFont(25, 30), levelSetName(), kCardRight - 4 - kPanelLinePlaces[5].x).c_str());
        } else {
            std::snprintf(text, size, "%s", drawnText("Code Secret du").c_str());
        }
        break;
    default:
        if (game.levelSet != nullptr) {
            std::snprintf(text, size, drawnText("niveau %d sur %d").c_str(), game.currentLevel,
                          static_cast<int>(game.levelSet->levels.size()));
        } else {
            std::snprintf(text, size, drawnText("niveau: %s ").c_str(), levelCodeText(game.currentLevel));
        }
        break;
    }
    if (count < 0) count = static_cast<int>(std::strlen(text));
    return count;
}

void drawEndScreen(SDL_Surface* surface)
{
    const GameFont& large = openGameFont(40, 700);
    drawBackdrop(surface, screenState.pictures.lostBackground, 0);
    std::snprintf(pathBuffer.data(), pathBuffer.size(), "%d", game.bestScore);
    drawWholeText(surface, large, 285, 135, pathBuffer.data());
    drawWholeText(surface, large, 160, 190, game.bestScoreName.data());
    std::snprintf(pathBuffer.data(), pathBuffer.size(), "%d", game.score);
    drawWholeText(surface, large, 255, 270, pathBuffer.data());
    drawWholeText(surface, openGameFont(22, 700), 90, 330, drawnText(ratingFor(game.score)).c_str());
    // The lines of what could not be saved, in the order things were saved: the record's above
    // the frieze, the replay's there too or, when both failed, under the frieze.
    constexpr int kFailedLineY[] = {370, 418};
    int failedLine = 0;
    // A long reason (a path, the system's words) is cut with an ellipsis at the frame's edge.
    constexpr int kEndScreenTextRight = 690;
    const GameFont& failedFont = openGameFont(18, 700);
    for (const auto* line : {&screenState.recordNotSavedText, &screenState.replayNotSavedText}) {
        if ((*line)[0] == '\0') continue;
        drawWholeText(surface, failedFont, 90, kFailedLineY[failedLine++],
                      fitText(failedFont, line->data(), kEndScreenTextRight - 90).c_str());
    }
    if (screenState.watchingReplay) {
        // The background's last line leads back to a menu a watched replay does not have.
        drawCard(surface, kReplayEndCard);
        drawCentredText(surface, openGameFont(18, 700), kReplayEndCard.x + kReplayEndCard.w / 2, kReplayEndCard.y + 6,
                        drawnText(kReplayEndLine));
    }
    if (game.runWon) {
        // The box covers the lost run's plaque; the won run's plate is written in it.
        fillRectangle(surface, 350, 10, 650, 95, kBlack);
        drawPicture(surface, screenState.pictures.victoryPlate, 350, 10, 300, 85);
    }
}

// The level intro: its two lines, then the level's code; a player's set has none, and its own
// picture has a card where the set's name and the level's rank are written instead.
void drawLevelIntroScreen(SDL_Surface* surface)
{
    const bool ownSet = game.levelSet != nullptr && screenState.pictures.levelSetBackground != nullptr;
    const GameFont& lines = openGameFont(38, 700);
    drawBackdrop(surface, ownSet ? screenState.pictures.levelSetBackground : screenState.pictures.levelBackground, 0);
    std::array<char, 200> first{};
    std::array<char, 200> second{};
    composeIntroLines(game.introDraw, game.currentLevel, first, second);
    drawWholeText(surface, lines, 100, 140, first.data());
    drawWholeText(surface, lines, 105, 190, second.data());
    if (!ownSet) {
        drawWholeText(surface, openGameFont(140, 700), 140, 320, levelCodeText(game.currentLevel));
        return;
    }
    // A long name is written smaller, about the same middle, and cut only when even the smallest is too wide.
    const std::string name = levelSetName();
    int height = kSetNameLine.height;
    while (height > kSetNameSmallest && textWidth(openGameFont(height, kSetNameLine.weight), name.c_str(),
                                                  static_cast<int>(name.size())) > kSetNameRoom)
        height -= 2;
    const GameFont& nameFont = openGameFont(height, kSetNameLine.weight);
    drawCentredText(surface, nameFont, kLevelIntroCentreX, kSetNameLine.y + (kSetNameLine.height - height) / 2,
                    fitText(nameFont, name, kSetNameRoom), opaque(kSetNameLine.colour));
    const int levels = static_cast<int>(game.levelSet->levels.size());
    std::snprintf(pathBuffer.data(), pathBuffer.size(), drawnText(kSetRankText).c_str(), game.currentLevel, levels);
    // The level's title, when its maker gave one, follows its rank on the same line.
    std::string rank = pathBuffer.data(), title;
    if (game.currentLevel >= 1 && game.currentLevel <= levels &&
        windows1252FromUtf8(game.levelSet->levels[static_cast<std::size_t>(game.currentLevel - 1)].title, title) &&
        !title.empty())
        rank += drawnText(" : ") + title;
    const GameFont& rankFont = openGameFont(kSetRankLine.height, kSetRankLine.weight);
    drawCentredText(surface, rankFont, kLevelIntroCentreX, kSetRankLine.y, fitText(rankFont, rank, kSetNameRoom),
                    opaque(kSetRankLine.colour));
}

// The picture after the last level, its top at `y`. A player's set has its own number of levels,
// written on the picture that leaves the built-in set's out, as make-data writes that one.
void drawFinishedPictureAt(SDL_Surface* surface, int y)
{
    if (game.levelSet == nullptr || screenState.pictures.finishedSetBackground == nullptr) {
        drawBackdrop(surface, screenState.pictures.finishedBackground, y);
        return;
    }
    drawBackdrop(surface, screenState.pictures.finishedSetBackground, y);
    const int count = static_cast<int>(game.levelSet->levels.size());
    std::snprintf(pathBuffer.data(), pathBuffer.size(),
                  drawnText(count == 1 ? kClearedOneLevelText : kClearedLineText).c_str(), count);
    drawCentredText(surface, openGameFont(kClearedLineHeight, kClearedLineWeight), kFinishedPictureCentreX,
                    y + kClearedLineY, pathBuffer.data(), opaque(kClearedLineColour));
    std::snprintf(pathBuffer.data(), pathBuffer.size(), "%d / %d", count, count);
    drawCentredText(surface, openGameFont(kTrophyCountHeight, kTrophyCountWeight), kFinishedPictureCentreX,
                    y + kTrophyCountY, pathBuffer.data(), opaque(kTrophyCountColour));
}

void drawFinalPicture(SDL_Surface* surface) { drawFinishedPictureAt(surface, 0); }

void drawSlidingFinalPicture(SDL_Surface* surface) { drawFinishedPictureAt(surface, game.slideOffset); }

void drawGameScreen(SDL_Surface* target)
{
    if (target == nullptr) return;
    drawScreenAt(target, screenOfMode(), 0);
}

void drawSlideFrame(SDL_Surface* target)
{
    if (target == nullptr) return;
    SDL_Surface* buffer = beginFrame(kSlideFrameWidth, kSlideFrameHeight);
    if (buffer == nullptr) return;
    switch (game.slide) {
    case SlideKind::FinalUncovered: drawFinalPicture(buffer); break;
    case SlideKind::EndUncovered:
    case SlideKind::WonEndUncovered: drawEndScreen(buffer); break;
    default: drawLevelIntroScreen(buffer); break;
    }
    if (game.slide == SlideKind::WonEndUncovered) {
        drawSlidingFinalPicture(buffer);
    } else {
        drawScreenAt(buffer, Screen::Play, game.slideOffset);
    }
    endFrame(buffer, target, 0);
}

void movePauseText()
{
    screenState.pauseTextX += screenState.pauseTextDx;
    screenState.pauseTextY += screenState.pauseTextDy;
    if (!(screenState.pauseTextX >= 2 && screenState.pauseTextX < kPauseAreaRight))
        screenState.pauseTextDx = -screenState.pauseTextDx;
    if (!(screenState.pauseTextY >= 2 && screenState.pauseTextY < kPauseAreaBottom))
        screenState.pauseTextDy = -screenState.pauseTextDy;
}
