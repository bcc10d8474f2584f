#pragma once

#include "capacities.h"

#include <QString>
#include <array>

// The stored words of the team data file: kind literals, marks, flags, position codes and the detail
// vocabularies of goals and conceded goals. Every reader and writer uses these, never its own copy.
namespace md::words {

inline const QString start_marker = QStringLiteral(u"#");
inline const QString end_marker = QStringLiteral(u"##");

inline const QString substitution = QStringLiteral(u"交代");
inline const QString position_change = QStringLiteral(u"ポジション変更");
inline const QString card = QStringLiteral(u"警告・退場");
inline const QString goal = QStringLiteral(u"得点・アシスト");
inline const QString conceded = QStringLiteral(u"失点");
inline const QString formation_change = QStringLiteral(u"フォーメーション変更");
inline const QString shoot_out = QStringLiteral(u"PK戦");

inline const QString in = QStringLiteral(u"IN");
inline const QString out = QStringLiteral(u"OUT");
inline const QString caution = QStringLiteral(u"警告");
inline const QString sending_off = QStringLiteral(u"退場");
inline const QString second_caution = QStringLiteral(u"警告（退場）");
inline const QString scorer = QStringLiteral(u"得点者");
inline const QString assister = QStringLiteral(u"アシスト者");
inline const QString own_goal = QStringLiteral(u"オウンゴール");
inline const QString finish = QStringLiteral(u"フィニッシュ");
inline const QString play_before = QStringLiteral(u"1プレー前");
inline const QString golden_goal = QStringLiteral(u"ゴールデンゴール");
inline const QString silver_goal = QStringLiteral(u"シルバーゴール");
inline const QString shoot_out_time = QStringLiteral(u"-");
inline const QString kicks_first = QStringLiteral(u"先攻");
inline const QString kicks_second = QStringLiteral(u"後攻");
inline const QString kick_scored = QStringLiteral(u"1");
inline const QString kick_missed = QStringLiteral(u"0");

inline const QString yes = QStringLiteral(u"あり");
inline const QString no = QStringLiteral(u"なし");
inline const QString both_halves_mode = QStringLiteral(u"前・後半");
inline const QString golden_goal_mode = QStringLiteral(u"ゴールデンゴール方式");
inline const QString silver_goal_mode = QStringLiteral(u"シルバーゴール方式");

// Position codes; the outfield ones in the order a formation line stores their counts.
inline const QString goalkeeper = QStringLiteral(u"GK");
inline const std::array<QString, outfield_position_count> outfield_positions = {
    QStringLiteral(u"CF"), QStringLiteral(u"WF"), QStringLiteral(u"OH"),
    QStringLiteral(u"SH"), QStringLiteral(u"CH"), QStringLiteral(u"DH"),
    QStringLiteral(u"CB"), QStringLiteral(u"SB"), QStringLiteral(u"SW")};
inline const std::array<QString, 10> position_codes = {
    QStringLiteral(u"GK"), QStringLiteral(u"SW"), QStringLiteral(u"SB"), QStringLiteral(u"CB"),
    QStringLiteral(u"DH"), QStringLiteral(u"CH"), QStringLiteral(u"SH"), QStringLiteral(u"OH"),
    QStringLiteral(u"WF"), QStringLiteral(u"CF")};

// Detail vocabularies, in the order of the options on the entry panels.
inline const std::array<QString, 4> goal_body_parts = {QStringLiteral(u"頭"), QStringLiteral(u"右足"),
                                                       QStringLiteral(u"左足"), QStringLiteral(u"その他")};
inline const std::array<QString, 3> plain_body_parts = {QStringLiteral(u"頭"), QStringLiteral(u"足"),
                                                        QStringLiteral(u"その他")};
inline const std::array<QString, 5> areas = {QStringLiteral(u"中央（エリア内）"),
                                             QStringLiteral(u"中央（エリア外）"), QStringLiteral(u"右サイド"),
                                             QStringLiteral(u"左サイド"), QStringLiteral(u"その他")};
inline const std::array<QString, 6> finish_actions = {
    QStringLiteral(u"ドリブル突破"), QStringLiteral(u"被アシスト"), QStringLiteral(u"こぼれ球"),
    QStringLiteral(u"FK"),           QStringLiteral(u"CK"),         QStringLiteral(u"PK")};
inline const std::array<QString, 6> assist_actions = {
    QStringLiteral(u"ショートパス"), QStringLiteral(u"ロングパス"), QStringLiteral(u"FK"),
    QStringLiteral(u"CK"),           QStringLiteral(u"PK"),         QStringLiteral(u"GK")};
inline const std::array<QString, 8> pass_actions = {
    QStringLiteral(u"シュート"), QStringLiteral(u"ショートパス"), QStringLiteral(u"ロングパス"),
    QStringLiteral(u"FK"),       QStringLiteral(u"CK"),           QStringLiteral(u"PK"),
    QStringLiteral(u"GK"),       QStringLiteral(u"その他")};
inline const std::array<QString, 7> conceded_finish_actions = {
    QStringLiteral(u"ドリブル突破"), QStringLiteral(u"被アシスト"), QStringLiteral(u"こぼれ球"),
    QStringLiteral(u"FK"),           QStringLiteral(u"CK"),         QStringLiteral(u"PK"),
    QStringLiteral(u"その他")};

// The finish action after which a goal has an assister.
inline const QString assisted_action = QStringLiteral(u"被アシスト");

}  // namespace md::words
