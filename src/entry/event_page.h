#pragma once

#include "event_details.h"
#include "lineup.h"
#include "shoot_out.h"
#include "store/event_composer.h"
#include "store/game_record.h"
#include "store/master_lists.h"
#include "store/user_message.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace kl {

// --- Page 3: the timeline ---

// The kind options, in their order on the page (op_input 0-5).
enum class KindOption { substitution, position_change, card, goal, conceded, formation_change };
inline constexpr int kind_option_count = 6;

enum class Period { regular, extra, shoot_out };

enum class TimeButton { back_one, back_ten, forward_one, forward_ten };

// The last minute of silver-goal extra time while a side leads in its first half: G + E/2, the half
// minute of an odd E going to the even neighbour.
int silver_goal_limit(int game_minutes, int extra_minutes);

// One row of the pitch list.
struct PitchSlot {
    QString position;
    QString member;
    bool cautioned = false;  // drawn yellow
};

// The controls page 3 enables and disables as the entry goes on.
struct EntryControls {
    bool event_list = true;
    bool detail_buttons = true;  // the five details buttons and the own-goal check box
    bool add = true;
    bool delete_all = true;
    bool delete_line = true;
    bool navigation = true;  // 戻る, 完了, キャンセル of page 3
    bool kinds = true;
    bool time_buttons = true;
    bool pitch_list = true;
    bool reserve_list = true;
    bool half_button = true;
    bool extra_button = false;
    bool shoot_out_button = false;
};

// What page 3 shows: the game so far, the pitch and reserves, the panels and which controls are
// enabled. Everybody reads it; only the operations of EventPage change it.
struct EventPageState {
    // The game's working table: entries 0-42 fixed, the event fields from 43 on.
    QStringList event_fields;
    int event_field_count = 0;

    int game_minutes = 0;
    int extra_minutes = 0;
    QString extra_mode;
    KindOption kind = KindOption::substitution;
    Period period = Period::regular;
    int last_regular_time = 0;
    int last_extra_time = 0;
    bool silver_lead = false;
    std::array<PitchSlot, starting_rows> pitch;
    // A small-sided game (fewer than eleven a side, with small-sided games on): a member substituted
    // off goes back to the end of the reserves and may come on again, and a formation change keeps
    // the number of players (side). The pitch list shows the line-up's slots in use, whatever the
    // option: a slot without position and member is no row of it.
    bool free_reentry = false;
    int side = md::full_side;
    std::array<bool, starting_rows> row_in_play{};
    QStringList reserves;
    int own_score = 0;
    int opponent_score = 0;
    std::vector<md::EventListLine> lines;
    EntryControls controls;
    // The goal panel: scorer and assister, which box the next pitch click fills (shown magenta),
    // whether the assister is asked for, and the own-goal check box.
    QString scorer;
    QString assister;
    bool scorer_next = true;
    bool assister_next = false;
    bool assist_shown = false;
    bool own_goal = false;
    int first_row = -1;
    int second_row = -1;

    // The substitution panel (IN from the reserves, OUT from the pitch), the position change panel
    // (member 1 and member 2 with their positions; which one the next pitch click fills) and the
    // card panel (警告 or 退場, and the member).
    QString member_in;
    QString member_out;
    QString position_1;
    QString member_1;
    QString position_2;
    QString member_2;
    bool member_1_next = true;
    bool member_2_next = false;
    bool sending_off = false;
    QString carded;
    // The formation in force and the one chosen for a change; while a change is being chosen the
    // pitch list previews it, and the names it replaced are remembered.
    QString current_formation;
    QString chosen_formation;
    std::optional<RowTexts> saved_pitch_names;
    // Cautions and sendings-off of this game.
    QStringList caution_names;
    std::vector<int> caution_counts;
    std::vector<int> sent_off_rows;
    // The shoot-out panel, the pitch names when the shoot-out began (kickers leave the list until
    // each has kicked once) and the number of starting members, the length of a kicker rotation.
    ShootOut shoot_out;
    RowTexts shoot_out_names;
    int starting_members = 0;

    // The option chosen in each group of each detail panel (-1: none), which options of the area
    // group are enabled, which panel is open and which details buttons show their details complete.
    std::array<std::array<int, 3>, detail_panel_count> details;
    std::array<std::array<bool, area_option_count>, detail_panel_count> area_enabled;
    std::optional<DetailPanel> open_panel;
    std::array<bool, detail_panel_count> details_done{};

    // A goal or conceded goal of a live game may stand with its details left for later: such lines
    // are marked (by line), and 完了 refuses them. Selecting a marked line opens its event for
    // completion (completing): the goal or conceded panel shows the event, the pitch list the members
    // on the pitch when it happened, and 追加 writes the details into the event where it stands.
    std::vector<bool> details_missing;
    std::optional<int> completing;
    // Counts every change of the lines (added, taken back, completed): a list showing them need only
    // look again when it moved.
    int lines_revision = 0;

    // The minute box's text, and the range of the period shown beside it.
    QString time_text() const { return time_text_; }
    QString time_label() const;
    bool assist_visible() const { return assist_shown && !own_goal; }
    // Whether a member picked from the pitch list waits in a panel (or as the next kicker).
    bool holds_pitch_pick() const;

  protected:
    int first_extra_minute() const;

    QString time_text_ = QStringLiteral(u"0");
};

// Page 3: its state and one operation per user action. The window shows the state and nothing
// else, so every rule of the page lives here.
class EventPage : private EventPageState {
  public:
    // prepare_event_page: sets the page up from event_fields 0-42 (game information and line-up);
    // formations: the master list, for formation changes; small_sided_games: the option, under which
    // a line-up of fewer than eleven positions plays by the small-sided rules.
    explicit EventPage(const QStringList& fixed_fields, std::vector<md::Formation> formations = {},
                       bool small_sided_games = false);

    const EventPageState& state() const { return *this; }
    // The events added, in order.
    const std::vector<md::GameEvent>& events() const { return events_; }
    using EventPageState::assist_visible;
    using EventPageState::holds_pitch_pick;
    using EventPageState::time_label;
    using EventPageState::time_text;

    void choose_kind(KindOption option);
    void click_pitch_row(int row);
    void click_reserve(int index);
    void choose_card(bool sending_off);
    void choose_formation_change(const QString& formation);
    void step_time(TimeButton button);
    // Typed minutes: digits only; brought within the period's bounds when the event is added.
    void type_time(const QString& text);

    void open_details(DetailPanel panel);
    void choose_detail(DetailPanel panel, int group, int option);
    void close_details(DetailPanel panel);  // the panel's OK
    void set_own_goal(bool ticked);

    // 追加: the refusal to show, or nothing when the event was added. While an event is being
    // completed, 追加 completes it.
    std::optional<md::UserMessage> add();
    // 追加 of a live game: a goal or conceded goal goes in whatever its details (and scorer), to be
    // completed later; other kinds as add().
    std::optional<md::UserMessage> add_leaving_details();

    // A line of the event list chosen: a marked line opens its event for completion; any other
    // choice (-1: none) ends a completion, dropping what it chose.
    void select_event(int index);
    // 完了's check: the first event whose details are missing is opened for completion, and the
    // message that refuses it returned; nothing when every event is complete.
    std::optional<md::UserMessage> refuse_missing_details();
    // A live game gives an event's details one tap at a time, after it was added: a detail of a goal
    // (finish, or assist once it has an assister) or of a conceded goal, or the assister of a goal,
    // a member of pitch row `row` (the finish becomes 被アシスト). False when the event takes no
    // such detail; an area the action rules out is refused, and an action moves the area as its
    // panel would.
    bool set_event_detail(int index, DetailPanel panel, int group, int option);
    bool set_event_assister(int index, int row);

    // 前・後半, 延長戦 and PK戦: the refusal to show, or nothing when the period changed.
    std::optional<md::UserMessage> choose_period(Period chosen);
    // The shoot-out panel: 先攻 or 後攻, a kick's ○ or × (the refusal to show), 初期化.
    void choose_kick_order(bool own_first);
    std::optional<md::UserMessage> record_kick(bool own, bool scored);
    void reset_shoot_out();

    // 1行削除: takes back the last event and everything it changed.
    void delete_last_event();
    // 全削除: the page as it was when it opened.
    void delete_all_events();

    // The options of each group of a panel, in order: body part, area, action.
    static const QStringList& options(DetailPanel panel, int group) { return detail_options(panel, group); }

  private:
    // A fixed field of the game (game information and line-up) by its record position.
    QString fixed_field(int position) const { return event_fields[md::working_entry(position)]; }
    int floor() const;
    int ceiling() const;
    int event_minute() const;
    void reset_entry_panels();
    void forget_member_picks();
    void lock_entry_controls(bool locked);
    void apply_area_rule(DetailPanel panel, int action);
    md::GoalDetail detail_of(DetailPanel panel) const;
    std::optional<md::UserMessage> add_goal(bool leave_details);
    std::optional<md::UserMessage> add_conceded(bool leave_details);
    QStringList goal_fields(const QString& minute, const QString& mark) const;
    QStringList conceded_fields(const QString& minute, const QString& mark) const;
    std::optional<md::UserMessage> add_substitution();
    std::optional<md::UserMessage> add_position_change();
    std::optional<md::UserMessage> add_card();
    std::optional<md::UserMessage> add_formation_change();
    void after_event();
    void click_scorer_or_assister(int row);
    void restore_saved_names();
    void remember_pitch_names();
    void write_back_saved_names();
    const md::Formation* formation_named(const QString& name) const;
    // The position codes of a formation, by row (row 0 the goalkeeper's, left as it is).
    RowTexts rows_of(const md::Formation& formation) const;
    int& caution_count(const QString& member);
    bool room_for(qsizetype field_count) const;
    void append_event(const QStringList& fields);
    void after_scoring_event();
    void close_for_entry();
    void end_by_golden_goal();
    std::optional<md::UserMessage> add_shoot_out();
    void close_after_shoot_out();

    // Completing an event whose details are missing (event_completion.cpp).
    struct Completion {
        EntryControls controls;
        KindOption kind;
        QString time_text;
        RowTexts pitch_names;
    };
    void enter_completion(int index);
    void leave_completion();
    void show_event_in_panel(const md::GameEvent& event);
    std::optional<md::UserMessage> complete_selected();
    void replace_event(int index, const QStringList& fields);
    RowTexts pitch_names() const;
    void set_pitch_names(const RowTexts& names);

    // Periods (event_periods.cpp).
    void back_to_regular_time();
    void enter_timed_period(Period timed);
    std::optional<md::UserMessage> go_to_extra_time();
    std::optional<md::UserMessage> start_shoot_out();
    void leave_shoot_out();
    void take_kicker_off();
    void restore_shoot_out_names();
    bool meeting_has_extra_time() const;
    bool meeting_has_shoot_out() const;

    // Taking an event back (event_deletion.cpp).
    int row_of(const QString& member) const;
    int cautions_of(const QString& member) const;
    void undo(const md::GameEvent& removed, int removed_minute);
    void undo_card(const md::GameEvent& removed);
    void undo_scoring(const md::GameEvent& removed, int removed_minute);
    void undo_formation_change();
    void undo_shoot_out();
    void period_after_removal(bool shoot_out_removed, int removed_minute, int minute_before);

    std::vector<md::Formation> formations_;
    std::vector<md::GameEvent> events_;     // the events added, in order, to take back the last
    std::vector<RowTexts> pitch_at_event_;  // the pitch names when each event was added
    std::optional<Completion> completion_;  // what completing an event put aside
    // The rows of each position change: a row left empty by a sending-off holds no name to find.
    std::vector<std::pair<int, int>> swapped_rows_;
    int kicker_row = -1;
};

}  // namespace kl
