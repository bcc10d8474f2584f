#include "store/startup_settings.h"
#include "store/text_file.h"

#include <cstdint>
#include <cstdlib>

// Any bytes as setting.ini: every value read is of its line's form, and written back it reads the same.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const md::StartupSettings settings = md::parse_settings(md::split_raw_lines(content));
    if (settings.window_placement && !md::parse_window_placement(*settings.window_placement)) {
        std::abort();
    }
    const bool small_sided = settings.small_sided_games.value_or(false);
    const md::StartMode start_mode = settings.start_mode.value_or(md::StartMode::fixed_file);
    QStringList lines = {
        settings.file_path.value_or(QString()), settings.window_placement.value_or(QString()),
        md::print_form(static_cast<int>(start_mode)), md::print_form(settings.keyboard_entry.value_or(false)),
        md::print_form(settings.add_typed_names.value_or(false))};
    if (small_sided) {
        lines.append(md::print_form(true));  // the sixth line, only while small-sided games are on
    }
    const md::EncodedLines written = md::encode_cp932_lines(lines);
    if (!written.ok()) {
        return 0;
    }
    const md::StartupSettings again = md::parse_settings(md::split_raw_lines(written.bytes));
    if (again.start_mode.value_or(md::StartMode::fixed_file) != start_mode ||
        again.window_placement.value_or(QString()) != settings.window_placement.value_or(QString()) ||
        again.small_sided_games.value_or(false) != small_sided) {
        std::abort();
    }
    return 0;
}
