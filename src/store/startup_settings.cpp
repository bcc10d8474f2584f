#include "startup_settings.h"

#include "cp932_codec.h"

#include <limits>

namespace md {
namespace {

std::optional<int> strict_int(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<qint16> flag_value(const std::optional<QString>& line) {
    if (!line) {
        return std::nullopt;
    }
    const std::optional<int> value = strict_int(*line);
    if (!value || *value < std::numeric_limits<qint16>::min() ||
        *value > std::numeric_limits<qint16>::max()) {
        return std::nullopt;
    }
    return static_cast<qint16>(*value);
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
    settings.start_mode = flag_value(line(2));
    settings.keyboard_entry = flag_value(line(3));
    settings.add_typed_names = flag_value(line(4));
    settings.small_sided_games = flag_value(line(5));
    settings.shared_names = shared_names_from_line(line(6));
    return settings;
}

QString print_form(int value) {
    return (value < 0 ? QString() : QStringLiteral(u" ")) + QString::number(value) + u' ';
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
