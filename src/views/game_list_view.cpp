#include "game_list_view.h"

#include "print/view_documents.h"
#include "reports/copy_texts.h"
#include "widgets/naming.h"
#include "widgets/twips.h"

#include <QHeaderView>
#include <QTreeView>
#include <QVBoxLayout>

namespace kl {
namespace {

const std::array<QString, 5> headers = {QStringLiteral(u"日付"), QStringLiteral(u"対戦相手"),
                                        QStringLiteral(u"スコア"), QStringLiteral(u"大会名"),
                                        QStringLiteral(u"場所")};

}  // namespace

void GameListModel::set_rows(std::vector<GameListRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int GameListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int GameListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headers.size());
}

QVariant GameListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const GameListRow& row = rows_[static_cast<size_t>(index.row())];
    if (role == Qt::DisplayRole) {
        return row.cells[static_cast<size_t>(index.column())];
    }
    return role == game_role ? QVariant(row.game) : QVariant();
}

QVariant GameListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < columnCount()) {
        return headers[static_cast<size_t>(section)];
    }
    return {};
}

GameListView::GameListView(const md::DataStore& store, QWidget* parent)
    : MainView(parent),
      lstv_game(named(new QTreeView(this), QStringLiteral(u"lstv_game"))),
      store_(store),
      model_(new GameListModel(this)) {
    setObjectName(QStringLiteral(u"fr_data_0"));
    lstv_game->setModel(model_);
    lstv_game->setRootIsDecorated(false);
    lstv_game->setItemsExpandable(false);
    lstv_game->setUniformRowHeights(true);
    lstv_game->setAllColumnsShowFocus(true);
    lstv_game->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const std::array<int, headers.size()> widths = {1440, 1440, 1440, 3000, 1440};
    for (size_t column = 0; column < widths.size(); ++column) {
        lstv_game->setColumnWidth(static_cast<int>(column), column_width(lstv_game, widths[column]));
    }
    lstv_game->header()->setSectionsClickable(true);
    lstv_game->header()->setStretchLastSection(false);
    lstv_game->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lstv_game->header(), &QHeaderView::sectionClicked, this, &GameListView::sort_by);
    connect(lstv_game, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
        emit context_menu_requested(lstv_game->viewport()->mapToGlobal(position));
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(px(120), 0, px(120), px(120));
    layout->addWidget(lstv_game);
}

void GameListView::clear() {
    model_->set_rows({});
}

void GameListView::show_rows(std::vector<GameListRow> rows) {
    sort_game_rows(rows, sort_column_);
    model_->set_rows(std::move(rows));
}

void GameListView::sort_by(int column) {
    sort_column_ = column;
    const std::optional<int> selected = selected_game();
    std::vector<GameListRow> rows = model_->rows();
    sort_game_rows(rows, sort_column_);
    model_->set_rows(std::move(rows));
    for (int row = 0; selected && row < model_->rowCount(); ++row) {
        if (model_->rows()[static_cast<size_t>(row)].game == *selected) {
            lstv_game->setCurrentIndex(model_->index(row, 0));
        }
    }
}

std::optional<int> GameListView::selected_game() const {
    const QModelIndexList selected = lstv_game->selectionModel()->selectedRows();
    if (selected.isEmpty()) {
        return std::nullopt;
    }
    return selected.front().data(GameListModel::game_role).toInt();
}

QString GameListView::copy_text() const {
    return game_list_copy_text(store_.team_name, rows());
}

std::optional<PrintDocument> GameListView::print_document(const QDate& today) const {
    if (store_.data_file_path.isEmpty()) {
        return std::nullopt;
    }
    return game_list_document(store_.team_name, today, rows());
}

}  // namespace kl
