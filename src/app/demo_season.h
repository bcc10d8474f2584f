#pragma once

#include <QString>
#include <QStringList>

namespace kl {

// The demo season that comes with the program, "demo.kld": in a samples folder beside the program
// (the build tree links it there) or in its install location, PREFIX/share/kickledger/samples for
// PREFIX/bin/kickledger.
QStringList demo_season_candidates(const QString& program_folder);
// The first candidate that exists; empty when none does.
QString find_demo_season(const QString& program_folder);

// kickledger --demo: the data folder's demo.kld, copied there from demo_file first when the folder
// has none (a demo.kld already there, perhaps with the user's own games, is never replaced).
struct PlacedDemo {
    QString file;     // absolute; empty when it cannot be had
    QString failure;  // why not, for an error box
};
PlacedDemo place_demo_season(const QString& demo_file, const QString& data_folder);

}  // namespace kl
