#include "fm_main.h"

#include "store/startup_settings.h"
#include "widgets/message_box.h"
#include "widgets/twips.h"

#include <QCloseEvent>

namespace kl {
namespace {

// The window's design placement, used until setting.ini holds one.
constexpr QRect design_geometry(px(1200), px(900), px(10800), px(9600));

}  // namespace

fm_main::fm_main(md::DataStore& store) : store_(store) {
    setObjectName(QStringLiteral(u"fm_main"));
    setWindowTitle(QStringLiteral(u"Kickledger"));
    setGeometry(design_geometry);
}

void fm_main::set_caption(const QString& suffix) {
    setWindowTitle(QStringLiteral(u"Kickledger - ") + store_.team_name + suffix);
}

void fm_main::start() {
    store_.reload_path_override.clear();
    help_file_ = QStringLiteral(u"help.chm");
    apply_load_result(store_.load_team_data());
    restore_placement();
    store_.main_window_ready = 1;
}

void fm_main::apply_load_result(const md::LoadResult& result) {
    if (!result.ok()) {
        show_message(result.message());
        return;
    }
    if (result.team_name_read) {
        set_caption(QStringLiteral(u"  [試合データ詳細]"));
    }
}

void fm_main::restore_placement() {
    const std::optional<md::WindowPlacement> placement = md::parse_window_placement(store_.window_placement);
    if (!placement) {
        show();
        return;
    }
    setGeometry(px(placement->left), px(placement->top), px(placement->width), px(placement->height));
    // A minimized state is not restored: the window opens normal.
    if (placement->state == 2) {
        showMaximized();
    } else {
        show();
    }
}

void fm_main::record_placement() {
    const int state = isMinimized() ? 1 : isMaximized() ? 2 : 0;
    const QRect bounds = state != 0 && normalGeometry().isValid() ? normalGeometry() : geometry();
    store_.window_placement = md::compose_window_placement(
        {twips(bounds.x()), twips(bounds.y()), twips(bounds.width()), twips(bounds.height()), state});
}

void fm_main::closeEvent(QCloseEvent* event) {
    record_placement();
    if (store_.start_mode == 0) {
        store_.data_file_path = store_.start_file_path;
    }
    if (const md::SaveResult saved = store_.save_settings(); !saved.ok) {
        show_message(saved.message());
    }
    event->accept();
}

}  // namespace kl
