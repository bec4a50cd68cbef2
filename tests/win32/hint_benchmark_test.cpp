// Benchmark, not run by default (--gtest_also_run_disabled_tests): the time
// from pointing at a button to a 1 MB description being in the memo.
#include <gtest/gtest.h>

#include <cstdio>

#include "base/files_win.h"
#include "launcher/hint_texts.h"
#include "support/main_window_fixture.h"
#include "ui/MainDemo/main_form.h"

namespace demodisc {
namespace {

using testing::MainWindowTest;

TEST_F(MainWindowTest, DISABLED_BenchmarkOneMegabyteDescription) {
  std::string text;
  // Words of ordinary length, lines of about 100 characters.
  const std::string line = "Описание пункта каталога, строка текста с обычными словами "_t +
                           std::string("and some more words to fill it up to length\r\n");
  while (text.size() < (1u << 20)) text += line;
  WriteHint("about.txt", text);
  WriteHint("base_mod.txt", "short");
  LARGE_INTEGER freq, start, end;
  QueryPerformanceFrequency(&freq);
  for (int round = 0; round < 3; ++round) {
    main().ShowHintText(hpPresent, 1);
    QueryPerformanceCounter(&start);
    main().ShowHintText(hpPresent, 0);
    QueryPerformanceCounter(&end);
    const double ms = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                      static_cast<double>(freq.QuadPart);
    std::printf("1 MB description (%zu bytes, %zu lines) shown in %.1f ms\n", text.size(),
                text.size() / line.size(), ms);
  }
  // Of which reading and joining the lines.
  TextReader reader;
  Text joined;
  QueryPerformanceCounter(&start);
  ReadHintText(reader, OpenFileForReading(main().folders().HintsDir + "about.txt"), joined);
  QueryPerformanceCounter(&end);
  std::printf("of which reading: %.1f ms\n", 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                                                 static_cast<double>(freq.QuadPart));
  EXPECT_EQ(static_cast<std::size_t>(GetWindowTextLengthW(Named("Mm_Hint"))), text.size() - 2);
}

}  // namespace
}  // namespace demodisc
