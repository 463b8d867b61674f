#pragma once

#include <QWidget>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Program;

// The main window: the program's home for the whole run. Its load event is
// the start-up, its unload event the exit.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(Program& program);

    void Form_Load();
    bool Form_Unload();  // false: the program does not end (a failed save)
    void Form_Resize();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command15_Click();
    void Command16_Click();
    void Command17_Click();
    void Command18_Click();
    void Command24_Click();
    void Command26_Click();
    void Text1_KeyDown(int keyCode, int shift);
    void Text2_KeyDown(int keyCode, int shift);

    // The picture buttons, by their program names.
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    QPushButton* Command6;
    QPushButton* Command7;
    QPushButton* Command15;
    QPushButton* Command17;
    QPushButton* Command18;
    QPushButton* Command24;
    QPushButton* Command26;
    QPushButton* Command16;  // "Text.doc öffnen", never shown

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;  // the help hint
    QLabel* Label4;
    QFrame* Line1;
    QFrame* Line2;
    QFrame* Line4;
    QFrame* Line5;
    QGroupBox* Frame1;
    QGroupBox* Frame2;
    QLineEdit* Text1;  // name, first name (locked)
    QLineEdit* Text2;  // date (locked)
    QLabel* Anzeige1;  // display-scaling probes, hidden
    QLabel* Bild1;

    // True once the exit has run; the window then closes for good.
    bool ended() const { return ended_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Program& program_;
    bool ended_ = false;
};
