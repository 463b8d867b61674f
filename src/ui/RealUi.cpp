#include "ui/Ui.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

#include "ui/Form.h"

namespace {
constexpr int MaxShownLineLength = 500;
}  // namespace

int RealUi::MsgBox(const QString& text, int style, const QString& title)
{
    QMessageBox box(QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                       : QApplication::activeWindow());
    box.setWindowTitle(title);
    // A lone CR would show as a box glyph; the lines are what matters. A value
    // of a megabyte (read from a file) would take seconds to lay out and fill
    // no screen: each line shows at most its beginning.
    QStringList lines = text.split(QStringLiteral("\r\n"));
    for (QString& line : lines) {
        if (line.size() > MaxShownLineLength)
            line = line.left(MaxShownLineLength) + QChar(0x2026);
    }
    box.setText(lines.join(u'\n'));
    box.setTextFormat(Qt::PlainText);
    const bool question = style == vbYesNoQuestion || style == vbYesNoQuestionDefNo;
    switch (style) {
    case vbCritical: box.setIcon(QMessageBox::Critical); break;
    case vbExclamation: box.setIcon(QMessageBox::Warning); break;
    case vbInformation: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::Question); break;
    }
    if (question) {
        QPushButton* yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
        box.setDefaultButton(style == vbYesNoQuestionDefNo ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? vbYes : vbNo;
    }
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return vbOK;
}

void RealUi::ShowModal(QDialog& window)
{
    if (window.windowState() & Qt::WindowMaximized)
        FitToScreen(window);
    window.exec();
}
