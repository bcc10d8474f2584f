#include "career_book.h"

#include "reports/career_texts.h"

#include <QPainter>

namespace kl {
namespace {

const QString book_title = QStringLiteral(u"卒団記録帳");
const QString none_text = QStringLiteral(u"なし");

// The cover: the title, the team and the years, down the middle of the page.
DrawingBlock cover_drawing(const QStringList& lines) {
    return {[](double, const PageStyle& style) { return style.mm(200); },
            [lines](QPainter& painter, const QRectF& area, const PageStyle& style) {
                const double sizes[] = {30, 18, 14, 11};
                double y = area.top() + style.mm(60);
                for (qsizetype i = 0; i < lines.size(); ++i) {
                    const QFont font = style.font(sizes[std::min<qsizetype>(i, 3)], i == 0);
                    const double height = style.text_height(font, lines[i], area.width()) + style.mm(2);
                    painter.setFont(font);
                    style.text(painter, QRectF(area.left(), y, area.width(), height),
                               Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, lines[i]);
                    y += height + style.mm(i == 0 ? 14 : 6);
                }
            }};
}

template <size_t N>
TableBlock table_of(const QStringList& headers, const std::vector<std::array<QString, N>>& rows,
                    std::vector<int> right_aligned) {
    TableBlock table{headers, {}, std::move(right_aligned)};
    for (const auto& row : rows) {
        table.rows.push_back(QStringList(row.begin(), row.end()));
    }
    return table;
}

// The positions across: one column per position played, its minutes below.
TableBlock positions_table(const std::vector<std::array<QString, 2>>& positions) {
    TableBlock table{{}, {{}}, {}};
    for (const auto& [position, minutes] : positions) {
        table.right_aligned.push_back(static_cast<int>(table.headers.size()));
        table.headers.append(position);
        table.rows[0].append(minutes + QStringLiteral(u"分"));
    }
    return table;
}

void member_page(PrintDocument& document, const Career& career) {
    const auto& headers = career_headers();
    document.title(career.member);
    if (!career.first_date.isEmpty()) {
        document.text(QStringLiteral(u"期間 ") + career.first_date + QStringLiteral(u" ～ ") +
                      career.last_date);
    }
    document.section(QStringLiteral(u"通算成績"))
        .table(table_of(QStringList(headers.begin(), headers.end()), career_table_rows(career),
                        {2, 3, 4, 5, 6, 7, 8, 9}))
        .section(QStringLiteral(u"ポジション別出場時間"));
    const std::vector<std::array<QString, 2>> positions = career_position_rows(career);
    if (positions.empty()) {
        document.text(none_text);
    } else {
        document.table(positions_table(positions));
    }
    document.section(QStringLiteral(u"記録"));
    if (career.milestones.empty()) {
        document.text(none_text);
    } else {
        document.table(
            table_of({QStringLiteral(u"日付"), QStringLiteral(u"記録"), QStringLiteral(u"対戦相手")},
                     milestone_rows(career), {}));
    }
    document.section(QStringLiteral(u"得点（日付・対戦相手・得点）")).text(goal_games_text(career));
}

}  // namespace

PrintDocument career_book_document(const std::vector<const SeasonRecord*>& seasons,
                                   const QStringList& members, const QDate& date) {
    const QString team = seasons_team_names(seasons);
    PrintDocument document{PageHeading{team, book_title, date}, {}};
    QStringList cover = {book_title, team};
    if (const QString years = seasons_years(seasons); !years.isEmpty()) {
        cover.append(years);
    }
    QStringList files;
    for (const SeasonRecord* season : seasons) {
        files.append(season->team_name);
    }
    cover.append(files.join(QStringLiteral(u"　")));
    document.drawing(cover_drawing(cover));
    for (const QString& member : members) {
        const Career career = compute_career(seasons, member);
        if (career.rows.empty()) {
            continue;
        }
        document.page_break();
        member_page(document, career);
    }
    return document;
}

}  // namespace kl
