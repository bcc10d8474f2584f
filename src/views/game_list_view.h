#pragma once

#include "main_view.h"
#include "reports/game_lists.h"
#include "store/data_store.h"

#include <QAbstractTableModel>
#include <optional>
#include <vector>

class QTreeView;

namespace kl {

// The rows of the game list as an item model, in the order shown. Holding them as plain rows keeps
// a refresh of a long list cheap.
class GameListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void set_rows(std::vector<GameListRow> rows);
    const std::vector<GameListRow>& rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The role under which each row answers with its game's stored position.
    static constexpr int game_role = Qt::UserRole;

  private:
    std::vector<GameListRow> rows_;
};

// View 0 of the main window: every stored game, one row each, kept sorted by one column.
class GameListView : public MainView {
    Q_OBJECT
  public:
    explicit GameListView(const md::DataStore& store, QWidget* parent = nullptr);

    void clear();
    // Shows rows (in stored order), sorted by the current sort column.
    void show_rows(std::vector<GameListRow> rows);
    // Re-sorts ascending by column's text; equal texts keep their order. The selection stays on its game.
    void sort_by(int column);
    // The rows in the order shown.
    const std::vector<GameListRow>& rows() const { return model_->rows(); }
    // The stored position of the game in the selected row.
    std::optional<int> selected_game() const;

    QString copy_text() const override;
    // Nothing while no file is open.
    std::optional<PrintDocument> print_document(const QDate& today) const override;

    QTreeView* lstv_game;

  Q_SIGNALS:
    void context_menu_requested(const QPoint& global_position);

  private:
    const md::DataStore& store_;
    GameListModel* model_;
    int sort_column_ = 0;
};

}  // namespace kl
