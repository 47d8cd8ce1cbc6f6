#pragma once
// Moments of the player's life written for the benchmark that measures it
// (bench/player/measure), and only when LYROVA_TIMING_LOG names a file: one
// line per event, "<wall-clock ns> <event> <details>", so the measuring
// script can set them against the moment it started the program.

#include <QObject>
#include <functional>
#include <string>

class QWidget;

namespace lyrova {

// Appends an event to the log; nothing when no log is asked for.
void LogTiming(const std::string& event, const std::string& details = {});

// Logs "rows-painted N" whenever `view` is painted with a row count not
// painted before, N from `rows`.
void LogPaintedRows(QWidget* view, std::function<int()> rows);

}  // namespace lyrova
