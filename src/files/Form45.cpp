#include "files/Form45.h"

#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include "questionnaire/Program.h"
#include "ui/Frame.h"
#include "ui/VbText.h"

namespace {

constexpr int PathRole = Qt::UserRole;

QString Normalised(const QString& folder)
{
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

// Whether `root` is the path itself or one of its ancestors.
bool Holds(const QString& root, const QString& path)
{
    if (root == path)
        return true;
    const QString prefix = root.endsWith(u'/') ? root : root + u'/';
    return path.startsWith(prefix);
}

// The folder and its ancestors, root first.
QStringList Chain(const QString& folder)
{
    QStringList chain;
    QDir dir(folder);
    chain.prepend(dir.absolutePath());
    while (dir.cdUp())
        chain.prepend(dir.absolutePath());
    return chain;
}

QString EntryName(const QString& folder)
{
    const QString name = QFileInfo(folder).fileName();
    return name.isEmpty() ? folder : name;
}

bool IsEnter(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

void UseListFont(QWidget* w)
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSizeF(9.75);
    w->setFont(f);
}

}  // namespace

// ---------------------------------------------------------------- drive list

DriveListBox::DriveListBox(QWidget* parent) : QComboBox(parent) {}

void DriveListBox::setDrives(const QStringList& roots)
{
    if (roots == drives())
        return;
    const QString chosen = drive();
    const QSignalBlocker quiet(this);
    clear();
    for (const QString& root : roots)
        addItem(root, root);
    // A drive that went away is still shown while it is the chosen one.
    if (!chosen.isEmpty() && !roots.contains(chosen))
        addItem(chosen, chosen);
    setCurrentIndex(chosen.isEmpty() ? 0 : findData(chosen));
}

QStringList DriveListBox::drives() const
{
    QStringList roots;
    for (int i = 0; i < count(); ++i)
        roots.append(itemData(i).toString());
    return roots;
}

QString DriveListBox::drive() const
{
    return currentData().toString();
}

void DriveListBox::setDriveOf(const QString& path)
{
    int best = -1;
    for (int i = 0; i < count(); ++i) {
        const QString root = itemData(i).toString();
        if (Holds(root, path) && (best < 0 || root.size() > itemData(best).toString().size()))
            best = i;
    }
    if (best >= 0) {
        const QSignalBlocker quiet(this);
        setCurrentIndex(best);
    }
}

// --------------------------------------------------------------- folder list

DirListBox::DirListBox(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setIndentation(10);
    setUniformRowHeights(true);
    // The entries are indented like a tree but never fold: no branch marks.
    setStyleSheet(QStringLiteral("QTreeView::branch { image: none; border-image: none; }"));
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (item)
            setPath(item->data(0, PathRole).toString());
    });
}

std::optional<FileFailure> DirListBox::setPath(const QString& folder)
{
    if (folder.isEmpty())
        return FileFailure::PathNotFound;
    const QString normalised = Normalised(folder);
    const QFileInfo info(normalised);
    if (!info.exists() || !info.isDir())
        return FileFailure::PathNotFound;
    // A folder we may not list is not opened: the lists stay where they were.
    if (!info.isReadable() || !info.isExecutable())
        return FileFailure::AccessDenied;
    path_ = normalised;
    list();
    emit Change();
    return std::nullopt;
}

void DirListBox::list()
{
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    QTreeWidgetItem* parent = nullptr;
    for (const QString& folder : Chain(path_)) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
        item->setText(0, EntryName(folder));
        item->setIcon(0, open);
        item->setData(0, PathRole, folder);
        parent = item;
    }
    const QStringList subfolders =
        QDir(path_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : subfolders) {
        auto* item = new QTreeWidgetItem(parent);
        item->setText(0, name);
        item->setIcon(0, closed);
        item->setData(0, PathRole, JoinPath(path_, name));
    }
    expandAll();
    setCurrentItem(parent);
    scrollToItem(parent);
}

QStringList DirListBox::listedFolders() const
{
    QStringList folders;
    for (QTreeWidgetItemIterator it(const_cast<DirListBox*>(this)); *it; ++it)
        folders.append((*it)->data(0, PathRole).toString());
    return folders;
}

int DirListBox::openIndex() const
{
    return int(listedFolders().indexOf(path_));
}

void DirListBox::openEntry(int index)
{
    const QStringList folders = listedFolders();
    if (index >= 0 && index < folders.size())
        setPath(folders[index]);
}

void DirListBox::keyPressEvent(QKeyEvent* event)
{
    if (IsEnter(event)) {
        if (QTreeWidgetItem* item = currentItem())
            setPath(item->data(0, PathRole).toString());
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

// ----------------------------------------------------------------- file list

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void FileListBox::setPath(const QString& folder)
{
    path_ = folder;
    list();
}

void FileListBox::setPattern(const QString& pattern)
{
    pattern_ = pattern;
    list();
}

QStringList FileListBox::fileNames() const
{
    QStringList names;
    for (int i = 0; i < count(); ++i)
        names.append(item(i)->text());
    return names;
}

QString FileListBox::fileName() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void FileListBox::list()
{
    clear();
    if (path_.isEmpty())
        return;
    QStringList filters;
    for (const QString& p : pattern_.split(u';', Qt::SkipEmptyParts))
        filters.append(p.trimmed());
    // Patterns match case-blind: "X.ZIZ-IR" is an answer file as well.
    addItems(QDir(path_).entryList(filters, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

// -------------------------------------------------------------------- window

Form45::Form45(Program& program) : ProgramForm(program, FixedDialog)
{
    setObjectName(QStringLiteral("Form45"));
    setWindowTitle(QStringLiteral("Dateien"));
    setDesignClientSize(10980, 4830);

    Drive1 = new DriveListBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setGeometry(TwipsRect(120, 248, 3132, 360));

    Dir1 = new DirListBox(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setGeometry(TwipsRect(120, 655, 3132, 2790));

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(TwipsRect(9600, 240, 1200, 372));
    Command2 = new QPushButton(QStringLiteral("Abbrechen"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(TwipsRect(9600, 720, 1200, 372));
    // Neither is the window's default button: Enter works only where the
    // event procedures say.
    for (QPushButton* b : {Command1, Command2}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    File1 = new FileListBox(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setGeometry(TwipsRect(3360, 240, 6015, 3210));

    Frame1 = new Frame(QStringLiteral("Dateiname"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(TwipsRect(120, 3720, 9255, 855));
    Text1 = new QLineEdit(Frame1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(TwipsRect(120, 360, 9015, 375));

    for (QWidget* w : std::initializer_list<QWidget*>{Drive1, Dir1, File1, Text1})
        UseListFont(w);

    setTabOrder(Drive1, Dir1);
    setTabOrder(Dir1, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, File1);
    setTabOrder(File1, Text1);

    // Design state: the drives of the moment, the current folder.
    Drive1->setDrives(program_.platform().Drives());
    if (Dir1->setPath(program_.platform().CurrentFolder()))
        Dir1->setPath(QDir::rootPath());
    Drive1->setDriveOf(Dir1->path());
    File1->setPath(Dir1->path());

    connect(Command1, &QPushButton::clicked, this, &Form45::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form45::Command2_Click);
    connect(File1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!File1->fileName().isEmpty())
            File1_Click();
    });
    connect(File1, &QListWidget::itemDoubleClicked, this, [this] { File1_DblClick(); });
    connect(Drive1, &QComboBox::activated, this, [this] { Drive1_Change(); });
    connect(Dir1, &DirListBox::Change, this, &Form45::Dir1_Change);

    for (QObject* o : std::initializer_list<QObject*>{Text1, Drive1, File1})
        o->installEventFilter(this);
}

void Form45::Form_Load()
{
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    program_.platform().DoEvents();
}

std::optional<FileFailure> Form45::openFolder(const QString& folder)
{
    Drive1->setDriveOf(Normalised(folder));
    if (const std::optional<FileFailure> failure = Dir1->setPath(folder)) {
        Drive1->setDriveOf(Dir1->path());
        return failure;
    }
    File1->setPath(Dir1->path());
    return std::nullopt;
}

void Form45::Command1_Click()
{
    const QString name = Text1->text();
    program_.state.CurrentFilePath = name.isEmpty() ? QString() : JoinPath(Dir1->path(), name);
    emit Confirmed(name);
    Unload();
}

void Form45::Command2_Click()
{
    program_.state.DialogCancelled = 1;
    Unload();
}

void Form45::Form_Unload()
{
    program_.state.LastDir = Dir1->path();
}

void Form45::File1_Click()
{
    Text1->setText(File1->fileName());
}

void Form45::File1_DblClick()
{
    if (File1->fileName().isEmpty())
        return;
    Text1->setText(File1->fileName());
    Command1->setFocus();
    program_.platform().SendKeys(this, QStringLiteral("{Enter}"));
}

void Form45::Text1_KeyDown(int keyCode, int)
{
    if (keyCode == 13 && Command1->isEnabled()) {
        Command1->setFocus();
        program_.platform().SendKeys(this, QStringLiteral("{Enter}"));
    }
}

void Form45::Drive1_Change()
{
    Drive1->setDrives(program_.platform().Drives());
    // A drive that cannot be read leaves both lists where they were.
    Dir1->setPath(Drive1->drive());
    File1->setPath(Dir1->path());
}

void Form45::Dir1_Change()
{
    File1->setPath(Dir1->path());
}

void Form45::Drive1_GotFocus()
{
    Drive1->setDrives(program_.platform().Drives());
}

void Form45::Drive1_LostFocus()
{
    Drive1->setDrives(program_.platform().Drives());
}

void Form45::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (!isUnloading())
        Command2_Click();
}

void Form45::reject()
{
    if (!isUnloading())
        Command2_Click();
}

bool Form45::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == Text1) {
            Text1_KeyDown(IsEnter(key) ? 13 : key->key(), int(key->modifiers()));
            if (IsEnter(key))
                return true;
        } else if (IsEnter(key) && watched == File1) {
            File1_DblClick();
            return true;
        }
    } else if (watched == Drive1 && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        // Not while its own drop-down list opens or closes.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            if (event->type() == QEvent::FocusIn)
                Drive1_GotFocus();
            else
                Drive1_LostFocus();
        }
    }
    return Form::eventFilter(watched, event);
}
