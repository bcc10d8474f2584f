#include "statistics_views.h"

#include "print/view_documents.h"
#include "statistics_models.h"
#include "stats/team_stats.h"
#include "widgets/choice_list.h"
#include "widgets/fonts.h"
#include "widgets/message_box.h"
#include "widgets/naming.h"
#include "widgets/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>
#include <QTreeView>
#include <QVBoxLayout>

namespace kl {
namespace {

// A statistics list showing the rows of its model.
QTreeView* statistics_list(QWidget* parent, const QString& name, StatsListModel* rows, int first_width) {
    auto* list = named(new QTreeView(parent), name);
    list->setModel(rows);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setColumnWidth(0, column_width(list, first_width));
    for (int column = 1; column < rows->columnCount(); ++column) {
        list->setColumnWidth(column, column_width(list, 1000));
    }
    list->header()->setSectionsClickable(true);
    list->header()->setStretchLastSection(false);
    return list;
}

// A hidden box that keeps a filter text of the last computation for the copy command.
QLineEdit* hidden_copy_box(QWidget* parent, int index) {
    auto* box = named(new QLineEdit(parent), indexed(u"tx_copy", index));
    box->hide();
    return box;
}

// Keeps the filter texts of a computation for the copy command.
void record_filter_texts(const StatsFilter& filter, const std::array<QComboBox*, 2>& keys, QComboBox* meeting,
                         const std::array<QLineEdit*, 3>& copy_boxes, int stored_games) {
    if (const std::optional<FilterTexts> texts = show_filter_texts(filter, keys, meeting, stored_games)) {
        copy_boxes[0]->setText(texts->from);
        copy_boxes[1]->setText(texts->to);
        copy_boxes[2]->setText(texts->meeting);
    }
}

// Sizes a list to show its header and rows rows without scrolling.
void fit_to_rows(QTreeView* list, int rows) {
    int width = 2 * list->frameWidth() + 2;
    for (int column = 0; column < list->model()->columnCount(); ++column) {
        width += list->columnWidth(column);
    }
    const int row_height = list->fontMetrics().height() + 6;
    list->setFixedSize(width,
                       list->header()->sizeHint().height() + rows * row_height + 2 * list->frameWidth() + 2);
}

// A read-only box of the personal breakdown, tall enough for its lines (a count box has one).
QTextEdit* breakdown_box(QWidget* parent, int index) {
    auto* box = named(new QTextEdit(parent), indexed(u"tx_player", index));
    box->setReadOnly(true);
    box->setAcceptRichText(false);
    box->setLineWrapMode(QTextEdit::NoWrap);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setFont(fixed_pitch_font(QFontInfo(box->font()).pixelSize()));
    const QFontMetrics metrics = box->fontMetrics();
    box->setTabStopDistance(metrics.horizontalAdvance(QStringLiteral(u"　　")));
    const int lines = index % 4 == 0 ? 1 : 8;
    const int frame = 2 * (box->frameWidth() + static_cast<int>(box->document()->documentMargin()));
    // Japanese text comes from a fallback font with taller lines than the box's own font.
    const int line_height = metrics.lineSpacing() * 3 / 2;
    box->setFixedSize(index % 4 == 0 ? px(3000) : px(2900), lines * line_height + frame + 2);
    return box;
}

void select_text(QComboBox* combo, const QString& text) {
    combo->setCurrentIndex(combo->findText(text));
}

}  // namespace

TeamDataView::TeamDataView(const md::DataStore& store, const SharedChoices& choices, QWidget* parent)
    : MainView(parent),
      fr_setting(named(new QWidget(this), QStringLiteral(u"fr_setting"))),
      ck_date(named(new QCheckBox(QStringLiteral(u"期間"), fr_setting), QStringLiteral(u"ck_date"))),
      cb_date{selection_combo(fr_setting, indexed(u"cb_date", 0), 2100),
              selection_combo(fr_setting, indexed(u"cb_date", 1), 2100)},
      lb_date(named(new QLabel(QStringLiteral(u"～"), fr_setting), QStringLiteral(u"lb_date"))),
      ck_meeting(named(new QCheckBox(QStringLiteral(u"大会名"), fr_setting), QStringLiteral(u"ck_meeting"))),
      cb_meeting(selection_combo(fr_setting, QStringLiteral(u"cb_meeting"), 1800)),
      cm_setting(named(new QPushButton(QStringLiteral(u"更新"), fr_setting), QStringLiteral(u"cm_setting"))),
      lb_game(named(new QLabel(QStringLiteral(u"通算成績"), this), QStringLiteral(u"lb_game"))),
      lb_game_detail(named(new QLabel(this), QStringLiteral(u"lb_game_detail"))),
      lstv_team(nullptr),
      tx_copy{hidden_copy_box(this, 0), hidden_copy_box(this, 1), hidden_copy_box(this, 2)},
      store_(store),
      rows_(new StatsListModel(StatsList::team, this)) {
    setObjectName(QStringLiteral(u"fr_data_2"));
    lstv_team = statistics_list(this, QStringLiteral(u"lstv_team"), rows_, 1440);
    share_filter_choices(choices, cb_date, cb_meeting);
    lb_date->setEnabled(false);
    auto* bar = new QHBoxLayout(fr_setting);
    bar->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : std::initializer_list<QWidget*>{ck_date, cb_date[0], lb_date, cb_date[1],
                                                           ck_meeting, cb_meeting, cm_setting}) {
        bar->addWidget(widget);
    }
    govern(ck_date, {cb_date[0], cb_date[1], lb_date});
    govern(ck_meeting, {cb_meeting});
    connect(cm_setting, &QPushButton::clicked, this, &TeamDataView::update);
    connect(lstv_team->header(), &QHeaderView::sectionClicked, this, &TeamDataView::sort_by_column);
    lstv_team->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lstv_team, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
        emit context_menu_requested(lstv_team->viewport()->mapToGlobal(position));
    });

    // The breakdown can be selected and copied like any text.
    lb_game_detail->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(px(120), 0, px(120), px(120));
    layout->addLayout(centred(fr_setting));
    layout->addWidget(lb_game, 0, Qt::AlignHCenter);
    layout->addWidget(lb_game_detail, 0, Qt::AlignHCenter);
    layout->addWidget(lstv_team, 1);
}

PersonalDataView::PersonalDataView(const md::DataStore& store, const SharedChoices& choices, QWidget* parent)
    : MainView(parent),
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
      tx_copy{hidden_copy_box(this, 3), hidden_copy_box(this, 4), hidden_copy_box(this, 5)},
      store_(store),
      rows_(new StatsListModel(StatsList::personal, this)) {
    setObjectName(QStringLiteral(u"fr_data_3"));
    share_filter_choices(choices, cb_date, cb_player_meeting);
    choices.members->attach(cb_player);
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
    lstv_player = statistics_list(content, QStringLiteral(u"lstv_player"), rows_, 1000);
    fit_to_rows(lstv_player, position_row_count);
    fr_player->setParent(content);
    auto* boxes = new QGridLayout(fr_player);
    boxes->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 8; ++i) {
        QTextEdit* box = breakdown_box(fr_player, i);
        const int group_row = i < 4 ? 0 : 2;  // goals, then assists
        if (i % 4 == 0) {
            boxes->addWidget(box, group_row, 0, 1, 3, Qt::AlignLeft);
        } else {
            boxes->addWidget(box, group_row + 1, i % 4 - 1);
        }
        tx_player[static_cast<size_t>(i)] = box;
    }
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(px(120), 0, 0, 0);
    column->addWidget(lstv_player, 0, Qt::AlignLeft);
    column->addSpacing(px(240));
    column->addWidget(fr_player);
    content->adjustSize();
    pt_player->setWidget(content);
    pt_player->setFrameShape(QFrame::NoFrame);
    pt_player->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    pt_player->verticalScrollBar()->setObjectName(QStringLiteral(u"vsb_player"));
    pt_player->horizontalScrollBar()->setObjectName(QStringLiteral(u"hsb_player"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(px(120), 0, px(120), px(120));
    layout->addLayout(centred(fr_player_setting));
    layout->addWidget(pt_player, 1);

    govern(ck_player_date, {cb_date[0], cb_date[1], lb_player[0]});
    govern(ck_player_meeting, {cb_player_meeting});
    connect(cm_renew, &QPushButton::clicked, this, &PersonalDataView::update);
    connect(lstv_player->header(), &QHeaderView::sectionClicked, this, &PersonalDataView::sort_by_column);
}

StatsFilter TeamDataView::filter() const {
    return filter_of(ck_date, cb_date, ck_meeting, cb_meeting);
}

void TeamDataView::update() {
    const StatsFilter chosen = filter();
    if (const std::optional<md::UserMessage> refusal = validate_filter(StatsView::team, chosen)) {
        show_message(*refusal);
        return;
    }
    record_filter_texts(chosen, cb_date, cb_meeting, tx_copy, static_cast<int>(store_.game_lines.size()));
    const TeamStats stats = compute_team_stats(store_.game_lines, chosen);
    std::vector<StatsRow> rows = team_rows(stats);
    // The list's own sorting: ascending by the text of its sort column.
    ascending_text_sort(rows, sort_column_);
    rows_->set_rows(std::move(rows));
    lb_game->setText(team_totals_line(stats.totals));
    lb_game_detail->setText(decision_breakdown_line(stats.decisions));
    has_results_ = true;
}

void TeamDataView::clear_results() {
    rows_->set_rows({});
    has_results_ = false;
}

void TeamDataView::sort_by_column(int column) {
    sort_column_ = column;
    lstv_team->header()->setSortIndicator(column, Qt::AscendingOrder);
    rows_->sort_after_header_click(column);
}

std::vector<StatsRow> TeamDataView::rows() const {
    return rows_->rows();
}

std::optional<QString> TeamDataView::chosen_member() const {
    const QModelIndexList selected = lstv_team->selectionModel()->selectedRows();
    const std::vector<StatsRow>& shown = rows_->rows();
    if (!selected.isEmpty()) {
        return shown[static_cast<size_t>(selected.front().row())][0];
    }
    if (!shown.empty()) {
        return shown.front()[0];
    }
    return std::nullopt;
}

TeamViewContent TeamDataView::content() const {
    return {tx_copy[0]->text(), tx_copy[1]->text(), tx_copy[2]->text(), lb_game->text(), rows()};
}

QString TeamDataView::copy_text() const {
    return team_view_copy_text(store_.team_name, content());
}

std::optional<PrintDocument> TeamDataView::print_document(const QDate& today) const {
    if (!has_results_) {
        return std::nullopt;
    }
    return team_data_document(store_.team_name, today, content());
}

StatsFilter PersonalDataView::filter() const {
    return filter_of(ck_player_date, cb_date, ck_player_meeting, cb_player_meeting);
}

QString PersonalDataView::member() const {
    return cb_player->currentText();
}

void PersonalDataView::update() {
    const StatsFilter chosen = filter();
    if (const std::optional<md::UserMessage> refusal =
            validate_filter(StatsView::personal, chosen, member())) {
        show_message(*refusal);
        return;
    }
    record_filter_texts(chosen, cb_date, cb_player_meeting, tx_copy,
                        static_cast<int>(store_.game_lines.size()));
    const PersonalStats stats = compute_personal_stats(store_.game_lines, chosen, member());
    rows_->set_rows(personal_rows(stats));
    const std::array<QString, 8> texts = personal_box_texts(stats);
    for (size_t i = 0; i < texts.size(); ++i) {
        tx_player[i]->setPlainText(QString(texts[i]).replace(QStringLiteral(u"\r\n"), QStringLiteral(u"\n")));
    }
    has_results_ = true;
}

void PersonalDataView::sort_by_column(int column) {
    rows_->sort_after_header_click(column);
}

std::vector<StatsRow> PersonalDataView::rows() const {
    return rows_->rows();
}

PersonalStats PersonalDataView::stats() const {
    return compute_personal_stats(store_.game_lines, filter(), member());
}

PersonalViewContent PersonalDataView::content() const {
    const PersonalStats breakdown = stats();
    return {member(), tx_copy[0]->text(),           tx_copy[1]->text(), tx_copy[2]->text(),
            rows(),   personal_copy_text(breakdown)};
}

QString PersonalDataView::copy_text() const {
    return personal_view_copy_text(store_.team_name, content());
}

std::optional<PrintDocument> PersonalDataView::print_document(const QDate& today) const {
    if (!has_results_) {
        return std::nullopt;
    }
    return personal_data_document(store_.team_name, today, content(), stats());
}

void PersonalDataView::take_filter_and_member(const StatsFilter& filter, const QString& name) {
    ck_player_date->setChecked(filter.use_period);
    if (filter.use_period) {
        select_text(cb_date[0], filter.from_key);
        select_text(cb_date[1], filter.to_key);
    }
    ck_player_meeting->setChecked(filter.use_meeting);
    if (filter.use_meeting) {
        select_text(cb_player_meeting, filter.meeting_name);
    }
    select_text(cb_player, name);
}

}  // namespace kl
