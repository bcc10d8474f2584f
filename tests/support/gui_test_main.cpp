#include <gtest/gtest.h>
#include <QGuiApplication>

// Tests that paint (printed pages, PDF files) need fonts, and so a QGuiApplication, but no display.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
