#include "master_edits.h"

#include "store/master_lists.h"
#include "store/name_check.h"
#include "store/numbers.h"
#include "store/text_order.h"
#include "store/vocabulary.h"

#include <algorithm>
#include <numeric>

namespace kl {
namespace {

md::UserMessage input_error(const QString& text) {
    return {md::input_error_title, text};
}

// A name already used by another entry; in change mode the entry's own former name is no other.
bool used_by_another(const QString& name, const QStringList& names, const QString& former_name) {
    return name != former_name && names.contains(name);
}

}  // namespace

std::optional<md::UserMessage> check_new_name(NameList list, const QString& name, const QStringList& listed) {
    if (std::optional<md::UserMessage> refusal = md::check_name(name)) {
        return refusal;
    }
    if (!listed.contains(name)) {
        return std::nullopt;
    }
    switch (list) {
        case NameList::members:
            return input_error(QStringLiteral(u"既に使われている　「メンバー名」　です。変更して下さい。"));
        case NameList::grounds:
            return input_error(QStringLiteral(u"既に使われている　「グラウンド名」　です。変更して下さい。"));
        case NameList::opponents:
            break;
    }
    return input_error(QStringLiteral(u"既に使われている　「対戦チーム名」　です。変更して下さい。"));
}

int insert_sorted(QStringList& names, const QString& name) {
    const auto at = std::upper_bound(names.begin(), names.end(), name,
                                     [](const QString& a, const QString& b) { return md::text_less(a, b); });
    const auto position = static_cast<int>(at - names.begin());
    names.insert(position, name);
    return position;
}

int stepped_time(int value, Step step, int limit) {
    switch (step) {
        case Step::down_one:
            return value > 0 ? value - 1 : value;
        case Step::down_ten:
            return value > 9 ? value - 10 : 0;
        case Step::up_one:
            return value < limit ? value + 1 : value;
        case Step::up_ten:
            break;
    }
    return value < limit - 10 ? value + 10 : limit;
}

const std::array<QString, 3>& extra_time_modes() {
    static const std::array<QString, 3> modes = {md::words::both_halves_mode, md::words::golden_goal_mode,
                                                 md::words::silver_goal_mode};
    return modes;
}

QString mode_description(int mode_index) {
    switch (mode_index) {
        case 0:
            return QStringLiteral(u"得点の有無にかかわらず、前・後半を行う方式");
        case 1:
            return QStringLiteral(u"得点があった時点で試合終了となる方式");
        case 2:
            return QStringLiteral(u"前・後半どちらかが終わった時点で得点差がある場合、試合終了となる方式");
        default:
            return {};
    }
}

std::optional<Refusal<MeetingField>> check_meeting(const MeetingDraft& draft,
                                                   const QStringList& meeting_names,
                                                   const QString& former_name) {
    if (draft.name.isEmpty()) {
        return Refusal<MeetingField>{input_error(QStringLiteral(u"「大会名」　を入力して下さい。")),
                                     MeetingField::name};
    }
    if (std::optional<md::UserMessage> refusal = md::check_name(draft.name)) {
        return Refusal<MeetingField>{*refusal, MeetingField::name};
    }
    if (draft.extra_time && (draft.mode_index < 0 || draft.mode_index > 2)) {
        return Refusal<MeetingField>{input_error(QStringLiteral(u"「延長方式」　を選択して下さい。")),
                                     MeetingField::mode};
    }
    if (used_by_another(draft.name, meeting_names, former_name)) {
        return Refusal<MeetingField>{
            input_error(QStringLiteral(u"既に使われている　「大会名」　です。変更して下さい。")),
            MeetingField::name};
    }
    return std::nullopt;
}

QString compose_meeting_line(const MeetingDraft& draft) {
    QStringList fields = {draft.name, QString::number(draft.game_time)};
    if (draft.extra_time) {
        fields += {md::words::yes, extra_time_modes()[static_cast<size_t>(draft.mode_index)],
                   QString::number(draft.extra_length)};
    } else {
        fields += {md::words::no, QString(), QString()};
    }
    fields.append(draft.shoot_out ? md::words::yes : md::words::no);
    return fields.join(u',');
}

MeetingDraft meeting_draft(const md::Meeting& meeting, int current_mode) {
    MeetingDraft draft;
    draft.name = meeting.name;
    draft.game_time = std::clamp(md::leading_int(meeting.game_time), 0, game_time_limit);
    draft.extra_time = meeting.extra_time == md::words::yes;
    const auto& modes = extra_time_modes();
    const auto mode = std::find(modes.begin(), modes.end(), meeting.extra_mode);
    draft.mode_index = mode != modes.end() ? static_cast<int>(mode - modes.begin()) : current_mode;
    draft.extra_length = std::clamp(md::leading_int(meeting.extra_length), 0, extra_time_limit);
    draft.shoot_out = meeting.shoot_out == md::words::yes;
    return draft;
}

int stepped_count(int count, bool up) {
    if (up) {
        return count < formation_count_limit ? count + 1 : count;
    }
    return count > 0 ? count - 1 : count;
}

std::optional<Refusal<FormationField>> check_formation(const FormationDraft& draft,
                                                       const QStringList& formation_names,
                                                       const QString& former_name, bool small_sided_games) {
    if (draft.name.isEmpty()) {
        return Refusal<FormationField>{
            input_error(QStringLiteral(u"「フォーメーション名」　を入力して下さい。")), FormationField::name};
    }
    if (std::optional<md::UserMessage> refusal = md::check_name(draft.name)) {
        return Refusal<FormationField>{*refusal, FormationField::name};
    }
    // The goalkeeper makes the eleventh (or the last of a smaller side).
    const int size = std::accumulate(draft.counts.begin(), draft.counts.end(), 0) + 1;
    if (!md::is_allowed_formation_size(size, small_sided_games)) {
        return Refusal<FormationField>{
            input_error(small_sided_games
                            ? QStringLiteral(u"合計人数を　「4人」　から　「11人」　で入力して下さい。")
                            : QStringLiteral(u"合計人数を　「11人」　で入力して下さい。")),
            FormationField::counts};
    }
    if (used_by_another(draft.name, formation_names, former_name)) {
        return Refusal<FormationField>{
            input_error(QStringLiteral(u"既に使われている　「フォーメーション名」　です。変更して下さい。")),
            FormationField::name};
    }
    return std::nullopt;
}

QString compose_formation_line(const FormationDraft& draft) {
    QString line = draft.name;
    for (const int count : draft.counts) {
        line += u',' + QString::number(count);
    }
    return line;
}

}  // namespace kl
