#include <gtest/gtest.h>

#include <QApplication>

// Widget tests need one QApplication for the whole run (offscreen platform).
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName("NiskTest");
    QApplication::setApplicationName("Kelvane Tools Test");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
