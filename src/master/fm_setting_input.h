#pragma once

#include "store/data_store.h"

#include <QWidget>
#include <array>

class QPushButton;
class QStackedLayout;
class QTabBar;

namespace kl {

class FormationPage;
class MeetingPage;
class NamePage;

// The master data window: members, grounds, opponents, formations and meetings, one tab each.
class fm_setting_input : public QWidget {
    Q_OBJECT
  public:
    // owner: the window to centre over.
    fm_setting_input(md::DataStore& store, const QWidget* owner);

    // A click on tab (0-based): every page is reset, then the chosen one shown with its list.
    void show_tab(int tab);

    QTabBar* ts_setting;
    std::array<QWidget*, 5> fr_input_setting;
    QPushButton* cm_cancel;

  Q_SIGNALS:
    // The store was loaded again from the file.
    void team_file_reloaded();

  private:
    void show_reloaded_file();

    md::DataStore& store_;
    std::array<NamePage*, 3> name_pages_;
    FormationPage* formation_page_;
    MeetingPage* meeting_page_;
    QStackedLayout* pages_;
};

}  // namespace kl
