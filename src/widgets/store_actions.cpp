#include "store_actions.h"

#include "message_box.h"

namespace kl {

SaveOutcome write_or_report(md::DataStore& store, const TeamFileWrite& write) {
    md::SaveResult saved = write(md::OnDiskChange::refuse);
    if (saved.changed_on_disk) {
        const md::UserMessage question = saved.changed_question();
        if (!ask_yes_no(question.title, question.text)) {
            const md::KeptDiskVersion kept = store.keep_disk_version(saved.unsaved);
            show_message(kept.message);
            return kept.reloaded ? SaveOutcome::reloaded : SaveOutcome::not_saved;
        }
        saved = write(md::OnDiskChange::overwrite);
    }
    if (!saved.ok) {
        show_message(saved.message());
        return SaveOutcome::not_saved;
    }
    if (saved.backup_notice) {
        show_message(*saved.backup_notice);
    }
    return SaveOutcome::saved;
}

SaveOutcome save_or_report(md::DataStore& store) {
    return write_or_report(store,
                           [&store](md::OnDiskChange on_change) { return store.save_team_data(on_change); });
}

bool reload_or_report(md::DataStore& store) {
    const md::LoadResult loaded = store.reload_team_data();
    if (!loaded.ok()) {
        show_message(loaded.message());
    }
    return loaded.ok();
}

}  // namespace kl
