#include "questionnaire/Startup.h"

#include <cmath>

#include <QLabel>

#include "questionnaire/Form1.h"
#include "questionnaire/Form6.h"
#include "questionnaire/Installation.h"
#include "questionnaire/Program.h"
#include "ui/VbText.h"

void InitAppDir(Program& program)
{
    QString folder = program.platform().ProgramFolder();
    if (folder.isEmpty())
        folder = program.platform().CurrentFolder();
    program.state.AppDir = folder;
}

void InitWindowsDir(Program& program)
{
    program.state.WindowsDir = program.platform().SystemFolder();
}

void InitConstants(Program& program)
{
    ProgramState& s = program.state;
    s.Version = QStringLiteral("2.100");
    s.RecipientAddress = QStringLiteral("das") + CrLf + installation::InstituteName + CrLf
                         + installation::InstituteStreet + CrLf + installation::InstitutePostcodeCity;
    s.RecipientEmail = installation::InstituteEmail;
    s.IssuerName = installation::IssuerName;
    s.IssuerStreet = installation::IssuerStreet;
    s.IssuerPostcodeCity = installation::IssuerPostcodeCity;
    s.IssuerCountry = installation::IssuerCountry;
    s.IssuerEmail = installation::IssuerEmail;
}

void DetectDisplayScaling(Program& program)
{
    // Both probes show the same small picture: the image is its picture plus
    // a border in pixels, the picture box a fixed 495 twips. In twips they
    // agree only at the design density of 15 twips a pixel.
    Form1& main = program.form<Form1>();
    const double twipsPerPixel = program.platform().TwipsPerPixelOfDisplay();
    const double imageTwips = main.Anzeige1->width() * twipsPerPixel;
    const double boxTwips = 495;
    program.state.DisplayScaled = std::fabs(imageTwips - boxTwips) < 0.5 ? 0 : 1;
}

void ShowSplash(Program& program)
{
    Platform& platform = program.platform();
    const double start = platform.Timer();
    Form6& splash = program.form<Form6>();
    splash.show();
    platform.DoEvents();
    // A blocking wait: the time of day jumping back at midnight ends it early.
    while (std::fabs(start - platform.Timer()) < 4)
        platform.Sleep(20);
    splash.Unload();
    platform.DoEvents();
}
