#include "fm_main.h"

#include "dialogs/file_dialogs.h"
#include "dialogs/fm_backup.h"
#include "dialogs/fm_game_delete.h"
#include "dialogs/fm_game_modify.h"
#include "dialogs/fm_new.h"
#include "dialogs/fm_new_season.h"
#include "dialogs/fm_open.h"
#include "dialogs/fm_setting.h"
#include "dialogs/given_file.h"
#include "entry/fm_game_input.h"
#include "entry/game_info.h"
#include "entry/live_entry.h"
#include "fm_career.h"
#include "fm_help.h"
#include "fm_version.h"
#include "game_detail_view.h"
#include "game_list_view.h"
#include "graph_data_view.h"
#include "help_manual.h"
#include "master/fm_setting_input.h"
#include "paper_output.h"
#include "print/view_documents.h"
#include "reports/output_files.h"
#include "share_commands.h"
#include "statistics_views.h"
#include "store/file_location.h"
#include "store/master_lists.h"
#include "store/startup_settings.h"
#include "toolbar_icons.h"
#include "widgets/child_window.h"
#include "widgets/choice_list.h"
#include "widgets/message_box.h"
#include "widgets/twips.h"
#include "window_caption.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStackedLayout>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <algorithm>
#include <memory>
#include <tuple>
#include <variant>

namespace kl {
namespace {

// The window's design placement, used until setting.ini holds one.
constexpr QRect design_geometry(px(1200), px(900), px(10800), px(9600));

const std::array<QString, view_count> view_suffixes = {
    QStringLiteral(u"  [試合データ一覧]"), QStringLiteral(u"  [試合データ詳細]"),
    QStringLiteral(u"  [チームデータ]"), QStringLiteral(u"  [個人データ]"), QStringLiteral(u"  [グラフ]")};

const QColor file_colour(0x2f, 0x6f, 0xb5);
const QColor data_colour(0x3a, 0x8f, 0x4e);
const QColor view_colour(0xd9, 0x7b, 0x1f);
const QColor setting_colour(0x6b, 0x6b, 0x7a);

int view_index(View view) {
    return static_cast<int>(view);
}

// The toolbar's buttons by their index (the others are separators); the view buttons of the first
// four views stand in the order of fr_data from first_view_button on, and グラフ after them.
enum ToolbarButton : int {
    new_file_button = 2,
    open_button = 3,
    print_button = 5,
    copy_button = 7,
    game_input_button = 9,
    game_delete_button = 10,
    first_view_button = 12,
    master_data_button = 17,
    settings_button = 18,
    last_toolbar_button = settings_button,
};

int view_button(View view) {
    return first_view_button + view_index(view);
}

}  // namespace

fm_main::fm_main(md::DataStore& store)
    : store_(store),
      period_choices_(new ChoiceList(this)),
      meeting_choices_(new ChoiceList(this)),
      member_choices_(new ChoiceList(this)) {
    setObjectName(QStringLiteral(u"fm_main"));
    live_entry_ = new LiveEntry(store_, this);
    connect(live_entry_, &LiveEntry::games_changed, this, &fm_main::refresh_game_lists);
    connect(live_entry_, &LiveEntry::team_file_reloaded, this, &fm_main::show_reloaded_file);
    setGeometry(design_geometry);
    build_views();
    build_toolbar();
    build_menus();
    build_context_menus();
    connect_commands();
    show_view(View::game_list, ViewSwitch::menu);
    setWindowTitle(QStringLiteral(u"Kickledger"));
}

// The help window has no parent (it stays usable while this window is disabled): it goes with it.
fm_main::~fm_main() {
    delete help_;
}

void fm_main::build_views() {
    auto* central = new QWidget(this);
    views_ = new QStackedLayout(central);
    const SharedChoices choices{period_choices_, meeting_choices_, member_choices_};
    game_list_ = new GameListView(store_);
    game_detail_ = new GameDetailView(store_);
    team_data_ = new TeamDataView(store_, choices);
    personal_data_ = new PersonalDataView(store_, choices);
    graph_data_ = new GraphDataView(store_, choices);
    for (QWidget* view :
         std::initializer_list<QWidget*>{game_list_, game_detail_, team_data_, personal_data_, graph_data_}) {
        views_->addWidget(view);
    }
    setCentralWidget(central);
    // However narrow the window is made, every filter bar stays whole.
    central->setMinimumWidth(
        std::max(team_data_->minimumSizeHint().width(), personal_data_->minimumSizeHint().width()));
    connect(game_list_, &GameListView::context_menu_requested, this,
            [this](const QPoint& position) { menu_popup_lst->popup(position); });
    connect(team_data_, &TeamDataView::context_menu_requested, this,
            [this](const QPoint& position) { menu_popup_team->popup(position); });
}

void fm_main::build_toolbar() {
    tb_main = addToolBar(QStringLiteral(u"tb_main"));
    tb_main->setObjectName(QStringLiteral(u"tb_main"));
    tb_main->setMovable(false);
    tb_main->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tb_main->setIconSize(QSize(24, 24));
    view_buttons_ = new QActionGroup(this);
    view_buttons_->setExclusive(true);
    struct Button {
        int index;
        const char16_t* caption;
        const char16_t* tooltip;
        const char16_t* badge;
        QColor colour;
    };
    const Button buttons[] = {
        {new_file_button, u"新規", u"新規作成", u"新", file_colour},
        {open_button, u"開く", u"開く", u"開", file_colour},
        {print_button, u"印刷", u"印刷", u"印", file_colour},
        {copy_button, u"コピー", u"コピー", u"写", file_colour},
        {game_input_button, u"入力", u"試合データ入力", u"入", data_colour},
        {game_delete_button, u"削除", u"試合データ削除", u"削", data_colour},
        {view_button(View::game_list), u"一覧", u"試合データ一覧", u"一", view_colour},
        {view_button(View::game_detail), u"試合", u"試合データ詳細", u"試", view_colour},
        {view_button(View::team_data), u"チーム", u"チームデータ", u"チ", view_colour},
        {view_button(View::personal_data), u"個人", u"個人データ", u"個", view_colour},
        {master_data_button, u"項目", u"入力項目設定", u"項", setting_colour},
        {settings_button, u"環境", u"環境設定", u"環", setting_colour},
    };
    const Button* next = std::begin(buttons);
    for (int index = 1; index <= last_toolbar_button; ++index) {
        QAction* action = nullptr;
        if (next != std::end(buttons) && next->index == index) {
            action = tb_main->addAction(badge_icon(QString::fromUtf16(next->badge), next->colour),
                                        QString::fromUtf16(next->caption));
            action->setToolTip(QString::fromUtf16(next->tooltip));
            ++next;
        } else {
            action = tb_main->addSeparator();
        }
        action->setObjectName(QStringLiteral(u"tb_main_") + QString::number(index));
        tb_main_buttons_[static_cast<size_t>(index)] = action;
    }
    // グラフ joins the view buttons after 個人; the numbered buttons keep their indexes.
    tb_main_graph =
        new QAction(badge_icon(QStringLiteral(u"グ"), view_colour), QStringLiteral(u"グラフ"), this);
    tb_main_graph->setObjectName(QStringLiteral(u"tb_main_graph"));
    tb_main_graph->setToolTip(QStringLiteral(u"グラフ"));
    tb_main->insertAction(tb_main_buttons_[static_cast<size_t>(view_button(View::personal_data)) + 1],
                          tb_main_graph);
    // ライブ follows 入力 in the same way.
    tb_main_live =
        new QAction(badge_icon(QStringLiteral(u"ラ"), data_colour), QStringLiteral(u"ライブ"), this);
    tb_main_live->setObjectName(QStringLiteral(u"tb_main_live"));
    tb_main_live->setToolTip(QStringLiteral(u"ライブ入力"));
    tb_main->insertAction(tb_main_buttons_[static_cast<size_t>(game_input_button) + 1], tb_main_live);
    connect(tb_main_live, &QAction::triggered, live_entry_, &LiveEntry::start);
    for (const View view :
         {View::game_list, View::game_detail, View::team_data, View::personal_data, View::graph}) {
        QAction* button = view_button_action(view);
        button->setCheckable(true);
        view_buttons_->addAction(button);
        connect(button, &QAction::triggered, this, [this, view] { show_view(view, ViewSwitch::toolbar); });
    }
}

void fm_main::build_menus() {
    auto menu = [this](const char16_t* name, const char16_t* caption) {
        QMenu* created = menuBar()->addMenu(QString::fromUtf16(caption));
        created->setObjectName(QString::fromUtf16(name));
        return created;
    };
    auto entry = [](QMenu* parent, const char16_t* name, const char16_t* caption,
                    const QKeySequence& keys = {}) {
        QAction* action = parent->addAction(QString::fromUtf16(caption));
        action->setObjectName(QString::fromUtf16(name));
        action->setShortcut(keys);
        return action;
    };
    auto separator = [](QMenu* parent, const char16_t* name) {
        parent->addSeparator()->setObjectName(QString::fromUtf16(name));
    };

    QMenu* file = menu(u"menu_file", u"ファイル(&F)");
    entry(file, u"menu_new", u"新規作成(&N)", QKeySequence(Qt::CTRL | Qt::Key_N));
    entry(file, u"menu_open", u"開く(&O)", QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(entry(file, u"menu_restore", u"バックアップから復元(&B)..."), &QAction::triggered, this,
            &fm_main::open_backup);
    connect(entry(file, u"menu_new_season", u"次年度のファイルを作成..."), &QAction::triggered, this,
            &fm_main::open_new_season);
    separator(file, u"menu_partition1");
    connect(entry(file, u"menu_sheet", u"スコアシート"), &QAction::triggered, this,
            [this] { show_score_sheet(QStringLiteral(u"score sheet.png"), false); });
    connect(entry(file, u"menu_sheet_sample", u"スコアシート（サンプル）"), &QAction::triggered, this,
            [this] { show_score_sheet(QStringLiteral(u"score sheet sample.png"), true); });
    entry(file, u"menu_print", u"印刷(&P)", QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(entry(file, u"menu_pdf", u"PDFに保存(&E)..."), &QAction::triggered, this,
            &fm_main::save_view_pdf);
    connect(entry(file, u"menu_export", u"エクスポート(&T)..."), &QAction::triggered, this,
            &fm_main::export_view);
    // Sharing: the detail view's game as a picture, the personal view's member as a card, the season
    // as web pages.
    separator(file, u"menu_partition5");
    const auto shown_game = [this] {
        return visible_view() == View::game_detail ? game_detail_->chosen_game() : std::nullopt;
    };
    connect(entry(file, u"menu_share_image", u"結果画像を保存..."), &QAction::triggered, this,
            [this, shown_game] { save_result_image(this, store_, shown_game()); });
    connect(entry(file, u"menu_copy_image", u"結果画像をコピー"), &QAction::triggered, this,
            [this, shown_game] { copy_result_image(store_, shown_game()); });
    connect(entry(file, u"menu_share_card", u"個人カードを保存..."), &QAction::triggered, this, [this] {
        const bool shown = visible_view() == View::personal_data && personal_data_->has_results();
        const PersonalViewContent content = personal_data_->content();
        save_member_card(this, store_, shown ? content.member : QString(), personal_data_->filter(),
                         FilterTexts{content.from, content.to, content.meeting, {}, {}, {}});
    });
    connect(entry(file, u"menu_export_site", u"Webページとして書き出し..."), &QAction::triggered, this,
            [this] { export_season_site(this, store_); });
    separator(file, u"menu_partition2");
    connect(entry(file, u"menu_end", u"終了(&X)", QKeySequence(Qt::CTRL | Qt::Key_X)), &QAction::triggered,
            this, &QWidget::close);

    QMenu* edit = menu(u"menu_edit", u"編集(&E)");
    entry(edit, u"menu_copy", u"コピー(&C)", QKeySequence(Qt::CTRL | Qt::Key_C));

    QMenu* game_edit = menu(u"menu_game_edit", u"データ編集(&G)");
    entry(game_edit, u"menu_game_input", u"試合データ入力(&I)", QKeySequence(Qt::CTRL | Qt::Key_I));
    connect(entry(game_edit, u"menu_game_live", u"ライブ入力(&L)", QKeySequence(Qt::CTRL | Qt::Key_L)),
            &QAction::triggered, live_entry_, &LiveEntry::start);
    connect(entry(game_edit, u"menu_game_modify", u"試合データ修正(&M)", QKeySequence(Qt::CTRL | Qt::Key_M)),
            &QAction::triggered, this, &fm_main::open_game_modify);
    entry(game_edit, u"menu_game_delete", u"試合データ削除(&D)", QKeySequence(Qt::CTRL | Qt::Key_D));

    QMenu* reference = menu(u"menu_game_reference", u"データ参照(&R)");
    const char16_t* captions[] = {u"試合データ一覧", u"試合データ詳細", u"チームデータ", u"個人データ",
                                  u"グラフ"};
    for (int k = 0; k < view_count; ++k) {
        QAction* action = reference->addAction(QString::fromUtf16(captions[k]));
        action->setObjectName(QStringLiteral(u"menu_game_reference") + QString::number(k + 1));
        action->setShortcut(QKeySequence(Qt::Key_F5 + k));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, k] { show_view(View(k), ViewSwitch::menu); });
        menu_game_reference_[static_cast<size_t>(k)] = action;
    }
    separator(reference, u"menu_partition4");
    connect(entry(reference, u"menu_career", u"通算成績(&C)..."), &QAction::triggered, this,
            &fm_main::open_career);

    QMenu* settings = menu(u"menu_set", u"設定(&S)");
    entry(settings, u"menu_set_input", u"入力項目設定(&Y)", QKeySequence(Qt::CTRL | Qt::Key_Y));
    entry(settings, u"menu_set_environment", u"環境設定(&Z)", QKeySequence(Qt::CTRL | Qt::Key_Z));

    QMenu* help = menu(u"menu_help", u"ヘルプ(&H)");
    connect(entry(help, u"menu_help_help", u"ヘルプ(&C)", QKeySequence(Qt::Key_F1)), &QAction::triggered,
            this, &fm_main::open_help);
    separator(help, u"menu_partition3");
    connect(entry(help, u"menu_help_version", u"バージョン情報(&A)"), &QAction::triggered, this,
            [this] { open_window(new fm_version(this)); });
}

// Each command has a toolbar button and a menu entry that do the same.
void fm_main::connect_commands() {
    const std::tuple<int, const char16_t*, void (fm_main::*)()> commands[] = {
        {new_file_button, u"menu_new", &fm_main::open_new_file},
        {open_button, u"menu_open", &fm_main::open_file},
        {print_button, u"menu_print", &fm_main::print_view},
        {copy_button, u"menu_copy", &fm_main::copy_view_text},
        {game_input_button, u"menu_game_input", &fm_main::open_game_input},
        {game_delete_button, u"menu_game_delete", &fm_main::open_game_delete},
        {master_data_button, u"menu_set_input", &fm_main::open_master_data},
        {settings_button, u"menu_set_environment", &fm_main::open_settings},
    };
    for (const auto& [button, entry, command] : commands) {
        connect(tb_main_buttons_[static_cast<size_t>(button)], &QAction::triggered, this, command);
        connect(findChild<QAction*>(QString::fromUtf16(entry)), &QAction::triggered, this, command);
    }
}

void fm_main::build_context_menus() {
    menu_popup_lst = new QMenu(QStringLiteral(u"ポップアップ(一覧)"), this);
    menu_popup_lst->setObjectName(QStringLiteral(u"menu_popup_lst"));
    QAction* detail = menu_popup_lst->addAction(QStringLiteral(u"試合データ詳細"));
    detail->setObjectName(QStringLiteral(u"menu_popup_lst_game"));
    connect(detail, &QAction::triggered, this, &fm_main::open_selected_game_detail);
    QAction* modify = menu_popup_lst->addAction(QStringLiteral(u"試合データ修正"));
    modify->setObjectName(QStringLiteral(u"menu_popup_lst_modify"));
    connect(modify, &QAction::triggered, this, [this] {
        if (const std::optional<int> game = game_list_->selected_game()) {
            open_game_correction(*game);
        }
    });

    menu_popup_team = new QMenu(QStringLiteral(u"ポップアップ(チーム)"), this);
    menu_popup_team->setObjectName(QStringLiteral(u"menu_popup_team"));
    QAction* personal = menu_popup_team->addAction(QStringLiteral(u"個人データ"));
    personal->setObjectName(QStringLiteral(u"menu_popup_team_player"));
    connect(personal, &QAction::triggered, this, &fm_main::jump_to_personal_data);
}

void fm_main::set_caption(const QString& suffix) {
    setWindowTitle(main_window_caption(store_.team_name, suffix, store_.data_file_path));
}

void fm_main::show_view(View view, ViewSwitch how) {
    const int k = view_index(view);
    if (how != ViewSwitch::context_menu) {
        for (int i = 0; i < view_count; ++i) {
            menu_game_reference_[static_cast<size_t>(i)]->setChecked(i == k);
        }
    }
    view_button_action(view)->setChecked(true);
    views_->setCurrentIndex(k);
    set_caption(view_suffixes[static_cast<size_t>(k)]);
}

QAction* fm_main::view_button_action(View view) const {
    return view == View::graph ? tb_main_graph : tb_main_buttons_[static_cast<size_t>(view_button(view))];
}

View fm_main::visible_view() const {
    return View(views_->currentIndex());
}

void fm_main::clear_game_views() {
    game_list_->clear();
    game_detail_->clear();
    team_data_->clear_results();
    graph_data_->clear();
    for (ChoiceList* choices : {period_choices_, meeting_choices_, member_choices_}) {
        choices->set({});
    }
}

void fm_main::refresh_game_lists() {
    clear_game_views();
    const GameLists lists = build_game_lists(store_);
    game_list_->show_rows(lists.rows);
    game_detail_->set_entries(lists.detail_entries);
    period_choices_->set(lists.period_keys);
    meeting_choices_->set(lists.meetings);
    member_choices_->set(lists.members);
}

// The game list's context menu: the selected row's game opens on the detail sheet, found by the
// game the row shows rather than by its position, so any order of the stored games is right.
void fm_main::open_selected_game_detail() {
    const std::optional<int> game = game_list_->selected_game();
    if (!game) {
        return;
    }
    game_list_->sort_by(0);
    show_view(View::game_detail, ViewSwitch::context_menu);
    game_detail_->choose_game(*game);
}

// The team list's context menu: the selected member's personal data over the team view's games.
void fm_main::jump_to_personal_data() {
    const std::optional<QString> member = team_data_->chosen_member();
    if (!member) {
        show_message(
            {QStringLiteral(u"選択エラー"), QStringLiteral(u"「更新」　をクリックしてから選択して下さい。")});
        return;
    }
    personal_data_->take_filter_and_member(team_data_->filter(), *member);
    show_view(View::personal_data, ViewSwitch::context_menu);
    personal_data_->update();
}

void fm_main::open_new_file() {
    auto* dialog = new fm_new(store_, this, false);
    connect(dialog, &fm_new::team_file_created, this, &fm_main::team_file_created);
    open_window(dialog);
}

void fm_main::open_file() {
    auto* dialog = new fm_open(store_, this, OpenPurpose::open_team_file);
    connect(dialog, &fm_open::team_file_opened, this, [this](const md::LoadResult& result) {
        apply_load_result(result);
        refresh_game_lists();
    });
    open_window(dialog);
}

void fm_main::open_game_input() {
    if (const std::optional<md::UserMessage> refusal = check_team_file_open(store_)) {
        show_message(*refusal);
        return;
    }
    auto* wizard = new fm_game_input(store_, this);
    connect(wizard, &fm_game_input::games_changed, this, &fm_main::refresh_game_lists);
    connect(wizard, &fm_game_input::team_file_reloaded, this, &fm_main::show_reloaded_file);
    open_window(wizard);
}

// 試合データ修正: the game shown on the detail sheet, or else the one selected in the game list, is
// chosen when the window opens; its choice opens the wizard once the window is gone.
void fm_main::open_game_modify() {
    std::optional<int> shown = game_list_->selected_game();
    if (const std::optional<int> on_sheet = game_detail_->chosen_position();
        on_sheet && (visible_view() == View::game_detail || !shown)) {
        shown = on_sheet;
    }
    auto* dialog = new fm_game_modify(store_, this, shown);
    auto chosen_game = std::make_shared<std::optional<int>>();
    connect(dialog, &fm_game_modify::game_chosen, this,
            [chosen_game](int position) { *chosen_game = position; });
    open_window(dialog);
    // After the window's own closing has given the main window back.
    connect(dialog, &QObject::destroyed, this, [this, chosen_game] {
        if (*chosen_game) {
            open_game_correction(**chosen_game);
        }
    });
}

// The wizard on a stored game, or the message of a game it could not have entered.
void fm_main::open_game_correction(int position) {
    const std::variant<GameCorrection, md::UserMessage> opened = open_correction(store_, position);
    if (const auto* refusal = std::get_if<md::UserMessage>(&opened)) {
        show_message(*refusal);
        return;
    }
    auto* wizard = new fm_game_input(store_, this, std::get<GameCorrection>(opened));
    connect(wizard, &fm_game_input::games_changed, this, &fm_main::refresh_game_lists);
    open_window(wizard);
}

void fm_main::open_game_delete() {
    auto* dialog = new fm_game_delete(store_, this);
    connect(dialog, &fm_game_delete::games_changed, this, &fm_main::refresh_game_lists);
    connect(dialog, &fm_game_delete::team_file_reloaded, this, &fm_main::show_loaded_caption);
    open_window(dialog);
}

void fm_main::open_master_data() {
    auto* window = new fm_setting_input(store_, this);
    connect(window, &fm_setting_input::team_file_reloaded, this, &fm_main::show_reloaded_file);
    open_window(window);
}

void fm_main::open_backup() {
    auto* window = new fm_backup(store_, this);
    connect(window, &fm_backup::team_file_reloaded, this, &fm_main::show_reloaded_file);
    open_window(window);
}

void fm_main::open_settings() {
    open_window(new fm_setting(store_, this));
}

void fm_main::open_career() {
    open_window(new fm_career(team_files(), this));
}

void fm_main::open_new_season() {
    auto* dialog = new fm_new_season(store_, this);
    connect(dialog, &fm_new_season::team_file_opened, this, [this](const md::LoadResult& result) {
        apply_load_result(result);
        refresh_game_lists();
    });
    open_window(dialog);
}

void fm_main::team_file_created(bool first_start) {
    if (first_start) {
        // The main window comes up now, on the new file.
        start();
        set_caption({});
        return;
    }
    set_caption(view_suffixes[view_index(View::game_list)]);
    refresh_game_lists();
}

void fm_main::open_window(QWidget* window) {
    open_child_window(this, window);
}

MainView* fm_main::visible_view_widget() const {
    return static_cast<MainView*>(views_->currentWidget());
}

QString fm_main::view_copy_text() const {
    return visible_view_widget()->copy_text();
}

void fm_main::copy_view_text() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(view_copy_text());
}

std::optional<PrintDocument> fm_main::view_document() const {
    return visible_view_widget()->print_document(QDate::currentDate());
}

QString fm_main::output_name(const PrintDocument& document) const {
    return output_base_name(store_.team_name, document.heading ? document.heading->view_title : QString(),
                            visible_view_widget()->output_day(QDate::currentDate()));
}

void fm_main::print_view() {
    if (const std::optional<PrintDocument> document = view_document()) {
        preview_document(this, *document, document->name(), output_name(*document));
    } else {
        show_message({md::input_error_title, QStringLiteral(u"印刷するデータがありません。")});
    }
}

void fm_main::save_view_pdf() {
    if (const std::optional<PrintDocument> document = view_document()) {
        save_document_as_pdf(this, *document, document->name(),
                             output_name(*document) + QStringLiteral(u".pdf"));
    } else {
        show_message({md::input_error_title, QStringLiteral(u"印刷するデータがありません。")});
    }
}

void fm_main::export_view() {
    if (const std::optional<PrintDocument> document = view_document()) {
        export_copy_text(this, view_copy_text(), output_name(*document) + QStringLiteral(u".csv"));
    } else {
        show_message({md::input_error_title, QStringLiteral(u"エクスポートするデータがありません。")});
    }
}

void fm_main::show_score_sheet(const QString& picture, bool sample) {
    const QString path = QDir::current().absoluteFilePath(picture);
    if (QFileInfo::exists(path) && QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        return;
    }
    const QString title =
        sample ? QStringLiteral(u"スコアシート（サンプル）") : QStringLiteral(u"スコアシート");
    preview_document(this, score_sheet_form_document(sample ? demo_score_sheet() : ScoreSheetForm{}), title,
                     title);
}

// The manual opens in a window of its own, beside the program's windows rather than in their turn:
// it can stay open while the user works.
void fm_main::open_help() {
    if (help_ == nullptr) {
        const QString folder = find_help_folder(QCoreApplication::applicationDirPath());
        if (folder.isEmpty()) {
            const QString expected = help_folder_candidates(QCoreApplication::applicationDirPath()).back();
            show_message({QStringLiteral(u"エラー"), QStringLiteral(u"「") +
                                                         QDir(expected).filePath(help_contents_page) +
                                                         QStringLiteral(u"」　を開けませんでした。")});
            return;
        }
        help_ = new fm_help(folder);
        help_->setAttribute(Qt::WA_DeleteOnClose);
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void fm_main::start(const QString& given_file) {
    // setting.ini, when there is one, still gives a given file the preferences and the fixed start
    // file.
    if (!given_file.isEmpty()) {
        store_.read_settings();
    }
    const bool opened = !given_file.isEmpty() && open_given_team_file(given_file);
    if (!opened && !QFileInfo::exists(md::settings_file_name)) {
        start_without_settings();
        return;
    }
    if (!opened) {
        apply_load_result(store_.load_team_data());
    }
    restore_placement();
    refresh_game_lists();
    // A live game the program stopped in is offered once the main window runs.
    QTimer::singleShot(0, live_entry_, [this] {
        if (isVisible() && isEnabled()) {
            live_entry_->offer_resume();
        }
    });
}

void fm_main::open_given_file(const QString& path) {
    // The work of an open window (a game half entered, a list being edited) belongs to the open file.
    if (!isVisible() || !isEnabled() || QApplication::activeModalWidget() != nullptr) {
        show_message(
            {QStringLiteral(u"エラー"),
             QStringLiteral(u"「") + path +
                 QStringLiteral(
                     u"」　を開けません。開いているウィンドウを閉じてから、もう一度開いて下さい。")});
        return;
    }
    if (open_given_team_file(path)) {
        refresh_game_lists();
    }
}

// A file given from outside opens as 開く opens it, read once, with the same notices; false when
// it is refused.
bool fm_main::open_given_team_file(const QString& path) {
    std::variant<StagedFile, md::UserMessage> staged = stage_given_file(store_, path);
    if (const auto* refusal = std::get_if<md::UserMessage>(&staged)) {
        show_message(*refusal);
        return false;
    }
    const OpenedFile opened = commit_team_file(store_, std::get<StagedFile>(std::move(staged)));
    apply_load_result(opened.loaded);
    for (const md::UserMessage& notice : opened.notices) {
        show_message(notice);
    }
    return true;
}

void fm_main::bring_to_front() {
    if (isMinimized()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
    }
    raise();
    activateWindow();
    // A window opened from the main window, and a message box over it, stay above it.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible() && window->isWindow() &&
            qobject_cast<QMenu*>(window) == nullptr) {
            window->raise();
            window->activateWindow();
        }
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

void fm_main::apply_load_result(const md::LoadResult& result) {
    if (!result.ok()) {
        show_message(result.message());
        return;
    }
    if (result.team_name_read) {
        show_loaded_caption();
    }
}

// Loading names the detail view in the caption, whichever view is visible.
void fm_main::show_loaded_caption() {
    set_caption(view_suffixes[view_index(View::game_detail)]);
}

// A window loaded the file again: anything in it may have changed.
void fm_main::show_reloaded_file() {
    show_loaded_caption();
    refresh_game_lists();
}

void fm_main::restore_placement() {
    const std::optional<md::WindowPlacement> placement = md::parse_window_placement(store_.window_placement);
    if (placement) {
        setGeometry(px(placement->left), px(placement->top), px(placement->width), px(placement->height));
        restored_ = {*placement, geometry()};
    }
    // A minimized state is not restored: the window opens normal.
    if (placement && placement->state == 2) {
        showMaximized();
    } else {
        show();
    }
}

void fm_main::record_placement() {
    const int state = isMinimized() ? 1 : isMaximized() ? 2 : 0;
    const QRect bounds = state != 0 && normalGeometry().isValid() ? normalGeometry() : geometry();
    md::WindowPlacement placement{twips(bounds.x()), twips(bounds.y()), twips(bounds.width()),
                                  twips(bounds.height()), state};
    // Bounds still as restored are written as they were read: a pixel is 15 twips, and the
    // stored numbers must not creep at every start.
    if (restored_ && restored_->bounds == bounds) {
        placement = restored_->placement;
        placement.state = state;
    }
    store_.window_placement = md::compose_window_placement(placement);
}

// A first start: the main window closes at once (writing setting.ini as every closing does) and
// only the new-file dialog shows; closing it ends the program.
void fm_main::start_without_settings() {
    write_closing_settings();
    auto* dialog = new fm_new(store_, nullptr, true);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &fm_new::team_file_created, this, &fm_main::team_file_created);
    dialog->show();
}

void fm_main::closeEvent(QCloseEvent* event) {
    // While a window opened from here is open, the main window takes no input, closing included.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    write_closing_settings();
    if (help_ != nullptr) {
        help_->close();
    }
    event->accept();
}

void fm_main::write_closing_settings() {
    record_placement();
    const bool fixed_file = store_.start_mode == md::StartMode::fixed_file;
    if (const md::SaveResult saved =
            store_.save_settings(fixed_file ? store_.start_file_path : store_.data_file_path);
        !saved.ok) {
        show_message(saved.message());
    }
}

}  // namespace kl
