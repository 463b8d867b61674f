#include "ui/RealPlatform.h"

#include <chrono>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QWindow>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeDatabase>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QThread>
#include <QTime>
#include <QWidget>

#include "ui/EnterKey.h"

RealPlatform::RealPlatform()
{
    Randomize();
}

double RealPlatform::Timer()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void RealPlatform::Sleep(int milliseconds)
{
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void RealPlatform::DoEvents()
{
    // A window shown just before has to be mapped by the window system before
    // it can paint; give it that round trip (briefly), so that "process events
    // once" leaves what is visible painted.
    QElapsedTimer waited;
    waited.start();
    QCoreApplication::processEvents();
    for (;;) {
        bool pending = false;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->windowHandle() && !w->windowHandle()->isExposed())
                pending = true;
        }
        if (!pending || waited.elapsed() > 500)
            break;
        QThread::msleep(5);
        QCoreApplication::processEvents();
    }
    QCoreApplication::sendPostedEvents();
}

void RealPlatform::Randomize()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    generator_.seed(static_cast<std::uint64_t>(now));
}

double RealPlatform::Rnd()
{
    // 53 random bits: uniform in [0, 1), never 1.
    return double(generator_() >> 11) * 0x1.0p-53;
}

QSizeF RealPlatform::ScreenTwips()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QSizeF(0, 0);
    return QSizeF(screen->size().width() * 15.0, screen->size().height() * 15.0);
}

double RealPlatform::TwipsPerPixelOfDisplay()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 15.0;
    const double dpi = screen->logicalDotsPerInchX() * screen->devicePixelRatio();
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

QString RealPlatform::ProgramFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString RealPlatform::CurrentFolder()
{
    return QDir::currentPath();
}

bool RealPlatform::SetCurrentFolder(const QString& folder)
{
    return QDir::setCurrent(folder);
}

QString RealPlatform::SystemFolder()
{
    // The folder in which the operating system itself is installed.
    return QStringLiteral("/usr");
}

QStringList RealPlatform::Drives()
{
    QStringList roots{QStringLiteral("/")};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        if (!volume.device().startsWith("/dev/"))
            continue;  // kernel and memory file systems are no drives for a user
        const QString root = volume.rootPath();
        if (!roots.contains(root))
            roots.append(root);
    }
    return roots;
}

QDate RealPlatform::Today()
{
    return QDate::currentDate();
}

void RealPlatform::SendKeys(QWidget* window, const QString& keys)
{
    QueueKeystroke(window, keys);
}

int RealPlatform::ShellOpen(const QString& target)
{
    return ShellOpener::fromPath().open(target);
}

void QueueKeystroke(QWidget* window, const QString& keys)
{
    QPointer<QWidget> target = window ? window->focusWidget() : QApplication::focusWidget();
    if (!target && window)
        target = window;
    const QString key = keys.toUpper();
    QMetaObject::invokeMethod(
        qApp,
        [target, key] {
            if (!target)
                return;
            if (key == QStringLiteral("{TAB}")) {
                QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
                QCoreApplication::sendEvent(target, &tab);
            } else if (key == QStringLiteral("{ENTER}")) {
                // The same rule as a typed Enter on a button.
                if (!PressButtonByEnter(target)) {
                    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                    QCoreApplication::sendEvent(target, &enter);
                }
            }
        },
        Qt::QueuedConnection);
}

namespace {

QString runQuery(const QString& tool, const QStringList& args, int timeoutMs)
{
    QProcess process;
    process.start(tool, args);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(500);
        return QString();
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

}  // namespace

ShellOpener ShellOpener::fromPath()
{
    ShellOpener s;
    s.opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    s.mimeQueryTool = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    return s;
}

int ShellOpener::open(const QString& target) const
{
    static const QRegularExpression schemePattern(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]+):"));
    const QRegularExpressionMatch m = schemePattern.match(target);
    const bool isLink = m.hasMatch();
    if (!isLink && (target.isEmpty() || !QFileInfo::exists(target)))
        return Platform::ShellNotFound;
    if (opener.isEmpty())
        return Platform::ShellNoApplication;

    QString type;
    if (isLink)
        type = QStringLiteral("x-scheme-handler/") + m.captured(1).toLower();
    else
        type = QMimeDatabase().mimeTypeForFile(target).name();
    QString handler;
    if (!mimeQueryTool.isEmpty())
        handler = runQuery(mimeQueryTool, {QStringLiteral("query"), QStringLiteral("default"), type}, timeoutMs);
    if (handler.isEmpty() && isLink && (type.endsWith("/http") || type.endsWith("/https"))) {
        // xdg-open falls back to the desktop's browser for web addresses.
        if (!qEnvironmentVariableIsEmpty("BROWSER")
            || !QStandardPaths::findExecutable(QStringLiteral("x-www-browser")).isEmpty()
            || !QStandardPaths::findExecutable(QStringLiteral("sensible-browser")).isEmpty())
            handler = QStringLiteral("browser");
    }
    if (handler.isEmpty())
        return Platform::ShellNoApplication;
    // Detached: the opened application runs on its own; we never wait for it.
    if (!QProcess::startDetached(opener, {target}, QStringLiteral("/")))
        return Platform::ShellNoApplication;
    return Platform::ShellHandedOver;
}
