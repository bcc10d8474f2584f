#pragma once

#include <QString>
#include <QStringList>

namespace kl::test {

// Three seasons of one club, the member S10 in each, written into the working folder:
//  さくらFC 2023.kld  90-minute games: 2023/05/03 青葉FC 2-1 (S10 scores at 10, moves CF→SH at 45),
//                     2023/06/10 赤坂SC 0-1 (S10 cautioned at 30, off at 60); OLD on the list only.
//  さくらFC 2024.kld  eight a side, 40 minutes: 2024/05/04 青葉FC 1-0 (S10 off at 20, on again at 35,
//                     scores at 38), 2024/06/01 白山FC 1-2 (S10 on at 30, assists the goal at 39).
//  さくらFC 2025.kld  カップ戦 with 20 minutes of extra time and penalties: 2025/05/05 青葉FC 1-1, won
//                     4-3 on penalties (S10 scores at 30), 2025/06/07 赤坂SC 0-0, lost 2-3 on penalties
//                     (S10 sent off at 100); and 2025/07/01 白山FC 1-1 without S10.
// and a season of another team with its own S10, and a file that cannot be read.
inline const QString season_2023 = QStringLiteral(u"さくらFC 2023.kld");
inline const QString season_2024 = QStringLiteral(u"さくらFC 2024.kld");
inline const QString season_2025 = QStringLiteral(u"さくらFC 2025.kld");
inline const QString other_team = QStringLiteral(u"青葉FC 2024.kld");
inline const QString unreadable_season = QStringLiteral(u"壊れたファイル.kld");

void write_season_files();

}  // namespace kl::test
