#include <gtest/gtest.h>

#include <QCoreApplication>

// The real serial backend needs an event loop for its end-to-end test.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
