#include "fm_game_delete.h"

#include "file_dialogs.h"
#include "widgets/child_window.h"
#include "widgets/naming.h"
#include "widgets/store_actions.h"
#include "widgets/twips.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace kl {

fm_game_delete::fm_game_delete(md::DataStore& store, const QWidget* owner)
    : GameListDialog(store, QStringLiteral(u"fm_game_delete"), QStringLiteral(u"試合データ削除")),
      cm_game_delete(
          named(new QPushButton(QStringLiteral(u"削除"), this), QStringLiteral(u"cm_game_delete"))),
      cm_cancel(named(new QPushButton(QStringLiteral(u"キャンセル"), this), QStringLiteral(u"cm_cancel"))) {
    buttons()->addWidget(cm_game_delete);
    buttons()->addWidget(cm_cancel);
    resize(px(6600), px(4800));
    centre_over(this, owner);

    connect(cm_game_delete, &QPushButton::clicked, this, &fm_game_delete::delete_selected);
    connect(cm_cancel, &QPushButton::clicked, this, &QWidget::close);
    fill_lists();
}

void fm_game_delete::delete_selected() {
    const std::optional<int> position = chosen_game();
    if (!position) {
        return;
    }
    const SaveOutcome outcome = write_or_report(store_, [this, position](md::OnDiskChange on_change) {
        return delete_game(store_, *position, on_change);
    });
    if (outcome == SaveOutcome::reloaded || (outcome == SaveOutcome::saved && reload_or_report(store_))) {
        emit team_file_reloaded();
    }
    fill_lists();
    emit games_changed();
}

}  // namespace kl
