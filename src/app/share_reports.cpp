#include "share_reports.h"

#include "print/season_site_files.h"
#include "print/share_pictures.h"
#include "reports/game_lists.h"
#include "reports/share_contents.h"
#include "reports/shared_names_rule.h"
#include "stats/stats_filter.h"
#include "store/data_store.h"

#include <QDate>
#include <optional>

namespace kl {
namespace {

// The usage text is added by run_report.
ReportOutcome usage() {
    return {report_usage, {}, {}};
}

// The arguments without "--names X", and the choice it names; nothing at all when --names is given
// twice, without a value or with an unknown one.
struct NamedArguments {
    QStringList rest;
    md::SharedNames names = md::SharedNames::full;
};
std::optional<NamedArguments> take_names(const QStringList& arguments) {
    NamedArguments named;
    bool given = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] != QStringLiteral(u"--names")) {
            named.rest.append(arguments[i]);
            continue;
        }
        const std::optional<md::SharedNames> names = shared_names_from_keyword(arguments.value(i + 1));
        if (given || !names) {
            return std::nullopt;
        }
        named.names = *names;
        given = true;
        ++i;
    }
    return named;
}

// A loaded team file and the rule its members are named by.
struct SharedTeam {
    md::DataStore store;
    SharedNameRule rule{md::SharedNames::full, {}, {}};
};

std::optional<ReportOutcome> load(SharedTeam& team, const QString& file, md::SharedNames names) {
    const md::LoadResult result = team.store.load_team_file(file);
    if (!result.ok()) {
        return ReportOutcome{report_unreadable, {}, result.refusal_text() + u'\n'};
    }
    team.rule =
        SharedNameRule::for_team(team.store, names, md::read_name_readings(md::readings_path_for(file)));
    return std::nullopt;
}

std::optional<int> game_number(const QString& text, const md::DataStore& store) {
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok && number >= 1 && number <= store.game_lines.size() ? std::optional<int>(number) : std::nullopt;
}

ReportOutcome cannot_write(const QString& path, const QString& reason) {
    return {report_cannot_write,
            {},
            QStringLiteral(u"「") + path + QStringLiteral(u"」　を保存できません。") + reason + u'\n'};
}

ReportOutcome written_png(const QImage& image, const QString& path) {
    const md::WriteResult written = write_png(image, path);
    return written.ok ? ReportOutcome{0, {}, {}} : cannot_write(path, written.reason);
}

// --period FROM TO and --meeting NAME, each at most once; nothing when anything else is there.
std::optional<StatsFilter> filter_options(const QStringList& options) {
    StatsFilter filter;
    for (qsizetype i = 0; i < options.size(); ++i) {
        const qsizetype left = options.size() - i - 1;
        if (options[i] == QStringLiteral(u"--period") && left >= 2 && !filter.use_period) {
            filter.use_period = true;
            filter.from_key = options[++i];
            filter.to_key = options[++i];
        } else if (options[i] == QStringLiteral(u"--meeting") && left >= 1 && !filter.use_meeting) {
            filter.use_meeting = true;
            filter.meeting_name = options[++i];
        } else {
            return std::nullopt;
        }
    }
    return filter;
}

// The period and meeting texts the personal view shows after 更新 with filter.
FilterTexts recorded_texts(const md::DataStore& store, const StatsFilter& filter) {
    const GameLists lists = build_game_lists(store);
    return filter_texts(filter, lists.period_keys, lists.meetings, static_cast<int>(store.game_lines.size()))
        .value_or(FilterTexts{});
}

ReportOutcome not_a_member(const QString& member) {
    return {
        report_check_failed,
        {},
        QStringLiteral(u"「") + member + QStringLiteral(u"」　はこのファイルのメンバーではありません。\n")};
}

}  // namespace

QString share_reports_usage() {
    return QStringLiteral(
        u"       kickledger-report image FILE N OUT.png | card FILE MEMBER [N | --period FROM TO | --meeting "
        u"NAME] "
        u"OUT.png | site FILE OUTDIR   (each with [--names full|family|initials|none])");
}

ReportOutcome image_report(const QStringList& arguments) {
    const std::optional<NamedArguments> named = take_names(arguments);
    if (!named || named->rest.size() != 4) {
        return usage();
    }
    SharedTeam team;
    if (std::optional<ReportOutcome> refused = load(team, named->rest[1], named->names)) {
        return *refused;
    }
    const std::optional<int> number = game_number(named->rest[2], team.store);
    if (!number) {
        return usage();
    }
    const std::optional<md::GameRecord> game = md::GameRecord::parse(team.store.game_lines[*number - 1]);
    if (!game) {
        return usage();
    }
    return written_png(
        result_picture_image(result_picture(shared_game(*game, team.rule), team.store.team_name)),
        named->rest[3]);
}

ReportOutcome card_report(const QStringList& arguments) {
    const std::optional<NamedArguments> named = take_names(arguments);
    if (!named || named->rest.size() < 4) {
        return usage();
    }
    const QStringList& rest = named->rest;
    const QStringList middle = rest.mid(3, rest.size() - 4);
    bool numeric = false;
    const bool one_game = middle.size() == 1 && (middle.front().toInt(&numeric), numeric);
    const std::optional<StatsFilter> filter = one_game ? StatsFilter{} : filter_options(middle);
    if (!filter) {
        return usage();
    }
    SharedTeam team;
    if (std::optional<ReportOutcome> refused = load(team, rest[1], named->names)) {
        return *refused;
    }
    const QString& member = rest[2];
    if (team.rule.number(member) == 0) {
        return not_a_member(member);
    }
    const QString shown = team.rule.shown(member);
    if (one_game) {
        const std::optional<int> number = game_number(middle.front(), team.store);
        if (!number) {
            return usage();
        }
        const QString line = shared_game_line(team.store.game_lines[*number - 1], team.rule);
        return written_png(member_card_image(game_card(team.store.team_name, line, shown)), rest.back());
    }
    if (const std::optional<md::UserMessage> refusal =
            validate_filter(StatsView::personal, *filter, member)) {
        return {report_check_failed, {}, refusal->text + u'\n'};
    }
    const MemberCard card =
        season_card(team.store.team_name, shared_game_lines(team.store.game_lines, team.rule), *filter,
                    recorded_texts(team.store, *filter), shown);
    return written_png(member_card_image(card), rest.back());
}

ReportOutcome site_report(const QStringList& arguments) {
    const std::optional<NamedArguments> named = take_names(arguments);
    if (!named || named->rest.size() != 3) {
        return usage();
    }
    SharedTeam team;
    if (std::optional<ReportOutcome> refused = load(team, named->rest[1], named->names)) {
        return *refused;
    }
    const md::SaveResult written = write_season_site(named->rest[2], team.store.team_name,
                                                     team.store.game_lines, team.rule, QDate::currentDate());
    return written.ok ? ReportOutcome{0, {}, {}} : cannot_write(written.file, written.reason);
}

}  // namespace kl
