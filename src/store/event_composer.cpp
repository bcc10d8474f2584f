#include "event_composer.h"

#include "vocabulary.h"

namespace md {
namespace {

const QString dash = QStringLiteral(u" - ");
const QString arrow = QStringLiteral(u"   ←   ");

QString list_mark(const QString& mark) {
    return mark.isEmpty() ? QString() : u'[' + mark + QStringLiteral(u"] ");
}

LineColour mark_colour(const QString& mark) {
    if (mark == words::golden_goal) {
        return LineColour::yellow;
    }
    return mark == words::silver_goal ? LineColour::grey : LineColour::normal;
}

QString goal_content(const GameEvent& event) {
    const QString mark = list_mark(event.mark());
    if (event.is_own_goal()) {
        return mark + words::own_goal + dash + event.finish().area;
    }
    QString content = mark + words::scorer + dash + event.scorer() + dash + event.finish().area;
    if (!event.assister().isEmpty()) {
        content += arrow + words::assister + dash + event.assister() + dash + event.assist().area;
    }
    return content;
}

QString shoot_out_content(const GameEvent& event) {
    const ShootOutScore score = event.shoot_out_score();
    const QString own = QStringLiteral(u"（自）") + QString::number(score.own);
    const QString opponent = QStringLiteral(u"（敵）") + QString::number(score.opponent);
    return event.own_kicks_first() ? own + dash + opponent : opponent + dash + own;
}

}  // namespace

QStringList compose_substitution(const QString& time, const QString& position, const QString& member_in,
                                 const QString& member_out) {
    return {time, words::substitution, words::in, position, member_in, words::out, member_out};
}

QStringList compose_position_change(const QString& time, const QString& new_position_1,
                                    const QString& member_1, const QString& new_position_2,
                                    const QString& member_2) {
    return {time, words::position_change, new_position_1, member_1, new_position_2, member_2};
}

QStringList compose_card(const QString& time, const QString& card, const QString& member) {
    return {time, words::card, card, member};
}

QStringList compose_goal(const QString& time, const QString& mark, const QString& scorer,
                         const GoalDetail& finish, const QString& assister, const GoalDetail& assist) {
    QStringList fields = {time,        words::goal, mark,          words::scorer,  scorer,
                          finish.body, finish.area, finish.action, words::assister};
    if (assister.isEmpty()) {
        fields += {QString(), QString(), QString(), QString()};
    } else {
        fields += {assister, assist.body, assist.area, assist.action};
    }
    return fields;
}

QStringList compose_conceded(const QString& time, const QString& mark, const GoalDetail& finish,
                             const GoalDetail& play_before) {
    return {time,
            words::conceded,
            mark,
            words::finish,
            finish.body,
            finish.area,
            finish.action,
            words::play_before,
            play_before.body,
            play_before.area,
            play_before.action};
}

QStringList compose_formation_change(const QString& time, const QString& formation, const PitchRows& rows) {
    QStringList fields = {time, words::formation_change, formation};
    for (const PitchRow& row : rows) {
        fields += {row.position, row.member};
    }
    return fields;
}

QStringList compose_shoot_out(bool own_kicks_first, const QStringList& kick_fields) {
    QStringList fields = {words::shoot_out_time, words::shoot_out,
                          own_kicks_first ? words::kicks_first : words::kicks_second};
    fields += kick_fields;
    return fields;
}

QString goal_mark(bool in_extra_time, const QString& extra_mode) {
    if (!in_extra_time) {
        return {};
    }
    if (extra_mode == words::golden_goal_mode) {
        return words::golden_goal;
    }
    return extra_mode == words::silver_goal_mode ? words::silver_goal : QString();
}

EventListLine event_list_line(const GameEvent& event, const QString& formation_before) {
    EventListLine line{event.time(), kind_literal(event.kind), {}, LineColour::normal};
    switch (event.kind) {
        case EventKind::Substitution:
            line.content = QStringLiteral(u"IN - ") + event.member_in() + QStringLiteral(u"     OUT - ") +
                           event.member_out();
            break;
        case EventKind::PositionChange: {
            const QString b = event.new_position_1();
            const QString a = event.new_position_2();
            line.content = a + QStringLiteral(u" → ") + b + dash + event.member_1() +
                           QStringLiteral(u"     ") + b + QStringLiteral(u" → ") + a + dash +
                           event.member_2();
            break;
        }
        case EventKind::Card:
            if (event.card() == words::second_caution) {
                line.content = words::caution + QStringLiteral(u"（退場） - ") + event.carded_member();
            } else {
                line.content = event.card() + dash + event.carded_member();
            }
            if (event.card() == words::caution) {
                line.colour = LineColour::yellow;
            } else if (event.sends_off()) {
                line.colour = LineColour::red;
            }
            break;
        case EventKind::Goal:
            line.content = goal_content(event);
            line.colour = mark_colour(event.mark());
            break;
        case EventKind::Conceded:
            line.content = list_mark(event.mark()) + words::finish + dash + event.finish().area + arrow +
                           words::play_before + dash + event.play_before().area;
            line.colour = mark_colour(event.mark());
            break;
        case EventKind::FormationChange:
            line.content = formation_before + QStringLiteral(u" → ") + event.new_formation();
            break;
        case EventKind::ShootOut:
            line.time = QStringLiteral(u" -");
            line.content = shoot_out_content(event);
            break;
    }
    return line;
}

}  // namespace md
