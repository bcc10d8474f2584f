#include "fm_open.h"

#include "file_dialogs.h"
#include "widgets/child_window.h"
#include "widgets/message_box.h"
#include "widgets/naming.h"
#include "widgets/twips.h"
#include "widgets/window_keys.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kl {

fm_open::fm_open(md::DataStore& store, const QWidget* owner, OpenPurpose purpose)
    : flst(named(new QListWidget(this), QStringLiteral(u"flst"))),
      cm_ok(named(new QPushButton(QStringLiteral(u"OK"), this), QStringLiteral(u"cm_ok"))),
      cm_cancel(named(new QPushButton(QStringLiteral(u"キャンセル"), this), QStringLiteral(u"cm_cancel"))),
      store_(store),
      purpose_(purpose) {
    setObjectName(QStringLiteral(u"fm_open"));
    setWindowTitle(purpose == OpenPurpose::choose_start_file ? QStringLiteral(u"起動ファイル設定")
                                                             : QStringLiteral(u"開く"));
    setWindowFlags(Qt::Dialog);
    flst->addItems(team_files());

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cm_ok);
    buttons->addWidget(cm_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(flst);
    layout->addLayout(buttons);
    resize(px(4800), px(4200));
    centre_over(this, owner);

    connect(cm_ok, &QPushButton::clicked, this, &fm_open::accept);
    connect(flst, &QListWidget::itemDoubleClicked, this, &fm_open::accept);
    connect(cm_cancel, &QPushButton::clicked, this, &QWidget::close);
    press_on_enter(cm_ok);
}

void fm_open::accept() {
    const QList<QListWidgetItem*> selected = flst->selectedItems();
    if (selected.isEmpty()) {
        show_message(
            {QStringLiteral(u"選択エラー"), QStringLiteral(u"リストからファイルを選択して下さい。")});
        return;
    }
    const QString file = selected.front()->text();
    if (purpose_ == OpenPurpose::choose_start_file) {
        if (const std::optional<md::UserMessage> refusal = check_start_file(file)) {
            show_message(*refusal);
            return;
        }
        emit start_file_chosen(file);
    } else {
        const OpenedFile opened = open_team_file(store_, file);
        emit team_file_opened(opened.loaded);
        for (const md::UserMessage& notice : opened.notices) {
            show_message(notice);
        }
    }
    close();
}

}  // namespace kl
