#include <gtest/gtest.h>

#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include "questionnaire/Form1.h"
#include "questionnaire/Form2.h"
#include "questionnaire/QuestionBank.h"
#include "questionnaire/QuestionPage.h"
#include "support/QuestionPageAt.h"
#include "support/TestRun.h"
#include "ui/VbText.h"

// The question page must show every character of the longest texts the bank
// admits: 161 characters of question, 94 of answer. Nothing may be elided,
// cut at a control's edge or hidden under the next control.

namespace {

struct Item {
    int number;  // an entry with answers of its own, so that all three can be long
    QString question;
    QStringList answers;
};

// Ordinary German at full length: long compounds, umlauts, a compound that
// does not fit at the end of the first answer line.
const Item Ordinary{
    1,
    QStringLiteral("Würden Sie bei einer Versammlung der Wohnungseigentümergemeinschaft auch dann widersprechen, "
                   "wenn alle übrigen Anwesenden den Beschluss schon für gefasst halten?"),
    {QStringLiteral("1. ja, auch wenn mir die Auseinandersetzung mit den Nachbarn unangenehm wäre und Ärger brächte"),
     QStringLiteral("2. nur, wenn es um Instandhaltungsrücklagen oder Verkehrssicherungspflichten ginge, sonst nie."),
     QStringLiteral("3. nein, ich würde mich der Mehrheit anschließen und meine Bedenken nachher schriftlich äußern")}};

// The widest text that real words make: capitals throughout, full of M and W.
// (A row of 94 W without a blank is no text and needs three lines anywhere.)
const Item Capitals{
    2,
    QStringLiteral("WEM WÜRDEN SIE IM WETTBEWERB UM MITWIRKUNGSMÖGLICHKEITEN IM GEMEINWESEN IHRE STIMME GEBEN: "
                   "MÄNNERN, FRAUEN ODER WOHLFAHRTSVERBÄNDEN, DIE SIE SCHON LÄNGER KENNEN?"),
    {QStringLiteral("1. MENSCHEN, MIT DENEN MICH GEMEINSAME WANDERWOCHEN IM MITTELGEBIRGE NUN SCHON LANGE VERBINDEN"),
     QStringLiteral("2. DEM WOHNUNGSWIRTSCHAFTSMINISTERIUM WEGEN MANGELNDER MITWIRKUNGSMÖGLICHKEITEN GEWISS NIEMALS"),
     QStringLiteral("3. MEHRWEGWARENWIRTSCHAFT UND WERKMEISTERWOHNUNGEN IM MÜNSTERLAND WÜRDE ICH WEIT MEHR WÜRDIGEN")}};

// A word too long to share a line with much else, so that the first answer
// only fits when broken inside it; ampersands, which a button would
// otherwise take as a shortcut mark.
const Item LongWord{
    5,
    QStringLiteral("Haben Sie schon einmal vom Rindfleischetikettierungsüberwachungsaufgabenübertragungsgesetz "
                   "gehört, und wüssten Sie, worum es darin geht, wenn man Sie fragte?"),
    {QStringLiteral("1. ja, mir ist das Rindfleischetikettierungsüberwachungsaufgabenübertragungsgesetz wohlbekannt"),
     QStringLiteral("2. ich habe davon gehört & könnte es ungefähr erklären, aber gelesen habe ich es nie"),
     QStringLiteral("3. ja, ich kenne es aus meiner Arbeit & könnte Ihnen jede einzelne Vorschrift erklären")}};

QString shippedBankText()
{
    QFile file(QuestionBank::ShippedFile);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString withItem(const QString& bank, const Item& item)
{
    QStringList lines = bank.split(u'\n');
    const QString key = QString::number(item.number) + u'|';
    for (QString& line : lines)
        if (line.startsWith(key))
            line = key + item.question + u'|' + item.answers.join(u'|');
    return lines.join(u'\n');
}

// Dark, opaque pixels: text, not background or a control's light frame.
bool ink(QRgb pixel)
{
    return qAlpha(pixel) > 128 && qGray(pixel) < 160;
}

enum class Ink { None, Inside, AtEdge };

// Where a widget as painted has ink: a glyph that an edge cuts leaves ink
// right at that edge.
Ink inkOf(QWidget* widget, bool top, bool right, bool bottom)
{
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const int strip = 2;
    Ink found = Ink::None;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!ink(image.pixel(x, y)))
                continue;
            if ((top && y < strip) || (bottom && y >= image.height() - strip) || (right && x >= image.width() - strip))
                return Ink::AtEdge;
            found = Ink::Inside;
        }
    }
    return found;
}

QString inkFault(const QString& name, Ink ink)
{
    if (ink == Ink::None)
        return name + QStringLiteral(": nichts zu sehen");
    if (ink == Ink::AtEdge)
        return name + QStringLiteral(": Schrift am Rand abgeschnitten");
    return {};
}

QString describe(const QRect& r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Whether an option's caption shows exactly the answer: its doubled
// ampersands are single ones on the screen, and a line break stands for a
// blank or splits a very long word.
bool showsExactly(const QString& caption, const QString& answer)
{
    QString shown = caption;
    shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
    const QStringList lines = shown.split(u'\n');
    if (lines.size() == 1)
        return shown == answer;
    for (const QString& joint : {QStringLiteral(" "), QString()}) {
        const QString rest = QStringList(lines.mid(1)).join(u'\n');
        if (answer.startsWith(lines[0] + joint) && showsExactly(rest, answer.mid(lines[0].size() + joint.size())))
            return true;
    }
    return false;
}

// Every place where the page does not show a text in full, one a line;
// empty when the question and each visible answer are there to the last
// character.
std::string cutTexts(Form2& page, const QString& question, const QStringList& answers)
{
    QStringList faults;
    const QRect frameInside = page.Frame1->contentsRect();

    QLabel* label = page.Label1;
    if (label->text() != question)
        faults << QStringLiteral("Label1 zeigt „%1“").arg(label->text());
    const QRect labelRoom = label->contentsRect();
    const int labelFlags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect labelNeeds = label->fontMetrics().boundingRect(labelRoom, labelFlags, label->text());
    if (!labelRoom.contains(labelNeeds))
        faults << QStringLiteral("Label1 braucht %1, hat %2").arg(describe(labelNeeds), describe(labelRoom));
    if (!frameInside.contains(label->geometry()))
        faults << QStringLiteral("Label1 ragt aus Frame1");
    if (const QString fault = inkFault(QStringLiteral("Label1"), inkOf(label, false, true, true)); !fault.isEmpty())
        faults << fault;

    QWidget* above = label;
    for (int i = 0; i < 4; ++i) {
        QRadioButton* option = page.Option1[size_t(i)];
        const QString expected = i < answers.size() ? answers[i] : QString();
        if (expected.isEmpty()) {
            if (!option->isHidden())
                faults << QStringLiteral("Option1(%1) sichtbar ohne Antwort").arg(i);
            continue;
        }
        if (option->isHidden()) {
            faults << QStringLiteral("Option1(%1) versteckt").arg(i);
            continue;
        }
        if (!showsExactly(option->text(), expected))
            faults << QStringLiteral("Option1(%1) zeigt „%2“").arg(i).arg(option->text());

        // The style draws the caption left-aligned and vertically centred in
        // the contents rectangle, line by line as the caption breaks.
        QStyleOptionButton opt;
        opt.initFrom(option);
        opt.text = option->text();
        const QRect room =
            option->style()->subElementRect(QStyle::SE_RadioButtonContents, &opt, option) & option->rect();
        const QFontMetrics fm = option->fontMetrics();
        const QRect needs =
            fm.boundingRect(room, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, option->text());
        if (!room.contains(needs))
            faults << QStringLiteral("Option1(%1) braucht %2, hat %3").arg(i).arg(describe(needs), describe(room));
        // Italic letters lean out beyond their advance.
        for (QString line : option->text().split(u'\n')) {
            line.replace(QStringLiteral("&&"), QStringLiteral("&"));
            const QRect inked = fm.boundingRect(line);
            if (room.left() + inked.right() > room.right())
                faults << QStringLiteral("Option1(%1): „%2“ reicht über den Rand").arg(i).arg(line);
        }
        const QString name = QStringLiteral("Option1(%1)").arg(i);
        if (const QString fault = inkFault(name, inkOf(option, true, true, true)); !fault.isEmpty())
            faults << fault;
        if (!frameInside.contains(option->geometry()))
            faults << QStringLiteral("Option1(%1) ragt aus Frame1").arg(i);
        if (above->geometry().intersects(option->geometry()))
            faults << QStringLiteral("Option1(%1) überdeckt %2").arg(i).arg(above->objectName());
        above = option;
    }
    return faults.join(u'\n').toStdString();
}

QStringList answersOf(const QuestionEntry& e)
{
    QStringList answers{e.answerText1, e.answerText2};
    if (!e.answerText3.isEmpty())
        answers << e.answerText3;
    return answers;
}

class QuestionPageLayout : public ::testing::Test {
protected:
    TestRun run;

    void SetUp() override
    {
        Form1& main = run.program->form<Form1>();
        main.Text1->setText(QStringLiteral("Muster, Max"));
        main.Text2->setText(QStringLiteral("01.02.2012"));
    }

    // A bank file that holds the long items in place of the shipped ones.
    void useBankWith(const std::vector<Item>& items)
    {
        QString text = shippedBankText();
        ASSERT_FALSE(text.isEmpty());
        for (const Item& item : items)
            text = withItem(text, item);
        const QString path = run.path(QStringLiteral("fragen.txt"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
        file.close();
        run.program->questionBankFile = path;
        QString error;
        ASSERT_NE(run.program->questionBank(&error), nullptr) << error.toStdString();
    }

    Form2& pageAt(int n) { return QuestionPageAt(run, n); }
};

}  // namespace

TEST_F(QuestionPageLayout, TheLongestItemsAreShownInFull)
{
    for (const Item* item : {&Ordinary, &Capitals, &LongWord}) {
        ASSERT_LE(item->question.size(), 161);
        for (const QString& answer : item->answers)
            ASSERT_LE(answer.size(), 94);
    }
    ASSERT_EQ(Ordinary.question.size(), 161);
    ASSERT_EQ(Capitals.question.size(), 161);
    for (const QString& answer : Ordinary.answers + Capitals.answers)
        ASSERT_EQ(answer.size(), 94);
    useBankWith({Ordinary, Capitals, LongWord});

    Form2& page = pageAt(1);
    for (const Item* item : {&Ordinary, &Capitals, &LongWord}) {
        SCOPED_TRACE(item->number);
        if (run.state().CurrentQuestion != item->number) {
            page.Text1->setText(QString::number(item->number));
            page.Command3->click();
        }
        EXPECT_EQ(cutTexts(page, item->question, item->answers), std::string());

        // Marked blue and underlined, an answer still fits.
        QTest::mousePress(page.Option1[1], Qt::LeftButton);
        EXPECT_EQ(run.state().Answers.at(item->number - 1), u'2');
        EXPECT_EQ(cutTexts(page, item->question, item->answers), std::string());
    }
}

TEST_F(QuestionPageLayout, ALongAnswerTakesThePressOnItsDotAndOnItsSecondLine)
{
    useBankWith({Ordinary});
    Form2& page = pageAt(1);
    for (int i = 0; i < 3; ++i) {
        QRadioButton* option = page.Option1[size_t(i)];
        QStyleOptionButton opt;
        opt.initFrom(option);
        opt.text = option->text();
        const QRect dot = option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &opt, option);
        EXPECT_TRUE(option->rect().contains(dot));
        QTest::mousePress(option, Qt::LeftButton, {}, dot.center());
        EXPECT_EQ(run.state().Answers.at(0), QChar(u'1' + i));
        EXPECT_TRUE(option->isChecked());
    }
    // The end of the second line of the first answer.
    QRadioButton* first = page.Option1[0];
    const QStringList lines = first->text().split(u'\n');
    ASSERT_EQ(lines.size(), 2);
    QStyleOptionButton opt;
    opt.initFrom(first);
    opt.text = first->text();
    const QRect room = first->style()->subElementRect(QStyle::SE_RadioButtonContents, &opt, first);
    const QPoint endOfSecondLine(room.left() + first->fontMetrics().horizontalAdvance(lines[1]) - 2,
                                 first->height() / 2 + first->fontMetrics().lineSpacing() / 2);
    QTest::mousePress(first, Qt::RightButton, {}, endOfSecondLine);
    EXPECT_EQ(run.state().Answers.at(0), u'1');
    EXPECT_TRUE(first->isChecked());
}

TEST_F(QuestionPageLayout, EveryItemOfTheShippedBankIsShownInFull)
{
    Form2& page = pageAt(1);
    const QuestionBank& bank = *run.program->questionBank();
    for (int n = 1; n <= QuestionCount; ++n) {
        run.state().CurrentQuestion = n;
        FillQuestionPage(*run.program);
        const QuestionEntry& e = *bank.entry(n);
        EXPECT_EQ(cutTexts(page, e.questionText, answersOf(e)), std::string()) << n;
    }
}

TEST_F(QuestionPageLayout, TheCheckSeesACutText)
{
    useBankWith({Ordinary});
    Form2& page = pageAt(1);
    ASSERT_EQ(cutTexts(page, Ordinary.question, Ordinary.answers), std::string());

    // A label too narrow for the question.
    const QRect designed = page.Label1->geometry();
    page.Label1->resize(designed.width() / 2, designed.height());
    EXPECT_FALSE(cutTexts(page, Ordinary.question, Ordinary.answers).empty());
    page.Label1->setGeometry(designed);

    // An answer beyond what the bank admits needs a third line.
    QStringList tooLong = Ordinary.answers;
    tooLong[2] = tooLong[2] + u' ' + tooLong[2].mid(3);
    page.SetOptionCaption(2, tooLong[2]);
    EXPECT_FALSE(cutTexts(page, Ordinary.question, tooLong).empty());
}
