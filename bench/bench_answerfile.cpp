#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <memory>

#include <QApplication>
#include <QByteArray>
#include <QTemporaryDir>

#include "files/AnswerFile.h"
#include "questionnaire/Form1.h"
#include "questionnaire/Program.h"
#include "files/QuestionnaireFixture.h"
#include "support/FakePlatform.h"
#include "ui/VbText.h"

namespace {

// No message may come while the benchmark runs: one would mean a failed
// write or read, and the timings would measure the wrong thing.
class SilentUi : public Ui {
public:
    int MsgBox(const QString& text, int, const QString& title) override
    {
        std::cerr << "unexpected message: " << title.toStdString() << ": " << text.toStdString() << "\n";
        std::abort();
    }
    void ShowModal(QDialog&) override
    {
        std::cerr << "unexpected window\n";
        std::abort();
    }
};

struct Setup {
    QTemporaryDir dir;
    std::unique_ptr<Program> program;
    QString path;

    Setup()
    {
        auto platform = std::make_unique<FakePlatform>();
        platform->programFolder = dir.path();
        platform->currentFolder = dir.path();
        program = std::make_unique<Program>(std::move(platform), std::make_unique<SilentUi>());
        program->form<Form1>();
        ProgramState& s = program->state;
        FillQuestionnaireState(s);
        path = dir.filePath(QStringLiteral("bench.ziz-ir"));
        s.CurrentFilePath = path;
    }
};

// Built once inside main, and gone before the application object.
std::unique_ptr<Setup> theSetup;

Setup& TheSetup()
{
    if (!theSetup)
        theSetup = std::make_unique<Setup>();
    return *theSetup;
}

void BM_AnswerFileWriteRead(benchmark::State& state)
{
    Setup& setup = TheSetup();
    const QString answers = setup.program->state.Answers;
    for (auto _ : state) {
        WriteAnswerFile(*setup.program);
        ReadAnswerFile(*setup.program);
    }
    if (setup.program->state.Answers != answers || setup.program->state.Modified != 0)
        state.SkipWithError("the file did not read back");
}
BENCHMARK(BM_AnswerFileWriteRead)->Unit(benchmark::kMicrosecond)->Repetitions(15);

void BM_AnswerFileWrite(benchmark::State& state)
{
    Setup& setup = TheSetup();
    for (auto _ : state)
        WriteAnswerFile(*setup.program);
}
BENCHMARK(BM_AnswerFileWrite)->Unit(benchmark::kMicrosecond)->Repetitions(15);

void BM_AnswerFileRead(benchmark::State& state)
{
    Setup& setup = TheSetup();
    WriteAnswerFile(*setup.program);
    for (auto _ : state)
        ReadAnswerFile(*setup.program);
}
BENCHMARK(BM_AnswerFileRead)->Unit(benchmark::kMicrosecond)->Repetitions(15);

// The same number of bytes through the C library: open, write, close, open,
// read, close.
void BM_PlainFileWriteRead(benchmark::State& state)
{
    Setup& setup = TheSetup();
    const QByteArray target = setup.dir.filePath(QStringLiteral("plain.bin")).toLocal8Bit();
    const QByteArray bytes(21042, 'x');
    QByteArray back(21042, '\0');
    for (auto _ : state) {
        std::FILE* out = std::fopen(target.constData(), "wb");
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out);
        std::fclose(out);
        std::FILE* in = std::fopen(target.constData(), "rb");
        benchmark::DoNotOptimize(std::fread(back.data(), 1, size_t(back.size()), in));
        std::fclose(in);
    }
}
BENCHMARK(BM_PlainFileWriteRead)->Unit(benchmark::kMicrosecond)->Repetitions(15);

// Prints as usual and adds the ratio of the two medians that matter.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians_[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const auto file = medians_.find("BM_AnswerFileWriteRead");
        const auto plain = medians_.find("BM_PlainFileWriteRead");
        if (file != medians_.end() && plain != medians_.end() && plain->second > 0)
            std::cout << "median answer file write+read: " << file->second << " us, plain 21,042 bytes: "
                      << plain->second << " us, ratio " << file->second / plain->second << "\n";
    }

private:
    std::map<std::string, double> medians_;
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    theSetup.reset();
    return 0;
}
