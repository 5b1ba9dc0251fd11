// Where the game keeps the replays of the games played: one file per game, named by its date,
// the level reached and the score, in $XDG_STATE_HOME/tessaron/replays.
#pragma once
#include <ctime>
#include <string>

// How many replays are kept besides the one of the game that set the current record.
constexpr int kReplaysKept = 20;
// The copy of the replay of the game that set the current record.
constexpr const char* kRecordReplayName = "record.replay";

// $XDG_STATE_HOME/tessaron/replays, or ~/.local/state/tessaron/replays; "" without a home.
std::string replayDirectory();

// "2026-12-07_21-04-59_niveau-05_score-12340.replay", the date in local time.
std::string replayFileName(std::time_t when, int level, int score);

// Deletes the oldest replays of `directory` (by their dated names) beyond the `keep` newest.
// Files of other names, the record's copy among them, are left alone.
void pruneReplays(const std::string& directory, int keep);

// The path of the newest dated replay of `directory` (the last game played), or "" when it
// holds none.
std::string newestReplay(const std::string& directory);

// Ends the game being recorded and writes its replay into `directory` (created if need be),
// with a copy as the record's replay when the game set the record; then prunes. Returns the
// path written, or "" with a message on stderr.
std::string saveGameReplay(const std::string& directory);
