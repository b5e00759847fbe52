// The main of every test program: windows are created offscreen unless a display is asked for,
// and the QApplication exists before any test runs.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName("kzp-tests");
    return RUN_ALL_TESTS();
}
