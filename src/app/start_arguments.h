#pragma once

#include <QString>
#include <QStringList>
#include <variant>

namespace kl {

// kickledger [--data-folder FOLDER] [--demo] [FILE.kld]: what a start asks for.
struct StartArguments {
    QString data_folder;  // absolute
    QString file;         // absolute, or empty when no file was named
    bool demo = false;    // open a copy of the demo season
};

// What the command line gets instead of a start: the help, the version, or why it cannot be read.
// It is printed before any window exists, so it needs no display.
struct CommandLineAnswer {
    QString text;  // ends with a line end
    int exit_code = 0;
    bool is_error() const { return exit_code != 0; }
};

// Exit code of a command line that cannot be read (EX_USAGE).
inline constexpr int usage_exit_code = 64;

// Reads the arguments after the program's name. Folder and file are named relative to working_folder.
std::variant<StartArguments, CommandLineAnswer> read_start_arguments(const QStringList& arguments,
                                                                     const QString& working_folder,
                                                                     const QString& default_data_folder,
                                                                     const QString& version);

}  // namespace kl
