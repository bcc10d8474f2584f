#include "fm_game_delete.h"

#include "file_dialogs.h"
#include "store/text_order.h"
#include "widgets/child_window.h"
#include "widgets/store_actions.h"
#include "widgets/twips.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kl {

fm_game_delete::fm_game_delete(md::DataStore& store, const QWidget* owner)
    : lst_game(new QListWidget(this)),
      lst_game_sub(new QListWidget(this)),
      cm_game_delete(new QPushButton(QStringLiteral(u"削除"), this)),
      cm_cancel(new QPushButton(QStringLiteral(u"キャンセル"), this)),
      store_(store) {
    setObjectName(QStringLiteral(u"fm_game_delete"));
    setWindowTitle(QStringLiteral(u"試合データ削除"));
    setWindowFlags(Qt::Dialog);
    lst_game->setObjectName(QStringLiteral(u"lst_game"));
    lst_game_sub->setObjectName(QStringLiteral(u"lst_game_sub"));
    lst_game_sub->hide();
    cm_game_delete->setObjectName(QStringLiteral(u"cm_game_delete"));
    cm_cancel->setObjectName(QStringLiteral(u"cm_cancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cm_game_delete);
    buttons->addWidget(cm_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lst_game);
    layout->addLayout(buttons);
    resize(px(6600), px(4800));
    centre_over(this, owner);

    connect(cm_game_delete, &QPushButton::clicked, this, &fm_game_delete::delete_selected);
    connect(cm_cancel, &QPushButton::clicked, this, &QWidget::close);
    fill_lists();
}

void fm_game_delete::fill_lists() {
    store_.list_target = md::ListTarget::game_delete;
    store_.build_game_index();
    const QStringList stored = deletion_entries(store_);
    QStringList sorted = stored;
    md::sort_texts(sorted);
    lst_game->clear();
    lst_game->addItems(sorted);
    lst_game_sub->clear();
    lst_game_sub->addItems(stored);
}

// The chosen game is found by its text in stored order, so the right one goes whatever the two
// orders are.
void fm_game_delete::delete_selected() {
    const QList<QListWidgetItem*> selected = lst_game->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    const QList<QListWidgetItem*> stored =
        lst_game_sub->findItems(selected.front()->text(), Qt::MatchExactly);
    if (stored.isEmpty()) {
        return;
    }
    const int position = lst_game_sub->row(stored.front());
    const SaveOutcome outcome = write_or_report(store_, [this, position](md::OnDiskChange on_change) {
        return delete_game(store_, position, on_change);
    });
    if (outcome == SaveOutcome::reloaded || (outcome == SaveOutcome::saved && reload_or_report(store_))) {
        emit team_file_reloaded();
    }
    fill_lists();
    emit games_changed();
}

}  // namespace kl
