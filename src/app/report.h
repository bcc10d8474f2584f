#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>

namespace kl {

// What kickledger-report prints and how it ends.
struct ReportOutcome {
    int exit_code = 0;
    QString out;  // the report: the clipboard text of the view, or its CSV form; nothing with --pdf
    QString err;  // one line when something went wrong
};

inline constexpr int report_unreadable = 1;
inline constexpr int report_check_failed = 2;
inline constexpr int report_usage = 64;
inline constexpr int report_cannot_write = 73;
inline constexpr int report_output_failed = 74;

// Runs the report command on its arguments (without the program name). Reads the team data file
// named in them (or its backups) and nothing else; writes nothing but the PDF file that --pdf
// names. Painting that file needs a QGuiApplication.
ReportOutcome run_report(const QStringList& arguments);

// Prints the outcome, its report on out and its message on err; returns the exit code. Every write
// and the final flush of out are checked: a report that does not arrive whole (a full disk, a
// closed pipe) is told on err and ends with 74.
int print_outcome(const ReportOutcome& outcome, std::FILE* out, std::FILE* err);

}  // namespace kl
