#include "team_file_generator.h"

#include "store/capacities.h"
#include "store/event_composer.h"
#include "store/game_record.h"
#include "store/vocabulary.h"

#include <QDate>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <random>

namespace kl::bench {
namespace {

const QStringList members = [] {
    const QStringList family = {QStringLiteral(u"佐藤"), QStringLiteral(u"鈴木"), QStringLiteral(u"高橋"),
                                QStringLiteral(u"田中"), QStringLiteral(u"伊藤"), QStringLiteral(u"渡辺"),
                                QStringLiteral(u"山本"), QStringLiteral(u"中村"), QStringLiteral(u"小林"),
                                QStringLiteral(u"加藤")};
    const QStringList given = {QStringLiteral(u"翔太"), QStringLiteral(u"大輔"), QStringLiteral(u"健太")};
    QStringList names;
    for (const QString& g : given) {
        for (const QString& f : family) {
            names.append(f + u' ' + g);
        }
    }
    return names;
}();

const QStringList grounds = {QStringLiteral(u"市民グラウンド"), QStringLiteral(u"中央公園"),
                             QStringLiteral(u"河川敷")};
const QStringList opponents = {QStringLiteral(u"青葉FC"), QStringLiteral(u"赤坂SC"),
                               QStringLiteral(u"緑ヶ丘"), QStringLiteral(u"白山ユナイテッド"),
                               QStringLiteral(u"東町クラブ")};
const QStringList recorders = {QStringLiteral(u"山田監督"), QStringLiteral(u"鈴木コーチ")};
const QString formation_442 = QStringLiteral(u"4-4-2");
const QString formation_352 = QStringLiteral(u"3-5-2");
// Row positions of each formation, goalkeeper first, forwards last.
const QStringList rows_442 = {QStringLiteral(u"GK"), QStringLiteral(u"SB"), QStringLiteral(u"SB"),
                              QStringLiteral(u"CB"), QStringLiteral(u"CB"), QStringLiteral(u"CH"),
                              QStringLiteral(u"CH"), QStringLiteral(u"SH"), QStringLiteral(u"SH"),
                              QStringLiteral(u"CF"), QStringLiteral(u"CF")};
const QStringList rows_352 = {QStringLiteral(u"GK"), QStringLiteral(u"CB"), QStringLiteral(u"CB"),
                              QStringLiteral(u"CB"), QStringLiteral(u"CH"), QStringLiteral(u"CH"),
                              QStringLiteral(u"SH"), QStringLiteral(u"SH"), QStringLiteral(u"OH"),
                              QStringLiteral(u"CF"), QStringLiteral(u"CF")};

struct MeetingRules {
    QString name;
    int game_time;
    QString extra_mode;  // empty: no extra time
    int extra_time;
    bool shoot_out;
};
const std::vector<MeetingRules> meetings = {
    {QStringLiteral(u"リーグ戦"), 90, {}, 0, false},
    {QStringLiteral(u"カップ戦"), 90, QStringLiteral(u"ゴールデンゴール方式"), 30, true},
    {QStringLiteral(u"選手権"), 80, QStringLiteral(u"前・後半"), 20, true},
    {QStringLiteral(u"シルバー杯"), 90, QStringLiteral(u"シルバーゴール方式"), 30, false},
    {QStringLiteral(u"練習試合"), 60, {}, 0, true},
};

class GameWriter {
  public:
    GameWriter(std::mt19937& random, int number) : random_(random), number_(number) {}

    QString line() {
        const MeetingRules& meeting = meetings[pick(meetings.size())];
        QStringList squad = members;
        std::shuffle(squad.begin(), squad.end(), random_);
        fixed_fields(meeting, squad);
        pitch_ = squad.mid(0, 11);
        reserves_ = squad.mid(11, 5);
        regular_time(meeting);
        if (!meeting.extra_mode.isEmpty() && goals_ == conceded_) {
            extra_time(meeting);
        }
        if (meeting.shoot_out && goals_ == conceded_ && !game_over_) {
            shoot_out();
        }
        return md::compose_record_line(fields_, static_cast<int>(fields_.size()) - md::fixed_field_count);
    }

  private:
    size_t pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }
    bool chance(int percent) { return static_cast<int>(pick(100)) < percent; }
    QString time_text(int minute) const { return QString::number(minute); }

    void fixed_fields(const MeetingRules& meeting, const QStringList& squad) {
        const QDate date = QDate(2000, 4, 1).addDays(number_ * 3 + static_cast<int>(pick(3)));
        const bool extra = !meeting.extra_mode.isEmpty();
        fields_ = {recorders[pick(recorders.size())],
                   date.toString(QStringLiteral(u"yyyy/MM/dd")),
                   QStringLiteral(u"%1:%2")
                       .arg(9 + pick(8), 2, 10, QLatin1Char('0'))
                       .arg(pick(12) * 5, 2, 10, QLatin1Char('0')),
                   grounds[pick(grounds.size())],
                   opponents[pick(opponents.size())],
                   meeting.name,
                   QString::number(meeting.game_time),
                   extra ? md::words::yes : md::words::no,
                   meeting.extra_mode,
                   extra ? QString::number(meeting.extra_time) : QString(),
                   meeting.shoot_out ? md::words::yes : md::words::no,
                   formation_442};
        for (int row = 0; row < 11; ++row) {
            fields_ += {rows_442[row], squad[row]};
        }
        for (int slot = 0; slot < 9; ++slot) {
            fields_.append(slot < 5 ? squad[11 + slot] : QString());
        }
    }

    template <typename Bodies, typename Actions>
    md::GoalDetail detail(const Bodies& bodies, const Actions& actions) {
        return {bodies[pick(bodies.size())], md::words::areas[pick(3)], actions[pick(actions.size())]};
    }

    void goal(int minute, const QString& mark) {
        ++goals_;
        if (chance(8)) {
            fields_ += md::compose_goal(time_text(minute), mark, md::words::own_goal,
                                        detail(md::words::plain_body_parts, md::words::pass_actions), {}, {});
            return;
        }
        const int scorer = 1 + static_cast<int>(pick(10));
        md::GoalDetail finish = detail(md::words::goal_body_parts, md::words::finish_actions);
        const bool assisted = chance(60);
        finish.action = assisted ? md::words::assisted_action : md::words::finish_actions[0];
        const int assister = scorer == 10 ? 9 : scorer + 1;
        fields_ += md::compose_goal(time_text(minute), mark, pitch_[scorer], finish,
                                    assisted && !pitch_[assister].isEmpty() ? pitch_[assister] : QString(),
                                    detail(md::words::goal_body_parts, md::words::assist_actions));
    }

    void conceded(int minute, const QString& mark) {
        ++conceded_;
        fields_ += md::compose_conceded(
            time_text(minute), mark, detail(md::words::plain_body_parts, md::words::conceded_finish_actions),
            detail(md::words::plain_body_parts, md::words::pass_actions));
    }

    void substitution(int minute) {
        const int row = 1 + static_cast<int>(pick(10));
        if (reserves_.isEmpty() || pitch_[row].isEmpty()) {
            return;
        }
        const QString member_in = reserves_.takeFirst();
        fields_ += md::compose_substitution(time_text(minute), current_rows_[row], member_in, pitch_[row]);
        pitch_[row] = member_in;
    }

    void event_at(int minute, const QString& mark) {
        const size_t kind = pick(100);
        if (kind < 22) {
            goal(minute, mark);
        } else if (kind < 38) {
            conceded(minute, mark);
        } else if (kind < 50) {
            const int row = 1 + static_cast<int>(pick(10));
            if (!pitch_[row].isEmpty()) {
                fields_ += md::compose_card(time_text(minute), md::words::caution, pitch_[row]);
            }
        } else if (kind < 85) {
            substitution(minute);
        } else if (kind < 95) {
            const int a = 1 + static_cast<int>(pick(10));
            const int b = a == 10 ? 1 : a + 1;
            if (!pitch_[a].isEmpty() && !pitch_[b].isEmpty()) {
                fields_ += md::compose_position_change(time_text(minute), current_rows_[b], pitch_[a],
                                                       current_rows_[a], pitch_[b]);
                std::swap(pitch_[a], pitch_[b]);
            }
        } else if (!formation_changed_) {
            formation_changed_ = true;
            current_rows_ = rows_352;
            md::PitchRows rows;
            for (int r = 0; r < 11; ++r) {
                rows[static_cast<size_t>(r)] = {current_rows_[r], pitch_[r]};
            }
            fields_ += md::compose_formation_change(time_text(minute), formation_352, rows);
        }
    }

    void regular_time(const MeetingRules& meeting) {
        std::vector<int> minutes(3 + pick(5));
        for (int& minute : minutes) {
            minute = static_cast<int>(pick(static_cast<size_t>(meeting.game_time) + 1));
        }
        std::sort(minutes.begin(), minutes.end());
        for (const int minute : minutes) {
            event_at(minute, {});
        }
    }

    void extra_time(const MeetingRules& meeting) {
        if (!chance(50)) {
            return;
        }
        const int minute =
            meeting.game_time + 1 + static_cast<int>(pick(static_cast<size_t>(meeting.extra_time)));
        const QString mark = md::goal_mark(true, meeting.extra_mode);
        if (chance(50)) {
            goal(minute, mark);
        } else {
            conceded(minute, mark);
        }
        game_over_ = mark == md::words::golden_goal;
    }

    void shoot_out() {
        QStringList kicks;
        for (int round = 0; round < 5; ++round) {
            kicks += {chance(75) ? md::words::kick_scored : md::words::kick_missed, pitch_[10 - round]};
            kicks += chance(70) ? md::words::kick_scored : md::words::kick_missed;
        }
        fields_ += md::compose_shoot_out(true, kicks);
    }

    std::mt19937& random_;
    int number_;
    QStringList fields_;
    QStringList pitch_;
    QStringList reserves_;
    QStringList current_rows_ = rows_442;
    bool formation_changed_ = false;
    bool game_over_ = false;
    int goals_ = 0;
    int conceded_ = 0;
};

QString meeting_line(const MeetingRules& meeting) {
    const bool extra = !meeting.extra_mode.isEmpty();
    return QStringList{meeting.name,
                       QString::number(meeting.game_time),
                       extra ? md::words::yes : md::words::no,
                       meeting.extra_mode,
                       extra ? QString::number(meeting.extra_time) : QString(),
                       meeting.shoot_out ? md::words::yes : md::words::no}
        .join(u',');
}

}  // namespace

void generate_large_team(md::DataStore& store, unsigned seed) {
    std::mt19937 random(seed);
    store.team_name = QStringLiteral(u"ベンチマークFC");
    store.member_list = members.join(u',');
    store.ground_list = grounds.join(u',');
    store.opponent_list = opponents.join(u',');
    store.recorder_list = recorders.join(u',');
    store.formation_lines = {formation_442 + QStringLiteral(u",2,0,0,2,2,0,2,2,0"),
                             formation_352 + QStringLiteral(u",2,0,1,2,2,0,3,0,0")};
    for (const MeetingRules& meeting : meetings) {
        store.meeting_lines.append(meeting_line(meeting));
    }
    int field_total = 0;
    for (int number = 0;; ++number) {
        const QString line = GameWriter(random, number).line();
        field_total += static_cast<int>(line.count(u',')) + 1;
        if (field_total > md::max_game_fields) {
            break;
        }
        store.game_lines.append(line);
    }
    md::sort_game_lines(store.game_lines);
}

int write_large_team_file(const QString& path, unsigned seed) {
    md::DataStore store;
    generate_large_team(store, seed);
    store.data_file_path = path;
    store.save_team_data();
    return static_cast<int>(store.game_lines.size());
}

LargeFile::LargeFile() : path(folder.filePath(QStringLiteral(u"large.kld"))) {
    games = write_large_team_file(path);
    size = QFileInfo(path).size();
    std::printf("large team file: %d games, %lld bytes\n", games, static_cast<long long>(size));
}

LargeFile& large_file() {
    static LargeFile file;
    return file;
}

}  // namespace kl::bench
