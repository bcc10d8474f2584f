#pragma once

#include "entry/live_game.h"
#include "page_support.h"

#include <vector>

namespace kl::test {

// A live game driven as the live window drives it: each action at the time of a test clock, with
// the minute the game gives the next event; the actions the game took are kept as a journal keeps
// them.
struct LiveDriver {
    explicit LiveDriver(const GameBuilder& game, bool small_sided = false,
                        MinuteCounting counting = MinuteCounting::football)
        : game(
              {QStringLiteral(u"team.kld"), fixed_fields(game), small_sided, counting},
              {formation(QStringLiteral(u"4-4-2"), {u"2", u"0", u"0", u"2", u"2", u"0", u"2", u"2", u"0"}),
               formation(QStringLiteral(u"2-3-2"), {u"2", u"0", u"0", u"2", u"1", u"0", u"2", u"0", u"0"})}) {
    }

    // The refusal's text, empty when the game took the action.
    QString act(LiveAction action) {
        const TimedAction timed{now, std::move(action)};
        const std::optional<md::UserMessage> refusal = game.apply(timed);
        if (!refusal) {
            taken.push_back(timed);
        }
        return refusal ? refusal->text : QString();
    }
    QString act(LiveVerb verb) { return act(LiveAction(verb)); }
    // An event at the minute the game gives it now.
    QString event(LiveVerb verb, QStringList members = {}) {
        LiveAction action(verb);
        action.minute = game.next_minute(now);
        action.members = std::move(members);
        return act(action);
    }
    QString detail(int event_index, DetailPanel panel, int group, const QString& option) {
        LiveAction action(LiveVerb::detail);
        action.event = event_index;
        action.panel = panel;
        action.group = group;
        action.option = static_cast<int>(EventPage::options(panel, group).indexOf(option));
        return act(action);
    }
    // All three details of a panel, body part first.
    void details(int event_index, DetailPanel panel, const md::GoalDetail& detail) {
        EXPECT_EQ(this->detail(event_index, panel, 0, detail.body), QString());
        EXPECT_EQ(this->detail(event_index, panel, 2, detail.action), QString());
        EXPECT_EQ(this->detail(event_index, panel, 1, detail.area), QString());
    }
    QString assist(int event_index, const QString& member) {
        LiveAction action(LiveVerb::assist);
        action.event = event_index;
        action.members = {member};
        return act(action);
    }
    QString kick(bool own, bool scored, const QString& kicker = {}) {
        LiveAction action(LiveVerb::kick);
        action.own = own;
        action.scored = scored;
        action.members = {kicker};
        if (!own) {
            action.members.clear();
        }
        return act(action);
    }
    QString kick_order(bool own_first) {
        LiveAction action(LiveVerb::kick_order);
        action.own = own_first;
        return act(action);
    }
    void wait(int minutes, int seconds = 0) { now += (minutes * 60 + seconds) * 1000LL; }
    int last_event() const { return static_cast<int>(game.page().state().lines.size()) - 1; }
    QString record_line() const {
        return md::compose_record_line(game.page().state().event_fields,
                                       game.page().state().event_field_count);
    }

    LiveGame game;
    qint64 now = 1'800'000'000'000;
    std::vector<TimedAction> taken;
};

}  // namespace kl::test
