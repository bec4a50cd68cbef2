// Benchmark, not run by the tests (tools/bench.sh runs it with
// --gtest_also_run_disabled_tests): loading the publication list into the
// main window's grid, for the sample disc's list (DEMODISC_SAMPLE_LIST names
// it) against a list file of 100,000 lines. Only the first 39 lines are
// read, so the long list must cost about the same.
#include <gtest/gtest.h>

#include <cstdio>

#include "base/wide_win.h"
#include "support/main_window_fixture.h"
#include "support/timing.h"
#include "ui/MainDemo/publication_grid.h"

namespace demodisc {
namespace {

using testing::MainWindowTest;

std::string LongList(int lines) {
  std::string list;
  for (int i = 1; i <= lines; ++i) {
    const std::string n = std::to_string(i);
    list += "rus#paper" + n + ".pdf#" + n + ".  " + "Публикация номер " + n +
            ", сборник трудов конференции, 2008.\r\n";
  }
  return list;
}

TEST_F(MainWindowTest, DISABLED_BenchmarkPublicationListLoad) {
  wchar_t sample[MAX_PATH] = {};
  ASSERT_NE(GetEnvironmentVariableW(L"DEMODISC_SAMPLE_LIST", sample, MAX_PATH), 0u)
      << "DEMODISC_SAMPLE_LIST must name the sample disc's list file";
  const std::string sampleBytes = testing::ReadFileBytes(FromWide(sample));
  ASSERT_FALSE(sampleBytes.empty());
  testing::WriteFileBytes(disc_ / "sample\\vortan_lit.txt", sampleBytes);
  const std::string longBytes = LongList(100000);
  testing::WriteFileBytes(disc_ / "long\\vortan_lit.txt", longBytes);

  TextReader reader;
  PublicationRecords records;
  const auto load = [&](const char* folder) {
    return testing::MedianMs(
        [&] { LoadPublicationList(disc_ / (Text(folder) + "\\"), reader, Grid(), records); }, 21);
  };
  const double base = load("sample");
  const double longList = load("long");
  EXPECT_EQ(Grid().Cell(0, 39), "39. ");
  std::printf(
      "publication list: the sample list (%zu bytes) loads in %.3f ms, a list of 100,000 "
      "lines (%zu bytes) in %.3f ms (medians of 21); ratio %.2f\n",
      sampleBytes.size(), base, longBytes.size(), longList, longList / base);
}

}  // namespace
}  // namespace demodisc
