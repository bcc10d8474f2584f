#include "report.h"

#include "store/data_store.h"
#include "views/copy_texts.h"
#include "views/game_lists.h"

#include <optional>

namespace kl {
namespace {

const QString usage_line = QStringLiteral(u"usage: kickledger-report games FILE [--sort C] | detail FILE N");

ReportOutcome usage() {
    return {report_usage, {}, usage_line + u'\n'};
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

// Named options after the positional arguments: each option and its values.
struct Options {
    std::optional<int> sort;
    bool valid = true;
};

Options parse_options(const QStringList& rest) {
    Options options;
    for (qsizetype i = 0; i < rest.size(); ++i) {
        if (rest[i] == QStringLiteral(u"--sort") && i + 1 < rest.size() && !options.sort) {
            options.sort = ordinal(rest[++i], 5);
            options.valid = options.valid && options.sort.has_value();
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

ReportOutcome games_report(const QStringList& arguments) {
    const Options options = parse_options(arguments.mid(2));
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
    return {0, game_list_copy_text(store.team_name, rows), {}};
}

ReportOutcome detail_report(const QStringList& arguments) {
    bool numeric = false;
    if (arguments.size() != 3 || (arguments[2].toInt(&numeric), !numeric)) {
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
    return {0,
            compose_game_detail_text(md::GameRecord::parse(store.game_lines[*number - 1]), store.team_name),
            {}};
}

}  // namespace

ReportOutcome run_report(const QStringList& arguments) {
    const QString view = arguments.value(0);
    if (view == QStringLiteral(u"games")) {
        return games_report(arguments);
    }
    if (view == QStringLiteral(u"detail")) {
        return detail_report(arguments);
    }
    return usage();
}

}  // namespace kl
