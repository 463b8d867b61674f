#include <gtest/gtest.h>

#include <QApplication>

#include "ui/EnterKey.h"
#include "ui/Pictures.h"
#include "ui/Translation.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    InstallFontSubstitutes();
    InstallGermanToolkitTexts();
    InstallEnterPressesFocusedButton();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
