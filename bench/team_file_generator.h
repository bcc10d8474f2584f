#pragma once

#include "store/data_store.h"

#include <QString>
#include <QTemporaryDir>

namespace kl::bench {

// Fills store with a large, valid team: master lists, formations, meetings, and games with realistic
// timelines (goals with details, conceded goals, cards, substitutions, position and formation
// changes, extra time and shoot-outs), as many as fit the file's limit on game fields. The same
// seed gives the same team.
void generate_large_team(md::DataStore& store, unsigned seed = 2006);

// Writes such a team to path (cp932, CR LF); returns the number of games.
int write_large_team_file(const QString& path, unsigned seed = 2006);

// One large team file shared by every case of a benchmark run, written on first use in a folder of
// its own (large.kld; the cases may write their own files beside it).
struct LargeFile {
    LargeFile();
    QTemporaryDir folder;
    QString path;
    int games = 0;
    qint64 size = 0;
};
LargeFile& large_file();

}  // namespace kl::bench
