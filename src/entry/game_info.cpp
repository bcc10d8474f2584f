#include "game_info.h"

#include "store/game_record.h"
#include "store/name_check.h"
#include "store/vocabulary.h"

namespace kl {
namespace {

md::UserMessage input_error(const QString& text) {
    return {md::input_error_title, text};
}

}  // namespace

QString shifted_date(const QString& text, DateButton button, const QDate& today) {
    const QDate date = QDate::fromString(text, date_format);
    if (!date.isValid()) {
        return text;
    }
    QDate shifted = date;
    switch (button) {
        case DateButton::month_back:
            shifted = date.addMonths(-1);  // the day is limited to the shorter month's last day
            break;
        case DateButton::day_back:
            shifted = date.addDays(-1);
            break;
        case DateButton::day_forward:
            if (date < today) {
                shifted = date.addDays(1);
            }
            break;
        case DateButton::month_forward:
            shifted = date < today.addMonths(-1) ? date.addMonths(1) : today;
            break;
    }
    return shifted.toString(date_format);
}

QStringList hour_choices() {
    QStringList hours;
    for (int hour = 0; hour < 24; ++hour) {
        hours.append(QStringLiteral(u"%1").arg(hour, 2, 10, QChar(u'0')));
    }
    return hours;
}

QStringList minute_choices() {
    QStringList minutes;
    for (int minute = 0; minute < 60; minute += 5) {
        minutes.append(QStringLiteral(u"%1").arg(minute, 2, 10, QChar(u'0')));
    }
    return minutes;
}

MeetingLabels meeting_labels(const md::Meeting& meeting) {
    MeetingLabels labels{
        meeting.game_time + QStringLiteral(u"　分"), meeting.extra_time, {}, meeting.shoot_out};
    if (meeting.extra_time == md::words::yes) {
        labels.extra_detail = meeting.extra_length + QStringLiteral(u"　分") + QStringLiteral(u"　[") +
                              meeting.extra_mode + u']';
    }
    return labels;
}

QString start_time(const GameInfo& info) {
    return info.hour + u':' + info.minute;
}

std::optional<md::UserMessage> check_game_info(const GameInfo& info, const md::DataStore& store,
                                               std::optional<int> corrected_game) {
    if (info.recorder.isEmpty()) {
        return input_error(QStringLiteral(u"「起票者」　が入力されていません。"));
    }
    if (info.hour.isEmpty() || info.minute.isEmpty()) {
        return input_error(QStringLiteral(u"「開始時間」　が入力されていません。"));
    }
    if (info.ground.isEmpty()) {
        return input_error(QStringLiteral(u"「場所」　が入力されていません。"));
    }
    if (info.opponent.isEmpty()) {
        return input_error(QStringLiteral(u"「対戦相手」　が入力されていません。"));
    }
    if (info.meeting.isEmpty()) {
        return input_error(QStringLiteral(u"「大会名」　が選択されていません。"));
    }
    // Typed texts are stored in the game line: they must be storable, like every name.
    const std::pair<const QString*, md::CheckedText> typed[] = {{&info.recorder, md::CheckedText::name},
                                                                {&info.date, md::CheckedText::date},
                                                                {&info.ground, md::CheckedText::name},
                                                                {&info.opponent, md::CheckedText::name}};
    for (const auto& [text, what] : typed) {
        if (std::optional<md::UserMessage> refusal = md::check_name(*text, what)) {
            return refusal;
        }
    }
    if (store.find_game({info.date, start_time(info), info.ground, info.opponent}, corrected_game)) {
        return input_error(
            QStringLiteral(u"「日付」　「開始時間」　「場所」　「対戦相手」　が同一のデータが存在します。どれ"
                           u"かを訂正して下さい。"));
    }
    return std::nullopt;
}

QStringList game_info_fields(const GameInfo& info, const md::Meeting& meeting) {
    return {info.recorder,    info.date,         start_time(info),   info.ground,        info.opponent,
            meeting.name,     meeting.game_time, meeting.extra_time, meeting.extra_mode, meeting.extra_length,
            meeting.shoot_out};
}

}  // namespace kl
