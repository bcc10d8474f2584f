#include "game_list_dialog.h"

#include "file_dialogs.h"
#include "store/text_order.h"
#include "widgets/naming.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

namespace kl {

GameListDialog::GameListDialog(md::DataStore& store, const QString& name, const QString& caption)
    : lst_game(named(new QListWidget(this), QStringLiteral(u"lst_game"))),
      lst_game_sub(named(new QListWidget(this), QStringLiteral(u"lst_game_sub"))),
      store_(store),
      buttons_(new QHBoxLayout) {
    setObjectName(name);
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog);
    lst_game_sub->hide();
    // Every entry is one line of one font: the list need not measure each of its games.
    lst_game->setUniformItemSizes(true);
    lst_game_sub->setUniformItemSizes(true);
    buttons_->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lst_game);
    layout->addLayout(buttons_);
}

void GameListDialog::fill_lists() {
    const QStringList stored = deletion_entries(store_);
    QStringList sorted = stored;
    md::sort_texts(sorted);
    lst_game->clear();
    lst_game->addItems(sorted);
    lst_game_sub->clear();
    lst_game_sub->addItems(stored);
}

std::optional<int> GameListDialog::chosen_game() const {
    const QList<QListWidgetItem*> selected = lst_game->selectedItems();
    if (selected.isEmpty()) {
        return std::nullopt;
    }
    const QList<QListWidgetItem*> stored =
        lst_game_sub->findItems(selected.front()->text(), Qt::MatchExactly);
    if (stored.isEmpty()) {
        return std::nullopt;
    }
    return lst_game_sub->row(stored.front());
}

void GameListDialog::choose_game(int position) {
    const QListWidgetItem* stored = lst_game_sub->item(position);
    if (stored == nullptr) {
        return;
    }
    const QList<QListWidgetItem*> shown = lst_game->findItems(stored->text(), Qt::MatchExactly);
    if (!shown.isEmpty()) {
        lst_game->setCurrentItem(shown.front());
    }
}

}  // namespace kl
