// Writes the generated largest team file to the path given, to look at or profile the program on.
#include "team_file_generator.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: large_team_file PATH.kld\n", stderr);
        return 2;
    }
    const int games = kl::bench::write_large_team_file(QString::fromLocal8Bit(argv[1]));
    std::printf("%d games\n", games);
    return 0;
}
