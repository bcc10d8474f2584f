#include "fm_new_season.h"

#include "file_dialogs.h"
#include "new_season.h"
#include "widgets/child_window.h"
#include "widgets/message_box.h"
#include "widgets/naming.h"
#include "widgets/twips.h"

#include <QDate>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace kl {

fm_new_season::fm_new_season(md::DataStore& store, const QWidget* owner)
    : lb_new_season_member(named(
          new QLabel(QStringLiteral(u"引き継ぐメンバー（卒団するメンバーはチェックを外して下さい）"), this),
          QStringLiteral(u"lb_new_season_member"))),
      lst_new_season_member(named(new QListWidget(this), QStringLiteral(u"lst_new_season_member"))),
      lb_team(named(new QLabel(QStringLiteral(u"チーム名"), this), QStringLiteral(u"lb_team"))),
      tx_team(named(new QLineEdit(this), QStringLiteral(u"tx_team"))),
      lb_file(named(new QLabel(QStringLiteral(u"ファイル名"), this), QStringLiteral(u"lb_file"))),
      tx_file(named(new QLineEdit(this), QStringLiteral(u"tx_file"))),
      cm_ok(named(new QPushButton(QStringLiteral(u"作成"), this), QStringLiteral(u"cm_ok"))),
      cm_cancel(named(new QPushButton(QStringLiteral(u"キャンセル"), this), QStringLiteral(u"cm_cancel"))),
      store_(store) {
    setObjectName(QStringLiteral(u"fm_new_season"));
    setWindowTitle(QStringLiteral(u"次年度のファイルを作成"));
    setWindowFlags(Qt::Dialog);
    for (const QString& member : season_members(store)) {
        auto* item = new QListWidgetItem(member, lst_new_season_member);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Checked);
    }
    const NewSeasonNames names = next_season_names(store, QDate::currentDate().year());
    tx_team->setText(names.team_name);
    tx_file->setText(names.file_base);

    auto* layout = new QGridLayout(this);
    layout->addWidget(lb_new_season_member, 0, 0, 1, 3);
    layout->addWidget(lst_new_season_member, 1, 0, 1, 3);
    layout->addWidget(lb_team, 2, 0);
    layout->addWidget(tx_team, 2, 1, 1, 2);
    layout->addWidget(lb_file, 3, 0);
    layout->addWidget(tx_file, 3, 1);
    layout->addWidget(new QLabel(QStringLiteral(u".kld"), this), 3, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cm_ok);
    buttons->addWidget(cm_cancel);
    layout->addLayout(buttons, 4, 0, 1, 3);
    layout->setRowStretch(1, 1);
    resize(px(6600), px(6600));
    centre_over(this, owner);

    connect(cm_ok, &QPushButton::clicked, this, &fm_new_season::create);
    connect(cm_cancel, &QPushButton::clicked, this, &QWidget::close);
}

QStringList fm_new_season::kept_members() const {
    QStringList kept;
    for (int row = 0; row < lst_new_season_member->count(); ++row) {
        const QListWidgetItem* item = lst_new_season_member->item(row);
        if (item->checkState() == Qt::Checked) {
            kept.append(item->text());
        }
    }
    return kept;
}

void fm_new_season::create() {
    const QString team = tx_team->text();
    if (const std::optional<md::UserMessage> refusal = check_next_season(store_, team, tx_file->text())) {
        show_message(*refusal);
        return;
    }
    const QString file = next_season_file(tx_file->text());
    if (QFileInfo::exists(file)) {
        const md::UserMessage question = overwrite_question(file);
        if (!ask_yes_no(question.title, question.text)) {
            return;
        }
    }
    if (const std::optional<md::UserMessage> refusal =
            write_next_season(store_, kept_members(), team, file)) {
        show_message(*refusal);
        return;
    }
    const OpenedFile opened = open_team_file(store_, file);
    emit team_file_opened(opened.loaded);
    for (const md::UserMessage& notice : opened.notices) {
        show_message(notice);
    }
    close();
}

}  // namespace kl
