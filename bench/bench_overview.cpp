// Turning a page of the overview page: refilling its ten slots and painting
// the window, as the user waits for it after a click on a paging button.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QTemporaryDir>

#include "questionnaire/Form3.h"
#include "questionnaire/OverviewPage.h"
#include "questionnaire/Program.h"
#include "support/FakePlatform.h"
#include "ui/Pictures.h"
#include "ui/Ui.h"
#include "ui/VbText.h"

namespace {

// Nothing may ask or show anything while a page turns.
class NoDialogsUi : public Ui {
public:
    int MsgBox(const QString& text, int, const QString&) override
    {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
        std::abort();
    }
    void ShowModal(QDialog&) override
    {
        std::fprintf(stderr, "unexpected modal window\n");
        std::abort();
    }
};

void BM_TurnOverviewPage(benchmark::State& state)
{
    QTemporaryDir dir;
    auto platform = std::make_unique<FakePlatform>();
    platform->programFolder = dir.path();
    Program program(std::move(platform), std::make_unique<NoDialogsUi>());

    // A questionnaire half transcribed, so that pages carry selections.
    QString answers = EmptyAnswers();
    for (int n = 0; n < QuestionCount; n += 2)
        answers[n] = QChar(u'1' + n % 3);
    program.state.Answers = answers;
    program.state.OverviewFirst = 1;
    FillOverviewPage(program);
    Form3& page = *program.loadedForm<Form3>();
    page.show();
    QCoreApplication::processEvents();

    int first = 1;
    for (auto _ : state) {
        first = first >= 321 ? 1 : first + 10;
        program.state.OverviewFirst = first;
        FillOverviewPage(program);
        page.repaint();
    }
    page.Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK(BM_TurnOverviewPage)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    InstallFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
