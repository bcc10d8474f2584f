#include "season_reports.h"

#include "print/career_book.h"
#include "print/pdf_output.h"
#include "reports/career_texts.h"
#include "reports/output_files.h"
#include "stats/career.h"
#include "stats/head_to_head.h"
#include "stats/season_record.h"

#include <QDate>
#include <algorithm>
#include <optional>
#include <vector>

namespace kl {
namespace {

bool is_option(const QString& argument) {
    return argument.startsWith(QStringLiteral(u"--"));
}

// The files named after the command, up to the first option.
QStringList file_arguments(const QStringList& arguments) {
    QStringList files;
    for (qsizetype i = 1; i < arguments.size() && !is_option(arguments[i]); ++i) {
        files.append(arguments[i]);
    }
    return files;
}

struct SeasonOptions {
    std::optional<QString> member;
    std::optional<QString> opponent;
    bool csv = false;
    std::optional<QString> pdf;
    bool valid = true;
};

// Each option at most once, and one output form at most.
SeasonOptions parse_options(const QStringList& rest, const QStringList& allowed) {
    SeasonOptions options;
    for (qsizetype i = 0; i < rest.size() && options.valid; ++i) {
        const QString& option = rest[i];
        const bool has_value = i + 1 < rest.size();
        options.valid = allowed.contains(option);
        if (!options.valid) {
            break;
        }
        if (option == QStringLiteral(u"--member") && has_value && !options.member) {
            options.member = rest[++i];
        } else if (option == QStringLiteral(u"--opponent") && has_value && !options.opponent) {
            options.opponent = rest[++i];
        } else if (option == QStringLiteral(u"--csv") && !options.csv && !options.pdf) {
            options.csv = true;
        } else if (option == QStringLiteral(u"--pdf") && has_value && !options.csv && !options.pdf) {
            options.pdf = rest[++i];
        } else {
            options.valid = false;
        }
    }
    return options;
}

// The usage text is added by run_report.
ReportOutcome usage() {
    return {report_usage, {}, {}};
}

// The readable files in date order; each file that cannot be read is told on stderr.
struct LoadedSeasons {
    std::vector<SeasonRecord> seasons;
    QString refusals;
    std::vector<const SeasonRecord*> chosen() const {
        std::vector<const SeasonRecord*> pointers;
        for (const SeasonRecord& season : seasons) {
            pointers.push_back(&season);
        }
        return pointers;
    }
};

LoadedSeasons load_seasons(const QStringList& files) {
    LoadedSeasons loaded;
    for (const QString& file : files) {
        SeasonSource source = load_season(file);
        if (source.record) {
            loaded.seasons.push_back(std::move(*source.record));
        } else {
            loaded.refusals += source.load.refusal_text() + u'\n';
        }
    }
    sort_seasons(loaded.seasons);
    return loaded;
}

// The outcome of a report made from what could be read.
ReportOutcome made(const LoadedSeasons& loaded, const QString& out) {
    return {loaded.refusals.isEmpty() ? 0 : report_unreadable, out, loaded.refusals};
}

ReportOutcome nothing_readable(const LoadedSeasons& loaded) {
    return {report_unreadable, {}, loaded.refusals};
}

QString csv_output(const QString& table_text) {
    return QChar(0xFEFF) + csv_from_copy_text(table_text);
}

ReportOutcome written_pdf(const LoadedSeasons& loaded, const PrintDocument& document, const QString& path) {
    const md::WriteResult written = write_pdf(document, document.name(), path);
    if (!written.ok) {
        return {report_cannot_write,
                {},
                loaded.refusals + QStringLiteral(u"「") + path + QStringLiteral(u"」　を保存できません。") +
                    written.reason + u'\n'};
    }
    return made(loaded, {});
}

}  // namespace

QString season_reports_usage() {
    return QStringLiteral(
        u"       kickledger-report career FILE... --member NAME [--csv | --pdf OUT.pdf] | book FILE... "
        u"OUT.pdf | "
        u"h2h FILE... [--opponent NAME] [--csv]");
}

ReportOutcome career_report(const QStringList& arguments) {
    const QStringList files = file_arguments(arguments);
    const SeasonOptions options =
        parse_options(arguments.mid(files.size() + 1),
                      {QStringLiteral(u"--member"), QStringLiteral(u"--csv"), QStringLiteral(u"--pdf")});
    if (files.isEmpty() || !options.valid || !options.member) {
        return usage();
    }
    const LoadedSeasons loaded = load_seasons(files);
    if (loaded.seasons.empty()) {
        return nothing_readable(loaded);
    }
    const Career career = compute_career(loaded.chosen(), *options.member);
    if (career.rows.empty()) {
        return {report_check_failed,
                {},
                loaded.refusals + QStringLiteral(u"「") + *options.member +
                    QStringLiteral(u"」　はどのファイルのメンバーでもありません。\n")};
    }
    if (options.pdf) {
        return written_pdf(loaded,
                           career_book_document(loaded.chosen(), {*options.member}, QDate::currentDate()),
                           *options.pdf);
    }
    return made(loaded, options.csv ? csv_output(career_table_text(career)) : career_copy_text(career));
}

ReportOutcome book_report(const QStringList& arguments) {
    const QStringList named = file_arguments(arguments);
    if (named.size() < 2 || named.size() + 1 != arguments.size()) {
        return usage();
    }
    const LoadedSeasons loaded = load_seasons(named.mid(0, named.size() - 1));
    if (loaded.seasons.empty()) {
        return nothing_readable(loaded);
    }
    const std::vector<const SeasonRecord*> seasons = loaded.chosen();
    return written_pdf(loaded,
                       career_book_document(seasons, members_with_games(seasons), QDate::currentDate()),
                       named.back());
}

ReportOutcome h2h_report(const QStringList& arguments) {
    const QStringList files = file_arguments(arguments);
    const SeasonOptions options = parse_options(arguments.mid(files.size() + 1),
                                                {QStringLiteral(u"--opponent"), QStringLiteral(u"--csv")});
    if (files.isEmpty() || !options.valid) {
        return usage();
    }
    const LoadedSeasons loaded = load_seasons(files);
    if (loaded.seasons.empty()) {
        return nothing_readable(loaded);
    }
    std::vector<OpponentRecord> records = head_to_head(loaded.chosen());
    if (options.opponent) {
        records.erase(std::remove_if(
                          records.begin(), records.end(),
                          [&](const OpponentRecord& record) { return record.opponent != *options.opponent; }),
                      records.end());
    }
    const QString table = h2h_table_text(records);
    return made(loaded, options.csv ? csv_output(table) : table);
}

}  // namespace kl
