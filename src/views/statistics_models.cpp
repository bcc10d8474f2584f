#include "statistics_models.h"

#include "reports/copy_texts.h"

#include <tuple>

namespace kl {

StatsListModel::StatsListModel(StatsList list, QObject* parent)
    : QAbstractTableModel(parent), list_(list), headers_(stats_list_headers(list)) {}

void StatsListModel::set_rows(std::vector<StatsRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void StatsListModel::sort_after_header_click(int column) {
    std::vector<StatsRow> sorted = rows_;
    kl::sort_after_header_click(sorted, column, list_);
    set_rows(std::move(sorted));
}

int StatsListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int StatsListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(std::tuple_size_v<StatsRow>);
}

QVariant StatsListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || role != Qt::DisplayRole) {
        return {};
    }
    return rows_[static_cast<size_t>(index.row())][static_cast<size_t>(index.column())];
}

QVariant StatsListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < headers_.size()) {
        return headers_[section];
    }
    return {};
}

void SquadTableModel::set_members(const std::vector<SquadLine>& members) {
    beginResetModel();
    members_.clear();
    members_.reserve(members.size());
    for (const SquadLine& line : members) {
        members_.push_back({line, squad_row(line)});
    }
    endResetModel();
}

int SquadTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(members_.size());
}

int SquadTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : squad_column_count;
}

QVariant SquadTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const Member& member = members_[static_cast<size_t>(index.row())];
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
            return member.cells[static_cast<size_t>(column)];
        case Qt::TextAlignmentRole:
            return column == squad_name ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
        case sort_role:
            if (column == squad_name) {
                return member.line.name;
            }
            // Counts are never negative: a member without a number sorts below every one.
            return squad_value(member.line, column).value_or(-1);
        default:
            return {};
    }
}

QVariant SquadTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= squad_column_count) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return squad_headers()[static_cast<size_t>(section)];
    }
    if (role != Qt::ToolTipRole) {
        return {};
    }
    switch (section) {
        case squad_games:
            return QStringLiteral(u"出場した試合の数");
        case squad_starts:
            return QStringLiteral(u"先発した試合の数");
        case squad_came_on:
            return QStringLiteral(u"途中から出場した試合の数");
        case squad_share:
            return QStringLiteral(u"メンバーに登録された試合の時間に対する出場時間の割合");
        case squad_conceded:
            return QStringLiteral(u"GKとしてピッチにいる間の失点");
        case squad_clean_sheets:
            return QStringLiteral(u"GKとして試合の最初から最後まで出場し、失点しなかった試合の数");
        default:
            return {};
    }
}

}  // namespace kl
