#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "files/AnswerFile.h"
#include "files/Form45.h"
#include "questionnaire/Form1.h"
#include "questionnaire/Form13.h"
#include "questionnaire/Form5.h"
#include "questionnaire/PersonalData.h"
#include "support/TestRun.h"

namespace {

const QString AllFieldsMessage = QStringLiteral("Es wurden noch nicht alle Felder ausgefüllt.");
const QString CheckMessage = QStringLiteral(
    "Wenn Sie die Option 'Testergebnis an Email oder Fax senden' wählen, dann müssen Sie auch eine Emailadresse "
    "oder eine Faxnummer angeben.");
const QString SexMessage = QStringLiteral("Geben Sie bitte noch Ihr Geschlecht an.");
const QString ExportQuestion =
    QStringLiteral("Möchten Sie Ihre Stammdaten zusammen mit dem Passwort in einer Datei sichern und abspeichern?");
const QString ChangedQuestion = QStringLiteral("Die Stammdaten wurden verändert.\r\nSollen die veränderten "
                                               "Stammdaten gespeichert werden?");
const QString FollowUp = QStringLiteral("Wollen Sie nun den Fragebogen bearbeiten?");
const QString PasswordNotice = QStringLiteral(
    "Bitte notieren Sie sich das Passwort sorgfältig, damit sichergestellt ist, dass Sie die verschlüsselte "
    "RUV-O-Datei vom zfk später auch öffnen können.");

// A run whose main window has started (no carry-over file, so silently).
struct PersonalDataForm : ::testing::Test {
    TestRun run;
    Form1* main = nullptr;

    void SetUp() override { main = &run.program->form<Form1>(); }

    ProgramState& s() { return run.state(); }

    static void fillAll(Form13& f)
    {
        for (int n = 1; n <= 10; ++n)
            f.textBox(n)->setText(QStringLiteral("Wert %1").arg(n));
        f.Option1[1]->setChecked(true);
    }

    // Expects the password dialog to be confirmed with the given password.
    void expectPasswordConfirmed(const QString& password)
    {
        run.ui->expectModal<Form5>([password](Form5& d) {
            d.Text1->setText(password);
            d.Text2->setText(password);
            d.Command1->click();
        });
        run.ui->expectMsg(PasswordNotice, vbExclamation, QStringLiteral("Passwortschutz"));
    }

    // Opens the form, lets the driver work in it and leave it with Abbrechen
    // (no question expected) and declines the follow-up.
    void openAndCancel(const std::function<void(Form13&)>& driver)
    {
        run.ui->expectModal<Form13>([driver](Form13& f) {
            driver(f);
            f.Command2->click();
        });
        run.ui->expectMsg(FollowUp, vbYesNoQuestion, QStringLiteral("Benutzerführung"), vbNo);
        EnterPersonalData(*run.program);
    }

    QString carryOverPath() const { return run.path(QStringLiteral("RUV-O-Fragebogen.lst")); }
};

TEST_F(PersonalDataForm, RefusesInOrderAndKeepsTheFormOpenWithNothingStored)
{
    run.ui->expectModal<Form13>([&](Form13& f) {
        // Nothing filled, no sex: only the first message.
        f.Command1->click();
        EXPECT_TRUE(f.isVisible());
        // Everything but the age, sex missing too: still the first message.
        fillAll(f);
        f.Option1[1]->setAutoExclusive(false);
        f.Option1[1]->setChecked(false);
        f.Option1[1]->setAutoExclusive(true);
        f.Text3->clear();
        f.Command1->click();
        // Age given, option ticked with an empty Email box.
        f.Text3->setText(QStringLiteral("40"));
        f.Text10->clear();
        f.Check1->setChecked(true);
        f.Command1->click();
        // Email given: the sex is the last thing missing.
        f.Text10->setText(QStringLiteral("a@b.de"));
        f.Command1->click();
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(f.Text3->text(), QStringLiteral("40"));  // boxes stay as the user left them
        f.Command2->click();
    });
    run.ui->expectMsg(AllFieldsMessage, vbCritical, QString());
    run.ui->expectMsg(AllFieldsMessage, vbCritical, QString());
    run.ui->expectMsg(CheckMessage, vbCritical, QString());
    run.ui->expectMsg(SexMessage, vbExclamation, QString());
    run.ui->expectMsg(ChangedQuestion, vbYesNoQuestion, QString(), vbNo);  // the check box changed
    run.ui->expectMsg(FollowUp, vbYesNoQuestion, QStringLiteral("Benutzerführung"), vbNo);
    EnterPersonalData(*run.program);

    EXPECT_TRUE(s().ClientName.isEmpty());
    EXPECT_TRUE(s().SendResultOption.isEmpty());
    EXPECT_TRUE(main->Text1->text().isEmpty());
    EXPECT_EQ(s().PersonalDataConfirmed, 0);
}

TEST_F(PersonalDataForm, BlanksAndAnEmptyEmailPassAndAreStoredAsTheyStand)
{
    run.ui->expectModal<Form13>([](Form13& f) {
        for (int n = 1; n <= 9; ++n)
            f.textBox(n)->setText(QStringLiteral(" "));
        f.Option1[0]->setChecked(true);
        f.Command1->click();
    });
    expectPasswordConfirmed(QStringLiteral("pw"));
    run.ui->expectMsg(ExportQuestion, vbYesNoQuestion, QStringLiteral("Stammdaten Speichern"), vbNo);
    run.ui->expectMsg(FollowUp, vbYesNoQuestion, QStringLiteral("Benutzerführung"), vbNo);
    EnterPersonalData(*run.program);

    EXPECT_EQ(s().ClientName, QStringLiteral(" "));
    EXPECT_EQ(s().ClientCountry, QStringLiteral(" "));
    EXPECT_EQ(s().ClientEmailOrFax, QString());
    EXPECT_EQ(s().SendResultOption, QStringLiteral("0"));
    EXPECT_EQ(s().ClientSex, QStringLiteral("m"));
    EXPECT_EQ(main->Text1->text(), QStringLiteral(" ,  "));
}

TEST_F(PersonalDataForm, ShowsTheStoredFieldsAndMapsSexAndOptionExactly)
{
    struct Case {
        const char* sex;
        const char* send;
        bool male, female, ticked;
    };
    const Case cases[] = {{"m", "1", true, false, true},   {"w", "0", false, true, false},
                          {"M", "1 ", false, false, false}, {"", "", false, false, false},
                          {"W", "true", false, false, false}};
    for (const Case& c : cases) {
        s().ClientName = QStringLiteral("Muster");
        s().ClientSex = QString::fromLatin1(c.sex);
        s().SendResultOption = QString::fromLatin1(c.send);
        s().WorkingTimeMinutes = QStringLiteral(" 12");
        Form13& f = run.program->form<Form13>();
        EXPECT_EQ(f.Option1[0]->isChecked(), c.male) << c.sex;
        EXPECT_EQ(f.Option1[1]->isChecked(), c.female) << c.sex;
        EXPECT_EQ(f.Check1->isChecked(), c.ticked) << c.send;
        EXPECT_EQ(f.Text1->text(), QStringLiteral("Muster"));
        EXPECT_EQ(f.Text15->text(), QStringLiteral(" 12"));
        EXPECT_TRUE(f.Text15->isReadOnly());
        EXPECT_EQ(f.FieldsChanged, 0) << "settings made while loading are no change";
        f.Unload();
    }
}

TEST_F(PersonalDataForm, StoresSexAndOptionAsMOrWAndOneOrZero)
{
    for (int female = 0; female < 2; ++female) {
        run.ui->expectModal<Form13>([female](Form13& f) {
            fillAll(f);
            f.Option1[female]->setChecked(true);
            f.Check1->setChecked(female == 1);
            f.Command1->click();
        });
        expectPasswordConfirmed(QStringLiteral("pw"));
        run.ui->expectMsg(ExportQuestion, vbYesNoQuestion, QStringLiteral("Stammdaten Speichern"), vbNo);
        run.ui->expectMsg(FollowUp, vbYesNoQuestion, QStringLiteral("Benutzerführung"), vbNo);
        EnterPersonalData(*run.program);
        EXPECT_EQ(s().ClientSex, female ? QStringLiteral("w") : QStringLiteral("m"));
        EXPECT_EQ(s().SendResultOption, female ? QStringLiteral("1") : QStringLiteral("0"));
    }
}

TEST_F(PersonalDataForm, AStoredSexInUpperCaseIsRefusedUntilOneIsChosen)
{
    s().ClientSex = QStringLiteral("M");
    run.ui->expectModal<Form13>([](Form13& f) {
        fillAll(f);
        f.Option1[1]->setAutoExclusive(false);
        f.Option1[1]->setChecked(false);
        f.Command1->click();
        f.Option1[0]->setChecked(true);
        f.Command1->click();
    });
    run.ui->expectMsg(SexMessage, vbExclamation, QString());
    expectPasswordConfirmed(QStringLiteral("pw"));
    run.ui->expectMsg(ExportQuestion, vbYesNoQuestion, QStringLiteral("Stammdaten Speichern"), vbNo);
    run.ui->expectMsg(FollowUp, vbYesNoQuestion, QStringLiteral("Benutzerführung"), vbNo);
    EnterPersonalData(*run.program);
    EXPECT_EQ(s().ClientSex, QStringLiteral("m"));
}

TEST_F(PersonalDataForm, OkRunsTheWholeConfirmationInOrder)
{
    s().ResultPassword = QStringLiteral("alt 1");
    s().PersonalDataConfirmed = 0;
    run.ui->expectModal<Form13>([](Form13& f) {
        f.Text1->setText(QStringLiteral("Muster"));
        f.Text2->setText(QStringLiteral("Erika"));
        for (int n = 3; n <= 10; ++n)
            f.textBox(n)->setText(QStringLiteral("Wert %1").arg(n));
        f.Text6->setText(QStringLiteral("07.12.2026"));
        f.Option1[1]->setChecked(true);
        f.Command1->click();
    });
    run.ui->expectModal<Form5>([&](Form5& d) {
        // The form is gone and the data are stored before the password comes.
        EXPECT_EQ(run.program->loadedForm<Form13>(), nullptr);
        EXPECT_EQ(s().ClientName, QStringLiteral("Muster"));
        EXPECT_EQ(main->Text1->text(), QStringLiteral("Muster, Erika"));
        EXPECT_EQ(main->Text2->text(), QStringLiteral("07.12.2026"));
        // Both boxes show the password set before.
        EXPECT_EQ(d.Text1->text(), QStringLiteral("alt 1"));
        EXPECT_EQ(d.Text2->text(), QStringLiteral("alt 1"));
        EXPECT_FALSE(QFile::exists(carryOverPath()));
        d.Text1->setText(QStringLiteral("neu 2"));
        d.Text2->setText(QStringLiteral("neu 2"));
        d.Command1->click();
    });
    run.ui->expectMsg(PasswordNotice, vbExclamation, QStringLiteral("Passwortschutz"));
    run.ui->expectMsg(ExportQuestion, vbYesNoQuestion, QStringLiteral("Stammdaten Speichern"), vbYes);
    const QString exported = QDir(run.dir.path()).filePath(QStringLiteral("Muster Erika.std"));
    run.ui->expectMsg(QStringLiteral("Ihre Stammdaten wurden zusammen mit dem Passwort in der Datei\r\n") + exported
                          + QStringLiteral("\r\nabgespeichert."),
                      vbInformation, QStringLiteral("Stammdaten Speichern"));
    run.ui->expectMsg(FollowUp, vbYesNoQuestion, QStringLiteral("Benutzerführung"), vbNo);
    EnterPersonalData(*run.program);

    EXPECT_EQ(s().ResultPassword, QStringLiteral("neu 2"));
    EXPECT_EQ(s().PersonalDataConfirmed, 1);
    EXPECT_TRUE(QFile::exists(exported));
    QFile lst(carryOverPath());
    ASSERT_TRUE(lst.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = lst.readAll().split('\n');
    ASSERT_EQ(lines.size(), 14);
    EXPECT_EQ(lines[0], QByteArray("Muster\r"));
    EXPECT_EQ(lines[12], QByteArray("neu 2\r"));
}

TEST_F(PersonalDataForm, CarryOverFileIsWrittenAfterNoAndConfirmationHoldsEvenWhenItFails)
{
    // A folder where the carry-over file belongs: its write fails.
    ASSERT_TRUE(QDir(run.dir.path()).mkdir(QStringLiteral("RUV-O-Fragebogen.lst")));
    run.ui->expectModal<Form13>([](Form13& f) {
        fillAll(f);
        f.Command1->click();
    });
    expectPasswordConfirmed(QStringLiteral("pw"));
    run.ui->expectMsg(ExportQuestion, vbYesNoQuestion, QStringLiteral("Stammdaten Speichern"), vbNo);
    run.ui->expectMsg(QStringLiteral("Zugriff verweigert."), vbCritical, QStringLiteral("Fehler Stammdaten Speichern"));
    run.ui->expectMsg(FollowUp, vbYesNoQuestion, QStringLiteral("Benutzerführung"), vbNo);
    EnterPersonalData(*run.program);
    EXPECT_EQ(s().PersonalDataConfirmed, 1);
    // No export file was written after the No.
    EXPECT_EQ(QDir(run.dir.path()).entryList({QStringLiteral("*.std")}, QDir::Files).size(), 0);
}

TEST_F(PersonalDataForm, EnterMovesThroughTheBoxesPassingOverOptionsAndHeute)
{
    run.ui->expectModal<Form13>([](Form13& f) {
        EXPECT_EQ(f.focusWidget(), f.Text1) << "the focus starts in the name box";
        for (int n = 1; n <= 10; ++n) {
            f.textBox(n)->setFocus();
            QTest::keyClick(f.textBox(n), Qt::Key_Return);
            QWidget* expected = n < 10 ? f.textBox(n + 1) : f.Text10;
            EXPECT_EQ(f.focusWidget(), expected) << "Enter in Text" << n;
        }
        QTest::keyClick(f.Text10, Qt::Key_Enter);  // the keypad's Enter alike
        EXPECT_EQ(f.focusWidget(), f.Text10);
        // Enter in a box never pressed OK: no message came, the form is open.
        EXPECT_TRUE(f.isVisible());
        EXPECT_TRUE(f.Text1->text().isEmpty());
        f.Unload();
    });
    run.ui->expectMsg(FollowUp, vbYesNoQuestion, QStringLiteral("Benutzerführung"), vbNo);
    EnterPersonalData(*run.program);
}

TEST_F(PersonalDataForm, TabOrderRunsThroughTheFormAsDesigned)
{
    openAndCancel([](Form13& f) {
        // The two sex options are one stop, on the first while none is chosen.
        const QList<QWidget*> expected{f.Text1,  f.Text2,  f.Option1[0], f.Text3,
                                       f.Text4,  f.Text5,  f.Text6,      f.Text7,      f.Text8,
                                       f.Text9,  f.Text10, f.Check1,     f.Command1,   f.Command2,
                                       f.Command3, f.Command4, f.Text15};
        QWidget* w = f.Text1;
        for (int i = 1; i < expected.size(); ++i) {
            do
                w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus));
            EXPECT_EQ(w->objectName(), expected[i]->objectName()) << "after " << expected[i - 1]->objectName().toStdString();
        }
    });
}

TEST_F(PersonalDataForm, CharacterKeysCountAsChangesEvenWithoutAChangedText)
{
    // Typing a character and deleting it again leaves the text as it was but
    // counts; Abbrechen then asks, and Yes keeps the form open.
    s().ClientName = QStringLiteral("Muster");
    run.ui->expectModal<Form13>([&](Form13& f) {
        f.Text5->setFocus();
        QTest::keyClick(f.Text5, Qt::Key_X);
        QTest::keyClick(f.Text5, Qt::Key_Backspace);
        EXPECT_TRUE(f.Text5->text().isEmpty());
        EXPECT_EQ(f.FieldsChanged, 1);
        f.Text1->setText(QStringLiteral("Anders"));
        f.Command2->click();
        EXPECT_TRUE(f.isVisible());
        f.Command2->click();
    });
    run.ui->expectMsg(ChangedQuestion, vbYesNoQuestion, QString(), vbYes);
    run.ui->expectMsg(QStringLiteral("Speichern Sie die Stammdaten durch Betätigen der Taste 'OK'."), vbInformation,
                      QString());
    run.ui->expectMsg(ChangedQuestion, vbYesNoQuestion, QString(), vbNo);
    run.ui->expectMsg(FollowUp, vbYesNoQuestion, QStringLiteral("Benutzerführung"), vbNo);
    EnterPersonalData(*run.program);
    EXPECT_EQ(s().ClientName, QStringLiteral("Muster")) << "Abbrechen stores nothing";
}

TEST_F(PersonalDataForm, KeysWithoutACharacterAndTextSetOtherwiseAreNoChange)
{
    s().ClientName = QStringLiteral("Muster");
    s().PersonalDataConfirmed = 1;
    openAndCancel([](Form13& f) {
        f.Text1->setFocus();
        f.Text1->setCursorPosition(0);
        // As X11 delivers it: the Delete key carries the text U+007F.
        QTest::sendKeyEvent(QTest::Click, f.Text1, Qt::Key_Delete, QString(QChar(0x7F)), Qt::NoModifier);
        EXPECT_EQ(f.Text1->text(), QStringLiteral("uster"));
        QTest::keyClick(f.Text1, Qt::Key_Left);
        QTest::keyClick(f.Text1, Qt::Key_Tab);
        f.Text4->insert(QStringLiteral("eingefügt"));  // as a paste through the menu does
        QTest::keyClick(f.Text15, Qt::Key_A);          // the read-only minutes box is not tracked
        EXPECT_EQ(f.FieldsChanged, 0);
    });
    EXPECT_EQ(s().ClientName, QStringLiteral("Muster"));
    EXPECT_EQ(s().PersonalDataConfirmed, 1) << "Abbrechen leaves the confirmation alone";
}

TEST_F(PersonalDataForm, OptionAndCheckChangesCountOnlyWhileTheFormIsVisible)
{
    s().ClientSex = QStringLiteral("w");
    s().SendResultOption = QStringLiteral("1");
    Form13& hidden = run.program->form<Form13>();
    hidden.Option1[0]->setChecked(true);
    hidden.Check1->setChecked(false);
    EXPECT_EQ(hidden.FieldsChanged, 0);
    hidden.Unload();

    for (int which = 0; which < 2; ++which) {
        run.ui->expectModal<Form13>([which](Form13& f) {
            EXPECT_EQ(f.FieldsChanged, 0);
            if (which == 0)
                f.Option1[0]->click();
            else
                f.Check1->click();
            EXPECT_EQ(f.FieldsChanged, 1);
            f.Command2->click();
        });
        run.ui->expectMsg(ChangedQuestion, vbYesNoQuestion, QString(), vbNo);
        run.ui->expectMsg(FollowUp, vbYesNoQuestion, QStringLiteral("Benutzerführung"), vbNo);
        EnterPersonalData(*run.program);
    }
}

TEST_F(PersonalDataForm, HeuteWritesDayMonthYearAndCountsAsAChange)
{
    run.platform->today = QDate(2027, 1, 5);
    s().ClientDate = QStringLiteral("irgendwann");
    run.ui->expectModal<Form13>([](Form13& f) {
        f.Command3->click();
        EXPECT_EQ(f.Text6->text(), QStringLiteral("05.01.2027"));
        f.Command2->click();
    });
    run.ui->expectMsg(ChangedQuestion, vbYesNoQuestion, QString(), vbNo);
    run.ui->expectMsg(FollowUp, vbYesNoQuestion, QStringLiteral("Benutzerführung"), vbNo);
    EnterPersonalData(*run.program);
    EXPECT_EQ(s().ClientDate, QStringLiteral("irgendwann"));
}

TEST_F(PersonalDataForm, FileStatusLampFollowsTheCurrentPath)
{
    const QImage green = run.program->form<Form13>().Image1->pixmap().toImage();
    const QImage grey = run.program->form<Form13>().Image3->pixmap().toImage();
    ASSERT_FALSE(green.isNull());
    ASSERT_NE(green, grey);
    run.program->form<Form13>().Unload();

    struct Case {
        QString path;
        QImage picture;
        QString tooltip;
    };
    const Case cases[] = {
        {QString(), grey, QStringLiteral("Es ist keine Datei geöffnet.")},
        {QStringLiteral("/daten/Muster.ZiZ-iR"), green,
         QStringLiteral("Es handelt sich um eine verschlüsselte Originaldatei.")},
        {QStringLiteral("/daten/Muster.ziz-ir"), green,
         QStringLiteral("Es handelt sich um eine verschlüsselte Originaldatei.")},
        {QStringLiteral("/daten/Muster.std"), QImage(), QString()},
        {QStringLiteral("/daten/Muster.ziz-irx"), QImage(), QString()},
    };
    for (const Case& c : cases) {
        s().CurrentFilePath = c.path;
        Form13& f = run.program->form<Form13>();
        EXPECT_EQ(f.Image4->pixmap().toImage(), c.picture) << c.path.toStdString();
        EXPECT_EQ(f.Image4->toolTip(), c.tooltip) << c.path.toStdString();
        f.Unload();
    }
}

TEST_F(PersonalDataForm, LayoutFitsTheSmallestScreenAndShowsEveryCaptionWhole)
{
    Form13& f = run.program->form<Form13>();
    EXPECT_LE(f.width(), 800);
    EXPECT_GE(f.Check1->width(), f.Check1->sizeHint().width()) << "the check box caption is cut";
    EXPECT_EQ(f.Check1->font().pointSizeF(), 8.0);
    for (QRadioButton* option : f.Option1)
        EXPECT_GE(option->width(), option->sizeHint().width());
    // Every cell lies inside "Klient", the buttons to its right.
    for (QGroupBox* cell : f.Frame2->findChildren<QGroupBox*>())
        EXPECT_TRUE(f.Frame2->rect().contains(cell->geometry())) << cell->objectName().toStdString();
    for (QPushButton* b : {f.Command1, f.Command2, f.Command4}) {
        EXPECT_GT(b->x(), f.Frame2->geometry().right());
        EXPECT_TRUE(f.rect().contains(b->geometry()));
    }
    EXPECT_EQ(f.Command4->toolTip(), QStringLiteral("Stammdaten Laden"));
    EXPECT_EQ(f.Command4->accessibleName(), QStringLiteral("Stammdaten Laden"));
    EXPECT_EQ(f.Text1->font().family(), QStringLiteral("MS Sans Serif"));
    f.Unload();
}

}  // namespace

TEST_F(PersonalDataForm, VeryLongValuesAndPasswordsPassThroughTheWindowsWhole)
{
    // Taken over from a file, longer than a text box holds by default.
    const QString longName(40000, u'n');
    const QString longPassword(40000, u'p');
    s().ClientName = longName;
    s().ResultPassword = longPassword;
    run.ui->expectModal<Form13>([&](Form13& f) {
        EXPECT_EQ(f.Text1->text().size(), longName.size());
        for (int n = 2; n <= 10; ++n)
            f.textBox(n)->setText(QStringLiteral("x"));
        f.Option1[1]->setChecked(true);
        f.Command1->click();
    });
    run.ui->expectModal<Form5>([&](Form5& d) {
        EXPECT_EQ(d.Text1->text().size(), longPassword.size());
        d.Command1->click();
    });
    run.ui->expectMsg(PasswordNotice, vbExclamation, QStringLiteral("Passwortschutz"));
    run.ui->expectMsg(ExportQuestion, vbYesNoQuestion, QStringLiteral("Stammdaten Speichern"), vbNo);
    run.ui->expectMsg(FollowUp, vbYesNoQuestion, QStringLiteral("Benutzerführung"), vbNo);
    EnterPersonalData(*run.program);
    EXPECT_EQ(s().ClientName, longName);
    EXPECT_EQ(s().ResultPassword, longPassword);
}

TEST_F(PersonalDataForm, TabFromTheFirstNameLandsOnTheChosenSex)
{
    // Space on the option Tab lands on must not switch a stored "w" to "m".
    s().ClientSex = QStringLiteral("w");
    run.ui->expectModal<Form13>([](Form13& f) {
        QApplication::setActiveWindow(&f);
        f.Text2->setFocus();
        QTest::keyClick(f.Text2, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), f.Option1[1]);
        QTest::keyClick(f.Option1[1], Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), f.Text3) << "the options are one tab stop";
        // The arrow keys still choose between the two.
        QTest::keyClick(f.Text3, Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget(), f.Option1[1]);
        QTest::keyClick(f.Option1[1], Qt::Key_Left);
        EXPECT_TRUE(f.Option1[0]->isChecked());
        f.Command2->click();
    });
    run.ui->expectMsg(ChangedQuestion, vbYesNoQuestion, QString(), vbNo);
    run.ui->expectMsg(FollowUp, vbYesNoQuestion, QStringLiteral("Benutzerführung"), vbNo);
    EnterPersonalData(*run.program);
    EXPECT_EQ(s().ClientSex, QStringLiteral("w")) << "Abbrechen stores nothing";
}

namespace {

// Types the text key by key, as a keyboard layout delivers characters that
// have no key code of their own.
void typeInto(QLineEdit* box, const QString& text)
{
    box->setFocus();
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

QString refusal(const QString& character, const QString& label)
{
    return QStringLiteral("Das Zeichen ") + character + QStringLiteral(" wird im Feld '") + label
           + QStringLiteral("' nicht akzeptiert.");
}

// Thirteen lines as the personal-data and carry-over files hold them.
QByteArray recordBytes(const QByteArray& firstName)
{
    return QByteArray("Rossi\r\n") + firstName
           + "\r\nm\r\n52\r\n0039 06 1234\r\nKoch\r\n03.04.2026\r\nVia Roma 1\r\n00184 Roma\r\nItalien\r\n\r\n0\r\n"
             "pw\r\n";
}

void putFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

TEST_F(PersonalDataForm, CharactersTheFilesCannotHoldAreRefusedNamingFieldAndCharacterWithTheFocusThere)
{
    run.ui->expectModal<Form13>([&](Form13& f) {
        fillAll(f);
        f.Text1->clear();
        typeInto(f.Text1, QStringLiteral("Ağaoğlu"));  // ğ: no byte in the code page
        f.Text2->clear();
        typeInto(f.Text2, QStringLiteral("Niccolò"));  // ò: would end its coded line
        EXPECT_EQ(f.Text1->text(), QStringLiteral("Ağaoğlu"));
        f.Command3->setFocus();
        f.Command1->click();
        EXPECT_EQ(f.focusWidget(), f.Text1);
        EXPECT_EQ(f.Text1->selectionStart(), 1);
        EXPECT_EQ(f.Text1->selectedText(), QStringLiteral("ğ"));
        EXPECT_TRUE(s().ClientName.isEmpty()) << "nothing stored";
        EXPECT_TRUE(main->Text1->text().isEmpty());

        f.Text1->setText(QStringLiteral("Agaoglu"));
        f.Command1->click();
        EXPECT_EQ(f.focusWidget(), f.Text2);
        EXPECT_EQ(f.Text2->selectedText(), QStringLiteral("ò"));

        // The carry-over file keeps the whole value, one line each: past the
        // 100 characters that the answer file keeps, ğ is still refused, and
        // a line end pasted from a table is refused anywhere, named by its
        // code. ò and its kind pass there.
        f.Text2->setText(QStringLiteral("Niccolo"));
        f.Text8->setText(QString(150, u'1') + QStringLiteral("ğ"));
        f.Command1->click();
        EXPECT_EQ(f.focusWidget(), f.Text8);
        f.Text8->setText(QStringLiteral("00184 Roma"));
        f.Text5->setText(QStringLiteral("Koch\r\n"));
        f.Command1->click();
        EXPECT_EQ(f.Text5->selectionStart(), 4);
        f.Text5->setText(QString(100, u'k') + QStringLiteral("òõå\nx"));
        f.Command1->click();
        EXPECT_FALSE(f.isVisible());
    });
    run.ui->expectMsg(refusal(QStringLiteral("'ğ'"), QStringLiteral("Name")), vbCritical, QString());
    run.ui->expectMsg(refusal(QStringLiteral("'ò'"), QStringLiteral("Vorname")), vbCritical, QString());
    run.ui->expectMsg(refusal(QStringLiteral("'ğ'"), QStringLiteral("Postleitzahl, Ort")), vbCritical, QString());
    run.ui->expectMsg(refusal(QStringLiteral("U+000D"), QStringLiteral("Berufliche Tätigkeit")), vbCritical,
                      QString());
    expectPasswordConfirmed(QStringLiteral("pw"));
    run.ui->expectMsg(ExportQuestion, vbYesNoQuestion, QStringLiteral("Stammdaten Speichern"), vbNo);
    run.ui->expectMsg(FollowUp, vbYesNoQuestion, QStringLiteral("Benutzerführung"), vbNo);
    EnterPersonalData(*run.program);

    // What the form accepted, both files take.
    EXPECT_EQ(s().ClientOccupation, QString(100, u'k') + QStringLiteral("òõå\nx"));
    EXPECT_TRUE(QFile::exists(carryOverPath()));
    s().Answers = QString(324, u'2');
    s().CurrentFilePath = run.path(QStringLiteral("Agaoglu.ziz-ir"));
    EXPECT_TRUE(WriteAnswerFile(*run.program));
}

TEST_F(PersonalDataForm, AnImportedFileShowsWhatItHoldsAndOkRefusesIt)
{
    s().LastDir = run.dir.path();
    putFile(run.path(QStringLiteral("rossi.std")), recordBytes("Niccol\xf2"));
    run.ui->expectModal<Form13>([&](Form13& f) {
        f.Command4->click();
        EXPECT_EQ(f.Text2->text(), QStringLiteral("Niccolò"));
        f.Command1->click();
        EXPECT_EQ(f.focusWidget(), f.Text2);
        f.Command2->click();
    });
    run.ui->expectModal<Form45>([](Form45& d) {
        d.Text1->setText(QStringLiteral("rossi.std"));
        d.Command1->click();
    });
    run.ui->expectMsg(refusal(QStringLiteral("'ò'"), QStringLiteral("Vorname")), vbCritical, QString());
    run.ui->expectMsg(ChangedQuestion, vbYesNoQuestion, QString(), vbNo);  // the import chose the sex
    run.ui->expectMsg(FollowUp, vbYesNoQuestion, QStringLiteral("Benutzerführung"), vbNo);
    EnterPersonalData(*run.program);
    EXPECT_EQ(s().PersonalDataConfirmed, 0);
    EXPECT_FALSE(QFile::exists(carryOverPath()));
}

TEST(PersonalDataCarryOver, ACarriedOverCharacterIsRefusedAtOkAndTheMendedRecordReplacesTheFile)
{
    TestRun run;
    const QString lst = run.path(QStringLiteral("RUV-O-Fragebogen.lst"));
    putFile(lst, recordBytes("Niccol\xf2"));
    run.ui->expectMsg(QStringLiteral("Sollen die Stammdaten von\r\nRossi, Niccolò\r\nübernommen werden?"),
                      vbYesNoQuestion, QStringLiteral("Stammdaten"), vbYes);
    run.program->form<Form1>();

    run.ui->expectModal<Form13>([](Form13& f) {
        EXPECT_EQ(f.Text2->text(), QStringLiteral("Niccolò"));
        f.Command1->click();
        EXPECT_EQ(f.focusWidget(), f.Text2);
        EXPECT_EQ(f.Text2->selectionStart(), 6);
        f.Text2->setText(QStringLiteral("Niccolo"));
        f.Command1->click();
    });
    run.ui->expectMsg(refusal(QStringLiteral("'ò'"), QStringLiteral("Vorname")), vbCritical, QString());
    run.ui->expectModal<Form5>([](Form5& d) {
        EXPECT_EQ(d.Text1->text(), QStringLiteral("pw"));
        d.Command1->click();
    });
    run.ui->expectMsg(PasswordNotice, vbExclamation, QStringLiteral("Passwortschutz"));
    run.ui->expectMsg(ExportQuestion, vbYesNoQuestion, QStringLiteral("Stammdaten Speichern"), vbNo);
    run.ui->expectMsg(FollowUp, vbYesNoQuestion, QStringLiteral("Benutzerführung"), vbNo);
    EnterPersonalData(*run.program);

    QFile file(lst);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), recordBytes("Niccolo"));
}
