#include "files/FileDialogHandOver.h"

#include <QLineEdit>
#include <QPushButton>

#include "files/Form45.h"
#include "questionnaire/Program.h"
#include "ui/VbText.h"

bool FileDialogHandOver(Program& program, const QString& caption, const QString& confirmCaption,
                        const QString& pattern, const QString& nameBoxText, const QString& errorTitle,
                        QString* typedName)
{
    ProgramState& s = program.state;
    bool fellBack = false;
    for (;;) {
        Form45& dialog = program.form<Form45>();
        dialog.Text1->setText(nameBoxText);
        if (!s.LastDir.isEmpty()) {
            const std::optional<FileFailure> failure = dialog.openFolder(s.LastDir);
            // A remembered folder that is gone: say so once and start in the
            // program folder. Should that be gone as well, the dialog opens
            // where it stands rather than asking again and again.
            if (failure && !fellBack) {
                program.MsgBox(DescribeFailure(*failure) + QStringLiteral("."), vbCritical, errorTitle);
                s.LastDir = s.AppDir;
                fellBack = true;
                continue;
            }
        } else {
            dialog.openFolder(s.AppDir);
        }
        dialog.setWindowTitle(caption);
        program.centre(dialog);
        s.DialogCancelled = 0;
        dialog.Command1->setText(confirmCaption);
        dialog.File1->setPattern(pattern);
        QMetaObject::Connection typed;
        if (typedName) {
            typedName->clear();
            typed = QObject::connect(&dialog, &Form45::Confirmed,
                                     [typedName](const QString& name) { *typedName = name; });
        }
        program.ShowModal(dialog);
        QObject::disconnect(typed);
        return !(s.CurrentFilePath.isEmpty() || s.DialogCancelled == 1);
    }
}
