#pragma once

#include "print_document.h"
#include "reports/copy_texts.h"
#include "reports/game_lists.h"
#include "reports/score_sheet_form.h"
#include "stats/player_stats.h"
#include "stats/stats_filter.h"
#include "store/game_record.h"

#include <QDate>
#include <QString>
#include <vector>

namespace kl {

// The pages of the main window's views, with the team name, the view and the day of printing in
// every page's header.

// 試合データ一覧: the list in the order shown.
PrintDocument game_list_document(const QString& team_name, const QDate& date,
                                 const std::vector<GameListRow>& rows);

// 試合データ詳細: one game laid out as a score sheet.
PrintDocument game_detail_document(const QString& team_name, const QDate& date, const md::GameRecord& game);

// チームデータ: the filter of the last computation, the totals line and the member table.
PrintDocument team_data_document(const QString& team_name, const QDate& date, const TeamViewContent& content);

// 個人データ: the member, the filter, the table by position and the breakdowns of goals and assists.
PrintDocument personal_data_document(const QString& team_name, const QDate& date,
                                     const PersonalViewContent& content, const PersonalStats& stats);

// グラフ: the filter of the last computation, then the chart page shown under its title; the window
// that shows the charts draws them.
PrintDocument graph_data_document(const QString& team_name, const QDate& date, const FilterTexts& filter,
                                  const QString& page_title, DrawingBlock charts);

// The score sheet for filling in by hand (one page, no running header): blank, or filled in.
PrintDocument score_sheet_form_document(const ScoreSheetForm& form);

// The sample form: filled in with a game of the demo season built into the program.
ScoreSheetForm demo_score_sheet();

}  // namespace kl
