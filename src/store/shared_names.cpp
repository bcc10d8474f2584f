#include "shared_names.h"

#include "cp932_codec.h"

#include <QDir>
#include <QFileInfo>

namespace md {

std::optional<SharedNames> shared_names_from_line(const std::optional<QString>& line) {
    bool ok = false;
    const int value = line ? line->trimmed().toInt(&ok) : -1;
    if (!ok || value < static_cast<int>(SharedNames::full) || value > static_cast<int>(SharedNames::none)) {
        return std::nullopt;
    }
    return static_cast<SharedNames>(value);
}

QString readings_path_for(const QString& team_file) {
    return QFileInfo(team_file).dir().filePath(readings_file_name);
}

NameReadings read_name_readings(const QString& path) {
    NameReadings readings;
    const std::optional<QByteArray> content = read_whole_file(path);
    if (!content) {
        return readings;
    }
    for (const QByteArray& raw : split_raw_lines(*content)) {
        const std::optional<QString> line = decode_cp932(raw);
        const qsizetype comma = line ? line->indexOf(u',') : -1;
        if (comma <= 0) {
            continue;
        }
        const QString reading = line->mid(comma + 1).trimmed();
        if (!reading.isEmpty()) {
            readings[line->left(comma)] = reading;
        }
    }
    return readings;
}

WriteResult write_name_readings(const QString& path, const NameReadings& readings) {
    QStringList lines;
    for (const auto& [name, reading] : readings) {
        if (!reading.trimmed().isEmpty()) {
            lines.append(name + u',' + reading.trimmed());
        }
    }
    return write_cp932_lines(path, lines);
}

}  // namespace md
