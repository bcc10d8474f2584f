#include "startup_settings.h"

#include "cp932_codec.h"

namespace md {
namespace {

std::optional<int> strict_int(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// A switch line: 0 or 1.
std::optional<bool> switch_value(const std::optional<QString>& line) {
    const std::optional<int> value = line ? strict_int(*line) : std::nullopt;
    if (value != 0 && value != 1) {
        return std::nullopt;
    }
    return *value == 1;
}

}  // namespace

StartupSettings parse_settings(const std::vector<QByteArray>& raw_lines) {
    auto line = [&](size_t index) -> std::optional<QString> {
        return index < raw_lines.size() ? decode_cp932(raw_lines[index]) : std::nullopt;
    };
    StartupSettings settings;
    settings.file_path = line(0);
    if (const std::optional<QString> placement = line(1); placement && parse_window_placement(*placement)) {
        settings.window_placement = placement;
    }
    if (const std::optional<bool> last_file = switch_value(line(2))) {
        settings.start_mode = *last_file ? StartMode::last_file : StartMode::fixed_file;
    }
    settings.keyboard_entry = switch_value(line(3));
    settings.add_typed_names = switch_value(line(4));
    settings.small_sided_games = switch_value(line(5));
    settings.live_elapsed_minutes = switch_value(line(6));
    if (const std::optional<int> share = line(7) ? strict_int(*line(7)) : std::nullopt;
        share && *share >= 0 && *share <= max_target_share) {
        settings.live_target_share = share;
    }
    settings.shared_names = shared_names_from_line(line(8));
    return settings;
}

QString print_form(int value) {
    return (value < 0 ? QString() : QStringLiteral(u" ")) + QString::number(value) + u' ';
}

QString print_form(bool on) {
    return print_form(on ? 1 : 0);
}

std::optional<WindowPlacement> parse_window_placement(const QString& text) {
    const QStringList pieces = text.split(u',');
    if (pieces.size() != 5) {
        return std::nullopt;
    }
    int values[5];
    for (int i = 0; i < 5; ++i) {
        const std::optional<int> value = strict_int(pieces[i]);
        if (!value) {
            return std::nullopt;
        }
        values[i] = *value;
    }
    return WindowPlacement{values[0], values[1], values[2], values[3], values[4]};
}

QString compose_window_placement(const WindowPlacement& placement) {
    return QStringList{QString::number(placement.left), QString::number(placement.top),
                       QString::number(placement.width), QString::number(placement.height),
                       QString::number(placement.state)}
        .join(u',');
}

}  // namespace md
