#pragma once

#include <array>

#include "questionnaire/ProgramForm.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The personal-data form "Stammdaten": the client's twelve fields, checked
// and stored by OK, left untouched by Abbrechen.
class Form13 : public ProgramForm {
    Q_OBJECT
public:
    explicit Form13(Program& program);

    void Form_Load();
    void Command1_Click();  // OK
    void Command2_Click();  // Abbrechen
    void Command3_Click();  // "Heute"
    void Command4_Click();  // "Stammdaten Laden"
    void Option1_Click(int index);
    void Check1_Click();
    // Text1 .. Text10 (index 1 .. 10) share one procedure each for both events.
    void Text_KeyPress(int box, int keyAscii);
    void Text_KeyDown(int box, int keyCode, int shift);

    // 1 once the user changed something since the form was loaded.
    int FieldsChanged = 0;

    QGroupBox* Frame2;  // "Klient"
    QGroupBox* Frame3;
    QGroupBox* Frame4;
    QGroupBox* Frame5;
    QGroupBox* Frame6;
    QGroupBox* Frame7;
    QGroupBox* Frame8;
    QGroupBox* Frame9;
    QGroupBox* Frame10;
    QGroupBox* Frame11;
    QGroupBox* Frame12;
    QGroupBox* Frame13;
    QGroupBox* Frame14;
    QGroupBox* Frame19;
    QLineEdit* Text1;   // Name
    QLineEdit* Text2;   // Vorname
    QLineEdit* Text3;   // Alter in Jahren
    QLineEdit* Text4;   // Telefon
    QLineEdit* Text5;   // Berufliche Tätigkeit
    QLineEdit* Text6;   // Datum
    QLineEdit* Text7;   // Strasse, Hausnummer
    QLineEdit* Text8;   // Postleitzahl, Ort
    QLineEdit* Text9;   // Land
    QLineEdit* Text10;  // Email oder Fax
    QLineEdit* Text15;  // Bearbeitungszeit in Minuten, read-only
    std::array<QRadioButton*, 2> Option1;  // männlich, weiblich
    QCheckBox* Check1;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QLabel* Image1;  // coded-file lamp (picture source, hidden)
    QLabel* Image3;  // no-file lamp (picture source, hidden)
    QLabel* Image4;  // file-status lamp

    // The box Text1 .. Text10 by its number; nullptr for any other number.
    QLineEdit* textBox(int number) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void updateSexTabStop();
    void showEvent(QShowEvent* event) override;

private:
    std::array<QLineEdit*, 10> boxes_{};
};
