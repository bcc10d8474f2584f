#include "exercise.h"
#include "store/capacities.h"
#include "store/data_store.h"

#include <cstdint>
#include <cstdlib>

// Any bytes as a team data file: a file that loads supports everything a user can ask for of it,
// and saving it gives a file that loads to the same tables.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    md::DataStore store;
    if (!store.load_team_bytes(content, QStringLiteral(u"input.kld")).ok()) {
        return 0;
    }
    kl::fuzz::exercise_everything(store);
    const md::EncodedLines saved = store.encode_team_file();
    if (!saved.ok()) {
        // Only values that would read as a section header, or a file grown past its line limit,
        // cannot be written back.
        const bool header_value =
            md::is_section_header(store.team_name) || md::is_section_header(store.member_list) ||
            md::is_section_header(store.ground_list) || md::is_section_header(store.opponent_list) ||
            md::is_section_header(store.recorder_list);
        if (!header_value && store.team_file_lines().size() <= md::max_file_lines) {
            std::abort();
        }
        return 0;
    }
    md::DataStore again;
    if (!again.load_team_bytes(saved.bytes, QStringLiteral(u"saved.kld")).ok() ||
        !kl::fuzz::same_tables(store, again) || again.encode_team_file().bytes != saved.bytes) {
        std::abort();
    }
    return 0;
}
