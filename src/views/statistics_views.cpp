#include "statistics_views.h"

#include "widgets/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kl {
namespace {

template <typename Widget>
Widget* named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

QString indexed(const char16_t* name, int index) {
    return QString::fromUtf16(name) + u'_' + QString::number(index);
}

QTreeWidget* statistics_list(QWidget* parent, const QString& name, const QString& first_header) {
    auto* list = named(new QTreeWidget(parent), name);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setHeaderLabels({first_header, QStringLiteral(u"出場時間"), QStringLiteral(u"得点"),
                           QStringLiteral(u"アシスト"), QStringLiteral(u"警告"), QStringLiteral(u"退場")});
    list->setColumnWidth(0, column_width(list, first_header == QStringLiteral(u"名前") ? 1440 : 1000));
    for (int column = 1; column < 6; ++column) {
        list->setColumnWidth(column, column_width(list, 1000));
    }
    list->header()->setSectionsClickable(true);
    list->header()->setStretchLastSection(false);
    return list;
}

QComboBox* selection_combo(QWidget* parent, const QString& name, int width) {
    auto* combo = named(new QComboBox(parent), name);
    combo->setFixedWidth(px(width));
    combo->setEnabled(false);
    return combo;
}

// A hidden box that keeps a filter text of the last computation for the copy command.
QLineEdit* hidden_copy_box(QWidget* parent, int index) {
    auto* box = named(new QLineEdit(parent), indexed(u"tx_copy", index));
    box->hide();
    return box;
}

// A filter bar, centred in its view.
QHBoxLayout* centred(QWidget* bar) {
    bar->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(bar);
    row->addStretch();
    return row;
}

}  // namespace

TeamDataView::TeamDataView(QWidget* parent)
    : QWidget(parent),
      fr_setting(named(new QWidget(this), QStringLiteral(u"fr_setting"))),
      ck_date(named(new QCheckBox(QStringLiteral(u"期間"), fr_setting), QStringLiteral(u"ck_date"))),
      cb_date{selection_combo(fr_setting, indexed(u"cb_date", 0), 2100),
              selection_combo(fr_setting, indexed(u"cb_date", 1), 2100)},
      lb_date(named(new QLabel(QStringLiteral(u"～"), fr_setting), QStringLiteral(u"lb_date"))),
      ck_meeting(named(new QCheckBox(QStringLiteral(u"大会名"), fr_setting), QStringLiteral(u"ck_meeting"))),
      cb_meeting(selection_combo(fr_setting, QStringLiteral(u"cb_meeting"), 1800)),
      cm_setting(named(new QPushButton(QStringLiteral(u"更新"), fr_setting), QStringLiteral(u"cm_setting"))),
      lb_game(named(new QLabel(QStringLiteral(u"通算成績"), this), QStringLiteral(u"lb_game"))),
      lstv_team(statistics_list(this, QStringLiteral(u"lstv_team"), QStringLiteral(u"名前"))),
      tx_copy{hidden_copy_box(this, 0), hidden_copy_box(this, 1), hidden_copy_box(this, 2)} {
    setObjectName(QStringLiteral(u"fr_data_2"));
    lb_date->setEnabled(false);
    auto* bar = new QHBoxLayout(fr_setting);
    bar->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : std::initializer_list<QWidget*>{ck_date, cb_date[0], lb_date, cb_date[1],
                                                           ck_meeting, cb_meeting, cm_setting}) {
        bar->addWidget(widget);
    }
    lstv_team->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lstv_team, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
        emit context_menu_requested(lstv_team->viewport()->mapToGlobal(position));
    });

    auto* label_row = new QHBoxLayout;
    label_row->addStretch();
    label_row->addWidget(lb_game);
    label_row->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(px(120), 0, px(120), px(120));
    layout->addLayout(centred(fr_setting));
    layout->addLayout(label_row);
    layout->addWidget(lstv_team, 1);
}

PersonalDataView::PersonalDataView(QWidget* parent)
    : QWidget(parent),
      fr_player_setting(named(new QWidget(this), QStringLiteral(u"fr_player_setting"))),
      lb_player{named(new QLabel(QStringLiteral(u"～"), fr_player_setting), indexed(u"lb_player", 0)),
                named(new QLabel(QStringLiteral(u"メンバー"), fr_player_setting), indexed(u"lb_player", 1))},
      cb_player(named(new QComboBox(fr_player_setting), QStringLiteral(u"cb_player"))),
      ck_player_date(named(new QCheckBox(QStringLiteral(u"期間"), fr_player_setting),
                           QStringLiteral(u"ck_player_date"))),
      cb_date{selection_combo(fr_player_setting, indexed(u"cb_date", 2), 2100),
              selection_combo(fr_player_setting, indexed(u"cb_date", 3), 2100)},
      ck_player_meeting(named(new QCheckBox(QStringLiteral(u"大会名"), fr_player_setting),
                              QStringLiteral(u"ck_player_meeting"))),
      cb_player_meeting(selection_combo(fr_player_setting, QStringLiteral(u"cb_player_meeting"), 1800)),
      cm_renew(
          named(new QPushButton(QStringLiteral(u"更新"), fr_player_setting), QStringLiteral(u"cm_renew"))),
      pt_player(named(new QScrollArea(this), QStringLiteral(u"pt_player"))),
      lstv_player(nullptr),
      fr_player(named(new QWidget, QStringLiteral(u"fr_player"))),
      tx_player{},
      tx_copy{hidden_copy_box(this, 3), hidden_copy_box(this, 4), hidden_copy_box(this, 5)} {
    setObjectName(QStringLiteral(u"fr_data_3"));
    lb_player[0]->setEnabled(false);
    cb_player->setFixedWidth(px(1500));
    auto* top = new QHBoxLayout;
    top->addWidget(lb_player[1]);
    top->addWidget(cb_player);
    top->addStretch();
    auto* bottom = new QHBoxLayout;
    for (QWidget* widget :
         std::initializer_list<QWidget*>{ck_player_date, cb_date[0], lb_player[0], cb_date[1],
                                         ck_player_meeting, cb_player_meeting, cm_renew}) {
        bottom->addWidget(widget);
    }
    auto* bar = new QVBoxLayout(fr_player_setting);
    bar->setContentsMargins(0, 0, 0, 0);
    bar->addLayout(top);
    bar->addLayout(bottom);

    // The list and the breakdown boxes scroll together inside pt_player.
    auto* content = new QWidget;
    content->setFixedSize(px(9615), px(5895));
    lstv_player = statistics_list(content, QStringLiteral(u"lstv_player"), QStringLiteral(u"ポジション"));
    lstv_player->setGeometry(px(120), 0, px(6000) + 4, px(2520) - 8);
    fr_player->setParent(content);
    fr_player->setGeometry(0, px(2520), px(9495), px(5895 - 2520));
    const QRect boxes[8] = {{120, 0, 2700, 300},      {120, 330, 2000, 1300},  {2200, 330, 2900, 1300},
                            {5180, 330, 2600, 1300},  {120, 1700, 2700, 300},  {120, 2030, 2000, 1300},
                            {2200, 2030, 2900, 1300}, {5180, 2030, 2600, 1300}};
    for (int i = 0; i < 8; ++i) {
        auto* box = named(new QTextEdit(fr_player), indexed(u"tx_player", i));
        box->setReadOnly(true);
        box->setAcceptRichText(false);
        box->setLineWrapMode(QTextEdit::NoWrap);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        const QRect& r = boxes[i];
        box->setGeometry(px(r.x()), px(r.y()), px(r.width()), px(r.height()));
        tx_player[static_cast<size_t>(i)] = box;
    }
    pt_player->setWidget(content);
    pt_player->setFrameShape(QFrame::NoFrame);
    pt_player->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    pt_player->verticalScrollBar()->setObjectName(QStringLiteral(u"vsb_player"));
    pt_player->horizontalScrollBar()->setObjectName(QStringLiteral(u"hsb_player"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(px(120), 0, px(120), px(120));
    layout->addLayout(centred(fr_player_setting));
    layout->addWidget(pt_player, 1);
}

}  // namespace kl
