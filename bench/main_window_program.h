#pragma once

#include "store/data_store.h"
#include "team_file_generator.h"
#include "views/fm_main.h"

#include <QString>
#include <memory>

class QWidget;

namespace kl::bench {

// Lets the window handle what is queued: layouts, paints, windows deleted on close.
void settle();

// The main window started on a copy of the large file (team.kld in its folder, named by
// setting.ini), as the program runs it.
struct Program {
    Program();
    // Triggers the window's action of that name and lets the window handle the result.
    void trigger(const char16_t* action);
    template <typename T>
    T* find(const char16_t* name) {
        return window->findChild<T*>(QString::fromUtf16(name));
    }
    // The visible top-level window of that name.
    static QWidget* top_window(const char16_t* name);

    md::DataStore store;
    std::unique_ptr<fm_main> window;
};

}  // namespace kl::bench
