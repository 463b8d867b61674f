#include "ui/Ui.h"

#include <QApplication>
#include <QDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>

#include "ui/Form.h"

namespace {

constexpr int MaxShownLineLength = 500;

// A short message under a long title ("Fehler beim Speichern des RUV-O
// Fragebogens") would leave the window manager too narrow a title bar to
// show the title whole: the box is made wide enough for it, with room for
// the title bar's icon and buttons. Done last, as the box lays itself out
// anew while it is filled.
void MakeRoomForTitle(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    QFont bold = box.font();
    bold.setBold(true);
    int width = QFontMetrics(bold).horizontalAdvance(box.windowTitle()) + 160;
    if (const QScreen* screen = box.screen())
        width = qMin(width, screen->availableGeometry().width() * 9 / 10);
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

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
        MakeRoomForTitle(box);
        box.exec();
        return box.clickedButton() == yes ? vbYes : vbNo;
    }
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    MakeRoomForTitle(box);
    box.exec();
    return vbOK;
}

void RealUi::ShowModal(QDialog& window)
{
    if (window.windowState() & Qt::WindowMaximized)
        FitToScreen(window);
    window.exec();
}
