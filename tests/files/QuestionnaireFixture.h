#pragma once

#include <QByteArray>
#include <QFile>
#include <QLineEdit>
#include <QList>
#include <QString>

#include "questionnaire/Form1.h"
#include "support/TestRun.h"
#include "ui/VbText.h"

// A run with its main window loaded, as every file command finds it.
inline Form1& MainWindow(TestRun& run)
{
    return run.program->form<Form1>();
}

// 324 answers "1" to "3" in a pattern that is not the same everywhere.
inline QString CompleteAnswers()
{
    QString answers;
    for (int i = 0; i < 324; ++i)
        answers.append(QChar(u'1' + (i * 7 + i / 11) % 3));
    return answers;
}

// Personal data as the personal-data form leaves them, and a complete
// questionnaire, in the program-wide state.
inline void FillQuestionnaireState(ProgramState& s, const QString& name = QStringLiteral("Müller"),
                                   const QString& firstName = QStringLiteral("Jürgen"),
                                   const QString& date = QStringLiteral("07.12.2026"))
{
    s.ClientName = name;
    s.ClientFirstName = firstName;
    s.ClientSex = QStringLiteral("m");
    s.ClientAge = QStringLiteral("47");
    s.ClientPhone = QStringLiteral("0711 / 12 34 56");
    s.ClientOccupation = QStringLiteral("Straßenbauer");
    s.ClientDate = date;
    s.ClientStreet = QStringLiteral("Große Gasse 5a");
    s.ClientPostcodeCity = QStringLiteral("D-70173 Stuttgart");
    s.ClientCountry = QStringLiteral("Deutschland");
    s.ClientEmailOrFax = QStringLiteral("j.mueller@example.org");
    s.SendResultOption = QStringLiteral("1");
    s.ResultPassword = QStringLiteral("Geheim#42");
    s.WorkingTimeMinutes = NumberToText(73);
    s.Answers = CompleteAnswers();
    s.Modified = 1;
}

// The same, shown in the main window.
inline void FillQuestionnaire(TestRun& run, const QString& name = QStringLiteral("Müller"),
                              const QString& firstName = QStringLiteral("Jürgen"),
                              const QString& date = QStringLiteral("07.12.2026"))
{
    Form1& main = MainWindow(run);  // before the values: loading it empties the answers
    FillQuestionnaireState(run.state(), name, firstName, date);
    main.Text1->setText(name + QStringLiteral(", ") + firstName);
    main.Text2->setText(date);
}

inline QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void PutFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

// The lines of a file written with CR LF after each line.
inline QList<QByteArray> CrLfLines(const QByteArray& bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

inline QByteArray JoinCrLf(const QList<QByteArray>& lines)
{
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    return bytes;
}
