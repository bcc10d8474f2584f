#pragma once

#include "store/data_store.h"
#include "store/game_record.h"
#include "store/startup_settings.h"

#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <QString>
#include <array>
#include <optional>

class QAction;
class QActionGroup;
class QMenu;
class QStackedLayout;
class QToolBar;

namespace kl {

struct PrintDocument;
class ChoiceList;
class fm_help;
class GameDetailView;
class GameListView;
class GraphDataView;
class MainView;
class PersonalDataView;
class TeamDataView;

// The views of the main window, in the order of fr_data.
enum class View { game_list = 0, game_detail = 1, team_data = 2, personal_data = 3, graph = 4 };
inline constexpr int view_count = 5;

// How a view is switched: the toolbar leaves the toolbar as clicked and sets the menu's check marks;
// the データ参照 menu sets both; a context menu presses the toolbar button and leaves the check marks.
enum class ViewSwitch { toolbar, menu, context_menu };

class fm_main : public QMainWindow {
    Q_OBJECT
  public:
    explicit fm_main(md::DataStore& store);
    ~fm_main() override;

    // The start-up of the window: loads the team data file that setting.ini names, takes the stored
    // placement, fills the views and shows the window. A given file (absolute path; from the command
    // line) is opened instead, as 開く would open it; when it is refused, the start goes on as without.
    void start(const QString& given_file = {});

    // Opens a team file given from outside while the program runs (handed over by a second start)
    // as 開く would open it. Refused while another window is open: its work must not lose its file.
    void open_given_file(const QString& path);
    // Shows the program's windows above others: the main window, and any window opened from it.
    void bring_to_front();

    // "Kickledger - " + team name + suffix, and the open file's folder when it is not the data folder.
    void set_caption(const QString& suffix);
    void show_view(View view, ViewSwitch how);
    View visible_view() const;

    // Rebuilds the game list and every chooser of the other views from the store.
    void refresh_game_lists();
    void clear_game_views();

    // Shows window modeless while this window is disabled; it is enabled again when window closes.
    void open_window(QWidget* window);

    // The text of the visible view, as the copy command puts it on the clipboard.
    QString view_copy_text() const;
    void copy_view_text();
    // The printed pages of the visible view; nothing while it shows nothing to print (no file open,
    // no game chosen, statistics not yet computed).
    std::optional<PrintDocument> view_document() const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void build_views();
    void build_toolbar();
    void build_menus();
    void build_context_menus();
    // The toolbar button that shows view.
    QAction* view_button_action(View view) const;
    void apply_load_result(const md::LoadResult& result);
    // Opens a file given from outside, or shows why not (false).
    bool open_given_team_file(const QString& path);
    void show_loaded_caption();
    void show_reloaded_file();
    void restore_placement();
    void record_placement();
    void open_selected_game_detail();
    void jump_to_personal_data();
    void connect_commands();
    void open_new_file();
    void open_file();
    void open_game_input();
    void open_game_delete();
    void open_game_modify();
    void open_game_correction(int position);
    void open_master_data();
    void open_backup();
    void open_settings();
    void open_career();
    void open_new_season();
    void team_file_created(bool first_start);
    void start_without_settings();
    void write_closing_settings();
    MainView* visible_view_widget() const;
    // 印刷, PDFに保存 and エクスポート of the visible view.
    void print_view();
    void save_view_pdf();
    void export_view();
    // The name offered for a file of the visible view: team, view and day (the game's on the detail view).
    QString output_name(const PrintDocument& document) const;
    // スコアシート: the user's own picture of the working directory when there is one, else the form.
    void show_score_sheet(const QString& picture, bool sample);
    void open_help();

    md::DataStore& store_;
    QPointer<fm_help> help_;
    // The placement read from setting.ini and the bounds it gave the window.
    struct RestoredPlacement {
        md::WindowPlacement placement;
        QRect bounds;
    };
    std::optional<RestoredPlacement> restored_;

    QStackedLayout* views_ = nullptr;
    GameListView* game_list_ = nullptr;
    GameDetailView* game_detail_ = nullptr;
    TeamDataView* team_data_ = nullptr;
    PersonalDataView* personal_data_ = nullptr;
    GraphDataView* graph_data_ = nullptr;

    QToolBar* tb_main = nullptr;
    std::array<QAction*, 19> tb_main_buttons_{};  // by button index 1-18
    QAction* tb_main_graph = nullptr;             // after 個人, without an index of its own
    QActionGroup* view_buttons_ = nullptr;
    std::array<QAction*, view_count> menu_game_reference_{};
    ChoiceList* period_choices_;   // cb_date(0..5)
    ChoiceList* meeting_choices_;  // cb_meeting, cb_player_meeting, cb_graph_meeting
    ChoiceList* member_choices_;   // cb_player
    QMenu* menu_popup_lst = nullptr;
    QMenu* menu_popup_team = nullptr;
};

}  // namespace kl
