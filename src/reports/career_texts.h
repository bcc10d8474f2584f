#pragma once

#include "stats/career.h"
#include "stats/head_to_head.h"
#include "stats/season_record.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace kl {

// --- The team files ---

// What a file is called in the career's rows: its name without its folder.
QString season_file_name(const QString& file);
// "2024/04/06～2025/03/20", or "試合なし".
QString season_date_range(const SeasonRecord& season);
// The entry of the file list: "さくらFC 2024.kld　さくらFC 2024　2024/04/06～2025/03/20".
QString season_file_entry(const SeasonRecord& season);
// The entry of a file that cannot be read: "名前.kld　（読み込めません）".
QString unreadable_file_entry(const QString& file);

// --- A member's career ---

// ファイル, チーム名, 出場, 先発, 出場時間, 出場率, 得点, アシスト, 警告, 退場.
inline constexpr int career_column_count = 10;
using CareerTableRow = std::array<QString, career_column_count>;
const CareerTableRow& career_headers();
// One row per file, then the row 通算.
std::vector<CareerTableRow> career_table_rows(const Career& career);

// The positions the member played, in the personal view's order (CF … GK), with their minutes.
std::vector<std::array<QString, 2>> career_position_rows(const Career& career);

// "初出場", "50試合出場", "初得点", "通算10得点", "初アシスト".
QString milestone_text(const Milestone& milestone);
// 日付, 記録, 対戦相手.
std::vector<std::array<QString, 3>> milestone_rows(const Career& career);

// "2024/05/18 青葉FC 2" for each game with goals, joined by "、"; "なし" without goals.
QString goal_games_text(const Career& career);

// The career as the report prints it: tab-separated blocks (title, header, rows, empty line; CR LF):
// the table, the positions, the milestones and the goals.
QString career_copy_text(const Career& career);
// The table alone (header, a row per file, 通算), tab-separated: what its CSV holds.
QString career_table_text(const Career& career);

// --- Head-to-head ---

// 対戦相手, 試合, 勝, 分, 敗, 得点, 失点, 最終対戦.
inline constexpr int h2h_column_count = 8;
using HeadToHeadRow = std::array<QString, h2h_column_count>;
const HeadToHeadRow& h2h_headers();
HeadToHeadRow h2h_row(const OpponentRecord& record);
// The header and a row per record, tab-separated, CR LF.
QString h2h_table_text(const std::vector<OpponentRecord>& records);

// "対戦成績: 3勝 1分 0敗".
QString record_line(const OpponentRecord& record);

// --- 卒団記録帳 ---

// "2019年～2025年" over the seasons' games ("2024年" for one year); empty without games.
QString seasons_years(const std::vector<const SeasonRecord*>& seasons);
// The team names of the seasons without their years ("さくらFC 2024" → "さくらFC"), each once, in the
// seasons' order, joined by "・".
QString seasons_team_names(const std::vector<const SeasonRecord*>& seasons);

}  // namespace kl
