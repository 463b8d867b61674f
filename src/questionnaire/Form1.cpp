#include "questionnaire/Form1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "files/NewAndLoad.h"
#include "files/PersonalDataFile.h"
#include "files/SaveQuestionnaire.h"
#include "files/SettingsFile.h"
#include "questionnaire/Digitising.h"
#include "questionnaire/HelpPicture.h"
#include "questionnaire/OverviewPage.h"
#include "questionnaire/PersonalData.h"
#include "questionnaire/PostSave.h"
#include "questionnaire/QuestionPage.h"
#include "questionnaire/Form12.h"
#include "questionnaire/Form6.h"
#include "questionnaire/Installation.h"
#include "questionnaire/MainWindowLayout.h"
#include "questionnaire/Program.h"
#include "questionnaire/Shell.h"
#include "questionnaire/Startup.h"
#include "ui/Form.h"
#include "ui/Frame.h"
#include "ui/Pictures.h"
#include "ui/VbText.h"

namespace {

QFrame* makeLine(QWidget* parent, const char* name)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    return line;
}

QLabel* makeHeader(QWidget* parent, const char* name)
{
    auto* label = new QLabel(QString::fromLatin1(name), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    label->setFont(font);
    label->resize(Px(975), Px(255));
    return label;
}

QLineEdit* makeBox(QGroupBox* frame, const char* name, double widthTwips)
{
    auto* box = new QLineEdit(frame);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(TwipsRect(120, 240, widthTwips, 360));
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSizeF(9.75);
    box->setFont(f);
    return box;
}

}  // namespace

Form1::Form1(Program& program) : QWidget(nullptr), program_(program)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("RUV-O Fragebogen"));
    setWindowIcon(PictureIcon(QStringLiteral("app_icon")));
    SetWindowBackground(*this);
    resize(Px(15120), Px(8430));

    Frame1 = new Frame(QStringLiteral("Name"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->resize(Px(3615), Px(690));
    Text1 = makeBox(Frame1, "Text1", 3375);
    Frame2 = new Frame(QStringLiteral("Datum"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->resize(Px(1575), Px(690));
    Text2 = makeBox(Frame2, "Text2", 1335);

    struct ButtonDesign {
        QPushButton** button;
        const char* name;
        const char* tooltip;
        const char* picture;
    };
    const ButtonDesign buttons[] = {
        {&Command4, "Command4", "Fragebogen Neu", "main_neu"},
        {&Command5, "Command5", "Fragebogen Laden", "main_laden"},
        {&Command17, "Command17", "Fragebogen Speichern", "main_speichern"},
        {&Command3, "Command3", "Wo ist mein abgespeicherter Fragebogen?", "main_wo"},
        {&Command24, "Command24", "Stammdaten Anlegen", "main_stammdaten"},
        {&Command1, "Command1", "Fragebogen Bearbeiten", "main_bearbeiten"},
        {&Command2, "Command2", "Fragebogen Übersicht Anzeigen", "main_uebersicht"},
        {&Command6, "Command6", "System Info", "main_sysinfo"},
        {&Command15, "Command15", "Internet / Support", "main_internet"},
        {&Command7, "Command7", "Info", "main_info"},
        {&Command18, "Command18", "Hilfe zur Vorgehensweise", "main_hilfe"},
        {&Command26, "Command26", "Automatische Abfolge der Arbeitsschritte", "main_abfolge"},
    };
    // Tab order: the two boxes, then column by column, then the digitising button.
    QWidget* previous = Text2;
    setTabOrder(Text1, Text2);
    for (const ButtonDesign& d : buttons) {
        QPushButton* b = MakePictureButton(this, QString::fromLatin1(d.name), QString::fromUtf8(d.tooltip),
                                           QString::fromLatin1(d.picture));
        b->resize(Px(975), Px(975));
        QPalette pal = b->palette();
        pal.setColor(QPalette::Button, d.button == &Command26 ? QColor(0xF0, 0xF0, 0xF0) : QColor(0xEE, 0xEE, 0xEE));
        b->setPalette(pal);
        *d.button = b;
        setTabOrder(previous, b);
        previous = b;
    }

    Command16 = new QPushButton(QStringLiteral("Text.doc öffnen"), this);
    Command16->setObjectName(QStringLiteral("Command16"));
    Command16->resize(Px(1095), Px(615));
    Command16->hide();

    Label1 = makeHeader(this, "Label1");
    Label2 = makeHeader(this, "Label2");
    Label4 = makeHeader(this, "Label4");
    Line1 = makeLine(this, "Line1");
    Line2 = makeLine(this, "Line2");
    Line4 = makeLine(this, "Line4");
    Line5 = makeLine(this, "Line5");

    Label3 = new QLabel(QStringLiteral("Mit dieser Taste erhalten Sie Hilfe zur Benutzerführung"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    QFont hint(QStringLiteral("MS Sans Serif"), 12, QFont::Bold);
    Label3->setFont(hint);
    QPalette red = Label3->palette();
    red.setColor(QPalette::WindowText, QColor(0xFF, 0, 0));
    Label3->setPalette(red);
    Label3->resize(Px(3015), Px(975));
    Label3->hide();

    // Probes: the image sizes itself to its 31 x 30 picture plus a one-pixel
    // border; the picture box keeps 495 twips. Equal in twips only at 15
    // twips a pixel.
    Anzeige1 = new QLabel(this);
    Anzeige1->setObjectName(QStringLiteral("Anzeige1"));
    Anzeige1->setPixmap(Picture(QStringLiteral("probe")));
    Anzeige1->setFrameShape(QFrame::Box);
    Anzeige1->setLineWidth(1);
    Anzeige1->adjustSize();
    Anzeige1->hide();
    Bild1 = new QLabel(this);
    Bild1->setObjectName(QStringLiteral("Bild1"));
    Bild1->setPixmap(Picture(QStringLiteral("probe")));
    Bild1->resize(Px(495), Px(495));
    Bild1->hide();

    Text1->installEventFilter(this);
    Text2->installEventFilter(this);

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command17, &QPushButton::clicked, this, &Form1::Command17_Click);
    connect(Command18, &QPushButton::clicked, this, &Form1::Command18_Click);
    connect(Command24, &QPushButton::clicked, this, &Form1::Command24_Click);
    connect(Command26, &QPushButton::clicked, this, &Form1::Command26_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(Command15, &QPushButton::clicked, this, &Form1::Command15_Click);
    connect(Command16, &QPushButton::clicked, this, &Form1::Command16_Click);
}

void Form1::Form_Load()
{
    ProgramState& s = program_.state;
    InitAppDir(program_);
    InitWindowsDir(program_);
    InitConstants(program_);
    DetectDisplayScaling(program_);
    ShowSplash(program_);

    if (program_.platform().ScreenTwips().width() < 12000)
        program_.MsgBox(QStringLiteral("Die Software setzt eine Bildschirmauflösung von mindestens 800 x 600 Pixeln voraus."),
                        vbExclamation, QStringLiteral("Bildschirmauflösung"));

    ReadSettingsFile(program_);
    s.LastDirAtStart = s.LastDir;

    Label1->setText(QStringLiteral("Auswählen"));
    Label2->setText(QStringLiteral("Bearbeiten"));
    Label4->setText(QStringLiteral("Informieren"));
    if (Label1->font().pointSizeF() > 9) {
        for (QLabel* header : {Label1, Label2, Label4}) {
            QFont f = header->font();
            f.setFamily(QStringLiteral("Arial"));
            header->setFont(f);
        }
        for (QLabel* header : {Label1, Label2, Label4}) {
            QFont f = header->font();
            f.setPointSizeF(9);
            header->setFont(f);
        }
    }
    Label1->resize(Px(2 * Twips(Command4->width()) + 100), Label1->height());
    Label2->resize(Command4->width(), Label2->height());
    Label4->resize(Command4->width(), Label4->height());

    Text1->setReadOnly(true);
    Text2->setReadOnly(true);

    s.Answers = EmptyAnswers();

    FitToScreen(*this);
    showMaximized();
    Form_Resize();

    LoadCarryOverData(program_);

    s.GuidanceActive = 1;
    Label3->show();
}

bool Form1::Form_Unload()
{
    ProgramState& s = program_.state;
    if (s.Modified == 1) {
        // No post-save sequence here. No, a cancel or a refusal end the
        // program; a save that wrote no file does not, or the answers would
        // be lost: the window stays as it is, so they can be saved elsewhere.
        if (program_.MsgBox(QStringLiteral("Die aktuelle Datei wurde geändert.") + CrLf
                                + QStringLiteral("Soll die Datei zuvor gespeichert werden?"),
                            vbYesNoQuestion, QString())
                == vbYes
            && SaveQuestionnaire(program_) == SaveResult::Failed)
            return false;
    }
    if (s.LastDir != s.LastDirAtStart)
        WriteSettingsFile(program_);
    ended_ = true;
    return true;
}

void Form1::Form_Resize()
{
    const auto twips = [](int px) { return Twips(px); };
    MainWindowSizes in;
    in.Command4W = twips(Command4->width());
    in.Command4H = twips(Command4->height());
    in.Command5H = twips(Command5->height());
    in.Command17H = twips(Command17->height());
    in.Command24W = twips(Command24->width());
    in.Command24H = twips(Command24->height());
    in.Command1H = twips(Command1->height());
    in.Command6H = twips(Command6->height());
    in.Command15H = twips(Command15->height());
    in.Command7H = twips(Command7->height());
    in.Command18W = twips(Command18->width());
    in.Command26W = twips(Command26->width());
    in.Label1H = twips(Label1->height());
    in.Label2W = twips(Label2->width());
    in.Label4W = twips(Label4->width());
    in.Frame1W = twips(Frame1->width());
    const QRect outer = frameGeometry();
    const MainWindowPositions p =
        ArrangeMainWindow(twips(qMax(outer.width(), width())), twips(qMax(outer.height(), height())), in);

    const auto place = [](QWidget* w, QPointF twipsPos) { w->move(Px(twipsPos.x()), Px(twipsPos.y())); };
    Label1->resize(Px(p.Label1Width), Label1->height());
    place(Command4, p.Command4);
    place(Command5, p.Command5);
    place(Command17, p.Command17);
    place(Command3, p.Command3);
    place(Command24, p.Command24);
    place(Command1, p.Command1);
    place(Command2, p.Command2);
    place(Command6, p.Command6);
    place(Command15, p.Command15);
    place(Command7, p.Command7);
    place(Command18, p.Command18);
    place(Label1, p.Label1);
    place(Label2, p.Label2);
    place(Label4, p.Label4);
    const int lineTop = Px(p.LineY1);
    const int lineHeight = qMax(1, Px(p.LineY2) - lineTop);
    for (auto [line, x] : {std::pair{Line1, p.Line1X}, {Line2, p.Line2X}, {Line4, p.Line4X}, {Line5, p.Line5X}})
        line->setGeometry(Px(x), lineTop, 1, lineHeight);
    place(Frame1, p.Frame1);
    place(Frame2, p.Frame2);
    place(Label3, p.Label3);
    place(Command26, p.Command26);
    for (QPushButton* b : {Command1, Command2, Command3, Command4, Command5, Command6, Command7, Command15, Command16,
                           Command17, Command18, Command24, Command26})
        b->update();
}

void Form1::Command1_Click()
{
    AnswerQuestionnaire(program_);
}

void Form1::Command2_Click()
{
    ShowOverviewPage(program_);
}

void Form1::Command4_Click()
{
    NewQuestionnaire(program_);
}

void Form1::Command5_Click()
{
    LoadQuestionnaire(program_);
}

void Form1::Command17_Click()
{
    SaveQuestionnaire(program_);
    if (SaveWentThrough(program_))
        MainWindowPostSave(program_);
}

void Form1::Command18_Click()
{
    ShowHelpPicture(program_);
}

void Form1::Command24_Click()
{
    EnterPersonalData(program_);
}

void Form1::Command26_Click()
{
    RunGuidedDigitising(program_);
}

void Form1::Command3_Click()
{
    const ProgramState& s = program_.state;
    if (s.LastSavedFile.isEmpty()) {
        program_.MsgBox(QStringLiteral("Es wurde noch kein Fragebogen abgespeichert."), vbInformation, QString());
        return;
    }
    program_.MsgBox(QStringLiteral("Der letzte abgespeicherte Fragebogen befindet sich hier:") + CrLf + s.LastSavedFile
                        + CrLf + CrLf + QStringLiteral("Senden Sie die Datei auf einem Datenträger oder per Email an ")
                        + s.RecipientAddress + CrLf + CrLf + QStringLiteral("Email: ") + s.RecipientEmail,
                    vbInformation, QString());
    if (program_.MsgBox(QStringLiteral("Möchten Sie, dass Ihr Emailprogramm gestartet wird?"), vbYesNoQuestion,
                        QStringLiteral("Email senden"))
        != vbYes)
        return;
    OpenDocumentOrUrl(program_, QStringLiteral("mailto:") + s.RecipientEmail);
    program_.MsgBox(QStringLiteral("Vergessen Sie bitte nicht, die Datei mit Ihren Antworten (*.ziz-ir) der Email als "
                                   "Anhang beizufügen."),
                    vbExclamation, QStringLiteral("Hinweis"));
}

void Form1::Command6_Click()
{
    const ProgramState& s = program_.state;
    Form12& info = program_.form<Form12>();
    info.Text2->setText(s.AppDir);
    info.Text3->setText(s.WindowsDir);
    info.Text1->setText(s.LastDir);
    info.Text4->setText(QStringLiteral("Version ") + s.Version);
    program_.centre(info);
    program_.ShowModal(info);
}

void Form1::Command7_Click()
{
    Form6& info = program_.form<Form6>();
    program_.centre(info);
    info.setWindowTitle(QStringLiteral("Info"));
    program_.state.InfoWindowMode = 1;
    program_.ShowModal(info);
    program_.state.InfoWindowMode = 0;
}

void Form1::Command15_Click()
{
    OpenDocumentOrUrl(program_, installation::SupportWebAddress);
    program_.platform().DoEvents();
    OpenDocumentOrUrl(program_, installation::SupportWebAddress);
}

void Form1::Command16_Click()
{
    OpenAppDocument(program_, QStringLiteral("text.doc"));
}

void Form1::Text1_KeyDown(int keyCode, int)
{
    if (keyCode == 13)
        program_.platform().SendKeys(this, QStringLiteral("{TAB}"));
}

void Form1::Text2_KeyDown(int keyCode, int)
{
    if (keyCode == 13) {
        Command1->setFocus();
        program_.platform().SendKeys(this, QStringLiteral("{Enter}"));
    }
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (!ended_ && !Form_Unload()) {
        event->ignore();
        return;
    }
    event->accept();
    // Every other window goes with the main window, and the run ends.
    QCoreApplication::quit();
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int code = (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) ? 13 : key->key();
        if (watched == Text1)
            Text1_KeyDown(code, int(key->modifiers()));
        else if (watched == Text2)
            Text2_KeyDown(code, int(key->modifiers()));
    }
    return QWidget::eventFilter(watched, event);
}
