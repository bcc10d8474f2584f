#pragma once

#include "support/qt_printers.h"

#include "store/event_composer.h"
#include "store/game_record.h"

#include <QString>
#include <QStringList>
#include <array>

namespace kl::test {

// Builds a stored game line from readable parts: a 4-4-2 line-up of S1 (goalkeeper) to S11 and the
// reserves R1 to R3 unless told otherwise, a 90-minute league game without extra time.
struct GameBuilder {
    QString recorder = QStringLiteral(u"記録者");
    QString date = QStringLiteral(u"2006/04/01");
    QString time = QStringLiteral(u"10:00");
    QString ground = QStringLiteral(u"市民グラウンド");
    QString opponent = QStringLiteral(u"青葉FC");
    QString meeting = QStringLiteral(u"リーグ戦");
    QString game_time = QStringLiteral(u"90");
    QString extra_time = QStringLiteral(u"なし");
    QString extra_mode;
    QString extra_length;
    QString shoot_out = QStringLiteral(u"なし");
    QString formation = QStringLiteral(u"4-4-2");
    std::array<QString, 11> positions = {QStringLiteral(u"GK"), QStringLiteral(u"SB"), QStringLiteral(u"SB"),
                                         QStringLiteral(u"CB"), QStringLiteral(u"CB"), QStringLiteral(u"CH"),
                                         QStringLiteral(u"CH"), QStringLiteral(u"SH"), QStringLiteral(u"SH"),
                                         QStringLiteral(u"CF"), QStringLiteral(u"CF")};
    std::array<QString, 11> starters = {QStringLiteral(u"S1"),  QStringLiteral(u"S2"), QStringLiteral(u"S3"),
                                        QStringLiteral(u"S4"),  QStringLiteral(u"S5"), QStringLiteral(u"S6"),
                                        QStringLiteral(u"S7"),  QStringLiteral(u"S8"), QStringLiteral(u"S9"),
                                        QStringLiteral(u"S10"), QStringLiteral(u"S11")};
    QStringList reserves = {QStringLiteral(u"R1"), QStringLiteral(u"R2"), QStringLiteral(u"R3")};
    QStringList events;

    // Eight a side in 2-3-2 (S1 the goalkeeper, S5 to S11 from row 4 on; rows 1-3 unused), a
    // 40-minute youth game.
    GameBuilder& eight_a_side();
    // Extra time under mode ("前・後半", "ゴールデンゴール方式" or "シルバーゴール方式").
    GameBuilder& with_extra_time(const QString& mode, int minutes);
    GameBuilder& with_shoot_out();
    GameBuilder& add(const QStringList& event_fields);

    // Events in short form.
    GameBuilder& goal(int minute, const QString& scorer, const QString& assister = {},
                      const QString& mark = {});
    GameBuilder& conceded(int minute, const QString& mark = {});
    GameBuilder& card(int minute, const QString& card, const QString& member);
    GameBuilder& substitution(int minute, const QString& position, const QString& member_in,
                              const QString& member_out);

    QString line() const;
    md::GameRecord record() const;
};

// The details the short forms store.
md::GoalDetail finish_detail();
md::GoalDetail assist_detail();
md::GoalDetail conceded_finish_detail();
md::GoalDetail play_before_detail();

}  // namespace kl::test
