#include "master/name_import.h"
#include "store/cp932_codec.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>
#include <QStringEncoder>

namespace kl {
namespace {

const QString roster = QStringLiteral(u"番号,氏名,学年\r\n1,田中 陽向,6\r\n2,\"佐藤, 翔\",5\r\n");

TEST(ImportEncoding, EachEncodingASpreadsheetSavesInIsRecognised) {
    const QByteArray utf8 = roster.toUtf8();
    EXPECT_EQ(decode_import_bytes(utf8)->encoding, QStringLiteral(u"UTF-8"));
    EXPECT_EQ(decode_import_bytes(utf8)->text, roster);
    const std::optional<ImportText> with_bom = decode_import_bytes("\xEF\xBB\xBF" + utf8);
    EXPECT_EQ(with_bom->encoding, QStringLiteral(u"UTF-8（BOM付き）"));
    EXPECT_EQ(with_bom->text, roster);  // the mark is no part of the first name
    const std::optional<ImportText> cp932 = decode_import_bytes(*md::encode_cp932(roster));
    EXPECT_EQ(cp932->encoding, QStringLiteral(u"Shift_JIS"));
    EXPECT_EQ(cp932->text, roster);
    QStringEncoder to_utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    const QByteArray utf16 = to_utf16.encode(roster);
    EXPECT_EQ(decode_import_bytes(utf16)->encoding, QStringLiteral(u"UTF-16"));
    EXPECT_EQ(decode_import_bytes(utf16)->text, roster);
    // Neither UTF-8 nor cp932: refused with a message, never half read.
    EXPECT_FALSE(decode_import_bytes(QByteArray("\x82\xA0\xFD\xFE", 4)));
    EXPECT_EQ(
        unreadable_import_message(QStringLiteral(u"名簿.csv")).text,
        QStringLiteral(u"「名簿.csv」　の文字コードを判別できません。UTF-8 か Shift_JIS で保存して下さい。"));
}

TEST(ImportTable, QuotedFieldsAndTabsAreReadAsSpreadsheetsWriteThem) {
    EXPECT_EQ(parse_table(QStringLiteral(u"a,\"b, c\",\"say \"\"hi\"\"\"\nd")),
              (std::vector<QStringList>{
                  {QStringLiteral(u"a"), QStringLiteral(u"b, c"), QStringLiteral(u"say \"hi\"")},
                  {QStringLiteral(u"d")}}));
    EXPECT_EQ(parse_table(QStringLiteral(u"名前\t学年\r\n田中, 陽向\t6\r\n")),
              (std::vector<QStringList>{{QStringLiteral(u"名前"), QStringLiteral(u"学年")},
                                        {QStringLiteral(u"田中, 陽向"), QStringLiteral(u"6")}}));
    EXPECT_EQ(parse_table(QStringLiteral(u"\"two\nlines\"")),
              (std::vector<QStringList>{{QStringLiteral(u"two\nlines")}}));
}

TEST(ImportPreviewOf, TheHeaderPicksTheColumnAndEachRefusalSaysWhy) {
    const QString text =
        QStringLiteral(
            u"No,氏名\r\n1,田中\r\n2, 佐藤 \r\n3,鈴木\r\n4,\r\n5,田中\r\n\r\n6,\"高橋,大\"\r\n7,") +
        QString(101, u'長') + QStringLiteral(u"\r\n8,\"改\t行\"\r\n");
    const ImportPreview preview = preview_import(NameList::members, text, {QStringLiteral(u"鈴木")});
    EXPECT_EQ(preview.header, QStringLiteral(u"氏名"));
    EXPECT_EQ(preview.names_to_add(), (QStringList{QStringLiteral(u"田中"), QStringLiteral(u"佐藤")}));
    ASSERT_EQ(preview.lines.size(), 8u);  // the empty row is passed over
    auto refusal = [&](size_t line) { return preview.lines[line].refusal.value_or(QString()); };
    EXPECT_EQ(refusal(2), QStringLiteral(u"既に使われている　「メンバー名」　です。変更して下さい。"));
    EXPECT_EQ(refusal(3), QStringLiteral(u"名前が空欄です。"));
    EXPECT_EQ(refusal(4), QStringLiteral(u"同じ名前が　2行目　にあります。"));
    EXPECT_EQ(preview.lines[4].row, 6);
    EXPECT_EQ(refusal(5), QStringLiteral(u"名前に　「,」　は使えません。変更して下さい。"));
    EXPECT_EQ(refusal(6), QStringLiteral(u"名前は　「100文字」　以内で入力して下さい。"));
    EXPECT_EQ(refusal(7), QStringLiteral(u"名前に　「制御文字」　は使えません。変更して下さい。"));
    EXPECT_EQ(preview.refused_count(), 6);
}

TEST(ImportPreviewOf, WithoutAHeaderTheFirstColumnIsTheNames) {
    const ImportPreview preview =
        preview_import(NameList::grounds, QStringLiteral(u"市民グラウンド\t人工芝\n河川敷\t土\n"), {});
    EXPECT_EQ(preview.header, QString());
    EXPECT_EQ(preview.names_to_add(),
              (QStringList{QStringLiteral(u"市民グラウンド"), QStringLiteral(u"河川敷")}));
    EXPECT_EQ(preview_import(NameList::opponents, QStringLiteral(u"Name\n青葉FC\n"), {}).names_to_add(),
              QStringList{QStringLiteral(u"青葉FC")});
}

TEST(ImportAndExport, NamesGoToTheEndOfTheLineAndComeOutAsCsv) {
    EXPECT_EQ(line_with_names(QString(), {QStringLiteral(u"田中"), QStringLiteral(u"佐藤")}),
              QStringLiteral(u"田中,佐藤"));
    EXPECT_EQ(line_with_names(QStringLiteral(u"鈴木"), {QStringLiteral(u"田中")}),
              QStringLiteral(u"鈴木,田中"));
    const QByteArray exported =
        names_export_bytes(NameList::members, {QStringLiteral(u"田中"), QStringLiteral(u"佐藤")});
    EXPECT_EQ(exported, QByteArray("\xEF\xBB\xBF") + QStringLiteral(u"名前\r\n田中\r\n佐藤\r\n").toUtf8());
    // What is written reads back as the same names.
    const ImportPreview again = preview_import(NameList::members, decode_import_bytes(exported)->text, {});
    EXPECT_EQ(again.names_to_add(), (QStringList{QStringLiteral(u"田中"), QStringLiteral(u"佐藤")}));
    EXPECT_EQ(names_export_file(NameList::grounds, QStringLiteral(u"さくら/FC"), QDate(2025, 3, 20)),
              QStringLiteral(u"さくら_FC_場所_2025-03-20.csv"));
}

}  // namespace
}  // namespace kl
