#include "widgets/japanese_ui.h"

#include <gtest/gtest.h>
#include <QApplication>

// Widget tests share one application, shown on the offscreen platform and in Japanese, as the
// program is.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    kl::use_japanese_ui();
    return RUN_ALL_TESTS();
}
