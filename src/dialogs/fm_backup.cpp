#include "fm_backup.h"

#include "widgets/child_window.h"
#include "widgets/list_columns.h"
#include "widgets/message_box.h"
#include "widgets/naming.h"
#include "widgets/store_actions.h"
#include "widgets/twips.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kl {

fm_backup::fm_backup(md::DataStore& store, const QWidget* owner)
    : lst_backup(named(new QTreeWidget(this), QStringLiteral(u"lst_backup"))),
      cm_restore(named(new QPushButton(QStringLiteral(u"復元"), this), QStringLiteral(u"cm_restore"))),
      cm_cancel(named(new QPushButton(QStringLiteral(u"キャンセル"), this), QStringLiteral(u"cm_cancel"))),
      store_(store) {
    setObjectName(QStringLiteral(u"fm_backup"));
    setWindowTitle(QStringLiteral(u"バックアップから復元"));
    setWindowFlags(Qt::Dialog);
    lst_backup->setRootIsDecorated(false);
    lst_backup->setAllColumnsShowFocus(true);
    lst_backup->setHeaderLabels({QStringLiteral(u"日時"), QStringLiteral(u"チーム名"),
                                 QStringLiteral(u"試合数"), QStringLiteral(u"変更内容")});
    // What changed takes the rest of the width.
    fit_columns(lst_backup, {2250, 1800, 900});

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cm_restore);
    buttons->addWidget(cm_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lst_backup);
    layout->addLayout(buttons);
    resize(px(9600), px(5400));
    centre_over(this, owner);

    connect(cm_restore, &QPushButton::clicked, this, &fm_backup::restore_selected);
    connect(cm_cancel, &QPushButton::clicked, this, &QWidget::close);
    fill_list();
}

void fm_backup::fill_list() {
    rows_.clear();
    if (!store_.data_file_path.isEmpty()) {
        BackupSummaryCache summaries(store_.data_file_path);
        rows_ = backup_rows(store_.data_file_path, summaries);
    }
    lst_backup->clear();
    QList<QTreeWidgetItem*> items;
    for (const BackupRow& row : rows_) {
        auto* item = new QTreeWidgetItem(row.cells());
        if (!row.readable()) {
            for (int column = 0; column < item->columnCount(); ++column) {
                item->setForeground(column, palette().brush(QPalette::Disabled, QPalette::Text));
            }
        }
        items.append(item);
    }
    lst_backup->addTopLevelItems(items);
    // With no backup there is nothing to restore.
    cm_restore->setEnabled(!rows_.empty());
}

void fm_backup::restore_selected() {
    const QModelIndex chosen = lst_backup->currentIndex();
    if (!chosen.isValid() || lst_backup->selectedItems().isEmpty()) {
        show_message(
            {QStringLiteral(u"選択エラー"), QStringLiteral(u"リストからバックアップを選択して下さい。")});
        return;
    }
    const BackupRow row = rows_[static_cast<size_t>(chosen.row())];
    if (!row.readable()) {
        show_message(row.refusal());
        return;
    }
    const md::UserMessage question = restore_question(row);
    if (!ask_yes_no(question.title, question.text)) {
        return;
    }
    const SaveOutcome outcome = write_or_report(store_, [this, &row](md::OnDiskChange on_change) {
        return restore_backup(store_, row.file, on_change);
    });
    switch (outcome) {
        case SaveOutcome::saved:
            reload_or_report(store_);
            emit team_file_reloaded();
            close();
            show_message(restored_message(row));
            break;
        case SaveOutcome::reloaded:
            emit team_file_reloaded();
            fill_list();
            break;
        case SaveOutcome::not_saved:
            fill_list();
            break;
    }
}

}  // namespace kl
