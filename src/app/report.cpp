#include "report.h"

#include "dialogs/backup_list.h"
#include "print/pdf_output.h"
#include "print/view_documents.h"
#include "reports/copy_texts.h"
#include "reports/game_lists.h"
#include "reports/output_files.h"
#include "reports/season_texts.h"
#include "season_reports.h"
#include "share_reports.h"
#include "stats/list_sorting.h"
#include "stats/player_stats.h"
#include "stats/season_charts.h"
#include "stats/stats_filter.h"
#include "stats/team_stats.h"
#include "store/data_store.h"
#include "store/text_file.h"

#include <QDate>
#include <cerrno>
#include <optional>

namespace kl {
namespace {

const QString usage_line = QStringLiteral(
    u"usage: kickledger-report games FILE [--sort C] [OUTPUT] | detail FILE N [OUTPUT] | team FILE [OPTIONS] "
    u"[OUTPUT] | player FILE MEMBER [OPTIONS] [OUTPUT] | backups FILE | charts FILE [--period FROM TO] "
    u"[--meeting NAME] [--csv]   (OPTIONS: --period FROM TO, --meeting NAME, --sort C; OUTPUT: --csv | --pdf "
    u"OUT.pdf)");

ReportOutcome usage() {
    return {report_usage,
            {},
            usage_line + u'\n' + season_reports_usage() + u'\n' + share_reports_usage() + u'\n'};
}

// A report over several files, with the usage text when its arguments are wrong.
ReportOutcome with_usage(ReportOutcome outcome) {
    return outcome.exit_code == report_usage ? usage() : outcome;
}

// A whole number from 1 to limit, or nothing.
std::optional<int> ordinal(const QString& text, int limit) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 1 || value > limit) {
        return std::nullopt;
    }
    return value;
}

// The options after the positional arguments; each may appear once, and one output form at most.
struct Options {
    std::optional<int> sort;
    StatsFilter filter;
    bool csv = false;
    std::optional<QString> pdf;
    bool valid = true;
};

Options parse_options(const QStringList& rest, int sort_columns, bool filters_allowed) {
    Options options;
    for (qsizetype i = 0; i < rest.size() && options.valid; ++i) {
        const QString& option = rest[i];
        const qsizetype left = rest.size() - i - 1;
        if (option == QStringLiteral(u"--sort") && left >= 1 && !options.sort) {
            options.sort = ordinal(rest[++i], sort_columns);
            options.valid = options.sort.has_value();
        } else if (filters_allowed && option == QStringLiteral(u"--period") && left >= 2 &&
                   !options.filter.use_period) {
            options.filter.use_period = true;
            options.filter.from_key = rest[++i];
            options.filter.to_key = rest[++i];
        } else if (filters_allowed && option == QStringLiteral(u"--meeting") && left >= 1 &&
                   !options.filter.use_meeting) {
            options.filter.use_meeting = true;
            options.filter.meeting_name = rest[++i];
        } else if (option == QStringLiteral(u"--csv") && !options.csv && !options.pdf) {
            options.csv = true;
        } else if (option == QStringLiteral(u"--pdf") && left >= 1 && !options.csv && !options.pdf) {
            options.pdf = rest[++i];
        } else {
            options.valid = false;
        }
    }
    return options;
}

std::optional<ReportOutcome> load(md::DataStore& store, const QString& file) {
    const md::LoadResult result = store.load_team_file(file);
    if (!result.ok()) {
        return ReportOutcome{report_unreadable, {}, result.refusal_text() + u'\n'};
    }
    return std::nullopt;
}

ReportOutcome refused_check(const md::UserMessage& message) {
    return {report_check_failed, {}, message.text + u'\n'};
}

// A view's copy text as the options ask for it: as it is, or as CSV the way エクスポート writes it,
// with the byte order mark spreadsheet programs look for.
QString text_output(const Options& options, const QString& copy_text) {
    return options.csv ? QChar(0xFEFF) + csv_from_copy_text(copy_text) : copy_text;
}

// The view in the form the options ask for: its copy text, the same as CSV, or its printed pages
// written to a PDF file (and nothing on standard output).
ReportOutcome deliver(const Options& options, const QString& copy_text, const PrintDocument& pages) {
    if (options.pdf) {
        const md::WriteResult written = write_pdf(pages, pages.name(), *options.pdf);
        if (!written.ok) {
            return {report_cannot_write,
                    {},
                    QStringLiteral(u"「") + *options.pdf + QStringLiteral(u"」　を保存できません。") +
                        written.reason + u'\n'};
        }
        return {0, {}, {}};
    }
    return {0, text_output(options, copy_text), {}};
}

ReportOutcome games_report(const QStringList& arguments) {
    const Options options = parse_options(arguments.mid(2), 5, false);
    if (arguments.size() < 2 || !options.valid) {
        return usage();
    }
    md::DataStore store;
    if (std::optional<ReportOutcome> refused = load(store, arguments[1])) {
        return *refused;
    }
    // As the list shows it: sorted by date when loaded, then by the clicked column.
    std::vector<GameListRow> rows = build_game_lists(store).rows;
    sort_game_rows(rows, 0);
    sort_game_rows(rows, options.sort.value_or(1) - 1);
    return deliver(options, game_list_copy_text(store.team_name, rows),
                   game_list_document(store.team_name, QDate::currentDate(), rows));
}

ReportOutcome detail_report(const QStringList& arguments) {
    bool numeric = false;
    const Options options = parse_options(arguments.mid(3), 0, false);
    if (arguments.size() < 3 || (arguments[2].toInt(&numeric), !numeric) || !options.valid) {
        return usage();
    }
    md::DataStore store;
    if (std::optional<ReportOutcome> refused = load(store, arguments[1])) {
        return *refused;
    }
    const std::optional<int> number = ordinal(arguments[2], static_cast<int>(store.game_lines.size()));
    if (!number) {
        return usage();
    }
    // Every game of a loaded file reads: loading refuses a file with a game it cannot read.
    const std::optional<md::GameRecord> game = md::GameRecord::parse(store.game_lines[*number - 1]);
    return deliver(
        options, compose_game_detail_text(game, store.team_name),
        game ? game_detail_document(store.team_name, QDate::currentDate(), *game) : PrintDocument{});
}

// The filter texts 更新 keeps, from the choosers a refreshed main window holds.
FilterTexts recorded_texts(const md::DataStore& store, const StatsFilter& filter) {
    const GameLists lists = build_game_lists(store);
    return filter_texts(filter, lists.period_keys, lists.meetings, static_cast<int>(store.game_lines.size()))
        .value_or(FilterTexts{});
}

// Rows as a click on header column (1-based) orders them after 更新; without a click, 更新 orders
// them as a click on the first column would.
void sort_as_clicked(std::vector<StatsRow>& rows, std::optional<int> column, StatsList list) {
    sort_after_header_click(rows, column.value_or(1) - 1, list);
}

// Loads the team file and checks the filter as the views do; what to report when either fails.
std::optional<ReportOutcome> load_and_check(md::DataStore& store, const QString& path, StatsView view,
                                            const StatsFilter& filter, const QString& member = {}) {
    if (std::optional<ReportOutcome> refused = load(store, path)) {
        return refused;
    }
    if (const std::optional<md::UserMessage> refusal = validate_filter(view, filter, member)) {
        return refused_check(*refusal);
    }
    return std::nullopt;
}

ReportOutcome team_report(const QStringList& arguments) {
    const Options options = parse_options(arguments.mid(2), 6, true);
    if (arguments.size() < 2 || !options.valid) {
        return usage();
    }
    md::DataStore store;
    if (std::optional<ReportOutcome> refused =
            load_and_check(store, arguments[1], StatsView::team, options.filter)) {
        return *refused;
    }
    const FilterTexts texts = recorded_texts(store, options.filter);
    const TeamStats stats = compute_team_stats(store.game_lines, options.filter);
    std::vector<StatsRow> rows = team_rows(stats);
    ascending_text_sort(rows, 0);
    sort_as_clicked(rows, options.sort, StatsList::team);
    const TeamViewContent content{texts.from, texts.to, texts.meeting, team_totals_line(stats.totals), rows};
    return deliver(options, team_view_copy_text(store.team_name, content),
                   team_data_document(store.team_name, QDate::currentDate(), content));
}

ReportOutcome player_report(const QStringList& arguments) {
    const Options options = parse_options(arguments.mid(3), 6, true);
    if (arguments.size() < 3 || !options.valid) {
        return usage();
    }
    md::DataStore store;
    const QString member = arguments[2];
    if (std::optional<ReportOutcome> refused =
            load_and_check(store, arguments[1], StatsView::personal, options.filter, member)) {
        return *refused;
    }
    const FilterTexts texts = recorded_texts(store, options.filter);
    const PersonalStats stats = compute_personal_stats(store.game_lines, options.filter, member);
    std::vector<StatsRow> rows = personal_rows(stats);
    sort_as_clicked(rows, options.sort, StatsList::personal);
    const PersonalViewContent content{member,        texts.from, texts.to,
                                      texts.meeting, rows,       personal_copy_text(stats)};
    return deliver(options, personal_view_copy_text(store.team_name, content),
                   personal_data_document(store.team_name, QDate::currentDate(), content, stats));
}

// The rows of バックアップから復元; the team file itself need not be there any more.
ReportOutcome backups_report(const QStringList& arguments) {
    if (arguments.size() != 2) {
        return usage();
    }
    return {0, backup_rows_text(backup_rows(arguments[1])), {}};
}

// The chart view after 更新: its series and squad table as tab-separated blocks (or CSV). The
// charts themselves are drawn by Qt Charts, which needs the windows: no PDF here.
ReportOutcome charts_report(const QStringList& arguments) {
    const Options options = parse_options(arguments.mid(2), 0, true);
    if (arguments.size() < 2 || !options.valid || options.pdf) {
        return usage();
    }
    md::DataStore store;
    if (std::optional<ReportOutcome> refused =
            load_and_check(store, arguments[1], StatsView::team, options.filter)) {
        return *refused;
    }
    const SeasonCharts charts = compute_season_charts(store.game_lines, options.filter);
    return {0, text_output(options, season_copy_text(charts, recorded_texts(store, options.filter))), {}};
}

bool write_all(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream) ==
           static_cast<size_t>(bytes.size());
}

}  // namespace

int print_outcome(const ReportOutcome& outcome, std::FILE* out, std::FILE* err) {
    errno = 0;
    if (!write_all(out, outcome.out) || std::fflush(out) != 0) {
        write_all(err,
                  QStringLiteral(u"標準出力に書き込めません。") + md::write_failure_reason(errno) + u'\n');
        return report_output_failed;
    }
    write_all(err, outcome.err);
    return outcome.exit_code;
}

ReportOutcome run_report(const QStringList& arguments) {
    const QString view = arguments.value(0);
    if (view == QStringLiteral(u"games")) {
        return games_report(arguments);
    }
    if (view == QStringLiteral(u"detail")) {
        return detail_report(arguments);
    }
    if (view == QStringLiteral(u"team")) {
        return team_report(arguments);
    }
    if (view == QStringLiteral(u"player")) {
        return player_report(arguments);
    }
    if (view == QStringLiteral(u"backups")) {
        return backups_report(arguments);
    }
    if (view == QStringLiteral(u"charts")) {
        return charts_report(arguments);
    }
    if (view == QStringLiteral(u"career")) {
        return with_usage(career_report(arguments));
    }
    if (view == QStringLiteral(u"book")) {
        return with_usage(book_report(arguments));
    }
    if (view == QStringLiteral(u"h2h")) {
        return with_usage(h2h_report(arguments));
    }
    if (view == QStringLiteral(u"image")) {
        return with_usage(image_report(arguments));
    }
    if (view == QStringLiteral(u"card")) {
        return with_usage(card_report(arguments));
    }
    if (view == QStringLiteral(u"site")) {
        return with_usage(site_report(arguments));
    }
    return usage();
}

}  // namespace kl
