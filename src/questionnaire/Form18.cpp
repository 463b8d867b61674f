#include "questionnaire/Form18.h"

#include <QLabel>
#include <QPushButton>
#include <QMoveEvent>
#include <QShowEvent>

#include "files/SaveQuestionnaire.h"
#include "questionnaire/OverviewPage.h"
#include "questionnaire/PersonalData.h"
#include "questionnaire/Program.h"
#include "ui/Pictures.h"
#include "ui/VbText.h"

namespace {

constexpr double OuterHeightTwips = 3795;

QLabel* makeImage(QWidget* parent, const char* name, const QRect& geometry, const QString& picture)
{
    auto* image = new QLabel(parent);
    image->setObjectName(QString::fromLatin1(name));
    image->setGeometry(geometry);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (!picture.isEmpty())
        image->setPixmap(Picture(picture));
    return image;
}

}  // namespace

Form18::Form18(Program& program) : ProgramForm(program, FixedDialog)
{
    setObjectName(QStringLiteral("Form18"));
    setWindowTitle(QStringLiteral("Digitalisieren eines RUV-O-Fragebogens"));
    setDesignClientSize(6135, 3090);

    Command1 = MakePictureButton(this, QStringLiteral("Command1"), QStringLiteral("Stammdaten Eintragen"),
                                 QStringLiteral("step_person"));
    Command1->setGeometry(TwipsRect(1920, 720, 975, 975));
    Command2 = MakePictureButton(this, QStringLiteral("Command2"), QStringLiteral("Fragebogen Übertragen"),
                                 QStringLiteral("step_screen"));
    Command2->setGeometry(TwipsRect(2880, 720, 975, 975));
    Command3 = MakePictureButton(this, QStringLiteral("Command3"), QStringLiteral("Bearbeitung Abschliessen"),
                                 QStringLiteral("step_finish"));
    Command3->setGeometry(TwipsRect(3840, 720, 975, 975));
    Command3->hide();
    Command4 = MakePictureButton(this, QStringLiteral("Command4"), QStringLiteral("Bearbeitung Abbrechen"),
                                 QStringLiteral("cancel_small"));
    Command4->setGeometry(TwipsRect(5640, 0, 495, 495));
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);
    Command1->setFocus();

    Image1 = makeImage(this, "Image1", TwipsRect(960, 840, 900, 795), QStringLiteral("arrow_right"));
    Image2 = makeImage(this, "Image2", TwipsRect(1920, 1800, 900, 885), QString());
    Image2->hide();
    Image3 = makeImage(this, "Image3", TwipsRect(2910, 1800, 900, 885), QString());
    Image3->hide();
    Image4 = makeImage(this, "Image4", TwipsRect(5040, 1920, 900, 870), QStringLiteral("mark_notdone"));
    Image4->hide();
    Image8 = makeImage(this, "Image8", TwipsRect(5040, 2760, 900, 885), QStringLiteral("mark_done"));
    Image8->hide();

    connect(Command1, &QPushButton::clicked, this, &Form18::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form18::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form18::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form18::Command4_Click);
}

void Form18::TakePicture(QLabel* mark, const QLabel* store)
{
    mark->setPixmap(store->pixmap());
}

bool Form18::SamePicture(const QLabel* a, const QLabel* b)
{
    const QPixmap pa = a->pixmap();
    const QPixmap pb = b->pixmap();
    return !pa.isNull() && pa.cacheKey() == pb.cacheKey();
}

void Form18::Form_Load()
{
    setOuterHeightTwips(OuterHeightTwips);
    program_.centre(*this);
}

void Form18::Command1_Click()
{
    EnterPersonalData(program_);
    // The personal-data form has set the mark by now: done moves on to step 2.
    if (!Image2->isHidden() && SamePicture(Image2, Image8))
        Command2->setFocus();
}

void Form18::Command2_Click()
{
    ShowOverviewPage(program_);
    // Also after a refused overview page: the mark follows the answers as they are.
    if (program_.state.Answers.contains(QLatin1Char('0'))) {
        TakePicture(Image3, Image4);
    } else {
        TakePicture(Image3, Image8);
        Image1->hide();
        Command3->show();
        Command3->setFocus();
    }
    Image3->show();
}

void Form18::Command3_Click()
{
    SaveQuestionnaire(program_);
    // The save reports its own refusals and errors; the window closes anyway
    // and an unsaved questionnaire stays in memory.
    Unload();
}

void Form18::Command4_Click()
{
    if (program_.MsgBox(QStringLiteral("Wollen Sie die Bearbeitung wirklich abbrechen?"), vbYesNoQuestionDefNo,
                        QString())
        != vbNo)
        Unload();
}
