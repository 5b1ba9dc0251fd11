// Replays: the recorder and the player of the event stream.
#include "game/replay.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "game/controls.h"
#include "game/game_state.h"
#include "game/random.h"

ReplaySession replay;

namespace {

constexpr int kTicksPerCheck = 100;
// Calls closer than this to the previous one are replayed without a wait: while the game
// timer runs (25 ms at most), its ticks give the pace.
constexpr std::int64_t kShortestWaitMs = 30;
constexpr std::uint64_t kLongestWaitMs = 3600000;
constexpr std::uint64_t kLongestText = 999;
constexpr std::int64_t kFarthestPointer = 1000000;
constexpr std::int64_t kLatestClock = std::int64_t{1} << 50;
constexpr std::int64_t kLongestGameTicks = 100000000;  // eleven days at the fastest pace

// ---- Bytes: records are a tag byte (kind in the low four bits, a small value in the high
// four) and unsigned LEB128 numbers; signed numbers are zigzag-coded.

void putNumber(std::string& out, std::uint64_t value)
{
    while (value >= 0x80) {
        out.push_back(static_cast<char>((value & 0x7f) | 0x80));
        value >>= 7;
    }
    out.push_back(static_cast<char>(value));
}

std::uint64_t zigzag(std::int64_t value)
{
    return (static_cast<std::uint64_t>(value) << 1) ^ static_cast<std::uint64_t>(value >> 63);
}

std::int64_t unzigzag(std::uint64_t value)
{
    return static_cast<std::int64_t>(value >> 1) ^ -static_cast<std::int64_t>(value & 1);
}

bool getNumber(const std::string& in, std::size_t& at, std::uint64_t& value)
{
    value = 0;
    for (int shift = 0; shift < 64; shift += 7) {
        if (at >= in.size()) return false;
        const auto byte = static_cast<std::uint8_t>(in[at++]);
        if (shift == 63 && byte > 1) return false;
        value |= static_cast<std::uint64_t>(byte & 0x7f) << shift;
        if ((byte & 0x80) == 0) return true;
    }
    return false;
}

bool getSigned(const std::string& in, std::size_t& at, std::int64_t& value)
{
    std::uint64_t raw = 0;
    if (!getNumber(in, at, raw)) return false;
    value = unzigzag(raw);
    return true;
}

const char* recordName(Record kind)
{
    switch (kind) {
    case Record::Ticks: return "a tick";
    case Record::Moves: return "a pointer move";
    case Record::Clicks: return "a click";
    case Record::Key: return "a key";
    case Record::Close: return "a close request";
    case Record::Pointer: return "a pointer reading";
    case Record::Answer: return "an answer";
    case Record::Text: return "a dialog text";
    case Record::Clock: return "a clock reading";
    case Record::Check: return "a state check";
    case Record::Wait: return "a wait";
    case Record::Best: return "a record read again";
    default: return "the end";
    }
}

bool isCall(Record kind)
{
    return kind == Record::Ticks || kind == Record::Moves || kind == Record::Clicks || kind == Record::Key ||
           kind == Record::Close;
}

// Reads the record at `at` into `event` (a run's count in event.value), the check's fields
// carried over from `base`. False, with the reason, when the bytes are not a record.
bool decodeRecord(const std::string& in, std::size_t& at, const StateCheck& base, ReplayEvent& event,
                  std::string& reason)
{
    if (at >= in.size()) {
        reason = "les événements s'arrêtent avant leur fin";
        return false;
    }
    const auto tag = static_cast<std::uint8_t>(in[at++]);
    const int small = tag >> 4;
    event = ReplayEvent{};
    event.kind = static_cast<Record>(tag & 0x0f);
    std::uint64_t number = 0;
    switch (event.kind) {
    case Record::Ticks:
    case Record::Moves:
    case Record::Clicks:
        if (small != 0) {
            event.value = small;
            return true;
        }
        if (!getNumber(in, at, number) || number < 16 || number > 0xffffffffu) break;
        event.value = static_cast<std::int64_t>(number);
        return true;
    case Record::Key:
        if (small != 0 || !getNumber(in, at, number) || number > 0xffff) break;
        event.value = static_cast<std::int64_t>(number);
        return true;
    case Record::Close:
    case Record::End:
        if (small != 0) break;
        return true;
    case Record::Answer:
        if (small > 1) break;
        event.value = small;
        return true;
    case Record::Pointer: {
        std::int64_t dx = 0;
        std::int64_t dy = small - 8;
        if (!getSigned(in, at, dx)) break;
        if (small == 0 && !getSigned(in, at, dy)) break;
        if (dx < -kFarthestPointer || dx > kFarthestPointer || dy < -kFarthestPointer || dy > kFarthestPointer) break;
        event.point = Point{static_cast<std::int32_t>(dx), static_cast<std::int32_t>(dy)};
        return true;
    }
    case Record::Text:
        if (small != 0 || !getNumber(in, at, number) || number > kLongestText || number > in.size() - at) break;
        event.text.assign(in, at, static_cast<std::size_t>(number));
        at += static_cast<std::size_t>(number);
        if (event.text.find('\0') != std::string::npos) break;
        return true;
    case Record::Best:
        if (small != 0 || !getSigned(in, at, event.value) || event.value < INT32_MIN || event.value > INT32_MAX) break;
        if (!getNumber(in, at, number) || number > 63 || number > in.size() - at) break;
        event.text.assign(in, at, static_cast<std::size_t>(number));
        at += static_cast<std::size_t>(number);
        if (event.text.find('\0') != std::string::npos) break;
        return true;
    case Record::Clock:
        if (small != 0 || !getSigned(in, at, event.value)) break;
        if (event.value < -kLatestClock || event.value > kLatestClock) break;
        return true;
    case Record::Wait:
        if (small != 0 || !getNumber(in, at, number) || number > kLongestWaitMs) break;
        event.value = static_cast<std::int64_t>(number);
        return true;
    case Record::Check: {
        if (small != 0 || !getNumber(in, at, number) || number > 0xffffffffu) break;
        event.value = static_cast<std::int64_t>(number);
        if (!getNumber(in, at, event.changed) || (event.changed >> kCheckFieldCount) != 0) break;
        event.check = base;
        bool whole = true;
        for (int field = 0; field < kCheckFieldCount && whole; ++field) {
            if ((event.changed >> field & 1) != 0) whole = getNumber(in, at, event.check[field]);
        }
        if (!whole) break;
        return true;
    }
    default:
        break;
    }
    reason = "événement mal formé (octet " + std::to_string(at) + " des événements)";
    return false;
}

// ---- Recording.

void flushRun()
{
    if (replay.run == Record::End) return;
    const auto kind = static_cast<std::uint8_t>(replay.run);
    if (replay.runLength < 16) {
        replay.stream.push_back(static_cast<char>(kind | replay.runLength << 4));
    } else {
        replay.stream.push_back(static_cast<char>(kind));
        putNumber(replay.stream, replay.runLength);
    }
    replay.run = Record::End;
    replay.runLength = 0;
}

void putTag(Record kind, int small)
{
    flushRun();
    replay.stream.push_back(static_cast<char>(static_cast<int>(kind) | small << 4));
}

void countInRun(Record kind)
{
    if (replay.run != kind) flushRun();
    replay.run = kind;
    replay.runLength += 1;
}

// A call or an answer after a pause of the player's is preceded by the pause.
void noteWait(std::int64_t atMs)
{
    if (replay.lastCallMs >= 0 && atMs - replay.lastCallMs >= kShortestWaitMs) {
        const auto waited = static_cast<std::uint64_t>(atMs - replay.lastCallMs);
        putTag(Record::Wait, 0);
        putNumber(replay.stream, waited < kLongestWaitMs ? waited : kLongestWaitMs);
    }
    if (replay.lastCallMs < 0 || atMs - replay.lastCallMs >= kShortestWaitMs || atMs < replay.lastCallMs) {
        replay.lastCallMs = atMs;
    }
}

void putCheck()
{
    const StateCheck now = checkOf(game);
    std::uint64_t changed = 0;
    for (int field = 0; field < kCheckFieldCount; ++field) {
        if (now[field] != replay.lastCheck[field]) changed |= std::uint64_t{1} << field;
    }
    putTag(Record::Check, 0);
    putNumber(replay.stream, static_cast<std::uint64_t>(replay.ticks));
    putNumber(replay.stream, changed);
    for (int field = 0; field < kCheckFieldCount; ++field) {
        if ((changed >> field & 1) != 0) putNumber(replay.stream, now[field]);
    }
    replay.lastCheck = now;
}

void recordCall(Handler handler, int argument, std::int64_t atMs)
{
    if (handler == Handler::Timer) {
        // Ticks keep their own pace; they only move the base of the next wait.
        if (replay.lastCallMs < 0 || atMs - replay.lastCallMs >= kShortestWaitMs) replay.lastCallMs = atMs;
        countInRun(Record::Ticks);
        return;
    }
    noteWait(atMs);
    switch (handler) {
    case Handler::PointerMoved: countInRun(Record::Moves); break;
    case Handler::LeftButton: countInRun(Record::Clicks); break;
    case Handler::Key:
        putTag(Record::Key, 0);
        putNumber(replay.stream, static_cast<std::uint64_t>(argument) & 0xffff);
        break;
    default: putTag(Record::Close, 0); break;
    }
}

// ---- Playing.

void stopPlayback(const std::string& why)
{
    replay.stopped = true;
    if (replay.failure.empty()) replay.failure = why;
}

void departure(const char* wanted, Record found)
{
    stopPlayback("tick " + std::to_string(replay.ticks) + ": the game asked for " + wanted +
                 " where the record holds " + recordName(found));
}

void compareCheck(const ReplayEvent& event)
{
    if (event.value != replay.ticks) {
        stopPlayback("tick " + std::to_string(replay.ticks) + ": the record checks tick " +
                     std::to_string(event.value));
        return;
    }
    if (!replay.checking) return;
    const StateCheck now = checkOf(game);
    std::string differences;
    for (int field = 0; field < kCheckFieldCount; ++field) {
        if (now[field] == event.check[field]) continue;
        char played[32];
        char recorded[32];
        describeCheckValue(field, now[field], played, sizeof played);
        describeCheckValue(field, event.check[field], recorded, sizeof recorded);
        differences += std::string(differences.empty() ? "" : ", ") + checkFieldName(field) + " " + played +
                       " (recorded " + recorded + ")";
    }
    if (!differences.empty()) stopPlayback("tick " + std::to_string(replay.ticks) + ": " + differences);
}

// Takes the next record whole, or one call of a run.
bool takeRecord(ReplayEvent& event)
{
    if (replay.runLeft > 0) {
        replay.runLeft -= 1;
        event = ReplayEvent{};
        event.kind = replay.runKind;
        return true;
    }
    std::string reason;
    if (!decodeRecord(replay.stream, replay.readAt, replay.lastCheck, event, reason)) {
        stopPlayback(reason);
        return false;
    }
    if (isCall(event.kind) && event.kind != Record::Key && event.kind != Record::Close) {
        replay.runKind = event.kind;
        replay.runLeft = static_cast<std::uint32_t>(event.value - 1);
    }
    if (event.kind == Record::Check) replay.lastCheck = event.check;
    return true;
}

// Whether a call may be played while a question is open. The game holds under a question, so
// a recorded game holds nothing there but the pause that the focus gone elsewhere gives; a key
// that would ask again inside the open question, or any other call, is not from this game.
bool callAllowedUnderQuestion(const ReplayEvent& call)
{
    return call.kind == Record::Key && call.value != kKeyF12 && call.value != kKeyEscape;
}

// While playing, a seam answer takes the records up to it in a loop at this one depth: the waits
// the player took to answer and, under a question, the pauses. Anything else before the answer
// is a departure, so no record can open a question inside the question awaiting it.
bool takeAnswer(Record wanted, const char* wantedName, ReplayEvent& answer)
{
    while (!replay.stopped) {
        const ReplayEvent next = peekReplay();
        if (next.kind == wanted) return takeRecord(answer);
        const bool pause = wanted == Record::Answer && callAllowedUnderQuestion(next);
        if (next.kind != Record::Wait && !pause) {
            departure(wantedName, next.kind);
            return false;
        }
        playNextRecord();
    }
    return false;
}

}  // namespace

void runHandler(Handler handler, int argument, std::int64_t atMs)
{
    // A question holds the game: a timer call under it is no tick, and no record.
    if (handler == Handler::Timer && game.questionOpen) return;
    if (replay.mode == ReplayMode::Recording) recordCall(handler, argument, atMs);
    switch (handler) {
    case Handler::Timer: gameTimerElapsed(); break;
    case Handler::PointerMoved: gamePointerMoved(); break;
    case Handler::LeftButton: gameLeftButtonDown(); break;
    case Handler::Key: gameKeyDown(argument); break;
    case Handler::Close: gameCloseRequested(); break;
    }
    if (handler != Handler::Timer || replay.mode == ReplayMode::Off) return;
    replay.ticks += 1;
    if (replay.mode == ReplayMode::Recording && replay.ticks % kTicksPerCheck == 0) putCheck();
}

void beginRecording(Point pointer)
{
    replay = ReplaySession{};
    replay.mode = ReplayMode::Recording;
    ReplayStart& start = replay.start;
    start.randomState = currentRandomState();
    start.level = game.currentLevel;
    start.livesLeft = game.livesLeft;
    start.soundEnabled = game.soundEnabled;
    start.levelIntroShown = game.levelIntroShown;
    start.victoryShown = game.victoryShown;
    start.bestScore = game.bestScore;
    start.bestScoreName = game.bestScoreName;
    start.bestScoreName.back() = '\0';
    start.pointer = pointer;
    start.cursor = game.cursorPos;
    replay.lastPointer = pointer;
}

void endRecording()
{
    if (replay.mode != ReplayMode::Recording) return;
    putCheck();
    putTag(Record::End, 0);
    replay.mode = ReplayMode::Off;
}

void beginPlayback(const ReplayStart& start, const std::string& stream, bool checking)
{
    replay = ReplaySession{};
    replay.start = start;
    replay.stream = stream;
    replay.checking = checking;
    replay.lastPointer = start.pointer;

    game = GameState{};
    game.currentLevel = start.level;
    game.soundEnabled = start.soundEnabled;
    game.bestScore = start.bestScore;
    game.bestScoreName = start.bestScoreName;
    game.bestScoreName.back() = '\0';
    game.cursorPos = start.cursor;
    newGameReset();
    game.livesLeft = start.livesLeft;
    game.levelIntroShown = start.levelIntroShown;
    game.victoryShown = start.victoryShown;
    seedRandom(start.randomState);
    // The level is laid as the recorded game laid it, seam answers included.
    replay.mode = ReplayMode::Playing;
    startLevel();
}

Point seamPointer(Point live)
{
    if (replay.mode == ReplayMode::Recording) {
        const Point last = replay.lastPointer;
        if (live.x != last.x || live.y != last.y) {
            const std::int64_t dy = std::int64_t{live.y} - last.y;
            const bool smallDy = dy >= -7 && dy <= 7;
            putTag(Record::Pointer, smallDy ? static_cast<int>(dy + 8) : 0);
            putNumber(replay.stream, zigzag(std::int64_t{live.x} - last.x));
            if (!smallDy) putNumber(replay.stream, zigzag(dy));
            replay.lastPointer = live;
        }
        return live;
    }
    if (replay.mode != ReplayMode::Playing) return live;
    // An unchanged reading is not recorded: the pointer stays where it was last read.
    if (!replay.stopped && replay.runLeft == 0 && peekReplay().kind == Record::Pointer) {
        ReplayEvent event;
        if (takeRecord(event)) {
            const std::int64_t x = std::int64_t{replay.lastPointer.x} + event.point.x;
            const std::int64_t y = std::int64_t{replay.lastPointer.y} + event.point.y;
            if (x < -kFarthestPointer || x > kFarthestPointer || y < -kFarthestPointer || y > kFarthestPointer) {
                stopPlayback("une position du pointeur hors de tout écran");
            } else {
                replay.lastPointer = Point{static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)};
            }
        }
    }
    return replay.lastPointer;
}

bool seamAnswer(bool live, std::int64_t atMs)
{
    if (replay.mode == ReplayMode::Recording) {
        noteWait(atMs);
        putTag(Record::Answer, live ? 1 : 0);
        return live;
    }
    if (replay.mode != ReplayMode::Playing) return live;
    ReplayEvent answer;
    return takeAnswer(Record::Answer, "an answer", answer) && answer.value == 1;
}

void seamDialogText(std::int64_t atMs)
{
    if (replay.mode == ReplayMode::Recording) {
        noteWait(atMs);
        const std::size_t length = strnlen(pathBuffer.data(), pathBuffer.size() - 1);
        putTag(Record::Text, 0);
        putNumber(replay.stream, length);
        replay.stream.append(pathBuffer.data(), length);
        return;
    }
    if (replay.mode != ReplayMode::Playing) return;
    ReplayEvent answer;
    if (takeAnswer(Record::Text, "a dialog text", answer)) {
        std::snprintf(pathBuffer.data(), pathBuffer.size(), "%s", answer.text.c_str());
    }
}

std::int64_t seamClock(std::int64_t live)
{
    if (replay.mode == ReplayMode::Recording) {
        putTag(Record::Clock, 0);
        putNumber(replay.stream, zigzag(live - replay.lastClock));
        replay.lastClock = live;
        return live;
    }
    if (replay.mode != ReplayMode::Playing) return live;
    if (replay.stopped) return replay.lastClock;
    const ReplayEvent next = peekReplay();
    ReplayEvent reading;
    if (next.kind != Record::Clock) {
        departure("a clock reading", next.kind);
    } else if (takeRecord(reading)) {
        replay.lastClock += reading.value;
    }
    return replay.lastClock;
}

void seamBestScore(std::int32_t scoreBefore, const char* nameBefore)
{
    if (replay.mode == ReplayMode::Recording) {
        if (game.bestScore == scoreBefore && std::strncmp(game.bestScoreName.data(), nameBefore, 64) == 0) return;
        const std::size_t length = strnlen(game.bestScoreName.data(), game.bestScoreName.size() - 1);
        putTag(Record::Best, 0);
        putNumber(replay.stream, zigzag(game.bestScore));
        putNumber(replay.stream, length);
        replay.stream.append(game.bestScoreName.data(), length);
        return;
    }
    if (replay.mode != ReplayMode::Playing || replay.stopped || replay.runLeft > 0) return;
    ReplayEvent best;
    if (peekReplay().kind != Record::Best || !takeRecord(best)) return;
    game.bestScore = static_cast<std::int32_t>(best.value);
    std::snprintf(game.bestScoreName.data(), game.bestScoreName.size(), "%s", best.text.c_str());
}

ReplayEvent peekReplay()
{
    ReplayEvent event;
    if (replay.stopped || replay.mode != ReplayMode::Playing) return event;
    if (replay.runLeft > 0) {
        event.kind = replay.runKind;
        event.value = replay.runLeft;
        return event;
    }
    std::size_t at = replay.readAt;
    std::string reason;
    if (!decodeRecord(replay.stream, at, replay.lastCheck, event, reason)) event = ReplayEvent{};
    return event;
}

bool playNextRecord()
{
    if (replay.stopped || replay.mode != ReplayMode::Playing) return false;
    ReplayEvent event;
    if (!takeRecord(event)) return false;
    if (game.questionOpen && isCall(event.kind) && !callAllowedUnderQuestion(event)) {
        departure("an answer", event.kind);
        return false;
    }
    switch (event.kind) {
    case Record::Ticks: runHandler(Handler::Timer, 0, 0); break;
    case Record::Moves: runHandler(Handler::PointerMoved, 0, 0); break;
    case Record::Clicks: runHandler(Handler::LeftButton, 0, 0); break;
    case Record::Key: runHandler(Handler::Key, static_cast<int>(event.value), 0); break;
    case Record::Close: runHandler(Handler::Close, 0, 0); break;
    case Record::Wait: break;
    case Record::Check: compareCheck(event); break;
    case Record::End:
        replay.stopped = true;
        if (replay.readAt != replay.stream.size()) stopPlayback("des octets suivent l'événement de fin");
        break;
    default: departure("a call", event.kind); break;
    }
    return !replay.stopped;
}

void playToEnd()
{
    while (playNextRecord()) {
    }
}

void stopReplay() { replay.stopped = true; }

bool replayAnswerDue()
{
    if (replay.mode != ReplayMode::Playing) return false;
    const Record next = peekReplay().kind;
    return replay.stopped || next == Record::Answer || next == Record::Text;
}

bool validateStream(const std::string& stream, std::string& reason)
{
    std::size_t at = 0;
    StateCheck base{};
    std::int64_t ticks = 0;
    std::int64_t x = 0;
    std::int64_t y = 0;
    std::int64_t clock = 0;
    bool checkedLast = false;  // the previous record checks the state at the current tick
    ReplayEvent event;
    while (decodeRecord(stream, at, base, event, reason)) {
        switch (event.kind) {
        case Record::Ticks:
            ticks += event.value;
            if (ticks > kLongestGameTicks) {
                reason = "plus de pas de jeu qu'aucune partie";
                return false;
            }
            break;
        case Record::Check:
            if (event.value != ticks) {
                reason = "une vérification d'état au pas " + std::to_string(event.value) + " suit le pas " +
                         std::to_string(ticks);
                return false;
            }
            base = event.check;
            break;
        case Record::Pointer:
            x += event.point.x;
            y += event.point.y;
            if (x < -kFarthestPointer || x > kFarthestPointer || y < -kFarthestPointer || y > kFarthestPointer) {
                reason = "une position du pointeur hors de tout écran";
                return false;
            }
            break;
        case Record::Clock:
            clock += event.value;
            if (clock < -kLatestClock || clock > kLatestClock) {
                reason = "une lecture de l'horloge hors limites";
                return false;
            }
            break;
        case Record::End:
            if (at != stream.size()) {
                reason = "des octets suivent l'événement de fin";
                return false;
            }
            if (!checkedLast) reason = "l'événement de fin ne suit pas la dernière vérification d'état";
            return checkedLast;
        default: break;
        }
        checkedLast = event.kind == Record::Check && event.value == ticks;
    }
    return false;
}
