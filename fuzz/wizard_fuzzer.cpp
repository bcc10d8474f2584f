#include "entry/event_page.h"
#include "entry/game_completion.h"
#include "entry/game_info.h"
#include "entry/lineup.h"
#include "event_actions.h"
#include "exercise.h"
#include "reports/copy_texts.h"
#include "reports/game_lists.h"
#include "store/data_store.h"
#include "store/event_composer.h"
#include "store/game_record.h"
#include "store/master_lists.h"
#include "store/text_file.h"

#include <QDate>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>

// Random user actions over the whole game entry wizard (pages 1-3 and 完了) against a team file in
// memory. After every 完了 the file the store would write must load, hold the same tables, and
// report the stored game as the wizard showed it; then the wizard opens again on that team.

namespace {

using namespace kl;
using namespace kl::fuzz;

const QDate today(2024, 6, 1);

// A team with its master lists and one stored game, as the bytes of its file.
QByteArray team_file() {
    QStringList members;
    for (int i = 1; i <= 16; ++i) {
        members.append(QStringLiteral(u"選手") + QString::number(i));
    }
    QString stored_game =
        QStringLiteral(u"#,山田,2006/04/01,10:00,市民グラウンド,青葉FC,リーグ戦,80,なし,,,なし,4-4-2");
    for (int row = 0; row < 11; ++row) {
        stored_game += (row == 0 ? QStringLiteral(u",GK,") : QStringLiteral(u",CB,")) + members[row];
    }
    stored_game += QStringLiteral(u",,,,,,,,,,##");
    const QStringList lines = {QStringLiteral(u"[チーム名]"),
                               QStringLiteral(u"テストFC"),
                               QStringLiteral(u"[メンバー]"),
                               members.join(u','),
                               QStringLiteral(u"[グラウンド]"),
                               QStringLiteral(u"市民グラウンド,河川敷"),
                               QStringLiteral(u"[対戦チーム]"),
                               QStringLiteral(u"青葉FC,若葉SC"),
                               QStringLiteral(u"[起票者]"),
                               QStringLiteral(u"山田,佐藤"),
                               QStringLiteral(u"[フォーメーション]"),
                               QStringLiteral(u"4-4-2,2,0,0,2,2,0,2,2,0"),
                               QStringLiteral(u"3-5-2,2,0,1,2,2,0,3,0,0"),
                               QStringLiteral(u"4-3-3,1,2,0,0,3,0,2,2,0"),
                               QStringLiteral(u"2-3-2,2,0,0,2,1,0,2,0,0"),
                               QStringLiteral(u"3-3-1,1,0,0,2,1,0,3,0,0"),
                               QStringLiteral(u"1-1-1,1,0,0,0,1,0,1,0,0"),
                               QString(),
                               QStringLiteral(u"[大会]"),
                               QStringLiteral(u"リーグ戦,80,なし,,,なし"),
                               QStringLiteral(u"カップ戦,70,あり,ゴールデンゴール方式,20,あり"),
                               QStringLiteral(u"選手権,90,あり,シルバーゴール方式,30,あり"),
                               QStringLiteral(u"招待試合,60,あり,前・後半,10,なし"),
                               QString(),
                               QStringLiteral(u"[試合データ]"),
                               stored_game};
    return md::encode_cp932_lines(lines).bytes;
}

// What a user may type: names of the lists, new ones, and names no file can hold.
QString typed_name(uint8_t argument) {
    static const QStringList names = {
        QStringLiteral(u"山田"),       QStringLiteral(u"鈴木"),    QStringLiteral(u"市民グラウンド"),
        QStringLiteral(u"青葉FC"),     QStringLiteral(u"選手1"),   QStringLiteral(u"選手20"),
        QStringLiteral(u"新人"),       QStringLiteral(u"ｶﾀｶﾅ①"),   QString(),
        QStringLiteral(u"改\r\n行"),   QStringLiteral(u"タブ\t"),  QStringLiteral(u"A,B"),
        QStringLiteral(u"[大会]"),     QStringLiteral(u"絵文字😀"), QString(101, u'長'),
        QStringLiteral(u"2006/04/01"), QStringLiteral(u" "),       QStringLiteral(u"#"),
        QStringLiteral(u"##"),         QStringLiteral(u"交代"),    QStringLiteral(u"GK"),
    };
    return names[argument % names.size()];
}

QString chosen(const QStringList& items, uint8_t argument) {
    return items.isEmpty() ? QString() : items[argument % items.size()];
}

// The wizard's state from its opening to 完了, driven through the operations its window calls.
class Wizard {
  public:
    explicit Wizard(md::DataStore& store) : store_(store) { open(); }

    void act(uint8_t action, uint8_t argument) {
        switch (page_) {
            case 0:
                act_on_page1(action, argument);
                break;
            case 1:
                act_on_page2(action, argument);
                break;
            default:
                act_on_page3(action, argument);
                break;
        }
    }

  private:
    // What the window does when it opens: the lists from the master lists, today's date, the
    // recorder box holding "1".
    void open() {
        meetings_ = store_.meetings();
        formations_ = store_.formations();
        recorders_ = md::split_list(store_.recorder_list);
        grounds_ = md::split_list(store_.ground_list);
        opponents_ = md::split_list(store_.opponent_list);
        members_ = md::split_list(store_.member_list);
        info_ = GameInfo{QStringLiteral(u"1"), today.toString(date_format), {}, {}, {}, {}, {}};
        lineup_ = Lineup();
        lineup_.small_sided_games = small_sided();
        lineup_.available = members_;
        fixed_fields_.clear();
        events_.reset();
        page_ = 0;
    }

    bool keyboard() const { return store_.keyboard_entry; }
    bool small_sided() const { return store_.small_sided_games; }

    void act_on_page1(uint8_t action, uint8_t argument) {
        switch (action % 12) {
            case 0:
                info_.recorder = chosen(recorders_, argument);
                break;
            case 1:
                info_.recorder = typed_name(argument);  // the recorder box always takes typing
                break;
            case 2:
                info_.date = shifted_date(info_.date, DateButton(argument % 4), today);
                break;
            case 3:
                info_.date = argument % 2 == 0 ? typed_name(argument / 2)
                                               : today.addDays(-(argument / 2)).toString(date_format);
                break;
            case 4:
                info_.hour = chosen(hour_choices(), argument);
                break;
            case 5:
                info_.minute = chosen(minute_choices(), argument);
                break;
            case 6:
                info_.ground =
                    keyboard() && argument % 2 == 1 ? typed_name(argument / 2) : chosen(grounds_, argument);
                break;
            case 7:
                info_.opponent =
                    keyboard() && argument % 2 == 1 ? typed_name(argument / 2) : chosen(opponents_, argument);
                break;
            case 8:
                info_.meeting = meetings_.empty() ? QString() : meetings_[argument % meetings_.size()].name;
                break;
            case 9:
            case 10:
                next_from_page1();
                break;
            default:
                if (argument % 8 == 0) {
                    open();  // キャンセル: the wizard closes; the user opens it again
                }
                break;
        }
    }

    void next_from_page1() {
        if (check_game_info(info_, store_)) {
            return;
        }
        for (const md::Meeting& meeting : meetings_) {
            if (meeting.name == info_.meeting) {
                fixed_fields_ = game_info_fields(info_, meeting);
            }
        }
        page_ = 1;
    }

    void act_on_page2(uint8_t action, uint8_t argument) {
        switch (action % 10) {
            case 0:
                if (!formations_.empty()) {
                    lineup_.choose_formation(formations_[argument % formations_.size()]);
                }
                break;
            case 1:
                lineup_.selected =
                    lineup_.available.isEmpty() ? -1 : argument % static_cast<int>(lineup_.available.size());
                break;
            case 2:
            case 3:
                lineup_.click_position(argument % starting_rows);
                break;
            case 4:
                lineup_.add_reserve();
                break;
            case 5:
                lineup_.delete_reserve();
                break;
            case 6:
                type_member(argument);
                break;
            case 7:
                page_ = 0;  // 戻る keeps the line-up
                break;
            case 8:
                next_from_page2(argument % 2 == 0);
                break;
            default:
                if (argument % 8 == 0) {
                    open();
                }
                break;
        }
    }

    // Keyboard mode: a starting box, or a reserve slot up to the first empty one, takes a name.
    void type_member(uint8_t argument) {
        if (!keyboard()) {
            return;
        }
        const int box = argument % (starting_rows + reserve_slots);
        const QString name = argument % 3 == 0 ? chosen(members_, argument / 3) : typed_name(argument / 3);
        if (box < starting_rows) {
            lineup_.starters[static_cast<size_t>(box)] = name;
        } else if (box - starting_rows <= lineup_.first_empty_reserve()) {
            lineup_.reserves[static_cast<size_t>(box - starting_rows)] = name;
        }
    }

    void next_from_page2(bool answer_yes) {
        const LineupCheck check = check_lineup(lineup_);
        if (check.refusal || (check.question && !answer_yes)) {
            return;
        }
        fixed_fields_ = fixed_fields_.mid(0, 11) + lineup_fields(lineup_);
        events_ = std::make_unique<EventPage>(fixed_fields_, formations_, small_sided());
        lineup_members_ = lineup_.filled_starters() +
                          std::count_if(lineup_.reserves.begin(), lineup_.reserves.end(),
                                        [](const QString& reserve) { return !reserve.isEmpty(); });
        page_ = 2;
    }

    void act_on_page3(uint8_t action, uint8_t argument) {
        switch (action % 24) {
            case 20:
                // 戻る: with events entered, the user is asked whether they may go.
                if (events_->state().event_field_count == 0 || argument % 2 == 0) {
                    events_.reset();
                    page_ = 1;
                }
                return;
            case 21:
                complete();
                return;
            case 22:
                if (argument % 16 == 0) {
                    open();
                }
                return;
            default: {
                QStringList formation_names;
                for (const md::Formation& formation : formations_) {
                    formation_names.append(formation.name);
                }
                act_on_event_page(*events_, action, argument, {formation_names, reserve_slots + 1});
                check_event_page(*events_, lineup_members_);
                return;
            }
        }
    }

    std::optional<TypedNames> typed_names() const {
        if (!store_.add_typed_names) {
            return std::nullopt;
        }
        TypedNames names{info_.recorder, info_.ground, info_.opponent, recorders_, grounds_,
                         opponents_,     {},           members_};
        for (int box = 0; box < starting_rows; ++box) {
            names.members[static_cast<size_t>(box)] = lineup_.starters[static_cast<size_t>(box)];
        }
        for (int slot = 0; slot < reserve_slots; ++slot) {
            names.members[static_cast<size_t>(starting_rows + slot)] =
                lineup_.reserves[static_cast<size_t>(slot)];
        }
        return names;
    }

    // 完了, then what the stored file must show of the game.
    void complete() {
        check_event_record(*events_);
        const QString line =
            md::compose_record_line(events_->state().event_fields, events_->state().event_field_count);
        if (complete_game(store_, events_->state().event_fields, events_->state().event_field_count,
                          typed_names())) {
            return;  // a game the file could not hold: the store is unchanged
        }
        // Every name the wizard lets through can be written.
        const md::EncodedLines stored = store_.encode_team_file();
        md::DataStore loaded;
        if (!stored.ok() || !loaded.load_team_bytes(stored.bytes, QStringLiteral(u"team.kld")).ok() ||
            !same_tables(store_, loaded) || loaded.game_lines.count(line) != 1) {
            std::abort();
        }
        check_reported_game(loaded, static_cast<int>(loaded.game_lines.indexOf(line)));
        open();
    }

    // The game list row and the event lines of the stored game are what the wizard showed.
    void check_reported_game(const md::DataStore& loaded, int position) const {
        const GameLists lists = build_game_lists(loaded);
        const GameListRow& row = lists.rows.at(static_cast<size_t>(position));
        const EventPage& page = *events_;
        const bool shoot_out =
            std::any_of(page.state().lines.begin(), page.state().lines.end(),
                        [](const md::EventListLine& line) { return line.kind == QStringLiteral(u"PK戦"); });
        const QString score =
            shoot_out ? score_text(page.state().own_score, page.state().opponent_score,
                                   page.state().shoot_out.own_points, page.state().shoot_out.opponent_points)
                      : score_text(page.state().own_score, page.state().opponent_score);
        if (row.game != position || row.cells[0] != md::game_key(info_.date, start_time(info_)) ||
            row.cells[1] != info_.opponent || row.cells[2] != score || row.cells[3] != info_.meeting ||
            row.cells[4] != info_.ground) {
            std::abort();
        }
        const std::optional<md::GameRecord> game = md::GameRecord::parse(loaded.game_lines[position]);
        if (!game || game->events.size() != page.state().lines.size()) {
            std::abort();
        }
        QString formation = game->formation();
        for (size_t i = 0; i < game->events.size(); ++i) {
            const md::GameEvent& event = game->events[i];
            const md::EventListLine shown = md::event_list_line(event, formation);
            const md::EventListLine& entered = page.state().lines[i];
            if (shown.time != entered.time || shown.kind != entered.kind ||
                shown.content != entered.content || shown.colour != entered.colour) {
                std::abort();
            }
            if (event.kind == md::EventKind::FormationChange) {
                formation = event.new_formation();
            }
        }
        compose_game_detail_text(game, loaded.team_name);
    }

    md::DataStore& store_;
    std::vector<md::Meeting> meetings_;
    std::vector<md::Formation> formations_;
    QStringList recorders_;
    QStringList grounds_;
    QStringList opponents_;
    QStringList members_;
    int page_ = 0;
    GameInfo info_;
    Lineup lineup_;
    QStringList fixed_fields_;
    std::unique_ptr<EventPage> events_;
    qsizetype lineup_members_ = 0;
};

}  // namespace

// The first byte chooses the entry settings (keyboard entry, adding typed names, small-sided games);
// then every two bytes are one user action on the page the wizard shows.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QByteArray team = team_file();
    if (size == 0) {
        return 0;
    }
    md::DataStore store;
    if (!store.load_team_bytes(team, QStringLiteral(u"team.kld")).ok()) {
        std::abort();
    }
    store.keyboard_entry = data[0] % 2 == 1;
    store.add_typed_names = store.keyboard_entry && data[0] / 2 % 2 == 1;
    store.small_sided_games = data[0] / 4 % 2 == 1;
    Wizard wizard(store);
    for (size_t i = 1; i + 1 < size; i += 2) {
        wizard.act(data[i], data[i + 1]);
    }
    return 0;
}
