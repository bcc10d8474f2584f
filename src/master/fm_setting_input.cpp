#include "fm_setting_input.h"

#include "formation_page.h"
#include "meeting_page.h"
#include "name_page.h"
#include "widgets/child_window.h"
#include "widgets/naming.h"
#include "widgets/twips.h"
#include "widgets/window_keys.h"

#include <QPushButton>
#include <QStackedLayout>
#include <QTabBar>
#include <QVBoxLayout>

namespace kl {

fm_setting_input::fm_setting_input(md::DataStore& store, const QWidget* owner)
    : ts_setting(named(new QTabBar(this), QStringLiteral(u"ts_setting"))),
      fr_input_setting{},
      cm_cancel(named(new QPushButton(QStringLiteral(u"キャンセル"), this), QStringLiteral(u"cm_cancel"))),
      store_(store),
      name_pages_{new NamePage(NameList::members, store, this), new NamePage(NameList::grounds, store, this),
                  new NamePage(NameList::opponents, store, this)},
      formation_page_(new FormationPage(store, this)),
      meeting_page_(new MeetingPage(store, this)),
      pages_(new QStackedLayout) {
    setObjectName(QStringLiteral(u"fm_setting_input"));
    setWindowTitle(QStringLiteral(u"入力項目設定"));
    setWindowFlags(Qt::Window);
    for (const char16_t* caption : {u"メンバー", u"場所", u"対戦相手", u"フォーメーション", u"大会"}) {
        ts_setting->addTab(QString::fromUtf16(caption));
    }
    fr_input_setting = {name_pages_[0], name_pages_[1], name_pages_[2], formation_page_, meeting_page_};
    for (size_t i = 0; i < fr_input_setting.size(); ++i) {
        named(fr_input_setting[i], indexed(u"fr_input_setting", static_cast<int>(i)));
        pages_->addWidget(fr_input_setting[i]);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cm_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ts_setting);
    layout->addLayout(pages_, 1);
    layout->addLayout(buttons);
    resize(px(8040), px(5055));
    centre_over(this, owner);

    // The data are saved at each change; closing drops nothing but a half-filled editor.
    connect(cm_cancel, &QPushButton::clicked, this, &QWidget::close);
    close_on_escape(this);
    connect(ts_setting, &QTabBar::currentChanged, this, &fm_setting_input::show_tab);
    for (EditorPage* page : std::initializer_list<EditorPage*>{formation_page_, meeting_page_}) {
        connect(page, &EditorPage::team_file_reloaded, this, &fm_setting_input::show_reloaded_file);
    }
    for (NamePage* page : name_pages_) {
        connect(page, &NamePage::team_file_reloaded, this, &fm_setting_input::show_reloaded_file);
    }
    show_tab(0);
}

// The pages show the store as loaded again; an editor that was open had its line kept in a backup
// (or already stored).
void fm_setting_input::show_reloaded_file() {
    show_tab(ts_setting->currentIndex());
    emit team_file_reloaded();
}

void fm_setting_input::show_tab(int tab) {
    for (NamePage* page : name_pages_) {
        page->reset();
    }
    formation_page_->reset();
    meeting_page_->reset();
    pages_->setCurrentIndex(tab);
    if (ts_setting->currentIndex() != tab) {
        ts_setting->setCurrentIndex(tab);
    }
    if (tab < 3) {
        name_pages_[static_cast<size_t>(tab)]->fill();
        name_pages_[static_cast<size_t>(tab)]->focus_entry();
    } else if (tab == 3) {
        formation_page_->fill();
        formation_page_->focus_add();
    } else {
        meeting_page_->fill();
        meeting_page_->focus_add();
    }
}

}  // namespace kl
