#include <QApplication>

#include "questionnaire/Form1.h"
#include "questionnaire/Program.h"
#include "ui/EnterKey.h"
#include "ui/Pictures.h"
#include "ui/Translation.h"
#include "ui/RealPlatform.h"
#include "ui/Ui.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("RUV-O Fragebogen"));
    // The main window's close ends the run, not the last window closing.
    app.setQuitOnLastWindowClosed(false);
    InstallFontSubstitutes();
    InstallGermanToolkitTexts();
    InstallEnterPressesFocusedButton();

    Program program(std::make_unique<RealPlatform>(), std::make_unique<RealUi>());
    program.form<Form1>();  // loading the main window runs the start-up
    return app.exec();
}
