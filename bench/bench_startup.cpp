// Start-up to the first painted window, compared with a bare Qt window in the
// same run; the splash window's outline; the main window's layout; and the
// peak memory of a whole start-up. Each process measurement starts a fresh
// child process of this program, so that library loading counts too.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdio>
#include <cstring>

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QProcess>
#include <QWidget>

#include "questionnaire/Form1.h"
#include "questionnaire/Form6.h"
#include "questionnaire/MainWindowLayout.h"
#include "questionnaire/Program.h"
#include "questionnaire/SplashRegion.h"
#include "support/FakePlatform.h"
#include "support/ScriptedUi.h"
#include "ui/Pictures.h"
#include "ui/RealPlatform.h"

namespace {

// Exits the child as soon as the watched window has painted.
class PaintWatch : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            QMetaObject::invokeMethod(
                qApp, [] { std::printf("painted\n"); std::fflush(stdout); std::_Exit(0); }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
};

int childBare(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    PaintWatch watch;
    window.installEventFilter(&watch);
    window.resize(455, 396);
    window.show();
    return app.exec();
}

int childSplash(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    Program program(std::make_unique<RealPlatform>(), std::make_unique<RealUi>());
    // The start-up's first steps up to the splash being shown.
    Form6& splash = program.form<Form6>();
    PaintWatch watch;
    splash.installEventFilter(&watch);
    splash.show();
    program.platform().DoEvents();
    return app.exec();
}

int childFullStart(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    InstallFontSubstitutes();
    {
        Program program(std::make_unique<RealPlatform>(), std::make_unique<RealUi>());
        program.form<Form1>();
        QCoreApplication::processEvents();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("peak %ld KiB\n", usage.ru_maxrss);
        std::fflush(stdout);
    }
    std::_Exit(0);
}

QString self;

double runChild(const char* mode)
{
    QElapsedTimer t;
    t.start();
    QProcess p;
    p.start(self, {QString::fromLatin1(mode)});
    p.waitForFinished(30000);
    return t.nsecsElapsed() / 1e9;
}

void BM_StartToBareWindowPainted(benchmark::State& state)
{
    for (auto _ : state)
        state.SetIterationTime(runChild("--bare"));
}

void BM_StartToSplashPainted(benchmark::State& state)
{
    for (auto _ : state)
        state.SetIterationTime(runChild("--splash"));
}

void BM_MakeRegionFromSplashMask(benchmark::State& state)
{
    const QImage mask = SplashMask();
    for (auto _ : state)
        benchmark::DoNotOptimize(MakeRegionFromPicture(mask, qRgb(255, 255, 255)));
}

void BM_ArrangeMainWindowArithmetic(benchmark::State& state)
{
    const MainWindowSizes sizes;
    double w = 15360;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ArrangeMainWindow(w, 11520, sizes));
        w = w == 15360 ? 15375 : 15360;
    }
}

void BM_MainWindowResize(benchmark::State& state)
{
    auto fake = std::make_unique<FakePlatform>();
    Program program(std::move(fake), std::make_unique<ScriptedUi>());
    Form1& main = program.form<Form1>();
    for (auto _ : state)
        main.Form_Resize();
}

}  // namespace

BENCHMARK(BM_StartToBareWindowPainted)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(7)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_StartToSplashPainted)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(7)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_MakeRegionFromSplashMask)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ArrangeMainWindowArithmetic)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MainWindowResize)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--bare") == 0)
        return childBare(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--splash") == 0)
        return childSplash(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--full") == 0)
        return childFullStart(argc, argv);
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    self = QCoreApplication::applicationFilePath();
    {
        QProcess p;
        p.start(self, {QStringLiteral("--full")});
        p.waitForFinished(60000);
        std::printf("Whole start-up (4 s splash included): %s", p.readAllStandardOutput().constData());
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
