// One main for every test binary: a QApplication on the offscreen platform, so model, surface
// and widget tests can all run headless.
#include "support/Environment.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testenv::isolateFromUser();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
