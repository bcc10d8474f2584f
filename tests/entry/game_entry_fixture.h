#pragma once

#include "entry/event_panels.h"
#include "entry/fm_game_input.h"
#include "support/main_window_fixture.h"
#include "support/wizard_clicks.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace kl::test {

// The colour a widget is drawn in, read from its picture, as reading the palette back can say
// otherwise than the screen: a button's face below its caption, a label's top right corner.
inline QColor drawn_colour(QWidget* widget) {
    const QImage picture = widget->grab().toImage();
    if (qobject_cast<QPushButton*>(widget) != nullptr) {
        return picture.pixelColor(picture.width() / 2, picture.height() - 4);
    }
    return picture.pixelColor(picture.width() - 1, 0);
}

// A button face shaded in light cyan (the style may draw it as a gradient around C0 FF FF).
inline bool looks_light_cyan(const QColor& colour) {
    return colour.green() - colour.red() > 0x18 && colour.blue() - colour.red() > 0x18;
}

// The main window on a team with its master lists and no games.
class GameEntry : public MainWindowOnTeam {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        QStringList members;
        for (int i = 1; i <= 14; ++i) {
            members.append(QStringLiteral(u"選手") + QString::number(i));
        }
        start_on({QStringLiteral(u"[チーム名]"), QStringLiteral(u"テストFC"), QStringLiteral(u"[メンバー]"),
                  members.join(u','), QStringLiteral(u"[グラウンド]"), QStringLiteral(u"市民グラウンド"),
                  QStringLiteral(u"[対戦チーム]"), QStringLiteral(u"青葉FC"), QStringLiteral(u"[起票者]"),
                  QStringLiteral(u"山田"), QStringLiteral(u"[フォーメーション]"),
                  QStringLiteral(u"4-4-2,2,0,0,2,2,0,2,2,0"), QStringLiteral(u"3-5-2,2,0,1,2,2,0,3,0,0"),
                  QString(), QStringLiteral(u"[大会]"), QStringLiteral(u"リーグ戦,80,なし,,,なし"),
                  QStringLiteral(u"カップ戦,80,あり,ゴールデンゴール方式,20,あり"), QString(),
                  QStringLiteral(u"[試合データ]")});
        window->findChild<QAction*>(QStringLiteral(u"tb_main_9"))->trigger();
        wizard = qobject_cast<fm_game_input*>(find_window(QStringLiteral(u"fm_game_input")));
    }
    void TearDown() override {
        if (find_window(QStringLiteral(u"fm_game_input")) != nullptr) {
            wizard->close();
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        MainWindowOnTeam::TearDown();
    }
    void fill_page1() {
        fill_game_information(wizard, {QStringLiteral(u"2006/04/01"), 10, 6, 0, QStringLiteral(u"山田")});
    }
    void fill_page2() {
        wizard->cb_formation->setCurrentIndex(0);
        for (QPushButton* row : wizard->cm_poji) {
            row->click();
        }
        wizard->cm_r_add->click();
        wizard->cm_r_add->click();
    }
    void click_pitch(int row) { click_pitch_row(wizard->events, row); }
    void choose(int panel, int body, int area, int action) {
        click_details(wizard->events, panel, body, area, action);
    }

    fm_game_input* wizard = nullptr;
};

}  // namespace kl::test
