#pragma once

#include "reports/shared_names_rule.h"
#include "store/data_store.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace kl {

// Writes the season of game_lines as a web site into folder (made when missing): the pages and the
// style sheet of season_site_pages, the charts as SVG. Members are named by rule everywhere,
// the file names included. The pages a former export into the folder left and this one does not
// write (of a game since deleted, or of members no longer named) are removed, so that the folder
// holds no more than this export says. The first file that cannot be written is reported.
md::SaveResult write_season_site(const QString& folder, const QString& team_name,
                                 const QStringList& game_lines, const SharedNameRule& rule,
                                 const QDate& made_on);

}  // namespace kl
