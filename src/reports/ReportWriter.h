#pragma once

#include <span>

namespace sorvak {

struct ReportRun;

// What a report needs besides the log and its tally, which the driver reads
// (and talks to the user about) before the writer runs.
enum class ReportInput {
    None,
    Multipliers,        // the multiplier list of the run (the data file, or the built-in one)
    MarkedMultipliers,  // that list with every QSO's multipliers marked on it
    Countries,          // the country file's table
};

// One analysis report. The driver runs the writers of reportWriters() in
// their order, each only when its bit is set in the run's flags, and lists
// the base name + extension of every report it wrote.
//
// A writer builds the whole text of its report from the ReportRun: the
// time-sorted qsoList, the flags, the tally of the whole log and the input
// its row names. It never changes the log and never talks to the user; what
// the user should be told it adds to run.notes. It appends its text with
// run.write (program text, UTF-8), run.writeBytes (QSO text, already CP932),
// run.print (printf of program text) and run.spaces; "\n" ends a line.
//
// To add a report: write `void writeXxx(ReportRun&)` in its own file, and
// put {".XXX", ANALYSIS_XXX, input, writeXxx} at its place in the table of
// ReportWriters.cpp.
struct ReportWriter {
    const char* extension;  // ".QAF"
    unsigned flag;          // its AnalysisFlags bit
    ReportInput input;
    void (*write)(ReportRun& run);
};

// The report writers in the order they are written.
std::span<const ReportWriter> reportWriters();

}  // namespace sorvak
