#include "fm_game_modify.h"

#include "widgets/child_window.h"
#include "widgets/message_box.h"
#include "widgets/naming.h"
#include "widgets/twips.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace kl {

fm_game_modify::fm_game_modify(md::DataStore& store, const QWidget* owner, std::optional<int> preselected)
    : GameListDialog(store, QStringLiteral(u"fm_game_modify"), QStringLiteral(u"試合データ修正")),
      cm_game_modify(
          named(new QPushButton(QStringLiteral(u"修正"), this), QStringLiteral(u"cm_game_modify"))),
      cm_cancel(named(new QPushButton(QStringLiteral(u"キャンセル"), this), QStringLiteral(u"cm_cancel"))) {
    buttons()->addWidget(cm_game_modify);
    buttons()->addWidget(cm_cancel);
    resize(px(6600), px(4800));
    centre_over(this, owner);

    connect(cm_game_modify, &QPushButton::clicked, this, &fm_game_modify::modify_selected);
    connect(cm_cancel, &QPushButton::clicked, this, &QWidget::close);
    fill_lists();
    if (preselected) {
        choose_game(*preselected);
    }
}

void fm_game_modify::modify_selected() {
    const std::optional<int> position = chosen_game();
    if (!position) {
        show_message(
            {QStringLiteral(u"選択ミス"), QStringLiteral(u"リストから　「試合データ」　を選択して下さい。")});
        return;
    }
    close();
    emit game_chosen(*position);
}

}  // namespace kl
