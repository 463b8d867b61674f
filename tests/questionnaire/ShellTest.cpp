#include <gtest/gtest.h>

#include <QProcess>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include "questionnaire/Form1.h"
#include "questionnaire/Installation.h"
#include "questionnaire/Shell.h"
#include "support/TestRun.h"
#include "ui/RealPlatform.h"

namespace {

const QString kNoFormat = QStringLiteral("Das gewählte Format kann nicht wiedergegeben werden.");

}  // namespace

TEST(OpenDocumentOrUrl, NotFoundNamesTheTargetInCapitals)
{
    TestRun run;
    run.platform->shellCode = Platform::ShellNotFound;
    run.ui->expectMsg(QStringLiteral("Das Dokument MAILTO:FRAGEBOGEN@ZURIZAZU.EXAMPLE existiert nicht."), vbCritical,
                      QString());
    OpenDocumentOrUrl(*run.program, QStringLiteral("mailto:fragebogen@zurizazu.example"));
    EXPECT_EQ(run.platform->shellTargets, QStringList{QStringLiteral("mailto:fragebogen@zurizazu.example")});
}

TEST(OpenDocumentOrUrl, NoApplicationAndOtherCodes)
{
    TestRun run;
    run.platform->shellCode = Platform::ShellNoApplication;
    run.ui->expectMsg(kNoFormat, vbCritical, QString());
    OpenDocumentOrUrl(*run.program, QStringLiteral("https://x.example"));
    for (int code : {0, 3, 5, 32, 33, 42}) {
        run.platform->shellCode = code;
        OpenDocumentOrUrl(*run.program, QStringLiteral("https://x.example"));  // silent
    }
}

TEST(OpenAppDocument, PathInCapitalsOrFileNameAsPassed)
{
    TestRun run;
    run.state().AppDir = QStringLiteral("/opt/Programme/Test");
    run.platform->shellCode = Platform::ShellNotFound;
    run.ui->expectMsg(QStringLiteral("Das Dokument /OPT/PROGRAMME/TEST/TEXT.DOC existiert nicht."), vbCritical,
                      QString());
    OpenAppDocument(*run.program, QStringLiteral("text.doc"));
    run.platform->shellCode = Platform::ShellNoApplication;
    run.ui->expectMsg(QStringLiteral("Das gewählte Format der Datei 'text.doc' kann nicht wiedergegeben werden."),
                      vbCritical, QString());
    OpenAppDocument(*run.program, QStringLiteral("text.doc"));
    EXPECT_EQ(run.platform->shellTargets.last(), QStringLiteral("/opt/Programme/Test/text.doc"));
}

TEST(SupportButton, HandsTheAddressOverTwiceAndReportsEachFailure)
{
    TestRun run;
    Form1& main = run.program->form<Form1>();
    run.platform->shellCode = Platform::ShellNoApplication;
    run.ui->expectMsg(kNoFormat, vbCritical, QString()).expectMsg(kNoFormat, vbCritical, QString());
    const int before = run.platform->doEvents;
    main.Command15->click();
    EXPECT_EQ(run.platform->shellTargets,
              QStringList({installation::SupportWebAddress, installation::SupportWebAddress}));
    EXPECT_EQ(run.platform->doEvents, before + 1) << "events are processed between the two hand-overs";
}

TEST(WhereIsMySavedQuestionnaire, NothingSavedYet)
{
    TestRun run;
    Form1& main = run.program->form<Form1>();
    run.ui->expectMsg(QStringLiteral("Es wurde noch kein Fragebogen abgespeichert."), vbInformation, QString());
    main.Command3->click();
    EXPECT_TRUE(run.platform->shellTargets.isEmpty());
}

TEST(WhereIsMySavedQuestionnaire, NamesTheFileAndOffersTheMailProgram)
{
    TestRun run;
    Form1& main = run.program->form<Form1>();
    run.state().LastSavedFile = QStringLiteral("/home/a/Muster Erika 01.02.2026.ziz-ir");
    const QString where = QStringLiteral(
        "Der letzte abgespeicherte Fragebogen befindet sich hier:\r\n/home/a/Muster Erika 01.02.2026.ziz-ir\r\n\r\n"
        "Senden Sie die Datei auf einem Datenträger oder per Email an das\r\nZurizazu\r\n")
        + installation::InstituteStreet + QStringLiteral("\r\n") + installation::InstitutePostcodeCity
        + QStringLiteral("\r\n\r\nEmail: ") + installation::InstituteEmail;
    const QString ask = QStringLiteral("Möchten Sie, dass Ihr Emailprogramm gestartet wird?");
    run.ui->expectMsg(where, vbInformation, QString())
        .expectMsg(ask, vbYesNoQuestion, QStringLiteral("Email senden"), vbNo);
    main.Command3->click();
    EXPECT_TRUE(run.platform->shellTargets.isEmpty());

    // Yes: the mail link, then the reminder, even when the shell fails.
    run.platform->shellCode = Platform::ShellNoApplication;
    run.ui->expectMsg(where, vbInformation, QString())
        .expectMsg(ask, vbYesNoQuestion, QStringLiteral("Email senden"), vbYes)
        .expectMsg(kNoFormat, vbCritical, QString())
        .expectMsg(QStringLiteral("Vergessen Sie bitte nicht, die Datei mit Ihren Antworten (*.ziz-ir) der Email als "
                                  "Anhang beizufügen."),
                   vbExclamation, QStringLiteral("Hinweis"));
    main.Command3->click();
    EXPECT_EQ(run.platform->shellTargets, QStringList{QStringLiteral("mailto:") + installation::InstituteEmail});
}

// The desktop hand-over, with stand-in tools written as small scripts.
class ShellOpenerTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString script(const QString& name, const QByteArray& body)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n" + body);
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }
};

TEST_F(ShellOpenerTest, AMissingDocumentIsNotFound)
{
    ShellOpener s;
    s.opener = script(QStringLiteral("open"), "exit 0\n");
    EXPECT_EQ(s.open(dir.filePath(QStringLiteral("fehlt.doc"))), Platform::ShellNotFound);
}

TEST_F(ShellOpenerTest, NoOpenerOrNoRegisteredApplicationIs31)
{
    ShellOpener none;
    EXPECT_EQ(none.open(QStringLiteral("mailto:a@b.example")), Platform::ShellNoApplication);
    ShellOpener s;
    s.opener = script(QStringLiteral("open"), "exit 0\n");
    s.mimeQueryTool = script(QStringLiteral("mime"), "echo\n");  // nothing registered
    EXPECT_EQ(s.open(QStringLiteral("mailto:a@b.example")), Platform::ShellNoApplication);
}

TEST_F(ShellOpenerTest, HandsOverWithoutWaitingForTheApplication)
{
    ShellOpener s;
    // The opener keeps running far longer than the test may take (its time
    // limit is 60 s), as a mail program would: waiting for it fails the test.
    s.opener = script(QStringLiteral("open"), "exec sleep 300\n");
    s.mimeQueryTool = script(QStringLiteral("mime"), "echo thunderbird.desktop\n");
    EXPECT_GT(s.open(QStringLiteral("mailto:a@b.example")), 32);
    QProcess::execute(QStringLiteral("pkill"), {QStringLiteral("-f"), QStringLiteral("sleep 300")});
}
