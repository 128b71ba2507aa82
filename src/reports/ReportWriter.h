#pragma once

#include <span>

namespace sorvak {

struct ReportRun;

// One analysis report. The driver runs the writers of reportWriters() in
// their order, each only when its bit is set in the run's flags, and lists
// the base name + extension of every writer that returned true.
//
// A writer:
// - reads what it needs from the ReportRun: the time-sorted qsoList, the
//   flags, the tally of the whole log, the multiplier data file and the
//   country file paths; it never changes the log;
// - may read its own input files first and tell the user about them through
//   run.ui (then returns false without touching the report file);
// - calls openReportFile(run, extension) and returns false when that does;
// - appends its text with run.write (program text, UTF-8), run.writeBytes
//   (QSO text, already CP932), run.print (printf of program text) and
//   run.spaces; "\n" ends a line;
// - ends with `return closeReportFile(run);`.
// A writer that fails for reasons of its own only tells the user and
// returns false; the run goes on with the next writer.
//
// To add a report: write `bool writeXxx(ReportRun&)` in its own file, and
// put {".XXX", ANALYSIS_XXX, writeXxx} at its place in the table of
// ReportWriters.cpp.
struct ReportWriter {
    const char* extension;  // ".QAF"
    unsigned flag;          // its AnalysisFlags bit
    bool (*write)(ReportRun& run);
};

// The report writers in the order they are written.
std::span<const ReportWriter> reportWriters();

}  // namespace sorvak
