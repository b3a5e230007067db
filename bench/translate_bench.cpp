// Throughput of the translation library.
//
//   vantrel_bench [--corpus=PATH] [Google Benchmark flags]
//
// Corpus benchmarks translate every report of the real-report corpus (one report a line) once per
// iteration; items_per_second is reports per second. Long-report benchmarks translate one
// generated report of 1 MB and 8 MB, to show that time grows linearly with the report's length.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "metar/translate.hpp"
#include "support/files.hpp"

namespace {

struct Corpus {
  std::string text;
  std::vector<std::string_view> reports;
  std::size_t outputBytes = 0;  // bytes of all translated lines, each with its line end
};

Corpus& corpus() {
  static Corpus c;
  return c;
}

bool loadCorpus(const std::string& path) {
  std::optional<std::string> text = vantrel::test::readFile(path);
  if (!text) return false;
  Corpus& c = corpus();
  c.text = std::move(*text);
  std::string_view rest = c.text;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    c.reports.push_back(line);
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  vantrel::Translator translator;
  for (const std::string_view report : c.reports) {
    const vantrel::Translation& t = translator.translate(report);
    for (std::size_t i = 0; i < t.size(); ++i) c.outputBytes += t.line(i).size() + 1;
  }
  return true;
}

void setCorpusCounters(benchmark::State& state) {
  const Corpus& c = corpus();
  const auto n = static_cast<std::int64_t>(c.reports.size());
  state.SetItemsProcessed(state.iterations() * n);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(c.text.size()));
  state.counters["out_bytes/report"] =
      static_cast<double>(c.outputBytes) / static_cast<double>(c.reports.size());
}

// The way a long run of reports should be translated: one Translator, buffers reused; in each
// language and reading.
void translateCorpusIn(benchmark::State& state, vantrel::Reading reading,
                       vantrel::Language language) {
  vantrel::Translator translator;
  for (auto _ : state) {
    for (const std::string_view report : corpus().reports) {
      const vantrel::Translation& t =
          translator.translate(report, reading, vantrel::Explain::kNo, language);
      benchmark::DoNotOptimize(t.size());
    }
  }
  setCorpusCounters(state);
}
void translateCorpusReused(benchmark::State& state) {
  translateCorpusIn(state, vantrel::Reading::kClassic, vantrel::Language::kEnglish);
}
void translateCorpusFrench(benchmark::State& state) {
  translateCorpusIn(state, vantrel::Reading::kClassic, vantrel::Language::kFrench);
}
void translateCorpusFull(benchmark::State& state) {
  translateCorpusIn(state, vantrel::Reading::kFull, vantrel::Language::kEnglish);
}
void translateCorpusFullFrench(benchmark::State& state) {
  translateCorpusIn(state, vantrel::Reading::kFull, vantrel::Language::kFrench);
}

// The one-shot function, which allocates a fresh Translation for every report.
void translateCorpusOneShot(benchmark::State& state) {
  for (auto _ : state) {
    for (const std::string_view report : corpus().reports) {
      const vantrel::Translation t = vantrel::translate(report);
      benchmark::DoNotOptimize(t.size());
    }
  }
  setCorpusCounters(state);
}

// Long single reports: the header, then `fill` repeated up to the wanted size.
std::string longReport(std::string_view fill, std::size_t bytes) {
  std::string report = "METAR LFPG 121230Z 27010KT 9999 ";
  while (report.size() + fill.size() <= bytes) report.append(fill);
  return report;
}

void translateLong(benchmark::State& state, std::string_view fill) {
  const std::string report = longReport(fill, static_cast<std::size_t>(state.range(0)));
  vantrel::Translator translator;
  for (auto _ : state) {
    const vantrel::Translation& t = translator.translate(report);
    benchmark::DoNotOptimize(t.size());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(report.size()));
}

void translateLongGroups(benchmark::State& state) {
  translateLong(state, "BKN020 18/12 Q1013 ");
}
void translateLongWeather(benchmark::State& state) {
  translateLong(state, "-RA ");
}
void translateLongGroup(benchmark::State& state) {
  translateLong(state, "AAAAAAAA");
}
void translateLongSpaces(benchmark::State& state) {
  translateLong(state, "        ");
}

}  // namespace

int main(int argc, char** argv) {
  std::string corpusPath = VANTREL_BENCH_CORPUS;
  // Our own flag first; Google Benchmark rejects flags it does not know.
  constexpr std::string_view kCorpusFlag = "--corpus=";
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg.substr(0, kCorpusFlag.size()) == kCorpusFlag) {
      corpusPath = std::string(arg.substr(kCorpusFlag.size()));
    } else {
      argv[kept++] = argv[i];
    }
  }
  argc = kept;

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;

  if (loadCorpus(corpusPath)) {
    std::fprintf(stderr, "corpus: %s (%zu reports, %zu bytes)\n", corpusPath.c_str(),
                 corpus().reports.size(), corpus().text.size());
    benchmark::RegisterBenchmark("translate/corpus/reused", translateCorpusReused)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("translate/corpus/oneshot", translateCorpusOneShot)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("translate/corpus/reused/fr", translateCorpusFrench)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("translate/corpus/full", translateCorpusFull)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("translate/corpus/full/fr", translateCorpusFullFrench)
        ->Unit(benchmark::kMillisecond);
  } else {
    std::fprintf(stderr,
                 "corpus not found: %s\n"
                 "skipping the corpus benchmarks; pass --corpus=PATH to give another file\n",
                 corpusPath.c_str());
  }
  constexpr std::int64_t kMiB = 1 << 20;
  struct Long {
    const char* name;
    void (*fn)(benchmark::State&);
  };
  for (const Long& l : {Long{"translate/long/groups", translateLongGroups},
                        Long{"translate/long/weather", translateLongWeather},
                        Long{"translate/long/one-group", translateLongGroup},
                        Long{"translate/long/spaces", translateLongSpaces}}) {
    benchmark::RegisterBenchmark(l.name, l.fn)
        ->Arg(1 * kMiB)
        ->Arg(8 * kMiB)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
