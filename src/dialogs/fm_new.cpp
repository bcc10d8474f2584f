#include "fm_new.h"

#include "file_dialogs.h"
#include "widgets/child_window.h"
#include "widgets/message_box.h"
#include "widgets/naming.h"
#include "widgets/twips.h"
#include "widgets/window_keys.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace kl {

fm_new::fm_new(md::DataStore& store, const QWidget* owner, bool first_start)
    : lb_team(named(new QLabel(QStringLiteral(u"チーム名"), this), QStringLiteral(u"lb_team"))),
      tx_team(named(new QLineEdit(this), QStringLiteral(u"tx_team"))),
      ck_file(named(new QCheckBox(QStringLiteral(u"チーム名をファイル名と同一にする。"), this),
                    QStringLiteral(u"ck_file"))),
      lb_file(named(new QLabel(QStringLiteral(u"ファイル名"), this), QStringLiteral(u"lb_file"))),
      tx_file(named(new QLineEdit(this), QStringLiteral(u"tx_file"))),
      cm_ok(named(new QPushButton(QStringLiteral(u"OK"), this), QStringLiteral(u"cm_ok"))),
      cm_cancel(named(new QPushButton(QStringLiteral(u"キャンセル"), this), QStringLiteral(u"cm_cancel"))),
      store_(store),
      first_start_(first_start) {
    setObjectName(QStringLiteral(u"fm_new"));
    setWindowTitle(QStringLiteral(u"新規作成"));
    setWindowFlags(Qt::Dialog);
    ck_file->setChecked(true);
    lb_file->setEnabled(false);
    tx_file->setEnabled(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(lb_team, 0, 0);
    layout->addWidget(tx_team, 0, 1);
    layout->addWidget(ck_file, 1, 0, 1, 2);
    layout->addWidget(lb_file, 2, 0);
    layout->addWidget(tx_file, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cm_ok);
    buttons->addWidget(cm_cancel);
    layout->addLayout(buttons, 3, 0, 1, 2);
    resize(px(5400), px(2400));

    connect(ck_file, &QCheckBox::toggled, this, [this](bool checked) {
        lb_file->setEnabled(!checked);
        tx_file->setEnabled(!checked);
    });
    connect(cm_ok, &QPushButton::clicked, this, &fm_new::create);
    connect(cm_cancel, &QPushButton::clicked, this, &QWidget::close);
    press_on_enter(cm_ok);
    // On a first start there is no main window to return to: キャンセル does nothing.
    cm_cancel->setEnabled(!first_start_);
    if (owner != nullptr && !first_start_) {
        centre_over(this, owner);
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void fm_new::create() {
    const QString team = tx_team->text();
    if (const std::optional<md::UserMessage> refusal =
            check_new_file(team, ck_file->isChecked(), tx_file->text())) {
        show_message(*refusal);
        return;
    }
    const QString file = new_file_name(team, ck_file->isChecked(), tx_file->text());
    if (QFileInfo::exists(file)) {
        const md::UserMessage question = overwrite_question(file);
        if (!ask_yes_no(question.title, question.text)) {
            return;
        }
    }
    if (const std::optional<md::UserMessage> refusal = write_new_team_file(team, file)) {
        show_message(*refusal);
        return;
    }
    if (const md::SaveResult settings = switch_to_new_file(store_, team, file, first_start_); !settings.ok) {
        show_message(settings.message());
    }
    emit team_file_created(first_start_);
    close();
}

}  // namespace kl
