#include "event_details.h"

#include "page_messages.h"
#include "store/vocabulary.h"

#include <algorithm>

namespace kl {
namespace {

template <size_t n>
QStringList list_of(const std::array<QString, n>& words) {
    return QStringList(words.begin(), words.end());
}

int area_index(const QString& area) {
    return static_cast<int>(std::find(md::words::areas.begin(), md::words::areas.end(), area) -
                            md::words::areas.begin());
}

bool complete(const md::GoalDetail& detail) {
    return !detail.body.isEmpty() && !detail.area.isEmpty() && !detail.action.isEmpty();
}

std::optional<md::UserMessage> missing_goal_details(const md::GameEvent& goal) {
    if (goal.is_own_goal()) {
        if (!complete(goal.finish())) {
            return input_error(
                QStringLiteral(u"「オウンゴール」　の詳細を右のボタンを押してから選択して下さい。"));
        }
        return std::nullopt;
    }
    const bool assisted = goal.finish().action == md::words::assisted_action;
    if (goal.scorer().isEmpty() && goal.assister().isEmpty() && assisted) {
        return input_error(
            QStringLiteral(u"「得点者」　と　「アシスト者」　を左のリストから選択して下さい。"));
    }
    if (goal.scorer().isEmpty()) {
        return input_error(QStringLiteral(u"「得点者」　を左のリストから選択して下さい。"));
    }
    if (assisted && goal.assister().isEmpty()) {
        return input_error(QStringLiteral(u"「アシスト者」　を左のリストから選択して下さい。"));
    }
    if (!complete(goal.finish())) {
        return input_error(QStringLiteral(u"「得点者」　の詳細を右のボタンを押してから選択して下さい。"));
    }
    if (assisted && !complete(goal.assist())) {
        return input_error(QStringLiteral(u"「アシスト者」　の詳細を右のボタンを押してから選択して下さい。"));
    }
    return std::nullopt;
}

}  // namespace

const QStringList& detail_options(DetailPanel panel, int group) {
    static const QStringList goal_bodies = list_of(md::words::goal_body_parts);
    static const QStringList plain_bodies = list_of(md::words::plain_body_parts);
    static const QStringList areas = list_of(md::words::areas);
    static const QStringList finish_actions = list_of(md::words::finish_actions);
    static const QStringList assist_actions = list_of(md::words::assist_actions);
    static const QStringList pass_actions = list_of(md::words::pass_actions);
    static const QStringList conceded_finish_actions = list_of(md::words::conceded_finish_actions);
    if (group == 1) {
        return areas;
    }
    switch (panel) {
        case DetailPanel::finish:
            return group == 0 ? goal_bodies : finish_actions;
        case DetailPanel::assist:
            return group == 0 ? goal_bodies : assist_actions;
        case DetailPanel::own_goal:
            return group == 0 ? plain_bodies : pass_actions;
        case DetailPanel::conceded_finish:
            return group == 0 ? plain_bodies : conceded_finish_actions;
        case DetailPanel::play_before:
            break;
    }
    return group == 0 ? plain_bodies : pass_actions;
}

AreaChoice area_after_action(DetailPanel panel, const QString& action, int area) {
    AreaChoice choice{{true, true, true, true, true}, area};
    if (panel == DetailPanel::own_goal) {
        return choice;
    }
    const int inside = area_index(QStringLiteral(u"中央（エリア内）"));
    const int outside = area_index(QStringLiteral(u"中央（エリア外）"));
    const int right = area_index(QStringLiteral(u"右サイド"));
    const int other = area_index(QStringLiteral(u"その他"));
    if (action == QStringLiteral(u"FK")) {
        choice.enabled[static_cast<size_t>(inside)] = false;
        choice.area = area == inside ? outside : area;
    } else if (action == QStringLiteral(u"CK")) {
        for (const int closed : {inside, outside, other}) {
            choice.enabled[static_cast<size_t>(closed)] = false;
        }
        choice.area = area == inside || area == outside || area == other ? right : area;
    } else if (action == QStringLiteral(u"PK") || action == QStringLiteral(u"GK")) {
        const int only = action == QStringLiteral(u"PK") ? inside : other;
        choice.enabled.fill(false);
        choice.enabled[static_cast<size_t>(only)] = true;
        choice.area = only;
    }
    return choice;
}

std::optional<md::UserMessage> missing_details(const md::GameEvent& event) {
    if (event.kind == md::EventKind::Goal) {
        return missing_goal_details(event);
    }
    if (event.kind != md::EventKind::Conceded) {
        return std::nullopt;
    }
    if (!complete(event.finish())) {
        return input_error(QStringLiteral(u"「フィニッシュ」　の詳細を選択して下さい。"));
    }
    if (!complete(event.play_before())) {
        return input_error(QStringLiteral(u"「1プレー前」　の詳細を選択して下さい。"));
    }
    return std::nullopt;
}

}  // namespace kl
