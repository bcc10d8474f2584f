#include "event_panels.h"

#include "widgets/back_colour.h"
#include "widgets/list_columns.h"
#include "widgets/naming.h"
#include "widgets/row_choice.h"
#include "widgets/twips.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStackedLayout>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace kl {
namespace {

QColor line_colour(md::LineColour colour, const QColor& normal) {
    switch (colour) {
        case md::LineColour::yellow:
            return QColor(0xC0, 0xC0, 0x00);
        case md::LineColour::red:
            return QColor(0xC0, 0x00, 0x00);
        case md::LineColour::grey:
            return QColor(0x80, 0x80, 0x80);
        case md::LineColour::normal:
            break;
    }
    return normal;
}

// A line whose details wait for the scorer.
const QColor details_missing_colour(0xFF, 0xE0, 0xA0);

// A button whose face shows light cyan while its part is done.
void paint_button(QPushButton* button, bool done) {
    set_back_colour(button, done ? std::optional<QColor>(light_cyan) : std::nullopt);
}

// An option chosen by a click or by the program counts the same, as a change of its state.
void on_chosen(QRadioButton* option, const std::function<void()>& chosen) {
    QObject::connect(option, &QRadioButton::toggled, option, [chosen](bool ticked) {
        if (ticked) {
            chosen();
        }
    });
}

void paint_label(QLabel* label, bool next) {
    set_back_colour(label, next ? std::optional<QColor>(magenta) : std::nullopt);
}

// The option names of a detail panel's groups: op_p_foot, op_p_poji, op_p_action and so on.
struct PanelNames {
    const char16_t* frame;
    const char16_t* title;
    const char16_t* prefix;
    const char16_t* ok;
};

PanelNames panel_names(DetailPanel panel) {
    switch (panel) {
        case DetailPanel::finish:
            return {u"fr_point", u"得点内容", u"op_p_", u"cm_point_ok"};
        case DetailPanel::assist:
            return {u"fr_assist", u"アシスト内容", u"op_a_", u"cm_assist_ok"};
        case DetailPanel::own_goal:
            return {u"fr_own", u"得点内容（オウンゴール）", u"op_o_", u"cm_own_ok"};
        case DetailPanel::conceded_finish:
            return {u"fr_l_point", u"失点内容（フィニッシュ）", u"op_l_p_", u"cm_l_point_ok"};
        case DetailPanel::play_before:
            break;
    }
    return {u"fr_l_assist", u"失点内容（1プレー前）", u"op_l_a_", u"cm_l_assist_ok"};
}

}  // namespace

void show_event_lines(QTreeWidget* list, const EventPageState& page, const QString& missing_tip,
                      bool whole_line_tips) {
    const int count = static_cast<int>(page.lines.size());
    while (list->topLevelItemCount() > count) {
        delete list->takeTopLevelItem(list->topLevelItemCount() - 1);
    }
    const int kept = list->topLevelItemCount();
    const QColor normal = list->palette().color(QPalette::Active, QPalette::Text);
    for (int i = 0; i < count; ++i) {
        const md::EventListLine& line = page.lines[static_cast<size_t>(i)];
        const bool missing = page.details_missing[static_cast<size_t>(i)];
        QTreeWidgetItem* item = i < kept ? list->topLevelItem(i) : new QTreeWidgetItem(list);
        if (i < kept && item->text(2) == line.content && item->text(0) == line.time &&
            (item->background(0) != QBrush()) == missing) {
            continue;
        }
        item->setText(0, line.time);
        item->setText(1, line.kind);
        item->setText(2, line.content);
        item->setForeground(2, line_colour(line.colour, normal));
        const QString whole = whole_line_tips ? line.time + QStringLiteral(u"　") + line.kind +
                                                    QStringLiteral(u"　") + line.content
                                              : QString();
        for (int column = 0; column < 3; ++column) {
            item->setBackground(column, missing ? QBrush(details_missing_colour) : QBrush());
            item->setToolTip(column, missing ? missing_tip : whole);
        }
    }
    if (count > kept) {
        list->scrollToBottom();
    }
}

EventPageView::EventPageView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral(u"fr_input_2"));
    auto* right = new QVBoxLayout;
    right->addWidget(build_kinds());
    right->addWidget(build_time_row());
    right->addWidget(build_event_list(), 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(build_lists());
    layout->addLayout(right, 1);
}

QWidget* EventPageView::build_lists() {
    auto* column = new QWidget(this);
    lb_sm = named(new QLabel(QStringLiteral(u"スターティングメンバー"), column), QStringLiteral(u"lb_sm"));
    lstv_sm = named(new QTreeWidget(column), QStringLiteral(u"lstv_sm"));
    lstv_sm->setRootIsDecorated(false);
    lstv_sm->setHeaderHidden(true);
    lstv_sm->setColumnCount(2);
    fit_columns(lstv_sm, {500});
    lstv_sm->setFixedWidth(px(2100));
    lb_rm = named(new QLabel(QStringLiteral(u"リザーブメンバー"), column), QStringLiteral(u"lb_rm"));
    lst_rm = named(new QListWidget(column), QStringLiteral(u"lst_rm"));
    lst_rm->setFixedWidth(px(2100));
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lb_sm);
    layout->addWidget(lstv_sm, 3);
    layout->addWidget(lb_rm);
    layout->addWidget(lst_rm, 2);
    RowChoice::attach(lstv_sm,
                      [this](int row) { act([row](EventPage& page) { page.click_pitch_row(row); }); });
    RowChoice::attach(lst_rm,
                      [this](int index) { act([index](EventPage& page) { page.click_reserve(index); }); });
    return column;
}

QWidget* EventPageView::build_kinds() {
    auto* area = new QWidget(this);
    auto* options = new QGridLayout;
    const char16_t* captions[] = {u"交代",           u"ポジション変更", u"警告・退場",
                                  u"得点・アシスト", u"失点",           u"フォーメーション変更"};
    kind_panel_area_ = new QWidget(area);
    kind_panels_ = new QStackedLayout(kind_panel_area_);
    for (int i = 0; i < kind_option_count; ++i) {
        auto* option = named(new QRadioButton(QString::fromUtf16(captions[i]), area),
                             indexed(QStringLiteral(u"op_input"), i));
        options->addWidget(option, i / 3, i % 3);
        op_input[static_cast<size_t>(i)] = option;
        on_chosen(option, [this, i] { act([i](EventPage& page) { page.choose_kind(KindOption(i)); }); });
        QWidget* panel = build_kind_panel(KindOption(i));
        panel->setParent(kind_panel_area_);
        fr_event[static_cast<size_t>(i)] = named(panel, indexed(QStringLiteral(u"fr_event"), i));
        kind_panels_->addWidget(panel);
    }
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(options);
    layout->addWidget(kind_panel_area_);
    layout->addWidget(build_shoot_out_panel());
    return area;
}

namespace {

QLineEdit* read_only_box(QWidget* parent, const char16_t* name) {
    auto* box = named(new QLineEdit(parent), QString::fromUtf16(name));
    box->setReadOnly(true);
    return box;
}

// Lays a kind panel's controls out in rows, left to right.
void lay_out_rows(QWidget* panel, std::initializer_list<std::initializer_list<QWidget*>> rows) {
    auto* layout = new QGridLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    for (const auto& controls : rows) {
        int column = 0;
        for (QWidget* control : controls) {
            layout->addWidget(control, row, column++);
        }
        ++row;
    }
}

}  // namespace

QWidget* EventPageView::build_kind_panel(KindOption kind) {
    switch (kind) {
        case KindOption::substitution:
            return build_substitution_panel();
        case KindOption::position_change:
            return build_position_change_panel();
        case KindOption::card:
            return build_card_panel();
        case KindOption::goal:
            return build_goal_panel();
        case KindOption::conceded:
            return build_conceded_panel();
        case KindOption::formation_change:
            break;
    }
    return build_formation_panel();
}

QWidget* EventPageView::build_substitution_panel() {
    auto* panel = new QWidget(this);
    lb_in = named(new QLabel(QStringLiteral(u"IN"), panel), QStringLiteral(u"lb_in"));
    tx_in = read_only_box(panel, u"tx_in");
    lb_out = named(new QLabel(QStringLiteral(u"OUT"), panel), QStringLiteral(u"lb_out"));
    tx_out = read_only_box(panel, u"tx_out");
    lay_out_rows(panel, {{lb_in, tx_in}, {lb_out, tx_out}});
    return panel;
}

QWidget* EventPageView::build_position_change_panel() {
    auto* panel = new QWidget(this);
    lb_mem1 = named(new QLabel(QStringLiteral(u"メンバー１"), panel), QStringLiteral(u"lb_mem1"));
    tx_mem_poji1 = read_only_box(panel, u"tx_mem_poji1");
    tx_mem1 = read_only_box(panel, u"tx_mem1");
    lb_mem2 = named(new QLabel(QStringLiteral(u"メンバー２"), panel), QStringLiteral(u"lb_mem2"));
    tx_mem_poji2 = read_only_box(panel, u"tx_mem_poji2");
    tx_mem2 = read_only_box(panel, u"tx_mem2");
    tx_mem_poji1->setFixedWidth(px(600));
    tx_mem_poji2->setFixedWidth(px(600));
    lay_out_rows(panel, {{lb_mem1, tx_mem_poji1, tx_mem1}, {lb_mem2, tx_mem_poji2, tx_mem2}});
    return panel;
}

QWidget* EventPageView::build_card_panel() {
    auto* panel = new QWidget(this);
    op_card = {named(new QRadioButton(QStringLiteral(u"警告"), panel), QStringLiteral(u"op_card_0")),
               named(new QRadioButton(QStringLiteral(u"退場"), panel), QStringLiteral(u"op_card_1"))};
    lb_card = named(new QLabel(QStringLiteral(u"対象者"), panel), QStringLiteral(u"lb_card"));
    tx_card = read_only_box(panel, u"tx_card");
    lay_out_rows(panel, {{op_card[0], op_card[1]}, {lb_card, tx_card}});
    for (int option = 0; option < 2; ++option) {
        on_chosen(op_card[static_cast<size_t>(option)],
                  [this, option] { act([option](EventPage& page) { page.choose_card(option == 1); }); });
    }
    return panel;
}

QWidget* EventPageView::build_formation_panel() {
    auto* panel = new QWidget(this);
    lb_formation = {named(new QLabel(QStringLiteral(u"変更前"), panel), QStringLiteral(u"lb_formation_0")),
                    named(new QLabel(QStringLiteral(u"変更後"), panel), QStringLiteral(u"lb_formation_1"))};
    tx_formation = read_only_box(panel, u"tx_formation");
    cb_formation_change = named(new QComboBox(panel), QStringLiteral(u"cb_formation_change"));
    lay_out_rows(panel, {{lb_formation[0], tx_formation}, {lb_formation[1], cb_formation_change}});
    on_entry_chosen(cb_formation_change, [this](int index) {
        if (index >= 0) {
            const QString name = cb_formation_change->itemText(index);
            act([name](EventPage& page) { page.choose_formation_change(name); });
        }
    });
    return panel;
}

QWidget* EventPageView::build_goal_panel() {
    auto* panel = new QWidget(this);
    lb_point = named(new QLabel(QStringLiteral(u"得点者"), panel), QStringLiteral(u"lb_point"));
    tx_point = named(new QLineEdit(panel), QStringLiteral(u"tx_point"));
    cm_point = named(new QPushButton(QStringLiteral(u"▼"), panel), QStringLiteral(u"cm_point"));
    lb_assist = named(new QLabel(QStringLiteral(u"アシスト者"), panel), QStringLiteral(u"lb_assist"));
    tx_assist = named(new QLineEdit(panel), QStringLiteral(u"tx_assist"));
    cm_assist = named(new QPushButton(QStringLiteral(u"▼"), panel), QStringLiteral(u"cm_assist"));
    ck_own = named(new QCheckBox(QStringLiteral(u"オウンゴール"), panel), QStringLiteral(u"ck_own"));
    cm_own = named(new QPushButton(QStringLiteral(u"▼"), panel), QStringLiteral(u"cm_own"));
    for (QLineEdit* box : {tx_point, tx_assist}) {
        box->setReadOnly(true);
    }
    for (QPushButton* button : {cm_point, cm_assist, cm_own}) {
        button->setFixedWidth(px(450));
    }
    // The rows keep their room while hidden, so the panel's height never changes.
    for (QWidget* control : std::initializer_list<QWidget*>{lb_point, tx_point, cm_point, lb_assist,
                                                            tx_assist, cm_assist, cm_own}) {
        QSizePolicy policy = control->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        control->setSizePolicy(policy);
    }
    auto* layout = new QGridLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lb_point, 0, 0);
    layout->addWidget(tx_point, 0, 1);
    layout->addWidget(cm_point, 0, 2);
    layout->addWidget(lb_assist, 1, 0);
    layout->addWidget(tx_assist, 1, 1);
    layout->addWidget(cm_assist, 1, 2);
    layout->addWidget(ck_own, 2, 0, 1, 2);
    layout->addWidget(cm_own, 2, 2);
    connect(ck_own, &QCheckBox::toggled, this,
            [this](bool ticked) { act([ticked](EventPage& page) { page.set_own_goal(ticked); }); });
    return panel;
}

QWidget* EventPageView::build_conceded_panel() {
    auto* panel = new QWidget(this);
    lb_lost = named(new QLabel(QStringLiteral(u"失点の詳細"), panel), QStringLiteral(u"lb_lost"));
    cm_l_point =
        named(new QPushButton(QStringLiteral(u"フィニッシュ"), panel), QStringLiteral(u"cm_l_point"));
    cm_l_assist = named(new QPushButton(QStringLiteral(u"1プレー前"), panel), QStringLiteral(u"cm_l_assist"));
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lb_lost);
    layout->addWidget(cm_l_point);
    layout->addWidget(cm_l_assist);
    layout->addStretch();
    return panel;
}

QWidget* EventPageView::build_time_row() {
    auto* row = new QWidget(this);
    lb_event_time = named(new QLabel(row), QStringLiteral(u"lb_event_time"));
    tx_event_time = named(new QLineEdit(row), QStringLiteral(u"tx_event_time"));
    tx_event_time->setFixedWidth(px(600));
    tx_event_time->setAlignment(Qt::AlignRight);
    cm_time_down = {named(new QPushButton(QStringLiteral(u"<"), row), QStringLiteral(u"cm_time_down_0")),
                    named(new QPushButton(QStringLiteral(u"<<"), row), QStringLiteral(u"cm_time_down_1"))};
    cm_time_up = {named(new QPushButton(QStringLiteral(u">"), row), QStringLiteral(u"cm_time_up_0")),
                  named(new QPushButton(QStringLiteral(u">>"), row), QStringLiteral(u"cm_time_up_1"))};
    cm_event_add = named(new QPushButton(QStringLiteral(u"追加"), row), QStringLiteral(u"cm_event_add"));
    const std::pair<QPushButton*, TimeButton> steppers[] = {{cm_time_down[1], TimeButton::back_ten},
                                                            {cm_time_down[0], TimeButton::back_one},
                                                            {cm_time_up[0], TimeButton::forward_one},
                                                            {cm_time_up[1], TimeButton::forward_ten}};
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lb_event_time);
    for (size_t i = 0; i < 4; ++i) {
        auto [button, step] = steppers[i];
        button->setFixedWidth(px(450));
        connect(button, &QPushButton::clicked, this,
                [this, step = step] { act([step](EventPage& page) { page.step_time(step); }); });
        layout->addWidget(button);
        if (i == 1) {
            layout->addWidget(tx_event_time);
        }
    }
    layout->addStretch();
    layout->addWidget(cm_event_add);
    // Tab goes along the row as it stands: "<<", "<", the minute, ">", ">>".
    setTabOrder(cm_time_down[1], cm_time_down[0]);
    setTabOrder(cm_time_down[0], tx_event_time);
    setTabOrder(tx_event_time, cm_time_up[0]);
    setTabOrder(cm_time_up[0], cm_time_up[1]);
    connect(tx_event_time, &QLineEdit::textChanged, this,
            [this](const QString& text) { act([text](EventPage& page) { page.type_time(text); }); });
    connect(cm_event_add, &QPushButton::clicked, this,
            [this] { act_or_refuse([](EventPage& page) { return page.add(); }); });
    return row;
}

// The event list and, over its upper part while one is open, a detail panel. The area is tall
// enough for the tallest panel and the list's last lines, so opening and closing a panel never
// changes the window's size.
QWidget* EventPageView::build_timeline() {
    auto* area = new QWidget(this);
    lstv_event = named(new QTreeWidget(area), QStringLiteral(u"lstv_event"));
    lstv_event->setRootIsDecorated(false);
    lstv_event->setHeaderLabels(
        {QStringLiteral(u"時間"), QStringLiteral(u"イベント"), QStringLiteral(u"内容")});
    // A line is read in full: 内容 is as wide as its longest line, and the list scrolls sideways.
    fit_columns(lstv_event, {500, 1500});
    lstv_event->setTextElideMode(Qt::ElideNone);
    lstv_event->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    QSize largest_panel;
    for (int i = 0; i < detail_panel_count; ++i) {
        DetailPanelControls& controls = detail_panels[static_cast<size_t>(i)];
        controls = build_detail_panel(DetailPanel(i));
        controls.frame->setParent(area);
        layout->addWidget(controls.frame);
        largest_panel = largest_panel.expandedTo(controls.frame->sizeHint());
    }
    layout->addWidget(lstv_event, 1);
    // A marked line (details missing) opens its event for completion.
    RowChoice::attach(lstv_event,
                      [this](int line) { act([line](EventPage& page) { page.select_event(line); }); });
    const int last_lines = 3;
    const int list_height =
        lstv_event->header()->sizeHint().height() + last_lines * (lstv_event->fontMetrics().height() + 4) +
        lstv_event->horizontalScrollBar()->sizeHint().height() + 2 * lstv_event->frameWidth();
    lstv_event->setMinimumHeight(list_height);
    area->setMinimumSize(largest_panel.width(), largest_panel.height() + layout->spacing() + list_height);
    return area;
}

QWidget* EventPageView::build_event_list() {
    auto* area = new QWidget(this);
    cm_event_line_delete =
        named(new QPushButton(QStringLiteral(u"1行削除"), area), QStringLiteral(u"cm_event_line_delete"));
    cm_event_all_delete =
        named(new QPushButton(QStringLiteral(u"全削除"), area), QStringLiteral(u"cm_event_all_delete"));
    lb_socre1 = named(new QLabel(QStringLiteral(u"スコア"), area), QStringLiteral(u"lb_socre1"));
    tx_score1 = named(new QLineEdit(area), QStringLiteral(u"tx_score1"));
    lb_score2 = named(new QLabel(QStringLiteral(u"-"), area), QStringLiteral(u"lb_score2"));
    tx_score2 = named(new QLineEdit(area), QStringLiteral(u"tx_score2"));
    cm_harf = named(new QPushButton(QStringLiteral(u"前・後半"), area), QStringLiteral(u"cm_harf"));
    cm_ex = named(new QPushButton(QStringLiteral(u"延長戦"), area), QStringLiteral(u"cm_ex"));
    cm_pk = named(new QPushButton(QStringLiteral(u"PK戦"), area), QStringLiteral(u"cm_pk"));
    for (QLineEdit* score : {tx_score1, tx_score2}) {
        score->setReadOnly(true);
        score->setFocusPolicy(Qt::NoFocus);
        score->setFixedWidth(px(450));
        score->setAlignment(Qt::AlignCenter);
    }
    auto* score_row = new QHBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{lb_socre1, tx_score1, lb_score2, tx_score2}) {
        score_row->addWidget(widget);
    }
    score_row->addStretch();
    for (QWidget* widget : std::initializer_list<QWidget*>{cm_harf, cm_ex, cm_pk}) {
        score_row->addWidget(widget);
    }
    auto* delete_row = new QHBoxLayout;
    delete_row->addStretch();
    delete_row->addWidget(cm_event_line_delete);
    delete_row->addWidget(cm_event_all_delete);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(build_timeline(), 1);
    layout->addLayout(delete_row);
    layout->addLayout(score_row);
    const std::pair<QPushButton*, Period> periods[] = {
        {cm_harf, Period::regular}, {cm_ex, Period::extra}, {cm_pk, Period::shoot_out}};
    for (const auto& [button, period] : periods) {
        connect(button, &QPushButton::clicked, this, [this, period = period] {
            act_or_refuse([period](EventPage& page) { return page.choose_period(period); });
        });
    }
    connect(cm_event_line_delete, &QPushButton::clicked, this,
            [this] { act([](EventPage& page) { page.delete_last_event(); }); });
    connect(cm_event_all_delete, &QPushButton::clicked, this,
            [this] { act([](EventPage& page) { page.delete_all_events(); }); });
    return area;
}

QWidget* EventPageView::build_shoot_out_panel() {
    fr_pk = named(new QGroupBox(this), QStringLiteral(u"fr_pk"));
    const char16_t* orders[] = {u"先攻", u"後攻"};
    const char16_t* sides[] = {u"自チーム", u"敵チーム", u"PKスコア", u"-"};
    for (int i = 0; i < 2; ++i) {
        op_pk[static_cast<size_t>(i)] =
            named(new QRadioButton(QString::fromUtf16(orders[i]), fr_pk), indexed(u"op_pk", i));
        // Both can be unselected, so the window sets them itself.
        op_pk[static_cast<size_t>(i)]->setAutoExclusive(false);
        // Unticking one by a click changes nothing: the page shows the order it holds again.
        connect(op_pk[static_cast<size_t>(i)], &QRadioButton::toggled, this, [this, i](bool ticked) {
            act([i, ticked](EventPage& page) {
                if (ticked) {
                    page.choose_kick_order(i == 0);
                }
            });
        });
    }
    for (int i = 0; i < 4; ++i) {
        lb_pk[static_cast<size_t>(i)] =
            named(new QLabel(QString::fromUtf16(sides[i]), fr_pk), indexed(u"lb_pk", i));
        cm_pk_point[static_cast<size_t>(i)] =
            named(new QPushButton(i % 2 == 0 ? QStringLiteral(u"○") : QStringLiteral(u"×"), fr_pk),
                  indexed(u"cm_pk_point", i));
        cm_pk_point[static_cast<size_t>(i)]->setFixedWidth(px(450));
        connect(cm_pk_point[static_cast<size_t>(i)], &QPushButton::clicked, this, [this, i] {
            act_or_refuse([i](EventPage& page) { return page.record_kick(i < 2, i % 2 == 0); });
        });
    }
    tx_pk = read_only_box(fr_pk, u"tx_pk");
    for (int i = 0; i < 2; ++i) {
        QLineEdit* points = read_only_box(fr_pk, i == 0 ? u"tx_pk_point_0" : u"tx_pk_point_1");
        points->setFixedWidth(px(450));
        points->setAlignment(Qt::AlignCenter);
        points->setFocusPolicy(Qt::NoFocus);
        tx_pk_point[static_cast<size_t>(i)] = points;
    }
    lstv_pk = named(new QTreeWidget(fr_pk), QStringLiteral(u"lstv_pk"));
    lstv_pk->setRootIsDecorated(false);
    lstv_pk->setHeaderLabels({QStringLiteral(u"回数"), QStringLiteral(u"先攻"), QStringLiteral(u"後攻")});
    lstv_pk->header()->setSectionResizeMode(QHeaderView::Stretch);
    lstv_pk->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    cm_pk_delete = named(new QPushButton(QStringLiteral(u"初期化"), fr_pk), QStringLiteral(u"cm_pk_delete"));
    connect(cm_pk_delete, &QPushButton::clicked, this,
            [this] { act([](EventPage& page) { page.reset_shoot_out(); }); });

    auto* kicks = new QGridLayout;
    kicks->addWidget(op_pk[0], 0, 0);
    kicks->addWidget(op_pk[1], 0, 1);
    kicks->addWidget(lb_pk[0], 1, 0);
    kicks->addWidget(tx_pk, 1, 1);
    kicks->addWidget(cm_pk_point[0], 1, 2);
    kicks->addWidget(cm_pk_point[1], 1, 3);
    kicks->addWidget(lb_pk[1], 2, 0);
    kicks->addWidget(cm_pk_point[2], 2, 2);
    kicks->addWidget(cm_pk_point[3], 2, 3);
    auto* score = new QHBoxLayout;
    for (QWidget* widget :
         std::initializer_list<QWidget*>{lb_pk[2], tx_pk_point[0], lb_pk[3], tx_pk_point[1]}) {
        score->addWidget(widget);
    }
    score->addStretch();
    score->addWidget(cm_pk_delete);
    auto* left = new QVBoxLayout;
    left->addLayout(kicks);
    left->addLayout(score);
    left->addStretch();
    auto* layout = new QHBoxLayout(fr_pk);
    layout->addLayout(left);
    layout->addWidget(lstv_pk, 1);
    fr_pk->hide();
    return fr_pk;
}

DetailPanelControls EventPageView::build_detail_panel(DetailPanel panel) {
    const PanelNames names = panel_names(panel);
    DetailPanelControls controls;
    controls.frame =
        named(new QGroupBox(QString::fromUtf16(names.title), this), QString::fromUtf16(names.frame));
    const char16_t* titles[] = {u"部位", u"ポジション", u"アクション"};
    const char16_t* groups[] = {u"foot", u"poji", u"action"};
    auto* layout = new QHBoxLayout(controls.frame);
    for (int group = 0; group < 3; ++group) {
        auto* box = new QGroupBox(QString::fromUtf16(titles[group]), controls.frame);
        auto* grid = new QGridLayout(box);
        grid->setVerticalSpacing(0);
        auto* buttons = new QButtonGroup(box);
        const QStringList& captions = EventPage::options(panel, group);
        // Long action lists take two columns, so a panel stays low enough to leave the list visible.
        const int rows = captions.size() > 5 ? (captions.size() + 1) / 2 : static_cast<int>(captions.size());
        for (int option = 0; option < captions.size(); ++option) {
            auto* radio =
                named(new QRadioButton(captions[option], box),
                      indexed(QString::fromUtf16(names.prefix) + QString::fromUtf16(groups[group]), option));
            buttons->addButton(radio, option);
            grid->addWidget(radio, option % rows, option / rows);
        }
        grid->setRowStretch(rows, 1);
        connect(buttons, &QButtonGroup::idToggled, this, [this, panel, group](int option, bool ticked) {
            if (ticked) {
                act([=](EventPage& page) { page.choose_detail(panel, group, option); });
            }
        });
        controls.groups[static_cast<size_t>(group)] = buttons;
        layout->addWidget(box);
    }
    controls.ok = named(new QPushButton(QStringLiteral(u"OK"), controls.frame), QString::fromUtf16(names.ok));
    layout->addWidget(controls.ok, 0, Qt::AlignBottom);
    connect(controls.ok, &QPushButton::clicked, this,
            [this, panel] { act([panel](EventPage& page) { page.close_details(panel); }); });
    QPushButton* opener = details_button(panel);
    connect(opener, &QPushButton::clicked, this,
            [this, panel] { act([panel](EventPage& page) { page.open_details(panel); }); });
    controls.frame->hide();
    return controls;
}

QPushButton* EventPageView::details_button(DetailPanel panel) const {
    switch (panel) {
        case DetailPanel::finish:
            return cm_point;
        case DetailPanel::assist:
            return cm_assist;
        case DetailPanel::own_goal:
            return cm_own;
        case DetailPanel::conceded_finish:
            return cm_l_point;
        case DetailPanel::play_before:
            break;
    }
    return cm_l_assist;
}

void EventPageView::set_state(std::unique_ptr<EventPage> state) {
    state_ = std::move(state);
    shown_lines_revision_ = -1;
    sync();
}

std::optional<md::UserMessage> EventPageView::refuse_missing_details() {
    std::optional<md::UserMessage> refusal;
    if (state_) {
        refusal = state_->refuse_missing_details();
        sync();
    }
    return refusal;
}

void EventPageView::act(const std::function<void(EventPage&)>& action) {
    // The page's own updates of its controls are no user actions.
    if (state_ && !syncing_) {
        action(*state_);
        sync();
    }
}

void EventPageView::act_or_refuse(const std::function<std::optional<md::UserMessage>(EventPage&)>& action) {
    std::optional<md::UserMessage> refusal;
    act([&](EventPage& page) { refusal = action(page); });
    if (refusal) {
        emit refused(*refusal);
    }
}

void EventPageView::sync() {
    const QScopedValueRollback<bool> syncing(syncing_, true);
    if (!state_) {
        show_cleared_page();
        return;
    }
    const EventPageState& page = state_->state();
    const EntryControls& enabled = page.controls;
    for (int i = 0; i < kind_option_count; ++i) {
        op_input[static_cast<size_t>(i)]->setChecked(int(page.kind) == i);
        op_input[static_cast<size_t>(i)]->setEnabled(enabled.kinds);
    }
    kind_panels_->setCurrentWidget(fr_event[static_cast<size_t>(page.kind)]);
    // An event being completed shows its panel, even once the shoot-out has begun.
    kind_panel_area_->setVisible(page.period != Period::shoot_out || page.completing);
    lb_event_time->setText(page.time_label());
    if (tx_event_time->text() != page.time_text()) {
        tx_event_time->setText(page.time_text());
    }
    for (QPushButton* button : {cm_time_down[0], cm_time_down[1], cm_time_up[0], cm_time_up[1]}) {
        button->setEnabled(enabled.time_buttons);
    }
    tx_event_time->setReadOnly(!enabled.time_buttons);
    cm_event_add->setEnabled(enabled.add);
    lstv_event->setEnabled(enabled.event_list);
    cm_event_all_delete->setEnabled(enabled.delete_all);
    cm_event_line_delete->setEnabled(enabled.delete_line);
    cm_harf->setEnabled(enabled.half_button);
    cm_ex->setEnabled(enabled.extra_button);
    cm_pk->setEnabled(enabled.shoot_out_button);
    paint_button(cm_ex, page.period != Period::regular);
    paint_button(cm_pk, page.period == Period::shoot_out);
    tx_score1->setText(QString::number(page.own_score));
    tx_score2->setText(QString::number(page.opponent_score));
    tx_formation->setText(page.current_formation);
    for (QPushButton* button : navigation_) {
        if (button != nullptr) {
            button->setEnabled(enabled.navigation);
        }
    }
    sync_pitch();
    sync_member_panels();
    sync_goal_panel();
    sync_details();
    sync_events();
    sync_shoot_out();
}

void EventPageView::sync_pitch() {
    const EventPageState& page = state_->state();
    if (lstv_sm->topLevelItemCount() != static_cast<int>(page.pitch.size())) {
        lstv_sm->clear();
        for (size_t row = 0; row < page.pitch.size(); ++row) {
            lstv_sm->addTopLevelItem(new QTreeWidgetItem(QStringList{QString(), QString()}));
        }
    }
    // The colour of the list as it is now enabled or not: a name drawn in the other would keep it.
    lstv_sm->setEnabled(page.controls.pitch_list);
    const QColor normal = lstv_sm->palette().color(QPalette::Text);
    for (size_t row = 0; row < page.pitch.size(); ++row) {
        QTreeWidgetItem* item = lstv_sm->topLevelItem(static_cast<int>(row));
        item->setText(0, page.pitch[row].position);
        item->setText(1, page.pitch[row].member);
        item->setForeground(1, page.pitch[row].cautioned ? QColor(0xC0, 0xC0, 0x00) : normal);
        item->setHidden(!page.row_in_play[row]);
    }
    // A highlighted row stands for a pick; once the picks are used or dropped, nothing is highlighted.
    if (!page.holds_pitch_pick()) {
        lstv_sm->clearSelection();
    }
    lb_sm->setEnabled(page.controls.pitch_list);
    QStringList shown;
    for (int i = 0; i < lst_rm->count(); ++i) {
        shown.append(lst_rm->item(i)->text());
    }
    if (shown != page.reserves) {
        lst_rm->clear();
        lst_rm->addItems(page.reserves);
    }
    if (page.member_in.isEmpty()) {
        lst_rm->clearSelection();
    }
    lst_rm->setEnabled(page.controls.reserve_list);
    lb_rm->setEnabled(page.controls.reserve_list);
}

void EventPageView::sync_member_panels() {
    const EventPageState& page = state_->state();
    tx_in->setText(page.member_in);
    tx_out->setText(page.member_out);
    tx_mem_poji1->setText(page.position_1);
    tx_mem1->setText(page.member_1);
    tx_mem_poji2->setText(page.position_2);
    tx_mem2->setText(page.member_2);
    paint_label(lb_mem1, page.member_1_next);
    paint_label(lb_mem2, page.member_2_next);
    op_card[page.sending_off ? 1 : 0]->setChecked(true);
    tx_card->setText(page.carded);
    const int chosen = cb_formation_change->findText(page.chosen_formation);
    if (cb_formation_change->currentIndex() != chosen) {
        cb_formation_change->setCurrentIndex(chosen);
    }
}

void EventPageView::sync_goal_panel() {
    const EventPageState& page = state_->state();
    tx_point->setText(page.scorer);
    tx_assist->setText(page.assister);
    for (QWidget* point : std::initializer_list<QWidget*>{lb_point, tx_point, cm_point}) {
        point->setVisible(!page.own_goal);
    }
    for (QWidget* assist : std::initializer_list<QWidget*>{lb_assist, tx_assist, cm_assist}) {
        assist->setVisible(page.assist_visible());
    }
    cm_own->setVisible(page.own_goal);
    ck_own->setChecked(page.own_goal);
    paint_label(lb_point, page.scorer_next);
    paint_label(lb_assist, page.assister_next);
    for (QWidget* button :
         std::initializer_list<QWidget*>{cm_point, cm_assist, cm_l_point, cm_l_assist, ck_own}) {
        button->setEnabled(page.controls.detail_buttons);
    }
}

void EventPageView::sync_details() {
    const EventPageState& page = state_->state();
    for (int i = 0; i < detail_panel_count; ++i) {
        const DetailPanelControls& controls = detail_panels[static_cast<size_t>(i)];
        paint_button(details_button(DetailPanel(i)), page.details_done[static_cast<size_t>(i)]);
        const bool open = page.open_panel == DetailPanel(i);
        const bool opening = open && !controls.frame->isVisibleTo(this);
        if (open != controls.frame->isVisibleTo(this)) {
            controls.frame->setVisible(open);
            // The panel takes the list's upper part: the last lines stay in sight below it.
            controls.frame->parentWidget()->layout()->activate();
            lstv_event->scrollToBottom();
        }
        for (int group = 0; group < 3; ++group) {
            QButtonGroup* buttons = controls.groups[static_cast<size_t>(group)];
            const int chosen = page.details[static_cast<size_t>(i)][static_cast<size_t>(group)];
            buttons->setExclusive(false);
            for (QAbstractButton* button : buttons->buttons()) {
                const int option = buttons->id(button);
                button->setChecked(option == chosen);
                if (group == 1) {
                    button->setEnabled(
                        page.area_enabled[static_cast<size_t>(i)][static_cast<size_t>(option)]);
                }
            }
            buttons->setExclusive(true);
        }
        if (opening) {
            focus_first_group(controls);
        }
    }
}

// A panel opens with the focus in its first group (部位): on the chosen option, else the first.
void EventPageView::focus_first_group(const DetailPanelControls& controls) {
    QButtonGroup* body = controls.groups[0];
    QAbstractButton* target = body->checkedButton() != nullptr ? body->checkedButton() : body->button(0);
    if (target != nullptr) {
        target->setFocus(Qt::OtherFocusReason);
    }
}

void EventPageView::sync_events() {
    const EventPageState& page = state_->state();
    if (page.lines_revision != shown_lines_revision_) {
        shown_lines_revision_ = page.lines_revision;
        show_event_lines();
    }
    // The line being completed stays highlighted.
    if (page.completing) {
        lstv_event->topLevelItem(*page.completing)->setSelected(true);
    } else if (!lstv_event->selectedItems().isEmpty()) {
        lstv_event->clearSelection();
    }
}

void EventPageView::show_event_lines() {
    kl::show_event_lines(lstv_event, state_->state(),
                         QStringLiteral(u"詳細が未入力です。行を選んで入力して下さい。"), true);
}

// Page 3 left by 戻る: empty lists, time and scores at zero, 交代 chosen, no shoot-out.
void EventPageView::show_cleared_page() {
    lstv_sm->clear();
    lst_rm->clear();
    lstv_event->clear();
    shown_lines_revision_ = -1;
    lstv_pk->clear();
    for (QWidget* list : std::initializer_list<QWidget*>{lstv_sm, lst_rm, lb_sm, lb_rm, cm_pk_delete}) {
        list->setEnabled(true);
    }
    for (QLineEdit* box : {tx_event_time, tx_score1, tx_score2, tx_pk_point[0], tx_pk_point[1]}) {
        box->setText(QStringLiteral(u"0"));
    }
    tx_pk->clear();
    op_input[0]->setChecked(true);
    kind_panels_->setCurrentWidget(fr_event[0]);
    fr_pk->hide();
}

void EventPageView::sync_shoot_out() {
    const EventPageState& page = state_->state();
    const ShootOut& kicks = page.shoot_out;
    fr_pk->setVisible(page.period == Period::shoot_out && !page.completing);
    for (size_t i = 0; i < op_pk.size(); ++i) {
        op_pk[i]->setChecked(kicks.own_first == (i == 0));
        op_pk[i]->setEnabled(kicks.order_enabled[i]);
    }
    for (QWidget* own : std::initializer_list<QWidget*>{lb_pk[0], tx_pk, cm_pk_point[0], cm_pk_point[1]}) {
        own->setEnabled(kicks.own_side);
    }
    for (QWidget* opponent : std::initializer_list<QWidget*>{lb_pk[1], cm_pk_point[2], cm_pk_point[3]}) {
        opponent->setEnabled(kicks.opponent_side);
    }
    tx_pk->setText(kicks.kicker);
    tx_pk_point[0]->setText(QString::number(kicks.own_points));
    tx_pk_point[1]->setText(QString::number(kicks.opponent_points));
    cm_pk_delete->setEnabled(kicks.reset_enabled);
    if (lstv_pk->topLevelItemCount() != static_cast<int>(kicks.rounds.size())) {
        lstv_pk->clear();
        for (const QStringList& round : kicks.rounds) {
            lstv_pk->addTopLevelItem(new QTreeWidgetItem(round));
        }
    } else if (!kicks.rounds.empty()) {
        QTreeWidgetItem* last = lstv_pk->topLevelItem(lstv_pk->topLevelItemCount() - 1);
        for (int column = 0; column < kicks.rounds.back().size(); ++column) {
            last->setText(column, kicks.rounds.back()[column]);
        }
    }
}

}  // namespace kl
