#include "store/cp932_codec.h"
#include "store/name_check.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace md {
namespace {

TEST(Cp932Codec, RoundTripsJapaneseAndAscii) {
    const QString text = QStringLiteral(u"テストFC 市民グラウンド,10:00～①");
    const std::optional<QByteArray> bytes = encode_cp932(text);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->left(4), QByteArray("\x83\x65\x83\x58"));  // テス
    EXPECT_EQ(decode_cp932(*bytes), text);
}

TEST(Cp932Codec, RefusesBytesThatAreNotCp932AndCutCharacters) {
    EXPECT_FALSE(decode_cp932(QByteArray("\x82", 1)));      // a lead byte without its trail
    EXPECT_FALSE(decode_cp932(QByteArray("a\x82\r", 3)));   // a trail that cannot follow
    EXPECT_FALSE(decode_cp932(QByteArray("\xFD\xFE", 2)));  // bytes no cp932 text holds
}

TEST(Cp932Codec, FindsTheFirstCharacterItCannotEncode) {
    EXPECT_FALSE(first_unencodable_character(QStringLiteral(u"山田太郎")));
    EXPECT_EQ(first_unencodable_character(QStringLiteral(u"Aé😀")), QStringLiteral(u"é"));
    // A character outside the basic plane is reported whole, not as half a surrogate pair.
    EXPECT_EQ(first_unencodable_character(QStringLiteral(u"山😀田")), QStringLiteral(u"😀"));
}

TEST(NameCheck, AcceptsStorableNames) {
    EXPECT_FALSE(check_name(QStringLiteral(u"佐々木 一郎")));
    EXPECT_FALSE(check_name(QString()));
}

TEST(NameCheck, RefusesCommaBeforeUnstorableCharacter) {
    const std::optional<UserMessage> comma = check_name(QStringLiteral(u"😀a,b"));
    ASSERT_TRUE(comma);
    EXPECT_EQ(comma->title, QStringLiteral(u"入力エラー"));
    EXPECT_EQ(comma->text, QStringLiteral(u"名前に　「,」　は使えません。変更して下さい。"));

    const std::optional<UserMessage> emoji = check_name(QStringLiteral(u"田中😀"));
    ASSERT_TRUE(emoji);
    EXPECT_EQ(emoji->title, QStringLiteral(u"入力エラー"));
    EXPECT_EQ(emoji->text, QStringLiteral(u"「😀」　は保存できない文字です。変更して下さい。"));
}

TEST(NameCheck, RefusesEveryControlCharacterFirst) {
    const QString control = QStringLiteral(u"名前に　「制御文字」　は使えません。変更して下さい。");
    for (const char16_t character : {u'\r', u'\n', u'\t', u'\0', u'\x1b', u'\x1f', u'\x7f'}) {
        const QString name = QStringLiteral(u"山田") + QChar(character) + QStringLiteral(u"太郎,😀");
        const std::optional<UserMessage> refusal = check_name(name);
        ASSERT_TRUE(refusal) << int(character);
        EXPECT_EQ(refusal->title, QStringLiteral(u"入力エラー"));
        EXPECT_EQ(refusal->text, control);
    }
    EXPECT_EQ(check_name(QStringLiteral(u"2006/04/01\r\n"), CheckedText::date)->text,
              QStringLiteral(u"日付に　「制御文字」　は使えません。変更して下さい。"));
    EXPECT_FALSE(check_name(QStringLiteral(u"山田　太郎 (GK)")));
}

TEST(NameCheck, RefusesTheGameLinesEndMarker) {
    EXPECT_EQ(check_name(QStringLiteral(u"##"))->text,
              QStringLiteral(u"「##」　は名前に使えません。変更して下さい。"));
    EXPECT_EQ(check_name(QStringLiteral(u"##"), CheckedText::date)->text,
              QStringLiteral(u"「##」　は日付に使えません。変更して下さい。"));
    EXPECT_FALSE(check_name(QStringLiteral(u"#")));
    EXPECT_FALSE(check_name(QStringLiteral(u"##1")));
}

TEST(NameCheck, TakesAtMostAHundredCharacters) {
    EXPECT_FALSE(check_name(QString(100, u'山')));
    const std::optional<UserMessage> long_name = check_name(QString(10000, u'山') + u',');
    ASSERT_TRUE(long_name);
    EXPECT_EQ(long_name->text, QStringLiteral(u"名前は　「100文字」　以内で入力して下さい。"));
}

}  // namespace
}  // namespace md
