#include "stats_filter.h"

#include "store/text_order.h"

namespace kl {

std::optional<md::UserMessage> validate_filter(StatsView view, const StatsFilter& filter,
                                               const QString& member) {
    auto refuse = [](const QString& text) { return md::UserMessage{md::input_error_title, text}; };
    if (view == StatsView::personal && member.isEmpty()) {
        return refuse(QStringLiteral(u"「メンバー」　を選択して下さい。"));
    }
    if (filter.use_period && (filter.from_key.isEmpty() || filter.to_key.isEmpty())) {
        return refuse(QStringLiteral(u"「期間」　を選択して下さい。"));
    }
    if (filter.use_period && md::text_less(filter.to_key, filter.from_key)) {
        // The two views have always differed in their full stops; users know both.
        return refuse(view == StatsView::team
                          ? QStringLiteral(u"左ボックスは右ボックスより前の日付を選択して下さい。。")
                          : QStringLiteral(u"左ボックスは右ボックスより前の日付を選択して下さい。"));
    }
    if (filter.use_meeting && filter.meeting_name.isEmpty()) {
        return refuse(QStringLiteral(u"「大会名」　を選択して下さい。"));
    }
    return std::nullopt;
}

bool select_games(const StatsFilter& filter, QStringView date, QStringView start_time, QStringView meeting) {
    const bool in_meeting = !filter.use_meeting || meeting == filter.meeting_name;
    if (!filter.use_period || !in_meeting) {
        return in_meeting;
    }
    const QString key = md::game_key(date.toString(), start_time.toString());
    return !md::text_less(key, filter.from_key) && !md::text_less(filter.to_key, key);
}

std::optional<FilterTexts> filter_texts(const StatsFilter& filter, const QStringList& period_entries,
                                        const QStringList& meeting_entries, int stored_games) {
    if (stored_games == 0) {
        return std::nullopt;
    }
    FilterTexts texts;
    if (filter.use_period) {
        texts.from = filter.from_key;
        texts.to = filter.to_key;
    } else if (!period_entries.isEmpty()) {
        texts.from = period_entries.front();
        texts.to = period_entries.back();
        texts.from_entry = 0;
        texts.to_entry = static_cast<int>(period_entries.size() - 1);
    }
    if (filter.use_meeting) {
        texts.meeting = filter.meeting_name;
    } else {
        texts.meeting = meeting_entries.join(QStringLiteral(u" , "));
        if (!meeting_entries.isEmpty()) {
            texts.meeting_entry = static_cast<int>(meeting_entries.size() - 1);
        }
    }
    return texts;
}

}  // namespace kl
