#include <benchmark/benchmark.h>

#include <QByteArray>
#include <random>

#include "files/LineCodec.h"
#include "ui/RandomSource.h"

namespace {

class BenchRandom : public RandomSource {
public:
    double Rnd() override { return dist_(engine_); }

private:
    std::mt19937 engine_{1234};
    std::uniform_real_distribution<double> dist_{0.0, 1.0};
};

const QByteArray SampleText("Gr\xFC\xDF" "e aus K\xF6ln, Musterstra\xDF" "e 12");

void BM_EncodeField(benchmark::State& state)
{
    BenchRandom rnd;
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeField(SampleText, rnd));
}
BENCHMARK(BM_EncodeField);

void BM_DecodeField(benchmark::State& state)
{
    BenchRandom rnd;
    const QByteArray line = EncodeField(SampleText, rnd);
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeField(line));
}
BENCHMARK(BM_DecodeField);

} // namespace

BENCHMARK_MAIN();
