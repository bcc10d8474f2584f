#include "fm_live.h"

#include "event_panels.h"
#include "widgets/child_window.h"
#include "widgets/message_box.h"
#include "widgets/naming.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStackedLayout>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace kl {
namespace {

// Touch: rows and buttons a finger hits outdoors.
constexpr int button_height = 48;
constexpr int row_height = 36;
constexpr int tick_ms = 200;
constexpr std::array<int, 3> detail_option_counts = {4, 5, 8};  // body parts, areas, actions

const QColor caution_colour(0xC0, 0xC0, 0x00);
const QColor at_risk_colour(0xFF, 0xC8, 0x6E);
const QColor out_of_reach_colour(0xD8, 0xD8, 0xD8);
const QColor typed_minute_colour(0xFF, 0xF4, 0xB0);

QTreeWidget* list(QWidget* parent, const QString& name, const QStringList& headers) {
    auto* view = named(new QTreeWidget(parent), name);
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setHeaderLabels(headers);
    view->setAllColumnsShowFocus(true);
    view->header()->setSectionsMovable(false);
    return view;
}

QFont sized(QFont font, int points, bool bold = false) {
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

// The selected rows' names of a list, in row order.
QStringList selected_names(const QTreeWidget* view, int name_column) {
    QStringList names;
    for (int row = 0; row < view->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = view->topLevelItem(row);
        if (item->isSelected() && !item->text(name_column).isEmpty()) {
            names.append(item->text(name_column));
        }
    }
    return names;
}

// Fills a list with rows of texts, keeping the rows selected by name (column name_column).
void show_rows(QTreeWidget* view, const std::vector<QStringList>& rows, int name_column) {
    const QStringList selected = selected_names(view, name_column);
    while (view->topLevelItemCount() > static_cast<int>(rows.size())) {
        delete view->takeTopLevelItem(view->topLevelItemCount() - 1);
    }
    for (size_t row = 0; row < rows.size(); ++row) {
        QTreeWidgetItem* item = static_cast<int>(row) < view->topLevelItemCount()
                                    ? view->topLevelItem(static_cast<int>(row))
                                    : nullptr;
        if (item == nullptr) {
            item = new QTreeWidgetItem(view);
            item->setSizeHint(0, QSize(0, row_height));
        }
        for (int column = 0; column < rows[row].size(); ++column) {
            if (item->text(column) != rows[row][column]) {
                item->setText(column, rows[row][column]);
            }
        }
        const bool keep =
            selected.contains(rows[row].value(name_column)) && !rows[row].value(name_column).isEmpty();
        if (item->isSelected() != keep) {
            item->setSelected(keep);
        }
    }
}

}  // namespace

fm_live::fm_live(LiveGame game, LiveJournal journal, TimeSource clock, int target_share, const QWidget* owner)
    : game_(std::move(game)),
      journal_(std::move(journal)),
      clock_(std::move(clock)),
      target_share_(target_share),
      ticks_(new QTimer(this)) {
    setObjectName(QStringLiteral(u"fm_live"));
    setWindowFlags(Qt::Window);
    setWindowTitle(QStringLiteral(u"ライブ入力 - ") +
                   game_.setup().fixed_fields.value(md::working_entry(md::record::opponent)));
    setFont(sized(font(), 12));

    lstv_live_pitch =
        list(this, QStringLiteral(u"lstv_live_pitch"),
             {QStringLiteral(u"ポジション"), QStringLiteral(u"名前"), QStringLiteral(u"出場時間")});
    lstv_live_pitch->setSelectionMode(QAbstractItemView::MultiSelection);
    lstv_live_pitch->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    lstv_live_pitch->header()->setStretchLastSection(false);
    lstv_live_pitch->setColumnWidth(0, 100);
    lstv_live_pitch->setColumnWidth(2, 130);
    lstv_live_bench = list(this, QStringLiteral(u"lstv_live_bench"),
                           {QStringLiteral(u"名前"), QStringLiteral(u"出場時間")});
    lstv_live_bench->setSelectionMode(QAbstractItemView::SingleSelection);
    lstv_live_bench->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lstv_live_bench->header()->setStretchLastSection(false);
    lstv_live_bench->setColumnWidth(1, 130);
    lstv_live_event = list(this, QStringLiteral(u"lstv_live_event"),
                           {QStringLiteral(u"時間"), QStringLiteral(u"イベント"), QStringLiteral(u"内容")});
    lstv_live_event->setSelectionMode(QAbstractItemView::NoSelection);
    lstv_live_event->setFocusPolicy(Qt::NoFocus);
    lstv_live_event->setColumnWidth(0, 60);
    lstv_live_event->setColumnWidth(1, 190);
    lstv_live_event->setFixedHeight(150);
    for (QTreeWidget* members : {lstv_live_pitch, lstv_live_bench}) {
        members->installEventFilter(this);
    }

    auto* middle = new QHBoxLayout;
    middle->addWidget(lstv_live_pitch, 6);
    middle->addWidget(lstv_live_bench, 4);
    middle->addWidget(build_actions(), 9);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(6);
    layout->addWidget(build_top_bar());
    layout->addLayout(middle, 1);
    layout->addWidget(lstv_live_event);
    connect_actions();

    connect(ticks_, &QTimer::timeout, this, &fm_live::show_clock);
    connect(ticks_, &QTimer::timeout, this, &fm_live::show_members);
    ticks_->start(tick_ms);
    show_game();
    place_on_screen(owner);
    lstv_live_pitch->setFocus();
}

// Centred over its owner, as every window, but whole on the owner's screen: a laptop's 1366x768
// shows it all.
void fm_live::place_on_screen(const QWidget* owner) {
    const QRect screen = (owner != nullptr ? owner->screen() : this->screen())->availableGeometry();
    resize(QSize(1280, 720).boundedTo(screen.size()));
    centre_over(this, owner);
    const QRect frame = frameGeometry();
    move(std::clamp(frame.left(), screen.left(), std::max(screen.left(), screen.right() + 1 - frame.width())),
         std::clamp(frame.top(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - frame.height())));
}

QWidget* fm_live::build_top_bar() {
    auto* bar = new QWidget(this);
    lb_live_period = named(new QLabel(bar), QStringLiteral(u"lb_live_period"));
    lb_live_period->setFont(sized(font(), 20, true));
    lb_live_period->setMinimumWidth(130);
    lb_live_clock = named(new QLabel(bar), QStringLiteral(u"lb_live_clock"));
    lb_live_clock->setFont(sized(font(), 34, true));
    lb_live_score = named(new QLabel(bar), QStringLiteral(u"lb_live_score"));
    lb_live_score->setFont(sized(font(), 22, true));
    cm_live_start =
        action_button(QStringLiteral(u"cm_live_start"), QStringLiteral(u"キックオフ"), Qt::Key_F5);
    cm_live_pause = action_button(QStringLiteral(u"cm_live_pause"), QStringLiteral(u"一時停止"), Qt::Key_F6);
    cm_live_period_end =
        action_button(QStringLiteral(u"cm_live_period_end"), QStringLiteral(u"前半終了"), Qt::Key_F8);
    tx_live_minute = named(new QLineEdit(bar), QStringLiteral(u"tx_live_minute"));
    tx_live_minute->setValidator(new QIntValidator(0, 999, tx_live_minute));
    tx_live_minute->setFont(sized(font(), 20, true));
    tx_live_minute->setAlignment(Qt::AlignCenter);
    tx_live_minute->setFixedSize(80, button_height);
    tx_live_minute->installEventFilter(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(lb_live_period);
    row->addWidget(lb_live_clock);
    row->addSpacing(24);
    row->addWidget(lb_live_score);
    row->addStretch();
    for (QPushButton* button : {cm_live_start, cm_live_pause, cm_live_period_end}) {
        button->setParent(bar);
        row->addWidget(button);
    }
    row->addSpacing(16);
    row->addWidget(new QLabel(QStringLiteral(u"時間"), bar));
    row->addWidget(tx_live_minute);
    row->addWidget(new QLabel(QStringLiteral(u"分"), bar));
    return bar;
}

QPushButton* fm_live::action_button(const QString& name, const QString& caption, const QKeySequence& key) {
    auto* button = named(new QPushButton(this), name);
    button->setMinimumHeight(button_height);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);  // the keys belong to the lists and the minute
    button->setProperty("caption", caption);
    button->setProperty("key", key.toString(QKeySequence::NativeText));
    button->setText(caption + QStringLiteral(u" (") + key.toString(QKeySequence::NativeText) + u')');
    // A key presses the button at once, and only while the button can be pressed.
    auto* shortcut = new QShortcut(key, this);
    connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isEnabled() && button->isVisible()) {
            button->click();
        }
    });
    return button;
}

QWidget* fm_live::build_actions() {
    auto* column = new QWidget(this);
    cm_live_goal = action_button(QStringLiteral(u"cm_live_goal"), QStringLiteral(u"得点"), Qt::Key_G);
    cm_live_assist = action_button(QStringLiteral(u"cm_live_assist"), QStringLiteral(u"アシスト"), Qt::Key_A);
    cm_live_conceded = action_button(QStringLiteral(u"cm_live_conceded"), QStringLiteral(u"失点"), Qt::Key_C);
    cm_live_sub = action_button(QStringLiteral(u"cm_live_sub"), QStringLiteral(u"交代"), Qt::Key_S);
    cm_live_card = action_button(QStringLiteral(u"cm_live_card"), QStringLiteral(u"警告"), Qt::Key_Y);
    cm_live_red = action_button(QStringLiteral(u"cm_live_red"), QStringLiteral(u"退場"), Qt::Key_R);
    cm_live_position =
        action_button(QStringLiteral(u"cm_live_position"), QStringLiteral(u"ポジション変更"), Qt::Key_P);
    cm_live_ex = action_button(QStringLiteral(u"cm_live_ex"), QStringLiteral(u"延長戦"), Qt::Key_E);
    cm_live_pk = action_button(QStringLiteral(u"cm_live_pk"), QStringLiteral(u"PK戦"), Qt::Key_K);
    cm_live_undo =
        action_button(QStringLiteral(u"cm_live_undo"), QStringLiteral(u"1つ戻す"), QKeySequence::Undo);
    cm_live_finish =
        action_button(QStringLiteral(u"cm_live_finish"), QStringLiteral(u"試合終了"), Qt::Key_F12);
    auto* grid = new QGridLayout;
    grid->setSpacing(6);
    const QPushButton* cells[4][3] = {{cm_live_goal, cm_live_assist, cm_live_conceded},
                                      {cm_live_sub, cm_live_card, cm_live_red},
                                      {cm_live_position, cm_live_ex, cm_live_pk},
                                      {cm_live_undo, cm_live_finish, nullptr}};
    for (int row = 0; row < 4; ++row) {
        for (int cell = 0; cell < 3; ++cell) {
            if (cells[row][cell] != nullptr) {
                QPushButton* button = const_cast<QPushButton*>(cells[row][cell]);
                button->setParent(column);
                grid->addWidget(button, row, cell);
            }
        }
    }
    auto* lower = new QWidget(column);
    lower_panels_ = new QStackedLayout(lower);
    lower_panels_->addWidget(build_details());
    lower_panels_->addWidget(build_shoot_out());
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
    layout->addWidget(lower, 1);
    return column;
}

QWidget* fm_live::build_details() {
    auto* panel = new QWidget(this);
    lb_live_detail = named(new QLabel(panel), QStringLiteral(u"lb_live_detail"));
    auto* parts = new QHBoxLayout;
    parts->addWidget(lb_live_detail, 1);
    for (int part = 0; part < 2; ++part) {
        QPushButton* button = named(new QPushButton(panel), indexed(u"cm_live_detail_part", part));
        button->setCheckable(true);
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
        button->setMinimumHeight(button_height - 4);
        connect(button, &QPushButton::clicked, this, [this, part] {
            detail_part_ = part;
            show_details();
        });
        cm_live_detail_part[static_cast<size_t>(part)] = button;
        parts->addWidget(button);
    }
    auto* options = new QGridLayout;
    options->setSpacing(4);
    const char16_t* groups[] = {u"部位", u"ポジション", u"アクション"};
    const char16_t* names[] = {u"cm_live_body", u"cm_live_area", u"cm_live_action"};
    const QFont option_font = sized(font(), 10);
    int grid_row = 0;
    for (int group = 0; group < 3; ++group) {
        options->addWidget(new QLabel(QString::fromUtf16(groups[group]), panel), grid_row, 0);
        const int count = detail_option_counts[static_cast<size_t>(group)];
        for (int option = 0; option < count; ++option) {
            auto* button = named(new QPushButton(panel), indexed(names[group], option));
            button->setCheckable(true);
            button->setAutoDefault(false);
            button->setFocusPolicy(Qt::NoFocus);
            button->setFont(option_font);
            button->setMinimumHeight(button_height - 4);
            connect(button, &QPushButton::clicked, this,
                    [this, group, option] { choose_detail(group, option); });
            cm_live_detail_option[static_cast<size_t>(group)].push_back(button);
            // Eight actions take two rows of four.
            const int per_row = group == 2 ? 4 : 5;
            options->addWidget(button, grid_row + option / per_row, 1 + option % per_row);
        }
        grid_row += group == 2 ? 2 : 1;
    }
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 6, 0, 0);
    layout->addLayout(parts);
    layout->addLayout(options);
    layout->addStretch();
    return panel;
}

QWidget* fm_live::build_shoot_out() {
    fr_live_pk = named(new QWidget(this), QStringLiteral(u"fr_live_pk"));
    cm_live_pk_order = {
        action_button(QStringLiteral(u"cm_live_pk_order_0"), QStringLiteral(u"先攻"), Qt::Key_Q),
        action_button(QStringLiteral(u"cm_live_pk_order_1"), QStringLiteral(u"後攻"), Qt::Key_W)};
    const char16_t* kicks[] = {u"○", u"×", u"○", u"×"};
    const Qt::Key keys[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4};
    for (int i = 0; i < 4; ++i) {
        cm_live_pk_point[static_cast<size_t>(i)] =
            action_button(indexed(u"cm_live_pk_point", i), QString::fromUtf16(kicks[i]), keys[i]);
    }
    lb_live_pk_score = named(new QLabel(fr_live_pk), QStringLiteral(u"lb_live_pk_score"));
    lb_live_pk_score->setFont(sized(font(), 16, true));
    cm_live_pk_reset =
        named(new QPushButton(QStringLiteral(u"初期化"), fr_live_pk), QStringLiteral(u"cm_live_pk_reset"));
    cm_live_pk_reset->setMinimumHeight(button_height);
    cm_live_pk_reset->setAutoDefault(false);
    cm_live_pk_reset->setFocusPolicy(Qt::NoFocus);
    auto* grid = new QGridLayout(fr_live_pk);
    grid->setContentsMargins(0, 6, 0, 0);
    grid->addWidget(cm_live_pk_order[0], 0, 1);
    grid->addWidget(cm_live_pk_order[1], 0, 2);
    grid->addWidget(new QLabel(QStringLiteral(u"自チーム"), fr_live_pk), 1, 0);
    grid->addWidget(cm_live_pk_point[0], 1, 1);
    grid->addWidget(cm_live_pk_point[1], 1, 2);
    grid->addWidget(new QLabel(QStringLiteral(u"敵チーム"), fr_live_pk), 2, 0);
    grid->addWidget(cm_live_pk_point[2], 2, 1);
    grid->addWidget(cm_live_pk_point[3], 2, 2);
    grid->addWidget(lb_live_pk_score, 3, 0, 1, 2);
    grid->addWidget(cm_live_pk_reset, 3, 2);
    grid->setRowStretch(4, 1);
    for (QPushButton* button : {cm_live_pk_order[0], cm_live_pk_order[1], cm_live_pk_point[0],
                                cm_live_pk_point[1], cm_live_pk_point[2], cm_live_pk_point[3]}) {
        button->setParent(fr_live_pk);
    }
    return fr_live_pk;
}

void fm_live::connect_actions() {
    const std::pair<QPushButton*, LiveVerb> on_selection[] = {{cm_live_goal, LiveVerb::goal},
                                                              {cm_live_assist, LiveVerb::assist},
                                                              {cm_live_conceded, LiveVerb::conceded},
                                                              {cm_live_sub, LiveVerb::substitution},
                                                              {cm_live_card, LiveVerb::caution},
                                                              {cm_live_red, LiveVerb::sending_off},
                                                              {cm_live_position, LiveVerb::position_change}};
    for (const auto& [button, verb] : on_selection) {
        connect(button, &QPushButton::clicked, this, [this, verb = verb] { act_on_selection(verb); });
    }
    const std::pair<QPushButton*, LiveVerb> plain[] = {{cm_live_start, LiveVerb::kick_off},
                                                       {cm_live_pause, LiveVerb::pause},
                                                       {cm_live_period_end, LiveVerb::period_end},
                                                       {cm_live_ex, LiveVerb::extra_time},
                                                       {cm_live_pk, LiveVerb::shoot_out},
                                                       {cm_live_undo, LiveVerb::undo},
                                                       {cm_live_pk_reset, LiveVerb::shoot_out_reset}};
    for (const auto& [button, verb] : plain) {
        connect(button, &QPushButton::clicked, this, [this, verb = verb] { act(LiveAction(verb)); });
    }
    for (int i = 0; i < 2; ++i) {
        connect(cm_live_pk_order[static_cast<size_t>(i)], &QPushButton::clicked, this, [this, i] {
            LiveAction order(LiveVerb::kick_order);
            order.own = i == 0;
            act(order);
        });
    }
    for (int i = 0; i < 4; ++i) {
        connect(cm_live_pk_point[static_cast<size_t>(i)], &QPushButton::clicked, this,
                [this, i] { kick(i < 2, i % 2 == 0); });
    }
    connect(cm_live_finish, &QPushButton::clicked, this, &fm_live::finish);
    connect(tx_live_minute, &QLineEdit::textEdited, this, [this](const QString& text) {
        game_.type_minute(text);
        show_clock();
    });
    auto* full_screen = new QShortcut(Qt::Key_F11, this);
    connect(full_screen, &QShortcut::activated, this,
            [this] { isFullScreen() ? showNormal() : showFullScreen(); });
}

LiveSelection fm_live::selection() const {
    return {selected_names(lstv_live_pitch, 1), selected_names(lstv_live_bench, 0)};
}

void fm_live::act(const LiveAction& action) {
    const TimedAction timed{clock_(), action};
    LiveGame next = game_;
    if (const std::optional<md::UserMessage> refusal = next.apply(timed)) {
        show_message(*refusal);
        return;
    }
    // Nothing shows what the journal does not hold.
    if (const std::optional<md::UserMessage> failure = journal_.append(timed)) {
        show_message(*failure);
        return;
    }
    game_ = std::move(next);
    show_game();
}

void fm_live::act_on_selection(LiveVerb verb) {
    const std::variant<LiveAction, md::UserMessage> action =
        live_action_for(verb, selection(), game_, clock_());
    if (const auto* refusal = std::get_if<md::UserMessage>(&action)) {
        show_message(*refusal);
        return;
    }
    const int events_before = static_cast<int>(game_.page().state().lines.size());
    act(std::get<LiveAction>(action));
    // An event added takes its picks; the assister may be picked next.
    if (static_cast<int>(game_.page().state().lines.size()) > events_before || verb == LiveVerb::assist) {
        lstv_live_pitch->clearSelection();
        lstv_live_bench->clearSelection();
    }
}

void fm_live::kick(bool own, bool scored) {
    const std::variant<LiveAction, md::UserMessage> action = live_kick_for(own, scored, selection());
    if (const auto* refusal = std::get_if<md::UserMessage>(&action)) {
        show_message(*refusal);
        return;
    }
    act(std::get<LiveAction>(action));
    lstv_live_pitch->clearSelection();
}

std::optional<DetailPanel> fm_live::detail_panel() const {
    if (detail_event_ < 0) {
        return std::nullopt;
    }
    const md::GameEvent& event = game_.page().events()[static_cast<size_t>(detail_event_)];
    if (event.kind == md::EventKind::Conceded) {
        return detail_part_ == 0 ? DetailPanel::conceded_finish : DetailPanel::play_before;
    }
    if (event.is_own_goal()) {
        return DetailPanel::own_goal;
    }
    return detail_part_ == 0 ? DetailPanel::finish : DetailPanel::assist;
}

void fm_live::choose_detail(int group, int option) {
    const std::optional<DetailPanel> panel = detail_panel();
    if (!panel) {
        return;
    }
    LiveAction detail(LiveVerb::detail);
    detail.event = detail_event_;
    detail.panel = *panel;
    detail.group = group;
    detail.option = option;
    act(detail);
}

void fm_live::finish() {
    if (!ask_yes_no(QStringLiteral(u"確認"), QStringLiteral(u"試合を終了しますか？"))) {
        return;
    }
    act(LiveAction(LiveVerb::finish));
    if (game_.finished()) {
        emit game_finished();
        close();
    }
}

void fm_live::show_game() {
    const EventPageState& page = game_.page().state();
    const LiveClock& clock = game_.clock();
    const bool events = game_.takes_events();
    cm_live_start->setEnabled(is_timed(game_.shown_period()) && !clock.running());
    cm_live_start->setText(
        (clock.started() && !clock.running() ? QStringLiteral(u"再開") : QStringLiteral(u"キックオフ")) +
        QStringLiteral(u" (F5)"));
    cm_live_pause->setEnabled(clock.running());
    cm_live_period_end->setEnabled(game_.can_end_period());
    if (const QString caption = period_end_caption(game_.period()); !caption.isEmpty()) {
        cm_live_period_end->setText(caption + QStringLiteral(u" (F8)"));
    }
    for (QPushButton* button :
         {cm_live_goal, cm_live_conceded, cm_live_sub, cm_live_card, cm_live_red, cm_live_position}) {
        button->setEnabled(events);
    }
    // An assist follows its goal.
    cm_live_assist->setEnabled(!page.lines.empty() && page.lines.back().kind == md::words::goal &&
                               !game_.page().events().back().is_own_goal());
    cm_live_ex->setEnabled(game_.can_go_to_extra_time());
    cm_live_pk->setEnabled(game_.can_go_to_shoot_out());
    cm_live_undo->setEnabled(game_.can_undo());
    tx_live_minute->setEnabled(events);
    lb_live_score->setText(QString::number(page.own_score) + QStringLiteral(u" - ") +
                           QString::number(page.opponent_score));
    lower_panels_->setCurrentWidget(game_.period() == LivePeriod::shoot_out ? fr_live_pk
                                                                            : lower_panels_->widget(0));
    show_clock();
    show_members();
    show_events();
    show_details();
    show_shoot_out();
}

void fm_live::show_clock() {
    const qint64 now = clock_();
    lb_live_period->setText(period_caption(game_.shown_period()));
    // The shoot-out and the end of the game have no clock.
    lb_live_clock->setText(is_timed(game_.period()) ? clock_text(game_.clock().elapsed(now))
                                                    : QStringLiteral(u"--:--"));
    // A minute being typed stays as typed; otherwise the box follows the clock.
    const QString minute = game_.minute_text(now);
    if (!game_.minute_typed() && tx_live_minute->text() != minute) {
        tx_live_minute->setText(minute);
    }
    QPalette palette = tx_live_minute->palette();
    palette.setColor(QPalette::Base,
                     game_.minute_typed() ? typed_minute_colour : this->palette().color(QPalette::Base));
    tx_live_minute->setPalette(palette);
}

void fm_live::show_members() {
    const EventPageState& page = game_.page().state();
    if (page.lines_revision != stints_revision_) {
        stints_revision_ = page.lines_revision;
        stints_ = pitch_stints(game_);
    }
    const PlayingTime time = playing_time(game_, stints_, clock_(), target_share_);
    std::vector<QStringList> pitch_rows;
    for (const MemberTime& member : time.pitch) {
        pitch_rows.push_back(
            {page.pitch[static_cast<size_t>(member.row)].position, member.member,
             member.member.isEmpty() ? QString() : playing_time_text(member.played_ms, time.game_ms)});
    }
    show_rows(lstv_live_pitch, pitch_rows, 1);
    const QColor normal = lstv_live_pitch->palette().color(QPalette::Active, QPalette::Text);
    for (size_t row = 0; row < time.pitch.size(); ++row) {
        const bool cautioned = page.pitch[static_cast<size_t>(time.pitch[row].row)].cautioned;
        lstv_live_pitch->topLevelItem(static_cast<int>(row))
            ->setForeground(1, cautioned ? caution_colour : normal);
    }
    std::vector<QStringList> bench_rows;
    for (const MemberTime& member : time.bench) {
        bench_rows.push_back({member.member, playing_time_text(member.played_ms, time.game_ms)});
    }
    show_rows(lstv_live_bench, bench_rows, 0);
    const QString target = QString::number(target_share_) + u'%';
    for (size_t row = 0; row < time.bench.size(); ++row) {
        const MemberTime& member = time.bench[row];
        QTreeWidgetItem* item = lstv_live_bench->topLevelItem(static_cast<int>(row));
        // Members who cannot come back are shown, not picked.
        item->setFlags(member.can_come_on ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags);
        const QBrush background = member.status == ShareStatus::at_risk        ? QBrush(at_risk_colour)
                                  : member.status == ShareStatus::out_of_reach ? QBrush(out_of_reach_colour)
                                                                               : QBrush();
        const QString tip =
            member.status == ShareStatus::at_risk
                ? QString::number(share_warning_minutes) +
                      QStringLiteral(u"分以内に出場しないと目標の出場時間（") + target +
                      QStringLiteral(u"）に届きません。")
            : member.status == ShareStatus::out_of_reach
                ? QStringLiteral(u"目標の出場時間（") + target + QStringLiteral(u"）には届きません。")
                : QString();
        for (int column = 0; column < 2; ++column) {
            if (item->background(column) != background) {
                item->setBackground(column, background);
            }
            item->setToolTip(column, tip);
        }
    }
}

void fm_live::show_events() {
    const EventPageState& page = game_.page().state();
    if (page.lines_revision == shown_revision_) {
        return;
    }
    shown_revision_ = page.lines_revision;
    show_event_lines(lstv_live_event, page, QStringLiteral(u"詳細が未入力です。"), false);
}

void fm_live::show_details() {
    const int latest = game_.latest_scoring_event();
    if (latest != detail_event_) {
        detail_event_ = latest;
        detail_part_ = 0;
    }
    const std::optional<DetailPanel> panel = detail_panel();
    if (!panel) {
        lb_live_detail->setText(QStringLiteral(u"得点・失点の詳細"));
        for (QPushButton* part : cm_live_detail_part) {
            part->setVisible(false);
        }
        for (const auto& group : cm_live_detail_option) {
            for (QPushButton* button : group) {
                button->setText(QString());
                button->setEnabled(false);
                button->setChecked(false);
            }
        }
        return;
    }
    const md::GameEvent& event = game_.page().events()[static_cast<size_t>(detail_event_)];
    const md::EventListLine& line = game_.page().state().lines[static_cast<size_t>(detail_event_)];
    const bool goal = event.kind == md::EventKind::Goal;
    const QString who = goal ? event.scorer() : QString();
    lb_live_detail->setText(line.time + QStringLiteral(u"分　") + line.kind +
                            (who.isEmpty() ? QString() : u'　' + who) +
                            (game_.page().state().details_missing[static_cast<size_t>(detail_event_)]
                                 ? QStringLiteral(u"　（未入力あり）")
                                 : QString()));
    const std::array<QString, 2> parts =
        goal ? std::array<QString, 2>{QStringLiteral(u"得点"), QStringLiteral(u"アシスト")}
             : std::array<QString, 2>{QStringLiteral(u"フィニッシュ"), QStringLiteral(u"1プレー前")};
    for (size_t part = 0; part < parts.size(); ++part) {
        QPushButton* button = cm_live_detail_part[part];
        button->setVisible(true);
        button->setText(parts[part]);
        button->setChecked(detail_part_ == static_cast<int>(part));
        button->setEnabled(part == 0 || !goal || (!event.assister().isEmpty() && !event.is_own_goal()));
    }
    const md::GoalDetail chosen = *panel == DetailPanel::assist        ? event.assist()
                                  : *panel == DetailPanel::play_before ? event.play_before()
                                                                       : event.finish();
    const std::array<QString, 3> values = {chosen.body, chosen.area, chosen.action};
    const AreaChoice areas = area_after_action(*panel, chosen.action, -1);
    for (int group = 0; group < 3; ++group) {
        const QStringList& captions = EventPage::options(*panel, group);
        const auto& buttons = cm_live_detail_option[static_cast<size_t>(group)];
        for (size_t option = 0; option < buttons.size(); ++option) {
            QPushButton* button = buttons[option];
            const bool offered = static_cast<int>(option) < captions.size();
            button->setVisible(offered);
            if (!offered) {
                continue;
            }
            button->setText(captions[static_cast<int>(option)]);
            button->setChecked(captions[static_cast<int>(option)] == values[static_cast<size_t>(group)]);
            button->setEnabled(group != 1 || areas.enabled[option]);
        }
    }
}

void fm_live::show_shoot_out() {
    const ShootOut& kicks = game_.page().state().shoot_out;
    for (size_t i = 0; i < 2; ++i) {
        cm_live_pk_order[i]->setEnabled(kicks.order_enabled[i] && game_.period() == LivePeriod::shoot_out);
        cm_live_pk_order[i]->setCheckable(true);
        cm_live_pk_order[i]->setChecked(kicks.own_first == (i == 0));
    }
    cm_live_pk_point[0]->setEnabled(kicks.own_side);
    cm_live_pk_point[1]->setEnabled(kicks.own_side);
    cm_live_pk_point[2]->setEnabled(kicks.opponent_side);
    cm_live_pk_point[3]->setEnabled(kicks.opponent_side);
    cm_live_pk_reset->setEnabled(kicks.reset_enabled && game_.period() == LivePeriod::shoot_out);
    QStringList rounds;
    for (const QStringList& round : kicks.rounds) {
        rounds.append(round.join(u' '));
    }
    lb_live_pk_score->setText(
        QStringLiteral(u"PKスコア　") + QString::number(kicks.own_points) + QStringLiteral(u" - ") +
        QString::number(kicks.opponent_points) +
        (rounds.isEmpty() ? QString() : QStringLiteral(u"　　") + rounds.join(QStringLiteral(u"　"))));
}

bool fm_live::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) {
        return QWidget::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == tx_live_minute) {
        // The minute box takes digits and editing keys; every other key stays an action's.
        const bool editing =
            (key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9 && key->modifiers() == Qt::NoModifier) ||
            key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete || key->key() == Qt::Key_Left ||
            key->key() == Qt::Key_Right || key->key() == Qt::Key_Home || key->key() == Qt::Key_End;
        return event->type() == QEvent::ShortcutOverride && !editing;
    }
    auto* members = qobject_cast<QTreeWidget*>(watched);
    if (members == nullptr || event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    // Left and right go between the pitch and the bench; up and down pick the row they reach.
    if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right) {
        (members == lstv_live_pitch ? lstv_live_bench : lstv_live_pitch)->setFocus();
        return true;
    }
    if ((key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) && members->topLevelItemCount() > 0) {
        const int current = members->currentIndex().isValid() ? members->currentIndex().row() : -1;
        const int next =
            std::clamp(current + (key->key() == Qt::Key_Up ? -1 : 1), 0, members->topLevelItemCount() - 1);
        members->setCurrentItem(members->topLevelItem(next), 0,
                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void fm_live::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && isFullScreen()) {
        showNormal();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace kl
