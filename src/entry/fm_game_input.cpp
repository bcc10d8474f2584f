#include "fm_game_input.h"

#include "event_panels.h"
#include "game_completion.h"
#include "game_info.h"
#include "store/master_lists.h"
#include "widgets/back_colour.h"
#include "widgets/child_window.h"
#include "widgets/choice_list.h"
#include "widgets/message_box.h"
#include "widgets/naming.h"
#include "widgets/row_choice.h"
#include "widgets/store_actions.h"
#include "widgets/twips.h"

#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace kl {
namespace {

QComboBox* combo(QWidget* parent, const QString& name, bool editable) {
    auto* box = named(new QComboBox(parent), name);
    box->setEditable(editable);
    if (editable) {
        // A typed name is kept as typed: no completion from the list, no new entry on Enter.
        box->setCompleter(nullptr);
        box->setInsertPolicy(QComboBox::NoInsert);
    }
    return box;
}

const std::array<QSize, 3> page_sizes = {QSize(px(5415), px(5205)), QSize(px(8520), px(6400)),
                                         QSize(px(8625), px(7035))};

}  // namespace

fm_game_input::fm_game_input(md::DataStore& store, const QWidget* owner,
                             std::optional<GameCorrection> correction)
    : store_(store), correction_(std::move(correction)) {
    setObjectName(QStringLiteral(u"fm_game_input"));
    setWindowFlags(Qt::Window);
    pages_ = new QStackedLayout;
    fr_input = {build_page1(), build_page2(), events = new EventPageView(this)};
    for (int page = 0; page < 3; ++page) {
        auto* frame = new QWidget(this);
        auto* column = new QVBoxLayout(frame);
        column->addWidget(fr_input[static_cast<size_t>(page)], 1);
        cm_back[static_cast<size_t>(page)] =
            named(new QPushButton(QStringLiteral(u"戻る"), frame), indexed(u"cm_back", page));
        cm_next[static_cast<size_t>(page)] =
            named(new QPushButton(page == 2 ? QStringLiteral(u"完了") : QStringLiteral(u"次へ"), frame),
                  indexed(u"cm_next", page));
        cm_cancel[static_cast<size_t>(page)] =
            named(new QPushButton(QStringLiteral(u"キャンセル"), frame), indexed(u"cm_cancel", page));
        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        for (QPushButton* button : {cm_back[static_cast<size_t>(page)], cm_next[static_cast<size_t>(page)],
                                    cm_cancel[static_cast<size_t>(page)]}) {
            // Enter in the page never goes back or throws the entry away.
            button->setAutoDefault(false);
            buttons->addWidget(button);
        }
        column->addLayout(buttons);
        pages_->addWidget(frame);
        connect(cm_cancel[static_cast<size_t>(page)], &QPushButton::clicked, this, &QWidget::close);
    }
    fr_input[0]->setObjectName(QStringLiteral(u"fr_input_0"));
    fr_input[1]->setObjectName(QStringLiteral(u"fr_input_1"));
    events->set_navigation({cm_back[2], cm_next[2], cm_cancel[2]});
    setLayout(pages_);

    connect(cm_back[0], &QPushButton::clicked, this, &QWidget::close);
    connect(cm_next[0], &QPushButton::clicked, this, &fm_game_input::next_from_page1);
    connect(cm_back[1], &QPushButton::clicked, this, [this] { show_page(0); });
    connect(cm_next[1], &QPushButton::clicked, this, &fm_game_input::next_from_page2);
    connect(cm_back[2], &QPushButton::clicked, this, &fm_game_input::back_from_page3);
    connect(cm_next[2], &QPushButton::clicked, this, &fm_game_input::complete);
    connect(events, &EventPageView::refused, this,
            [](const md::UserMessage& message) { show_message(message); });

    fill_lists();
    if (correction_) {
        show_correction();
    }
    show_page(0);
    centre_over(this, owner);
}

QWidget* fm_game_input::build_page1() {
    auto* page = new QWidget(this);
    tx_date = named(new QLineEdit(page), QStringLiteral(u"tx_date"));
    cm_down1 = named(new QPushButton(QStringLiteral(u"<<"), page), QStringLiteral(u"cm_down1"));
    cm_down = named(new QPushButton(QStringLiteral(u"<"), page), QStringLiteral(u"cm_down"));
    cm_up = named(new QPushButton(QStringLiteral(u">"), page), QStringLiteral(u"cm_up"));
    cm_up1 = named(new QPushButton(QStringLiteral(u">>"), page), QStringLiteral(u"cm_up1"));
    cb_time_h = combo(page, QStringLiteral(u"cb_time_h"), false);
    cb_time_m = combo(page, QStringLiteral(u"cb_time_m"), false);
    cb_ground = {combo(page, indexed(u"cb_ground", 0), false), combo(page, indexed(u"cb_ground", 1), true)};
    cb_team = {combo(page, indexed(u"cb_team", 0), false), combo(page, indexed(u"cb_team", 1), true)};
    cb_meeting = combo(page, QStringLiteral(u"cb_meeting"), false);
    lb_game_time1 = named(new QLabel(page), QStringLiteral(u"lb_game_time1"));
    lb_game_ex1 = named(new QLabel(page), QStringLiteral(u"lb_game_ex1"));
    lb_game_ex2 = named(new QLabel(page), QStringLiteral(u"lb_game_ex2"));
    lb_game_pk1 = named(new QLabel(page), QStringLiteral(u"lb_game_pk1"));
    cb_writer = {combo(page, indexed(u"cb_writer", 0), true), combo(page, indexed(u"cb_writer", 1), true)};

    auto* layout = new QGridLayout(page);
    auto label = [page](const char16_t* text) { return new QLabel(QString::fromUtf16(text), page); };
    auto* date_row = new QHBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{tx_date, cm_down1, cm_down, cm_up, cm_up1}) {
        date_row->addWidget(widget);
    }
    for (QPushButton* button : {cm_down1, cm_down, cm_up, cm_up1}) {
        button->setFixedWidth(px(450));
    }
    auto* time_row = new QHBoxLayout;
    time_row->addWidget(cb_time_h);
    time_row->addWidget(label(u"時"));
    time_row->addWidget(cb_time_m);
    time_row->addWidget(label(u"分"));
    time_row->addStretch();
    auto* game_time_row = new QHBoxLayout;
    game_time_row->addWidget(lb_game_time1);
    game_time_row->addStretch();
    auto* extra_row = new QHBoxLayout;
    extra_row->addWidget(lb_game_ex1);
    extra_row->addWidget(lb_game_ex2, 1);
    auto pair = [](QComboBox* first, QComboBox* second) {
        auto* row = new QHBoxLayout;
        row->addWidget(first, 1);
        row->addWidget(second, 1);
        return row;
    };
    const std::pair<const char16_t*, QLayout*> rows[] = {
        {u"日付", date_row},
        {u"開始時間", time_row},
        {u"場所", pair(cb_ground[0], cb_ground[1])},
        {u"対戦相手", pair(cb_team[0], cb_team[1])},
        {u"大会名", nullptr},
        {u"試合時間", game_time_row},
        {u"延長", extra_row},
        {u"PK戦", nullptr},
        {u"起票者", pair(cb_writer[0], cb_writer[1])},
    };
    int row = 0;
    for (const auto& [caption, content] : rows) {
        layout->addWidget(label(caption), row, 0);
        if (content != nullptr) {
            layout->addLayout(content, row, 1);
        }
        ++row;
    }
    layout->addWidget(cb_meeting, 4, 1);
    layout->addWidget(lb_game_pk1, 7, 1);
    layout->setRowStretch(row, 1);

    const std::pair<QPushButton*, DateButton> date_buttons[] = {{cm_down1, DateButton::month_back},
                                                                {cm_down, DateButton::day_back},
                                                                {cm_up, DateButton::day_forward},
                                                                {cm_up1, DateButton::month_forward}};
    for (const auto& [button, kind] : date_buttons) {
        connect(button, &QPushButton::clicked, this, [this, kind = kind] {
            tx_date->setText(shifted_date(tx_date->text(), kind, QDate::currentDate()));
        });
    }
    on_entry_chosen(cb_meeting, [this](int index) { show_meeting(index); });
    return page;
}

QWidget* fm_game_input::build_page2() {
    auto* page = new QWidget(this);
    cb_formation = combo(page, QStringLiteral(u"cb_formation"), false);
    lst_member = named(new QListWidget(page), QStringLiteral(u"lst_member"));
    lst_member_check = named(new QListWidget(page), QStringLiteral(u"lst_member_check"));
    lst_member_check->hide();
    auto* starters =
        named(new QGroupBox(QStringLiteral(u"スターティングメンバー"), page), QStringLiteral(u"fr_s_member"));
    auto* reserves =
        named(new QGroupBox(QStringLiteral(u"リザーブメンバー"), page), QStringLiteral(u"fr_r_member"));
    auto* starter_rows = new QGridLayout(starters);
    starter_rows->setVerticalSpacing(1);
    for (int row = 0; row < starting_rows; ++row) {
        auto* button = named(new QPushButton(starters), indexed(u"cm_poji", row));
        button->setFixedWidth(px(700));
        cm_poji[static_cast<size_t>(row)] = button;
        tx_member[static_cast<size_t>(row)] = named(new QLineEdit(starters), indexed(u"tx_member", row));
        starter_rows->addWidget(button, row, 0);
        starter_rows->addWidget(tx_member[static_cast<size_t>(row)], row, 1);
        connect(button, &QPushButton::clicked, this, [this, row] {
            lineup_.click_position(row);
            sync_lineup();
        });
    }
    auto* reserve_rows = new QVBoxLayout(reserves);
    reserve_rows->setSpacing(1);
    for (int slot = 0; slot < reserve_slots; ++slot) {
        auto* box = named(new QLineEdit(reserves), indexed(u"tx_member", starting_rows + slot));
        tx_member[static_cast<size_t>(starting_rows + slot)] = box;
        reserve_rows->addWidget(box);
    }
    cm_r_add = named(new QPushButton(QStringLiteral(u"追加"), reserves), QStringLiteral(u"cm_r_add"));
    cm_r_delete = named(new QPushButton(QStringLiteral(u"削除"), reserves), QStringLiteral(u"cm_r_delete"));
    auto* reserve_buttons = new QHBoxLayout;
    reserve_buttons->addWidget(cm_r_add);
    reserve_buttons->addWidget(cm_r_delete);
    reserve_rows->addLayout(reserve_buttons);
    reserve_rows->addStretch();

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral(u"フォーメーション"), page));
    left->addWidget(cb_formation);
    left->addWidget(new QLabel(QStringLiteral(u"メンバー"), page));
    left->addWidget(lst_member, 1);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left, 2);
    layout->addWidget(starters, 3);
    layout->addWidget(reserves, 2);

    on_entry_chosen(cb_formation, [this](int index) {
        if (index < 0) {
            return;
        }
        const QString name = cb_formation->itemText(index);
        for (const md::Formation& formation : store_.formations()) {
            if (formation.name == name) {
                lineup_.choose_formation(formation);
                break;
            }
        }
        sync_lineup();
    });
    connect(lst_member, &QListWidget::currentRowChanged, this, [this](int row) { lineup_.selected = row; });
    connect(cm_r_add, &QPushButton::clicked, this, [this] {
        lineup_.add_reserve();
        sync_lineup();
    });
    connect(cm_r_delete, &QPushButton::clicked, this, [this] {
        lineup_.delete_reserve();
        sync_lineup();
    });
    for (int box = 0; box < starting_rows + reserve_slots; ++box) {
        // Typed or set by the program, a box's text is the line-up's.
        connect(tx_member[static_cast<size_t>(box)], &QLineEdit::textChanged, this,
                [this, box](const QString& text) {
                    (box < starting_rows ? lineup_.starters[static_cast<size_t>(box)]
                                         : lineup_.reserves[static_cast<size_t>(box - starting_rows)]) = text;
                    sync_lineup();
                });
    }
    return page;
}

int fm_game_input::box_in_use() const {
    return store_.keyboard_entry ? 1 : 0;
}

void fm_game_input::fill_lists() {
    const int used = box_in_use();
    for (int index = 0; index < 2; ++index) {
        for (QComboBox* box : {cb_writer[static_cast<size_t>(index)], cb_ground[static_cast<size_t>(index)],
                               cb_team[static_cast<size_t>(index)]}) {
            box->setVisible(index == used);
        }
    }
    const std::pair<std::array<QComboBox*, 2>*, const QString*> lists[] = {
        {&cb_writer, &store_.recorder_list},
        {&cb_ground, &store_.ground_list},
        {&cb_team, &store_.opponent_list}};
    for (const auto& [boxes, list] : lists) {
        for (QComboBox* box : *boxes) {
            box->addItems(md::split_list(*list));
            box->setCurrentIndex(-1);
        }
    }
    // The recorder boxes start with "1", so an empty form reports the start time first.
    cb_writer[0]->setEditText(QStringLiteral(u"1"));
    cb_writer[1]->setEditText(QStringLiteral(u"1"));
    tx_date->setText(QDate::currentDate().toString(date_format));
    cb_time_h->addItems(hour_choices());
    cb_time_m->addItems(minute_choices());
    cb_time_h->setCurrentIndex(-1);
    cb_time_m->setCurrentIndex(-1);
    // Filling the choosers chooses nothing yet.
    const QSignalBlocker quiet_meetings(cb_meeting);
    const QSignalBlocker quiet_formations(cb_formation);
    for (const md::Meeting& meeting : store_.meetings()) {
        cb_meeting->addItem(meeting.name);
    }
    cb_meeting->setCurrentIndex(-1);
    for (const md::Formation& formation : store_.formations()) {
        cb_formation->addItem(formation.name);
        events->cb_formation_change->addItem(formation.name);
    }
    cb_formation->setCurrentIndex(-1);
    events->cb_formation_change->setCurrentIndex(-1);
    lineup_.small_sided_games = store_.small_sided_games;
    lineup_.available = md::split_list(store_.member_list);
    lst_member_check->addItems(lineup_.available);
    // Without keyboard entry, names come only from the list.
    for (QLineEdit* box : tx_member) {
        box->setReadOnly(!store_.keyboard_entry);
    }
    sync_lineup();
}

void fm_game_input::show_page(int page) {
    page_ = page;
    // The window takes the size of the page shown; the pages behind it claim no room.
    for (int shown = 0; shown < pages_->count(); ++shown) {
        const QSizePolicy::Policy policy = shown == page ? QSizePolicy::Preferred : QSizePolicy::Ignored;
        pages_->widget(shown)->setSizePolicy(policy, policy);
    }
    pages_->setCurrentIndex(page);
    const QString task = correction_ ? QStringLiteral(u"試合データ修正") : QStringLiteral(u"試合データ入力");
    setWindowTitle(task + QStringLiteral(u" （") + QString::number(page + 1) + QStringLiteral(u"/3）"));
    resize(page_sizes[static_cast<size_t>(page)].expandedTo(minimumSizeHint()));
    first_input(page)->setFocus();
}

// Where the typing starts on each page: the date, the formation, the event kind.
QWidget* fm_game_input::first_input(int page) const {
    switch (page) {
        case 0:
            return tx_date;
        case 1:
            return cb_formation;
        default:
            break;
    }
    for (QRadioButton* option : events->op_input) {
        if (option->isChecked()) {
            return option;
        }
    }
    return events->op_input[0];
}

void fm_game_input::show_meeting(int index) {
    lb_game_ex2->clear();
    if (const std::optional<md::Meeting> rules = rules_for(cb_meeting->itemText(index))) {
        const MeetingLabels labels = meeting_labels(*rules);
        lb_game_time1->setText(labels.game_time);
        lb_game_ex1->setText(labels.extra_time);
        lb_game_ex2->setText(labels.extra_detail);
        lb_game_pk1->setText(labels.shoot_out);
    }
}

std::optional<md::Meeting> fm_game_input::rules_for(const QString& meeting) const {
    if (correction_ && meeting == correction_->rules.name) {
        return correction_->rules;
    }
    std::optional<md::Meeting> found;
    for (const md::Meeting& stored : store_.meetings()) {
        if (stored.name == meeting) {
            found = stored;  // of two meetings of one name, the last one's rules
        }
    }
    return found;
}

namespace {

// Shows a stored text in a chooser: typed into an editable one, chosen in a list, which takes it
// for this window when it is no longer a master name.
void show_stored_text(QComboBox* box, const QString& text) {
    if (box->isEditable()) {
        box->setEditText(text);
        return;
    }
    if (box->findText(text) < 0) {
        box->addItem(text);
    }
    box->setCurrentIndex(box->findText(text));
}

}  // namespace

// Pages 1 and 2 as the corrected game was entered; names no longer in the master lists are shown.
void fm_game_input::show_correction() {
    const GameCorrection& game = *correction_;
    const int used = box_in_use();
    tx_date->setText(game.info.date);
    show_stored_text(cb_time_h, game.info.hour);
    show_stored_text(cb_time_m, game.info.minute);
    for (QComboBox* recorder : cb_writer) {
        recorder->setEditText(game.info.recorder);
    }
    show_stored_text(cb_ground[static_cast<size_t>(used)], game.info.ground);
    show_stored_text(cb_team[static_cast<size_t>(used)], game.info.opponent);
    show_stored_text(cb_meeting, game.info.meeting);
    {
        // The line-up keeps its stored positions: choosing the formation would give them anew.
        const QSignalBlocker quiet(cb_formation);
        show_stored_text(cb_formation, game.lineup.formation);
    }
    lineup_ = game.lineup;
    sync_lineup();
}

void fm_game_input::next_from_page1() {
    const int used = box_in_use();
    const GameInfo info{cb_writer[static_cast<size_t>(used)]->currentText(),
                        tx_date->text(),
                        cb_time_h->currentText(),
                        cb_time_m->currentText(),
                        cb_ground[static_cast<size_t>(used)]->currentText(),
                        cb_team[static_cast<size_t>(used)]->currentText(),
                        cb_meeting->currentIndex() >= 0 ? cb_meeting->currentText() : QString()};
    const std::optional<int> corrected = correction_ ? std::optional(correction_->position) : std::nullopt;
    if (const std::optional<md::UserMessage> refusal = check_game_info(info, store_, corrected)) {
        show_message(*refusal);
        return;
    }
    if (const std::optional<md::Meeting> rules = rules_for(info.meeting)) {
        fixed_fields_ = game_info_fields(info, *rules);
    }
    show_page(1);
}

void fm_game_input::next_from_page2() {
    const LineupCheck check = check_lineup(lineup_);
    if (check.refusal) {
        show_message(*check.refusal);
        return;
    }
    if (check.question && !ask_yes_no(check.question->title, check.question->text)) {
        return;
    }
    // The game information of page 1, then the line-up from the formation on.
    fixed_fields_ = fixed_fields_.mid(0, md::working_entry(md::record::formation)) + lineup_fields(lineup_);
    std::vector<md::Formation> formations = store_.formations();
    if (correction_) {
        formations = replay_formations(formations, correction_->game);
    }
    auto page = std::make_unique<EventPage>(fixed_fields_, std::move(formations), lineup_.small_sided_games);
    // A corrected game's stored events are entered again on the line-up as it is now, up to one that
    // no longer fits.
    const std::optional<ReplayStop> stop =
        correction_ ? replay_events(*page, events_for_lineup(*correction_, lineup_),
                                    ReplayMatch::positions_may_follow)
                    : std::nullopt;
    events->set_state(std::move(page));
    show_page(2);
    if (stop) {
        show_message(replay_cut_message(*stop));
    }
}

void fm_game_input::back_from_page3() {
    const EventPage* page = events->state();
    if (page != nullptr && page->state().event_field_count >= 1 &&
        !ask_yes_no(QStringLiteral(u"イベントの削除"),
                    QStringLiteral(u"「戻る」　と入力した内容が削除されます。よろしいですか？"))) {
        return;
    }
    events->set_state(nullptr);
    show_page(1);
}

void fm_game_input::complete() {
    const EventPage* page = events->state();
    if (page == nullptr) {
        return;
    }
    std::optional<TypedNames> typed;
    if (store_.add_typed_names) {
        TypedNames names{cb_writer[1]->currentText(),
                         cb_ground[1]->currentText(),
                         cb_team[1]->currentText(),
                         entries_of(cb_writer[0]),
                         entries_of(cb_ground[0]),
                         entries_of(cb_team[0]),
                         {},
                         {}};
        for (size_t box = 0; box < tx_member.size(); ++box) {
            names.members[box] = tx_member[box]->text();
        }
        for (int i = 0; i < lst_member_check->count(); ++i) {
            names.member_check.append(lst_member_check->item(i)->text());
        }
        if (correction_) {
            count_stored_names_as_known(names, *correction_);
        }
        typed = names;
    }
    // The store as it was: put back when the game cannot be saved, so nothing is half stored.
    const md::DataStore before = store_;
    const QStringList& fields = page->state().event_fields;
    const int field_count = page->state().event_field_count;
    if (const std::optional<md::UserMessage> refusal =
            correction_ && correction_->position >= 0
                ? replace_game(store_, correction_->position, fields, field_count, typed)
                : complete_game(store_, fields, field_count, typed)) {
        show_message(*refusal);
        return;
    }
    switch (save_or_report(store_)) {
        case SaveOutcome::saved:
            emit games_changed();
            close();
            break;
        case SaveOutcome::not_saved:
            store_ = before;
            break;
        case SaveOutcome::reloaded:
            // A corrected game takes the place of its line where the file still holds it.
            if (correction_) {
                correction_->position = static_cast<int>(store_.game_lines.indexOf(correction_->line));
            }
            emit team_file_reloaded();
            break;
    }
}

void fm_game_input::sync_lineup() {
    for (int row = 0; row < starting_rows; ++row) {
        QPushButton* button = cm_poji[static_cast<size_t>(row)];
        button->setText(lineup_.positions[static_cast<size_t>(row)]);
        set_back_colour(button, lineup_.starters[static_cast<size_t>(row)].isEmpty()
                                    ? std::nullopt
                                    : std::optional<QColor>(light_cyan));
        // A small-sided formation hides the rows it does not use.
        button->setVisible(lineup_.row_in_play(row));
        tx_member[static_cast<size_t>(row)]->setVisible(lineup_.row_in_play(row));
    }
    for (int box = 0; box < starting_rows + reserve_slots; ++box) {
        const QString& text = box < starting_rows
                                  ? lineup_.starters[static_cast<size_t>(box)]
                                  : lineup_.reserves[static_cast<size_t>(box - starting_rows)];
        QLineEdit* edit = tx_member[static_cast<size_t>(box)];
        if (edit->text() != text) {
            const QSignalBlocker quiet(edit);
            edit->setText(text);
        }
    }
    if (store_.keyboard_entry) {
        // Reserves are typed in order: the slots after the first empty one wait.
        const int first_empty = lineup_.first_empty_reserve();
        for (int slot = 0; slot < reserve_slots; ++slot) {
            QLineEdit* box = tx_member[static_cast<size_t>(starting_rows + slot)];
            // A slot that waits for the ones before it also looks locked.
            box->setReadOnly(slot > first_empty);
            box->setEnabled(slot <= first_empty);
        }
    }
    const QSignalBlocker blocker(lst_member);
    lst_member->clear();
    lst_member->addItems(lineup_.available);
    lst_member->setCurrentRow(lineup_.selected);
}

}  // namespace kl
