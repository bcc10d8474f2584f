#pragma once

#include "report.h"

#include <QStringList>

namespace kl {

// The reports over several team files (arguments as run_report takes them, the command first):
//   career FILE... --member NAME [--csv | --pdf OUT.pdf]
//   book FILE... OUT.pdf
//   h2h FILE... [--opponent NAME] [--csv]
// A file that cannot be read is named on stderr and left out; the report of the others is still
// made, and the exit code is then report_unreadable.
ReportOutcome career_report(const QStringList& arguments);
ReportOutcome book_report(const QStringList& arguments);
ReportOutcome h2h_report(const QStringList& arguments);

// Their lines of the usage text.
QString season_reports_usage();

}  // namespace kl
