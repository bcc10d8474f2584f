#pragma once

#include "entry/event_page.h"
#include "support/game_builder.h"

#include <gtest/gtest.h>

namespace kl::test {

// Entries 0-42 of a game's working table, from a builder's line.
inline QStringList fixed_fields(const GameBuilder& game) {
    return game.line().split(u',').mid(1, 43);
}

inline md::Formation formation(const QString& name, std::array<const char16_t*, 9> counts) {
    md::Formation result{name, {}};
    for (size_t i = 0; i < counts.size(); ++i) {
        result.counts[i] = QString::fromUtf16(counts[i]);
    }
    return result;
}

// Page 3 of a builder's game, with the formations 4-4-2, 3-5-2 and a one-player "小さい".
inline EventPage page_of(const GameBuilder& game = {}) {
    return EventPage(
        fixed_fields(game),
        {formation(QStringLiteral(u"4-4-2"), {u"2", u"0", u"0", u"2", u"2", u"0", u"2", u"2", u"0"}),
         formation(QStringLiteral(u"3-5-2"), {u"2", u"0", u"1", u"2", u"2", u"0", u"3", u"0", u"0"}),
         formation(QStringLiteral(u"小さい"), {u"1", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0"})});
}

// 追加: the refusal's text, empty when the event was added.
inline QString refusal_of(EventPage& page) {
    const std::optional<md::UserMessage> refusal = page.add();
    return refusal ? refusal->text : QString();
}

inline void choose(EventPage& page, DetailPanel panel, int body, int area, int action) {
    page.open_details(panel);
    page.choose_detail(panel, 0, body);
    page.choose_detail(panel, 2, action);
    page.choose_detail(panel, 1, area);
    page.close_details(panel);
}

inline void card(EventPage& page, int row, bool sending_off) {
    page.choose_kind(KindOption::card);
    page.click_pitch_row(row);
    page.choose_card(sending_off);
    ASSERT_EQ(refusal_of(page), QString());
}

// A goal by the member of a pitch row, without assist.
inline void score(EventPage& page, int row) {
    page.choose_kind(KindOption::goal);
    page.click_pitch_row(row);
    choose(page, DetailPanel::finish, 0, 0, 0);
    ASSERT_EQ(refusal_of(page), QString());
}

inline void concede(EventPage& page) {
    page.choose_kind(KindOption::conceded);
    choose(page, DetailPanel::conceded_finish, 0, 0, 0);
    choose(page, DetailPanel::play_before, 0, 0, 0);
    ASSERT_EQ(refusal_of(page), QString());
}

inline void substitute(EventPage& page, int row, int reserve) {
    page.choose_kind(KindOption::substitution);
    page.click_pitch_row(row);
    page.click_reserve(reserve);
    ASSERT_EQ(refusal_of(page), QString());
}

inline void change_formation(EventPage& page, const QString& name) {
    page.choose_kind(KindOption::formation_change);
    page.choose_formation_change(name);
    ASSERT_EQ(refusal_of(page), QString());
}

}  // namespace kl::test
