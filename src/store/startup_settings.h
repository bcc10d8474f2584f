#pragma once

#include "shared_names.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace md {

inline const QString settings_file_name = QStringLiteral(u"setting.ini");

// What setting.ini says, line by line. A missing line, or a value that is not of its line's form
// (five numbers on line 2, an integer on lines 3-7, cp932 text everywhere), is absent. Lines 6 on
// (small-sided games, then the names of shared outputs) are written only up to the last one that is
// not at its default, so a user who never changes them keeps a file of five lines.
struct StartupSettings {
    std::optional<QString> file_path;
    std::optional<QString> window_placement;
    std::optional<qint16> start_mode;
    std::optional<qint16> keyboard_entry;
    std::optional<qint16> add_typed_names;
    std::optional<qint16> small_sided_games;
    std::optional<SharedNames> shared_names;
};

StartupSettings parse_settings(const std::vector<QByteArray>& raw_lines);

// An integer as the settings file writes it: a blank in place of the sign, the digits, a blank.
QString print_form(int value);

// Window placement: Left, Top, Width, Height (twips) and state (0 normal, 1 minimized, 2 maximized).
struct WindowPlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int state = 0;
};
std::optional<WindowPlacement> parse_window_placement(const QString& text);
QString compose_window_placement(const WindowPlacement& placement);

}  // namespace md
