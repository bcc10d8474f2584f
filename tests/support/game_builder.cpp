#include "support/game_builder.h"

#include "store/capacities.h"

namespace kl::test {

md::GoalDetail finish_detail() {
    return {QStringLiteral(u"右足"), QStringLiteral(u"中央（エリア内）"), QStringLiteral(u"被アシスト")};
}
md::GoalDetail assist_detail() {
    return {QStringLiteral(u"頭"), QStringLiteral(u"右サイド"), QStringLiteral(u"CK")};
}
md::GoalDetail conceded_finish_detail() {
    return {QStringLiteral(u"足"), QStringLiteral(u"中央（エリア外）"), QStringLiteral(u"ドリブル突破")};
}
md::GoalDetail play_before_detail() {
    return {QStringLiteral(u"足"), QStringLiteral(u"左サイド"), QStringLiteral(u"ショートパス")};
}

GameBuilder& GameBuilder::eight_a_side() {
    game_time = QStringLiteral(u"40");
    formation = QStringLiteral(u"2-3-2");
    positions = {QStringLiteral(u"GK"),
                 {},
                 {},
                 {},
                 QStringLiteral(u"CB"),
                 QStringLiteral(u"CB"),
                 QStringLiteral(u"CH"),
                 QStringLiteral(u"SH"),
                 QStringLiteral(u"SH"),
                 QStringLiteral(u"CF"),
                 QStringLiteral(u"CF")};
    for (size_t row = 1; row <= 3; ++row) {
        starters[row].clear();
    }
    return *this;
}

GameBuilder& GameBuilder::with_extra_time(const QString& mode, int minutes) {
    extra_time = QStringLiteral(u"あり");
    extra_mode = mode;
    extra_length = QString::number(minutes);
    return *this;
}

GameBuilder& GameBuilder::with_shoot_out() {
    shoot_out = QStringLiteral(u"あり");
    return *this;
}

GameBuilder& GameBuilder::add(const QStringList& event_fields) {
    events += event_fields;
    return *this;
}

GameBuilder& GameBuilder::goal(int minute, const QString& scorer, const QString& assister,
                               const QString& mark) {
    md::GoalDetail finish = finish_detail();
    if (assister.isEmpty()) {
        finish.action = QStringLiteral(u"こぼれ球");
    }
    return add(md::compose_goal(QString::number(minute), mark, scorer, finish, assister, assist_detail()));
}

GameBuilder& GameBuilder::conceded(int minute, const QString& mark) {
    return add(
        md::compose_conceded(QString::number(minute), mark, conceded_finish_detail(), play_before_detail()));
}

GameBuilder& GameBuilder::card(int minute, const QString& card, const QString& member) {
    return add(md::compose_card(QString::number(minute), card, member));
}

GameBuilder& GameBuilder::substitution(int minute, const QString& position, const QString& member_in,
                                       const QString& member_out) {
    return add(md::compose_substitution(QString::number(minute), position, member_in, member_out));
}

QString GameBuilder::line() const {
    QStringList fields = {recorder,  date,       time,       ground,       opponent,  meeting,
                          game_time, extra_time, extra_mode, extra_length, shoot_out, formation};
    for (size_t row = 0; row < 11; ++row) {
        fields += {positions[row], starters[row]};
    }
    for (int slot = 0; slot < 9; ++slot) {
        fields.append(reserves.value(slot));
    }
    fields += events;
    return md::compose_record_line(fields, static_cast<int>(events.size()));
}

md::GameRecord GameBuilder::record() const {
    return md::GameRecord::parse(line()).value_or(md::GameRecord{});
}

}  // namespace kl::test
