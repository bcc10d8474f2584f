#pragma once

#include "reports/shared_names_rule.h"
#include "stats/stats_filter.h"
#include "store/data_store.h"
#include "store/game_record.h"

#include <QString>
#include <optional>

class QWidget;

namespace kl {

// The main window's commands of sharing: the result picture, the member card and the season's web
// pages, each naming the members as 環境設定 says (with the readings beside the team file).

// The rule of the open file: the setting and the readings of readings.ini beside the file.
SharedNameRule shared_name_rule(const md::DataStore& store);

// 結果画像を保存...: asks for a PNG file and saves the result picture of game there.
void save_result_image(QWidget* owner, const md::DataStore& store, const std::optional<md::GameRecord>& game);
// 結果画像をコピー: the result picture of game on the clipboard.
void copy_result_image(const md::DataStore& store, const std::optional<md::GameRecord>& game);

// 個人カードを保存...: asks for a PNG file and saves member's card over the games filter chooses
// (texts: the period and meeting the personal view shows); nothing to save when member is empty.
void save_member_card(QWidget* owner, const md::DataStore& store, const QString& member,
                      const StatsFilter& filter, const FilterTexts& texts);

// Webページとして書き出し...: asks for a folder and writes the season's pages there.
void export_season_site(QWidget* owner, const md::DataStore& store);

}  // namespace kl
