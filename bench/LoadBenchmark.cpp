// Load time against document size: the fitted complexity should stay at N (or N log N).
#include "BenchmarkDocuments.h"
#include "orvik/xml_producer.h"

#include <benchmark/benchmark.h>

namespace Orvik::Bench {
namespace {

BenchmarkDocuments& Documents() {
    static BenchmarkDocuments documents;
    return documents;
}

void Load(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        XMLProducerOptions options;
        XMLProducer producer(UTF16String(path), &options);
        const FilterOptions filter;
        producer.BeginProcess(IdSet(), &filter, nullptr);
        benchmark::DoNotOptimize(producer.RootObjectId());
        producer.EndProcess();
    }
    state.SetComplexityN(state.range(0));
}

void BM_LoadChainedFiles(benchmark::State& state) {
    Load(state, Documents().ChainedFiles(static_cast<std::size_t>(state.range(0))));
}
BENCHMARK(BM_LoadChainedFiles)
    ->RangeMultiplier(4)
    ->Range(1 << 10, 1 << 16)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

void BM_LoadAssemblyOfInstances(benchmark::State& state) {
    Load(state, Documents().AssemblyOfInstances(static_cast<std::size_t>(state.range(0))));
}
BENCHMARK(BM_LoadAssemblyOfInstances)
    ->RangeMultiplier(4)
    ->Range(1 << 10, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

} // namespace
} // namespace Orvik::Bench
