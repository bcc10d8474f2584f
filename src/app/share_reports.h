#pragma once

#include "report.h"

#include <QStringList>

namespace kl {

// The outputs made for sharing (arguments as run_report takes them, the command first):
//   image FILE N OUT.png                                  the result picture of the N-th stored game
//   card FILE MEMBER [N | --period FROM TO | --meeting NAME] OUT.png
//                                                         the member's card of the season or of game N
//   site FILE OUTDIR                                      the season as a web site
// Each takes --names full|family|initials|none (full when not given); the readings of names for
// initials are read from readings.ini beside FILE.
ReportOutcome image_report(const QStringList& arguments);
ReportOutcome card_report(const QStringList& arguments);
ReportOutcome site_report(const QStringList& arguments);

// Their lines of the usage text.
QString share_reports_usage();

}  // namespace kl
