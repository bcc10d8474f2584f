#pragma once

#include <QString>

namespace kl {

// The main window's caption: "Kickledger - ", the team name and the visible view's suffix; when the
// open file lies outside the data folder, its folder follows, so the user sees which team file of
// that name is open.
QString main_window_caption(const QString& team_name, const QString& suffix, const QString& data_file_path);

}  // namespace kl
