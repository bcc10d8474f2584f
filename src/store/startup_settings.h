#pragma once

#include "shared_names.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace md {

inline const QString settings_file_name = QStringLiteral(u"setting.ini");
// Six short lines; a larger setting.ini (or a special file of that name) is read as empty.
inline constexpr qint64 max_settings_file_bytes = 64 * 1024;

// Which file a start opens: the fixed start file (written as 0) or the file open last (1).
enum class StartMode { fixed_file = 0, last_file = 1 };

// What setting.ini says, line by line. A missing line, or a value that is not of its line's form
// (five numbers on line 2, 0 or 1 on lines 3-7, a share of 0-100 on line 8, one of 0-3 on line 9,
// cp932 text everywhere), is absent. Lines 6-9, the options added since the five lines of old
// (small-sided games, live entry counting elapsed minutes, the target share of playing time, the
// names of shared outputs), are written only up to the last one that is not at its default: a user
// who never changes them keeps the five lines.
struct StartupSettings {
    std::optional<QString> file_path;
    std::optional<QString> window_placement;
    std::optional<StartMode> start_mode;
    std::optional<bool> keyboard_entry;
    std::optional<bool> add_typed_names;
    std::optional<bool> small_sided_games;
    std::optional<bool> live_elapsed_minutes;
    std::optional<int> live_target_share;
    std::optional<SharedNames> shared_names;
};

// The largest target share of playing time, in percent; 0 is off.
inline constexpr int max_target_share = 100;

StartupSettings parse_settings(const std::vector<QByteArray>& raw_lines);

// An integer as the settings file writes it: a blank in place of the sign, the digits, a blank.
QString print_form(int value);
// A switch as the settings file writes it: " 1 " on, " 0 " off.
QString print_form(bool on);

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
