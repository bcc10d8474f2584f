#pragma once

#include "reports/season_texts.h"
#include "stats/list_sorting.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

namespace kl {

// The rows of a statistics list (the team's members or the personal view's positions) as an item
// model, in the order shown. A click on a column header orders them by the list's own rules.
class StatsListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    StatsListModel(StatsList list, QObject* parent);

    void set_rows(std::vector<StatsRow> rows);
    const std::vector<StatsRow>& rows() const { return rows_; }
    // The rows in the order a click on the header of column (0-based) gives them.
    void sort_after_header_click(int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  private:
    StatsList list_;
    QStringList headers_;
    std::vector<StatsRow> rows_;
};

// The chart view's squad table: a row per member in squad order, each cell as shown, and under
// sort_role what the cell sorts by (the name, or the number; an empty cell below every number).
class SquadTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    static constexpr int sort_role = Qt::UserRole;

    void set_members(const std::vector<SquadLine>& members);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The headers, and what a count counts as their tooltips.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  private:
    struct Member {
        SquadLine line;
        SquadRow cells;
    };
    std::vector<Member> members_;
};

}  // namespace kl
