#include "widgets/message_box.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAbstractFileIconProvider>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProxyStyle>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

namespace kl {
namespace {

// A caption's words as the user reads them: without its mnemonic ("(&Y)" or "&") and shortcut.
QString words(QString text) {
    text = text.section(u'\t', 0, 0);
    text.remove(QRegularExpression(QStringLiteral(u"\\(&.\\)")));
    return text.remove(u'&');
}

// A desktop style of the kind that puts icons on dialog buttons.
class IconsOnButtonsStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) {
            return 1;
        }
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

struct SeenButton {
    QString text;
    bool has_icon;
};

// Runs open (which shows a modal box), records the box's buttons and answers with answer.
std::vector<SeenButton> buttons_of_box(const std::function<void()>& open,
                                       QMessageBox::StandardButton answer) {
    std::vector<SeenButton> seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (const QAbstractButton* button : box->buttons()) {
            seen.push_back({words(button->text()), !button->icon().isNull()});
        }
        box->button(answer)->click();
    });
    open();
    return seen;
}

class JapaneseUi : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_style_ = QApplication::style()->name();
        QApplication::setStyle(new IconsOnButtonsStyle);
    }
    void TearDown() override { QApplication::setStyle(previous_style_); }

  private:
    QString previous_style_;
};

TEST_F(JapaneseUi, AYesNoBoxReadsはいAndいいえWithoutIcons) {
    bool answered_yes = true;
    const std::vector<SeenButton> buttons = buttons_of_box(
        [&] {
            answered_yes = ask_yes_no(QStringLiteral(u"人数の確認"), QStringLiteral(u"よろしいですか？"));
        },
        QMessageBox::No);
    ASSERT_EQ(buttons.size(), 2u);
    QStringList texts;
    for (const SeenButton& button : buttons) {
        texts.append(button.text);
        EXPECT_FALSE(button.has_icon) << button.text.toStdString();
    }
    texts.sort();
    EXPECT_EQ(texts, (QStringList{QStringLiteral(u"いいえ"), QStringLiteral(u"はい")}));
    EXPECT_FALSE(answered_yes);
}

TEST_F(JapaneseUi, AnOkBoxReadsOkWithoutAnIcon) {
    const std::vector<SeenButton> buttons = buttons_of_box(
        [] {
            show_message({QStringLiteral(u"入力エラー"), QStringLiteral(u"テスト")});
        },
        QMessageBox::Ok);
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_EQ(buttons[0].text, QStringLiteral(u"OK"));
    EXPECT_FALSE(buttons[0].has_icon);
}

TEST_F(JapaneseUi, TextBoxesOfferTheirEditingCommandsInJapanese) {
    QLineEdit box;
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList entries;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            entries.append(words(action->text()));
        }
    }
    EXPECT_EQ(entries, (QStringList{QStringLiteral(u"元に戻す"), QStringLiteral(u"やり直す"),
                                    QStringLiteral(u"切り取り"), QStringLiteral(u"コピー"),
                                    QStringLiteral(u"貼り付け"), QStringLiteral(u"削除"),
                                    QStringLiteral(u"すべてを選択")}));
}

// The type column of the file dialogs (PDFに保存, エクスポート, 読み込み...): Qt's own catalogue leaves
// "Folder" in English.
TEST_F(JapaneseUi, FileDialogsNameAFolderInJapanese) {
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral(u"backup")));
    const QAbstractFileIconProvider types;
    EXPECT_EQ(types.type(QFileInfo(folder.filePath(QStringLiteral(u"backup")))), QStringLiteral(u"フォルダ"));
    EXPECT_EQ(types.type(QFileInfo(QStringLiteral(u"/"))), QStringLiteral(u"ドライブ"));
    // Texts the catalogue has still come from it.
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "All Files (*)"),
              QStringLiteral(u"すべてのファイル(*)"));
}

}  // namespace
}  // namespace kl
