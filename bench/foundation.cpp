// Language file reading and table file loading and saving.
#include "bench_util.h"
#include "common/grid.h"
#include "common/table_file.h"
#include "common/xml_file.h"
#include "lang/language.h"

#include <benchmark/benchmark.h>

using namespace zentar;

static void Read_Language_File_5400(benchmark::State& state) {
  bench::TBench_Dir dir;
  bench::Write(dir / "English.lng", bench::Full_Language_File());
  std::vector<std::string> texts;
  int count = 0;
  for (auto _ : state) {
    Set_Default_Texts(texts, count);
    Read_Language_File(dir / "English.lng", texts, count);
    benchmark::DoNotOptimize(texts.data());
  }
}
BENCHMARK(Read_Language_File_5400)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly();

namespace {

TTable_File Eleven_Columns() {
  TTable_File f;
  f.root = "Receive_J1939";
  TTable_Section s;
  for (int c = 1; c <= 11; ++c)
    s.columns.push_back({"Attr_" + std::to_string(c), c, ""});
  s.key_column = 2;
  f.sections.push_back(s);
  return f;
}

TGrid Full_Grid() {
  TGrid g(513, std::vector<TTable_Column>(12));
  for (int r = 1; r <= 512; ++r)
    for (int c = 1; c <= 11; ++c)
      g.Set_Text(c, r, (c == 5 ? std::string("Mnemonic of row ") : std::string("$")) +
                           std::to_string(c == 5 ? r : r * 7 + c));
  return g;
}

} // namespace

static void Save_Table_512x11(benchmark::State& state) {
  bench::TBench_Dir dir;
  const TTable_File f = Eleven_Columns();
  const TGrid g = Full_Grid();
  std::string error;
  for (auto _ : state) {
    if (!Save_Table(dir / "t.xml", f, {&g}, error)) state.SkipWithError(error.c_str());
  }
}
BENCHMARK(Save_Table_512x11)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly();

// The same save without the disk: building and serialising the document, which
// is what the save costs beyond the flush to disk that makes it crash-safe.
static void Serialise_Table_512x11(benchmark::State& state) {
  const TTable_File f = Eleven_Columns();
  const TGrid g = Full_Grid();
  for (auto _ : state) {
    pugi::xml_document doc;
    Build_Table_Document(doc, f, {&g});
    benchmark::DoNotOptimize(Xml_To_Text(doc).size());
  }
}
BENCHMARK(Serialise_Table_512x11)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly();

static void Load_Table_512x11(benchmark::State& state) {
  bench::TBench_Dir dir;
  const TTable_File f = Eleven_Columns();
  TGrid g = Full_Grid();
  std::string error;
  Save_Table(dir / "t.xml", f, {&g}, error);
  for (auto _ : state) {
    const TTable_Load_Result r = Load_Table(dir / "t.xml", f, {&g});
    benchmark::DoNotOptimize(r.ok);
  }
}
BENCHMARK(Load_Table_512x11)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly();

BENCHMARK_MAIN();
