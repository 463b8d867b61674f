#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "questionnaire/Form1.h"
#include "questionnaire/Form13.h"
#include "questionnaire/Form5.h"
#include "questionnaire/PersonalData.h"
#include "support/TestRun.h"

namespace {

const QString Title = QStringLiteral("Passwortschutz");
const QString Mismatch =
    QStringLiteral("Das Passwort und seine Wiederholung sind nicht identisch.\r\nWiederholen Sie bitte die Eingabe.");
const QString BlankEnds =
    QStringLiteral("Leerzeichen am Anfang oder am Ende des Passwortes werden nicht akzeptiert.");
const QString Notice = QStringLiteral(
    "Bitte notieren Sie sich das Passwort sorgfältig, damit sichergestellt ist, dass Sie die verschlüsselte "
    "RUV-O-Datei vom zfk später auch öffnen können.");
const QString NoPassword = QStringLiteral(
    "Wollen Sie kein Passwort zum Schutz Ihrer verschlüsselten RUV-O-Datei, die Sie vom zfk erhalten werden, "
    "anlegen?");
const QString EnterOne =
    QStringLiteral("Geben Sie bitte ein Passwort ein, und wiederholen Sie es im zweiten Textfeld.");

QString refusedMessage(const QString& character)
{
    return QStringLiteral("Das Zeichen '") + character + QStringLiteral("' wird im Passwort nicht akzeptiert.");
}

struct PasswordDialog : ::testing::Test {
    TestRun run;

    // Loads the dialog with both boxes preset and scripts its driver, which
    // must end it; the messages it shows are scripted after this call.
    void expectDialog(const QString& text1, const QString& text2, std::function<void(Form5&)> driver)
    {
        Form5& d = run.program->form<Form5>();
        d.Text1->setText(text1);
        d.Text2->setText(text2);
        run.ui->expectModal<Form5>(std::move(driver));
    }
    void showDialog() { run.program->ShowModal(run.program->form<Form5>()); }
};

TEST_F(PasswordDialog, AMismatchComesBeforeEverythingElseAndCaseCounts)
{
    run.state().ResultPassword = QStringLiteral("vorher");
    expectDialog(QStringLiteral("geheim"), QStringLiteral(" geheim"), [](Form5& d) {
        d.Command1->click();
        EXPECT_EQ(d.Text2->text(), QStringLiteral(" geheim")) << "a mismatch changes no box";
        d.Text1->setText(QStringLiteral("Geheim"));
        d.Text2->setText(QStringLiteral("geheim"));
        d.Command1->click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.Text1->text(), QStringLiteral("Geheim"));
        d.Text2->setText(QStringLiteral("Geheim"));
        d.Command1->click();
    });
    run.ui->expectMsg(Mismatch, vbCritical, Title);
    run.ui->expectMsg(Mismatch, vbCritical, Title);
    run.ui->expectMsg(Notice, vbExclamation, Title);
    showDialog();
    EXPECT_EQ(run.state().ResultPassword, QStringLiteral("Geheim"));
}

TEST_F(PasswordDialog, BlanksAtTheEndsAreRefusedAndRemovedBlanksInsideAccepted)
{
    expectDialog(QStringLiteral("  mein geheimes  Wort "), QStringLiteral("  mein geheimes  Wort "), [](Form5& d) {
        d.Command1->click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.Text1->text(), QStringLiteral("mein geheimes  Wort"));
        EXPECT_EQ(d.Text2->text(), QStringLiteral("mein geheimes  Wort"));
        d.Command1->click();
    });
    run.ui->expectMsg(BlankEnds, vbCritical, Title);
    run.ui->expectMsg(Notice, vbExclamation, Title);
    showDialog();
    EXPECT_EQ(run.state().ResultPassword, QStringLiteral("mein geheimes  Wort"));
}

TEST_F(PasswordDialog, BlanksOnlyEndEmptyAndThenAskForNoPassword)
{
    run.state().ResultPassword = QStringLiteral("vorher");
    expectDialog(QStringLiteral("   "), QStringLiteral("   "), [&](Form5& d) {
        d.Command1->click();
        EXPECT_TRUE(d.Text1->text().isEmpty());
        EXPECT_TRUE(d.Text2->text().isEmpty());
        d.Command1->click();  // No: stays open
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(run.state().ResultPassword, QStringLiteral("vorher"));
        d.Command1->click();  // Yes: closes without the notice
    });
    run.ui->expectMsg(BlankEnds, vbCritical, Title);
    run.ui->expectMsg(NoPassword, vbYesNoQuestionDefNo, Title, vbNo);
    run.ui->expectMsg(EnterOne, vbInformation, Title);
    run.ui->expectMsg(NoPassword, vbYesNoQuestionDefNo, Title, vbYes);
    showDialog();
    EXPECT_EQ(run.state().ResultPassword, QString());
}

TEST_F(PasswordDialog, NamesTheFirstCharacterWithoutACodeBelow123)
{
    const struct {
        const char* password;
        const char* named;
    } cases[] = {
        {"Grüße", "ü"},   {"ab{c", "{"},    {"x{ü", "{"},      {"üx{", "ü"},  {"a|b", "|"},
        {"a}b", "}"},     {"~", "~"},       {"5€", "€"},       {"§1", "§"},   {"café", "é"},
        {"Łódź", "Ł"},    {"a😀b", "😀"},   {"Straße", "ß"},
    };
    // Characters that show nothing of their own are named by their code. A
    // pasted carriage return would split the password's line in the
    // carry-over and personal-data files.
    const struct {
        const char* password;
        const char* code;
    } invisible[] = {{"a\x7f", "U+007F"}, {"\xc2\xa0x", "U+00A0"}, {"ab\rcd", "U+000D"}};
    for (const auto& c : invisible) {
        const QString password = QString::fromUtf8(c.password);
        expectDialog(password, password, [&](Form5& d) {
            d.Command1->click();
            EXPECT_TRUE(d.isVisible()) << c.code;
            d.Unload();
        });
        run.ui->expectMsg(QStringLiteral("Das Zeichen ") + QString::fromUtf8(c.code)
                              + QStringLiteral(" wird im Passwort nicht akzeptiert."),
                          vbCritical, Title);
        showDialog();
        EXPECT_EQ(run.ui->pending(), 0) << c.code;
    }
    for (const auto& c : cases) {
        const QString password = QString::fromUtf8(c.password);
        expectDialog(password, password, [&](Form5& d) {
            d.Command1->click();
            EXPECT_TRUE(d.isVisible()) << c.password;
            EXPECT_EQ(d.Text1->text(), password) << "a refusal changes no box";
            d.Unload();
        });
        run.ui->expectMsg(refusedMessage(QString::fromUtf8(c.named)), vbCritical, Title);
        showDialog();
        EXPECT_EQ(run.ui->pending(), 0) << c.password;
    }
    EXPECT_TRUE(run.state().ResultPassword.isEmpty());
}

TEST_F(PasswordDialog, AcceptsEveryCodeFromTheBlankToZ)
{
    QString all;
    for (char16_t code = 32; code < 123; ++code)
        all.append(QChar(code));
    const QString password = QStringLiteral("A") + all + QStringLiteral("z");  // no blank at either end
    EXPECT_EQ(FirstRefusedPasswordCharacter(password), QString());
    expectDialog(password, password, [](Form5& d) { d.Command1->click(); });
    run.ui->expectMsg(Notice, vbExclamation, Title);
    showDialog();
    EXPECT_EQ(run.state().ResultPassword, password);
}

TEST_F(PasswordDialog, AStoredPasswordBreakingTheRulesIsRefusedUntilChanged)
{
    // Carried in from a personal-data file: the form presets the dialog with it.
    run.program->form<Form1>();
    ProgramState& s = run.state();
    s.ResultPassword = QStringLiteral("Müller");
    run.ui->expectModal<Form13>([](Form13& f) {
        for (int n = 1; n <= 10; ++n)
            f.textBox(n)->setText(QStringLiteral("x"));
        f.Option1[0]->setChecked(true);
        f.Command1->click();
    });
    run.ui->expectModal<Form5>([](Form5& d) {
        EXPECT_EQ(d.Text1->text(), QStringLiteral("Müller"));
        EXPECT_EQ(d.Text2->text(), QStringLiteral("Müller"));
        d.Command1->click();
        EXPECT_TRUE(d.isVisible());
        d.Text1->setText(QStringLiteral("Mueller"));
        d.Text2->setText(QStringLiteral("Mueller"));
        d.Command1->click();
    });
    run.ui->expectMsg(refusedMessage(QStringLiteral("ü")), vbCritical, Title);
    run.ui->expectMsg(Notice, vbExclamation, Title);
    run.ui->expectMsg(QStringLiteral("Möchten Sie Ihre Stammdaten zusammen mit dem Passwort in einer Datei sichern "
                                     "und abspeichern?"),
                      vbYesNoQuestion, QStringLiteral("Stammdaten Speichern"), vbNo);
    run.ui->expectMsg(QStringLiteral("Wollen Sie nun den Fragebogen bearbeiten?"), vbYesNoQuestion,
                      QStringLiteral("Benutzerführung"), vbNo);
    EnterPersonalData(*run.program);
    EXPECT_EQ(s.ResultPassword, QStringLiteral("Mueller"));
}

TEST_F(PasswordDialog, EnterMovesToTheRepetitionAndThenPressesOk)
{
    expectDialog(QStringLiteral("abc"), QStringLiteral("abc"), [&](Form5& d) {
        EXPECT_EQ(d.focusWidget(), d.Text1);
        QTest::keyClick(d.Text1, Qt::Key_Return);
        EXPECT_EQ(d.focusWidget(), d.Text2);
        EXPECT_TRUE(run.platform->keysSent.isEmpty());
        QTest::keyClick(d.Text2, Qt::Key_Return);
        EXPECT_EQ(d.focusWidget(), d.Command1);
        EXPECT_EQ(run.platform->keysSent, QStringList{QStringLiteral("{ENTER}")});
        EXPECT_TRUE(d.isVisible()) << "the keystroke is handled after the key event";
        QCoreApplication::processEvents();
    });
    run.ui->expectMsg(Notice, vbExclamation, Title);
    showDialog();
    EXPECT_EQ(run.state().ResultPassword, QStringLiteral("abc"));
}

TEST_F(PasswordDialog, HilfeExplainsAndNothingButOkLeaves)
{
    expectDialog(QStringLiteral("abc"), QStringLiteral("abc"), [&](Form5& d) {
        d.Command2->click();
        QTest::keyClick(&d, Qt::Key_Escape);
        d.close();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(run.program->loadedForm<Form5>(), &d);
        EXPECT_TRUE(run.state().ResultPassword.isEmpty());
        d.Command1->click();
    });
    run.ui->expectMsg(QStringLiteral("Nach dem Einsenden Ihres beantworteten Fragebogens erhalten Sie vom zfk eine "
                                     "verschlüsselte Datei mit Ihrem RUV-O-Testergebnis.\r\nDurch das Vergeben "
                                     "eines Passwortes können Sie sicher sein, dass keine unbefugten Personen Ihre "
                                     "Datei öffnen können.\r\nNotieren Sie sich sorgfältig das Passwort, das Sie "
                                     "vergeben."),
                      vbInformation, QStringLiteral("Hilfe zum Passwortschutz"));
    run.ui->expectMsg(Notice, vbExclamation, Title);
    showDialog();
    EXPECT_EQ(run.program->loadedForm<Form5>(), nullptr);
}

TEST_F(PasswordDialog, IsCentredOnTheScreen)
{
    run.platform->screen = QSizeF(12000, 9000);  // 800 x 600 pixels
    Form5& d = run.program->form<Form5>();
    EXPECT_NEAR(d.geometry().center().x(), 400, 1);
    EXPECT_NEAR(d.geometry().center().y(), 300, 1);
    EXPECT_TRUE(d.Text1->echoMode() == QLineEdit::Normal) << "the password is shown in plain";
    d.Unload();
}

}  // namespace
