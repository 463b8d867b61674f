#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QRadioButton>

#include "questionnaire/Form2.h"
#include "questionnaire/Program.h"
#include "questionnaire/QuestionPage.h"
#include "support/FakePlatform.h"
#include "ui/Pictures.h"
#include "ui/Ui.h"
#include "ui/VbText.h"

namespace {

// Messages are answered at once; the benchmarks never reach a modal window.
class SilentUi : public Ui {
public:
    int MsgBox(const QString&, int, const QString&) override { return vbOK; }
    void ShowModal(QDialog&) override {}
};

struct ShownPage {
    Program program{std::make_unique<FakePlatform>(), std::make_unique<SilentUi>()};
    Form2* page = nullptr;

    ShownPage()
    {
        program.state.CurrentQuestion = 1;
        page = &program.form<Form2>();
        page->showNormal();
        page->resize(1280, 960);
        FillQuestionPage(program);
        QCoreApplication::processEvents();
    }
};

// One press on an answer: record, mark, completeness test, repaint.
void BM_AnswerPress(benchmark::State& state)
{
    ShownPage shown;
    int i = 0;
    for (auto _ : state) {
        QRadioButton* option = shown.page->Option1[size_t(i++ % 3)];
        const QPointF at(option->width() / 2.0, option->height() / 2.0);
        QMouseEvent press(QEvent::MouseButtonPress, at, option->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(option, &press);
        shown.page->repaint();
    }
    benchmark::DoNotOptimize(shown.program.state.Answers);
}
BENCHMARK(BM_AnswerPress)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A move to the next question: look-up, fill, mark, repaint.
void BM_NextQuestion(benchmark::State& state)
{
    ShownPage shown;
    for (auto _ : state) {
        ProgramState& s = shown.program.state;
        s.CurrentQuestion = s.CurrentQuestion % QuestionCount + 1;
        FillQuestionPage(shown.program);
        shown.page->repaint();
    }
}
BENCHMARK(BM_NextQuestion)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
