#include "game_record.h"

#include "capacities.h"
#include "text_order.h"
#include "vocabulary.h"

#include <algorithm>
#include <array>

namespace md {

void split_record_line(QStringView line, std::vector<QStringView>& fields) {
    fields.clear();
    const QChar* data = line.data();
    const qsizetype size = line.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i <= size; ++i) {
        if (i < size && data[i] != u',') {
            continue;
        }
        // Built in place: a view made first and then copied in costs a store-forwarding stall per field.
        const qsizetype length = i - start;
        fields.emplace_back(data + start, length);
        if (length == 2 && data[start] == u'#' && data[start + 1] == u'#') {  // the end marker
            break;
        }
        start = i + 1;
    }
}

std::vector<QStringView> split_record_line(QStringView line) {
    std::vector<QStringView> fields;
    split_record_line(line, fields);
    return fields;
}

qsizetype record_field_count(QStringView line) {
    const QStringView marker = u",##";
    qsizetype end = line.size();
    if (line == words::end_marker || line.startsWith(QStringView(u"##,"))) {
        end = 2;
    } else {
        for (qsizetype at = line.indexOf(marker); at >= 0; at = line.indexOf(marker, at + 1)) {
            const qsizetype after = at + marker.size();
            if (after == line.size() || line[after] == u',') {
                end = after;
                break;
            }
        }
    }
    return line.left(end).count(u',') + 1;
}

qsizetype readable_game_line_fields(QStringView line, std::vector<QStringView>& scratch) {
    split_record_line(line, scratch);
    return decode_event_spans(scratch) ? static_cast<qsizetype>(scratch.size()) : 0;
}

bool is_readable_game_line(QStringView line) {
    std::vector<QStringView> scratch;
    return readable_game_line_fields(line, scratch) > 0;
}

std::optional<GameRecord> GameRecord::parse(QStringView line) {
    const std::vector<QStringView> views = split_record_line(line);
    const std::optional<std::vector<EventSpan>> spans = decode_event_spans(views);
    if (!spans) {
        return std::nullopt;
    }
    GameRecord record;
    record.fields.reserve(static_cast<qsizetype>(views.size()));
    for (const QStringView view : views) {
        record.fields.append(view.toString());
    }
    record.events = events_from_spans(record.fields, *spans);
    return record;
}

bool RecordView::read(QStringView line) {
    split_record_line(line, fields_);
    events_.clear();
    const std::optional<std::vector<EventSpan>> spans = decode_event_spans(fields_);
    if (!spans) {
        return false;
    }
    for (const EventSpan& span : *spans) {
        events_.emplace_back(fields_, span);
    }
    return true;
}

bool GameIdentity::matches(QStringView line) const {
    std::array<QStringView, record::opponent + 1> fields{};
    qsizetype start = 0;
    for (QStringView& field : fields) {
        const qsizetype comma = line.indexOf(u',', start);
        const qsizetype end = comma < 0 ? line.size() : comma;
        field = start <= line.size() ? line.mid(start, end - start) : QStringView();
        start = end + 1;
    }
    return fields[record::date] == date && fields[record::start_time] == start_time &&
           fields[record::ground] == ground && fields[record::opponent] == opponent;
}

QString game_key(const QString& date, const QString& start_time) {
    return date + u' ' + start_time;
}

QString deletion_list_text(const QString& date, const QString& start_time, const QString& opponent,
                           const QString& ground) {
    const QString separator = QStringLiteral(u" - ");
    return date + separator + start_time + separator + opponent + separator + ground;
}

QString compose_record_line(const QStringList& event_fields, int event_field_count) {
    QString line = words::start_marker;
    for (int i = 0; i < fixed_field_count + event_field_count; ++i) {
        line += u',';
        line += event_fields.value(i);
    }
    line += u',';
    line += words::end_marker;
    return line;
}

void sort_game_lines(QStringList& game_lines) {
    sort_texts(game_lines);
}

}  // namespace md
