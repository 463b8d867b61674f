#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "questionnaire/Form13.h"
#include "questionnaire/Form5.h"
#include "support/TestRun.h"

// Scripts for the windows that whole flows pass through, so that a flow test
// reads as the user's way through the program.
namespace flows {

inline const QString GoOnToAnswering = QStringLiteral("Wollen Sie nun den Fragebogen bearbeiten?");
inline const QString ExportQuestion =
    QStringLiteral("Möchten Sie Ihre Stammdaten zusammen mit dem Passwort in einer Datei sichern und abspeichern?");
inline const QString NotePassword = QStringLiteral(
    "Bitte notieren Sie sich das Passwort sorgfältig, damit sichergestellt ist, dass Sie die verschlüsselte "
    "RUV-O-Datei vom zfk später auch öffnen können.");

struct Person {
    QString name = QStringLiteral("Muster");
    QString firstName = QStringLiteral("Erika");
    QString date = QStringLiteral("01.02.2012");
    QString password = QStringLiteral("geheim 1");
};

inline void fillPersonalData(Form13& f, const Person& p)
{
    f.Text1->setText(p.name);
    f.Text2->setText(p.firstName);
    f.Option1[1]->setChecked(true);
    f.Text3->setText(QStringLiteral("41"));
    f.Text4->setText(QStringLiteral("0123 45678"));
    f.Text5->setText(QStringLiteral("Gärtnerin"));
    f.Text6->setText(p.date);
    f.Text7->setText(QStringLiteral("Lindenweg 4"));
    f.Text8->setText(QStringLiteral("D-12345 Beispielstadt"));
    f.Text9->setText(QStringLiteral("Deutschland"));
    f.Text10->setText(QString());
    f.Check1->setChecked(false);
}

// The personal-data form filled and confirmed, a password set, no export;
// then the question whether to go on to answering, answered as given.
inline void expectConfirmedPersonalData(TestRun& run, const Person& p = Person(), int goOn = vbNo)
{
    run.ui->expectModal<Form13>([p](Form13& f) {
        fillPersonalData(f, p);
        f.Command1->click();
    });
    run.ui->expectModal<Form5>([p](Form5& f) {
        f.Text1->setText(p.password);
        f.Text2->setText(p.password);
        f.Command1->click();
    });
    run.ui->expectMsg(NotePassword, vbExclamation, QStringLiteral("Passwortschutz"));
    run.ui->expectMsg(ExportQuestion, vbYesNoQuestion, QStringLiteral("Stammdaten Speichern"), vbNo);
    run.ui->expectMsg(GoOnToAnswering, vbYesNoQuestion, QStringLiteral("Benutzerführung"), goOn);
}

// The personal-data form left with Abbrechen, nothing typed.
inline void expectCancelledPersonalData(TestRun& run)
{
    run.ui->expectModal<Form13>([](Form13& f) { f.Command2->click(); });
    run.ui->expectMsg(GoOnToAnswering, vbYesNoQuestion, QStringLiteral("Benutzerführung"), vbNo);
}

}  // namespace flows
