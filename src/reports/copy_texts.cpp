#include "copy_texts.h"

#include "game_analysis.h"
#include "store/vocabulary.h"

namespace kl {
namespace {

const QString crlf = QStringLiteral(u"\r\n");
const QChar tab = u'\t';

QString cells(const QStringList& texts) {
    QString line;
    for (const QString& text : texts) {
        line += text + tab;
    }
    return line;
}

QString minutes_text(const QString& time) {
    return time + QStringLiteral(u"分") + tab;
}

QString score_table(const md::GameRecord& game, const QString& team_name, const GameAnalysis& analysis) {
    auto number = [](int value) { return QString::number(value); };
    auto row = [&](const QString& label, size_t period) {
        return QString(tab) + tab + number(analysis.own[period]) + tab + label + tab +
               number(analysis.opponent[period]) + crlf;
    };
    QString text = team_name + tab + number(analysis.own[0]) + tab + number(analysis.own[1]) + tab +
                   QStringLiteral(u"前半") + tab + number(analysis.opponent[1]) + tab +
                   number(analysis.opponent[0]) + tab + game.opponent() + crlf;
    text += row(QStringLiteral(u"後半"), 2);
    if (game.has_extra_time()) {
        text += row(QStringLiteral(u"延長前半"), 3) + row(QStringLiteral(u"延長後半"), 4);
    }
    if (game.has_shoot_out() && analysis.own[0] == analysis.opponent[0]) {
        text += row(QStringLiteral(u"PK"), 5);
    }
    return text + crlf;
}

QString goals_section(const md::GameRecord& game, const QString& team_name) {
    QString text = QStringLiteral(u"得失点内容") + crlf;
    for (const md::GameEvent& event : game.events) {
        if (event.kind == md::EventKind::Goal) {
            text += minutes_text(event.time()) + side_with_mark(team_name, event) + tab + event.scorer() +
                    tab + detail_group(event.finish());
            if (!event.assister().isEmpty()) {
                text +=
                    tab + QStringLiteral(u"←") + tab + event.assister() + tab + detail_group(event.assist());
            }
            text += crlf;
        } else if (event.kind == md::EventKind::Conceded) {
            text += minutes_text(event.time()) + side_with_mark(game.opponent(), event) + tab +
                    detail_group(event.finish()) + tab + QStringLiteral(u"←") + tab +
                    detail_group(event.play_before()) + crlf;
        }
    }
    return text + crlf;
}

QString cards_section(const md::GameRecord& game) {
    QString text = QStringLiteral(u"警告・退場") + crlf;
    for (const md::GameEvent& event : game.events) {
        if (event.kind == md::EventKind::Card) {
            text +=
                minutes_text(event.time()) + u'[' + event.card() + u']' + tab + event.carded_member() + crlf;
        }
    }
    return text + crlf;
}

QString starters_section(const md::GameRecord& game, const GameAnalysis& analysis) {
    QString text =
        QStringLiteral(u"スターティングメンバー") + tab + u'[' + game.formation() + u']' + crlf + crlf;
    for (const StartingSlot& slot : analysis.starting_slots) {
        if (slot.holders.empty()) {
            text += minutes_text(QString::number(analysis.game_length)) + slot.position + tab + crlf;
            continue;
        }
        for (size_t i = 0; i < slot.holders.size(); ++i) {
            const SlotHolder& holder = slot.holders[i];
            text += minutes_text(QString::number(holder.minutes)) +
                    (i == 0 ? slot.position + tab : QString(tab) + QStringLiteral(u"→　")) + holder.name +
                    crlf;
        }
    }
    return text + crlf;
}

QString reserves_section(const md::GameRecord& game) {
    QString text = QStringLiteral(u"リザーブメンバー") + crlf + crlf;
    for (int slot = 0; slot < md::record::reserve_slots; ++slot) {
        if (!game.reserve(slot).isEmpty()) {
            text += game.reserve(slot) + crlf;
        }
    }
    return text + crlf;
}

QString others_section(const md::GameRecord& game) {
    QString text = QStringLiteral(u"その他") + crlf;
    for (const md::GameEvent& event : game.events) {
        if (event.kind == md::EventKind::PositionChange) {
            text += minutes_text(event.time()) + u'[' + md::words::position_change + u']' + tab +
                    event.new_position_1() + tab + event.member_1() + tab + event.new_position_2() + tab +
                    event.member_2() + crlf;
        } else if (event.kind == md::EventKind::FormationChange) {
            text += minutes_text(event.time()) + u'[' + md::words::formation_change + u']' + tab +
                    game.formation() + tab + QStringLiteral(u" → ") + tab + event.new_formation() + crlf;
        }
    }
    return text + crlf;
}

QString stats_rows(const QStringList& headers, const std::vector<StatsRow>& rows) {
    QString text = cells(headers) + crlf;
    for (const StatsRow& row : rows) {
        text += cells({row.begin(), row.end()}) + crlf;
    }
    return text;
}

}  // namespace

QStringList stats_list_headers(StatsList list) {
    return {list == StatsList::team ? QStringLiteral(u"名前") : QStringLiteral(u"ポジション"),
            QStringLiteral(u"出場時間"),
            QStringLiteral(u"得点"),
            QStringLiteral(u"アシスト"),
            QStringLiteral(u"警告"),
            QStringLiteral(u"退場")};
}

QString team_view_copy_text(const QString& team_name, const TeamViewContent& content) {
    return team_name + crlf + crlf + cells({QStringLiteral(u"期間"), content.from, content.to}) + crlf +
           cells({QStringLiteral(u"大会名"), content.meeting}) + crlf + content.totals_line + crlf + crlf +
           stats_rows(stats_list_headers(StatsList::team), content.rows);
}

QString personal_view_copy_text(const QString& team_name, const PersonalViewContent& content) {
    return team_name + crlf + crlf + QStringLiteral(u"メンバー") + tab + content.member + crlf +
           cells({QStringLiteral(u"期間"), content.from, content.to}) + crlf +
           cells({QStringLiteral(u"大会名"), content.meeting}) + crlf + crlf +
           stats_rows(stats_list_headers(StatsList::personal), content.rows) + crlf + content.breakdown;
}

QString game_list_copy_text(const QString& team_name, const std::vector<GameListRow>& rows) {
    QString text = team_name + crlf + crlf;
    text += cells({QStringLiteral(u"日付"), QStringLiteral(u"対戦相手"), QStringLiteral(u"スコア"),
                   QStringLiteral(u"大会名"), QStringLiteral(u"場所")}) +
            crlf;
    for (const GameListRow& row : rows) {
        text += cells({row.cells.begin(), row.cells.end()}) + crlf;
    }
    return text;
}

QString compose_game_detail_text(const std::optional<md::GameRecord>& game, const QString& team_name) {
    if (!game) {
        return {};
    }
    const GameAnalysis analysis = analyse_game(*game);
    return game_header_line(*game) + crlf + crlf + score_table(*game, team_name, analysis) +
           goals_section(*game, team_name) + cards_section(*game) + starters_section(*game, analysis) +
           reserves_section(*game) + others_section(*game);
}

}  // namespace kl
