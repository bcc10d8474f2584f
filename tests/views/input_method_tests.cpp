#include "support/main_window_fixture.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>

namespace kl {
namespace {

// Japanese names are typed through an input method (ibus, fcitx5): every text box where a name or
// a file name can be typed takes the text the input method commits.
class InputMethod : public test::MainWindowOnTeam {
  protected:
    void TearDown() override {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        MainWindowOnTeam::TearDown();
    }
    // The text boxes of the window a toolbar button opens that take typing: enabled, not locked,
    // and not limited to digits.
    QList<QLineEdit*> typing_boxes(const char16_t* toolbar_button, const QString& window_name) {
        window->findChild<QAction*>(QString::fromUtf16(toolbar_button))->trigger();
        opened = test::find_window(window_name);
        EXPECT_NE(opened, nullptr) << window_name.toStdString();
        QList<QLineEdit*> boxes;
        for (QLineEdit* box : opened != nullptr ? opened->findChildren<QLineEdit*>() : QList<QLineEdit*>()) {
            if (box->isEnabled() && !box->isReadOnly() && box->validator() == nullptr) {
                boxes.append(box);
            }
        }
        return boxes;
    }
    static void commit(QLineEdit* box, const QString& text) {
        QInputMethodEvent event(QString(), {});
        event.setCommitString(text);
        QApplication::sendEvent(box, &event);
    }

    QWidget* opened = nullptr;
};

TEST_F(InputMethod, EveryTextBoxTakesWhatTheInputMethodCommits) {
    start_on({QStringLiteral(u"[チーム名]"), QStringLiteral(u"テストFC"), QStringLiteral(u"[試合データ]")});
    store.keyboard_entry = true;
    const std::pair<const char16_t*, QString> windows[] = {
        {u"tb_main_2", QStringLiteral(u"fm_new")},
        {u"tb_main_9", QStringLiteral(u"fm_game_input")},
        {u"tb_main_17", QStringLiteral(u"fm_setting_input")},
        {u"tb_main_18", QStringLiteral(u"fm_setting")},
    };
    QStringList tried;
    for (const auto& [button, name] : windows) {
        for (QLineEdit* box : typing_boxes(button, name)) {
            // An editable combo box's text box is known by its combo box.
            const QString label =
                name + u'/' +
                (box->objectName().isEmpty() ? box->parentWidget()->objectName() : box->objectName());
            EXPECT_TRUE(box->testAttribute(Qt::WA_InputMethodEnabled)) << label.toStdString();
            box->clear();
            commit(box, QStringLiteral(u"山田"));
            EXPECT_EQ(box->text(), QStringLiteral(u"山田")) << label.toStdString();
            tried.append(label);
        }
        if (opened != nullptr) {
            opened->close();
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    for (const QString& box :
         {QStringLiteral(u"fm_new/tx_team"), QStringLiteral(u"fm_game_input/cb_writer_1"),
          QStringLiteral(u"fm_game_input/cb_ground_1"), QStringLiteral(u"fm_game_input/cb_team_1"),
          QStringLiteral(u"fm_game_input/tx_member_0"), QStringLiteral(u"fm_game_input/tx_member_11"),
          QStringLiteral(u"fm_setting_input/tx_member"), QStringLiteral(u"fm_setting_input/tx_ground"),
          QStringLiteral(u"fm_setting_input/tx_team"), QStringLiteral(u"fm_setting_input/tx_meeting"),
          QStringLiteral(u"fm_setting_input/tx_formation_name")}) {
        EXPECT_TRUE(tried.contains(box)) << box.toStdString();
    }
}

}  // namespace
}  // namespace kl
