#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

// Test discovery runs this program at build time without the test
// environment, so pick the offscreen platform here when none is set.
int main(int argc, char** argv) {
    // A classroom folder on this machine must not reach the tests (nor the
    // programs they run).
    if (!std::getenv("KURVO32_SYSTEM")) setenv("KURVO32_SYSTEM", "/nonexistent/kurvo32-classroom", 1);
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
