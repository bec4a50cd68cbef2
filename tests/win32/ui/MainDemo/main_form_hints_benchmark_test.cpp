// Benchmark, not run by the tests (tools/bench.sh runs it with
// --gtest_also_run_disabled_tests): the time from a button becoming hot to
// its description being in the memo, for a 4 KB and a 1 MB file, against a
// baseline measured in the same run: the same text put straight into the
// same memo, without reading any file.
#include <gtest/gtest.h>

#include <cstdio>

#include "base/wide_win.h"
#include "launcher/hint_texts.h"
#include "support/main_window_fixture.h"
#include "support/timing.h"
#include "ui/MainDemo/main_form.h"

namespace demodisc {
namespace {

using testing::MainWindowTest;
using testing::MedianMs;

// Words of ordinary length in lines of about 100 characters.
std::string Description(std::size_t bytes) {
  const std::string line = "Описание пункта каталога, строка текста с обычными словами " +
                           std::string("and some more words to fill it up to length\r\n");
  std::string text;
  while (text.size() < bytes) text += line;
  return text;
}

TEST_F(MainWindowTest, DISABLED_BenchmarkDescriptionOnHover) {
  const HWND memo = Named("Mm_Hint");
  for (const std::size_t size : {std::size_t{4} << 10, std::size_t{1} << 20}) {
    const std::string text = Description(size);
    WriteHint("about.txt", text);
    WriteHint("base_mod.txt", "short");
    const std::wstring wide = Wide(text.substr(0, text.size() - 2));
    // Each run starts from another description, as a hover would. The
    // short file takes milliseconds: more runs steady its median.
    const int runs = size < (std::size_t{64} << 10) ? 21 : 5;
    const double shown = MedianMs(
        [&] {
          main().ShowHintText(hpPresent, 1);
          main().ShowHintText(hpPresent, 0);
        },
        runs);
    const double base = MedianMs(
        [&] {
          main().ShowHintText(hpPresent, 1);
          SendMessageW(memo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
          SendMessageW(memo, WM_VSCROLL, SB_TOP, 0);
        },
        runs);
    ASSERT_EQ(static_cast<std::size_t>(GetWindowTextLengthW(memo)), wide.size());
    main().ShowHintText(hpPresent, 0);
    ASSERT_EQ(static_cast<std::size_t>(GetWindowTextLengthW(memo)), wide.size());
    std::printf(
        "description of %7zu bytes: shown on hover in %8.1f ms (median of %d); "
        "the same text set straight into the memo %8.1f ms; ratio %.2f\n",
        text.size(), shown, runs, base, shown / base);
  }
}

}  // namespace
}  // namespace demodisc
