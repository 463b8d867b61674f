#pragma once

#include <optional>

#include <QComboBox>
#include <QListWidget>
#include <QTreeWidget>

#include "files/TextFile.h"
#include "questionnaire/ProgramForm.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

// The drives the dialog offers: on this platform the root and the mounted
// volumes, each shown by its root folder.
class DriveListBox : public QComboBox {
    Q_OBJECT
public:
    explicit DriveListBox(QWidget* parent);
    // Shows these drives, keeping the chosen one where it still exists.
    void setDrives(const QStringList& roots);
    QStringList drives() const;
    // The chosen drive's root folder.
    QString drive() const;
    // Chooses the drive that holds the path (the longest root that leads to it).
    void setDriveOf(const QString& path);
};

// The folder list: the open folder's ancestors from the root down, the open
// folder itself, and its subfolders. Only a double-click (or Enter) opens a
// folder; a highlighted entry is not the path.
class DirListBox : public QTreeWidget {
    Q_OBJECT
public:
    explicit DirListBox(QWidget* parent);
    // The open folder.
    QString path() const { return path_; }
    // Opens the folder and lists it again; a folder that does not exist or
    // cannot be listed leaves everything as it was.
    std::optional<FileFailure> setPath(const QString& folder);
    // The folders listed, in display order, and which of them is open.
    QStringList listedFolders() const;
    int openIndex() const;
    // Opens the listed entry (as a double-click on it does).
    void openEntry(int index);

signals:
    void Change();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void list();
    QString path_;
};

// The files of a folder that match a pattern ("*.ziz-ir"; several patterns
// separated by ";"), by name, without hidden files.
class FileListBox : public QListWidget {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent);
    QString path() const { return path_; }
    void setPath(const QString& folder);
    QString pattern() const { return pattern_; }
    void setPattern(const QString& pattern);
    QStringList fileNames() const;
    // The selected file's name, or empty text.
    QString fileName() const;

private:
    void list();
    QString path_;
    QString pattern_ = QStringLiteral("*.qmv-l");
};

// The program's own file dialog. Callers prepare and show it through
// FileDialogHandOver; it checks nothing and hands back the folder and the
// name as typed.
class Form45 : public ProgramForm {
    Q_OBJECT
public:
    explicit Form45(Program& program);

    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void File1_Click();
    void File1_DblClick();
    void Text1_KeyDown(int keyCode, int shift);
    void Drive1_Change();
    void Dir1_Change();
    void Drive1_GotFocus();
    void Drive1_LostFocus();

    // Start folder of a caller: drive, folder list and file list. Fails when
    // the folder does not exist or cannot be listed; the lists stay then.
    std::optional<FileFailure> openFolder(const QString& folder);

    DriveListBox* Drive1;
    DirListBox* Dir1;
    QPushButton* Command1;  // confirm: "OK", "Speichern" or "Öffnen"
    QPushButton* Command2;  // "Abbrechen"
    FileListBox* File1;
    QGroupBox* Frame1;
    QLineEdit* Text1;

signals:
    // The name box's text as the dialog was confirmed with it; the path
    // alone cannot tell a typed "/" from the folder's separator.
    void Confirmed(const QString& typedName);

protected:
    void Form_Unload() override;
    // The window has no close box; a close the desktop offers all the same
    // (Alt+F4) and Escape count as cancel, so no caller goes on with a path
    // from before the dialog.
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
