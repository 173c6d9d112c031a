// Every test program runs inside a QApplication so that fonts, images and
// widgets behave as in the program. The platform is offscreen unless the
// caller chose another.
#include "common/TestEnv.h"
#include "support/Maker.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings and the error log of a test never touch the user's own.
    TestEnv::isolateUserFolders();
    QApplication app(argc, argv);
    nameApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
