#include "store_actions.h"

#include "message_box.h"

namespace kl {

bool save_or_report(const md::DataStore& store) {
    const md::SaveResult saved = store.save_team_data();
    if (!saved.ok) {
        show_message(saved.message());
    }
    return saved.ok;
}

bool reload_or_report(md::DataStore& store) {
    const md::LoadResult loaded = store.reload_team_data();
    if (!loaded.ok()) {
        show_message(loaded.message());
    }
    return loaded.ok();
}

}  // namespace kl
