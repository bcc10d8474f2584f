#include "fm_setting.h"

#include "file_dialogs.h"
#include "fm_name_reading.h"
#include "fm_open.h"
#include "reports/shared_names_rule.h"
#include "widgets/child_window.h"
#include "widgets/message_box.h"
#include "widgets/naming.h"
#include "widgets/twips.h"
#include "widgets/window_keys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QVBoxLayout>

namespace kl {

fm_setting::fm_setting(md::DataStore& store, const QWidget* owner)
    : ts_setting(named(new QTabBar(this), QStringLiteral(u"ts_setting"))),
      fr_start(named(new QGroupBox(QStringLiteral(u"起動ファイル設定"), this), QStringLiteral(u"fr_start"))),
      op_input_file{
          named(new QRadioButton(QStringLiteral(u"常に同じファイルを起動する。"), fr_start),
                indexed(u"op_input_file", 0)),
          named(new QRadioButton(QStringLiteral(u"最後に開いたファイルを次回から起動する。"), fr_start),
                indexed(u"op_input_file", 1))},
      tx_input_file(named(new QLineEdit(fr_start), QStringLiteral(u"tx_input_file"))),
      cm_input_file(
          named(new QPushButton(QStringLiteral(u"設定"), fr_start), QStringLiteral(u"cm_input_file"))),
      ck_game_input(named(
          new QCheckBox(QStringLiteral(u"試合データ入力時にキーボードからのデータ入力を有効にする。"), this),
          QStringLiteral(u"ck_game_input"))),
      ck_game_input_Add(
          named(new QCheckBox(QStringLiteral(u"キーボードからのデータ入力を入力項目設定に追加する。"), this),
                QStringLiteral(u"ck_game_input_Add"))),
      ck_small_sided(named(new QCheckBox(QStringLiteral(u"8人制など少人数の試合を入力する。"), this),
                           QStringLiteral(u"ck_small_sided"))),
      ck_live_elapsed(
          named(new QCheckBox(QStringLiteral(u"ライブ入力の時間を経過分（0分から）で数える。"), this),
                QStringLiteral(u"ck_live_elapsed"))),
      ck_live_share(named(
          new QCheckBox(QStringLiteral(u"ライブ入力で出場時間の目標を示す（試合時間に対する割合）："), this),
          QStringLiteral(u"ck_live_share"))),
      tx_live_share(named(new QSpinBox(this), QStringLiteral(u"tx_live_share"))),
      lb_share_names(named(new QLabel(QStringLiteral(u"結果画像・個人カード・Webページの名前"), this),
                           QStringLiteral(u"lb_share_names"))),
      cb_share_names(named(new QComboBox(this), QStringLiteral(u"cb_share_names"))),
      cm_name_reading(
          named(new QPushButton(QStringLiteral(u"読み..."), this), QStringLiteral(u"cm_name_reading"))),
      cm_set(named(new QPushButton(QStringLiteral(u"設定"), this), QStringLiteral(u"cm_set"))),
      cm_cancel(named(new QPushButton(QStringLiteral(u"キャンセル"), this), QStringLiteral(u"cm_cancel"))),
      store_(store) {
    setObjectName(QStringLiteral(u"fm_setting"));
    setWindowTitle(QStringLiteral(u"環境設定"));
    setWindowFlags(Qt::Dialog);
    ts_setting->addTab(QStringLiteral(u"動作"));
    tx_input_file->setReadOnly(true);

    auto* start = new QGridLayout(fr_start);
    start->addWidget(op_input_file[0], 0, 0, 1, 2);
    start->addWidget(tx_input_file, 1, 0);
    start->addWidget(cm_input_file, 1, 1);
    start->addWidget(op_input_file[1], 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cm_set);
    buttons->addWidget(cm_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ts_setting);
    layout->addWidget(fr_start);
    layout->addWidget(ck_game_input);
    layout->addWidget(ck_game_input_Add);
    layout->addWidget(ck_small_sided);
    layout->addWidget(ck_live_elapsed);
    auto* share = new QHBoxLayout;
    share->addWidget(ck_live_share);
    share->addWidget(tx_live_share);
    share->addStretch();
    layout->addLayout(share);
    auto* share_names = new QHBoxLayout;
    share_names->addWidget(lb_share_names);
    share_names->addWidget(cb_share_names, 1);
    share_names->addWidget(cm_name_reading);
    layout->addLayout(share_names);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(px(7800), px(4500));
    centre_over(this, owner);

    // The dialog opens on the settings in force.
    const bool last_file = store.start_mode == md::StartMode::last_file;
    op_input_file[last_file ? 1 : 0]->setChecked(true);
    tx_input_file->setEnabled(!last_file);
    cm_input_file->setEnabled(!last_file);
    // The file the next start opens, which need not be the one open now.
    if (!last_file) {
        tx_input_file->setText(store.start_file_path);
    }
    ck_game_input->setChecked(store.keyboard_entry);
    const bool add_names = store.keyboard_entry && store.add_typed_names;
    ck_game_input_Add->setEnabled(add_names);
    ck_game_input_Add->setChecked(add_names);
    ck_small_sided->setChecked(store.small_sided_games);
    ck_live_elapsed->setChecked(store.live_elapsed_minutes);
    tx_live_share->setRange(5, md::max_target_share);
    tx_live_share->setSingleStep(5);
    tx_live_share->setSuffix(QStringLiteral(u"%"));
    // Off shows the share a coach would start from.
    tx_live_share->setValue(store.live_target_share > 0 ? store.live_target_share : 50);
    ck_live_share->setChecked(store.live_target_share > 0);
    tx_live_share->setEnabled(ck_live_share->isChecked());
    for (const QString& caption : shared_names_captions()) {
        cb_share_names->addItem(caption);
    }
    cb_share_names->setCurrentIndex(static_cast<int>(store.shared_names));
    cm_set->setEnabled(false);

    // Set by a click or by the program, a box's change counts the same.
    for (int index = 0; index < 2; ++index) {
        connect(op_input_file[static_cast<size_t>(index)], &QRadioButton::toggled, this,
                [this, index](bool on) {
                    if (!on) {
                        return;
                    }
                    tx_input_file->setEnabled(index == 0);
                    cm_input_file->setEnabled(index == 0);
                    changed();
                });
    }
    connect(ck_game_input, &QCheckBox::toggled, this, [this](bool checked) {
        ck_game_input_Add->setEnabled(checked);
        if (!checked) {
            ck_game_input_Add->setChecked(false);
        }
        changed();
    });
    connect(ck_game_input_Add, &QCheckBox::toggled, this, &fm_setting::changed);
    connect(ck_small_sided, &QCheckBox::toggled, this, &fm_setting::changed);
    connect(ck_live_elapsed, &QCheckBox::toggled, this, &fm_setting::changed);
    connect(ck_live_share, &QCheckBox::toggled, this, [this](bool checked) {
        tx_live_share->setEnabled(checked);
        changed();
    });
    connect(tx_live_share, &QSpinBox::valueChanged, this, &fm_setting::changed);
    connect(cb_share_names, &QComboBox::currentIndexChanged, this, &fm_setting::changed);
    connect(cm_name_reading, &QPushButton::clicked, this,
            [this] { open_child_window(this, new fm_name_reading(store_, this)); });
    connect(cm_input_file, &QPushButton::clicked, this, &fm_setting::choose_start_file);
    connect(cm_set, &QPushButton::clicked, this, &fm_setting::apply);
    connect(cm_cancel, &QPushButton::clicked, this, &QWidget::close);
    close_on_escape(this);
}

void fm_setting::changed() const {
    cm_set->setEnabled(true);
}

void fm_setting::choose_start_file() {
    auto* chooser = new fm_open(store_, this, OpenPurpose::choose_start_file);
    connect(chooser, &fm_open::start_file_chosen, tx_input_file, &QLineEdit::setText);
    open_child_window(this, chooser);
    changed();
}

void fm_setting::apply() {
    const EnvironmentSettings chosen{op_input_file[0]->isChecked(),
                                     tx_input_file->text(),
                                     ck_game_input->isChecked(),
                                     ck_game_input_Add->isChecked(),
                                     ck_small_sided->isChecked(),
                                     ck_live_elapsed->isChecked(),
                                     ck_live_share->isChecked() ? tx_live_share->value() : 0,
                                     static_cast<md::SharedNames>(cb_share_names->currentIndex())};
    // A failed save applies nothing: 設定 stays available to try again.
    if (const std::optional<md::UserMessage> failure = apply_environment_settings(store_, chosen)) {
        show_message(*failure);
        return;
    }
    cm_set->setEnabled(false);
}

}  // namespace kl
