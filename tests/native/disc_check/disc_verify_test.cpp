// --verify: DISC.SHA256's lines as sha256sum writes them, and a disc read
// back against them, over a disc in memory whose files come in blocks.
#include <gtest/gtest.h>

#include <functional>

#include "disc_check/disc_verify.h"
#include "disc_check/manifest.h"
#include "support/fake_disc_tree.h"

namespace demodisc {
namespace {

const Text kAbc = "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";

TEST(ManifestTest, TakesSha256sumsLinesAndNamesEveryOtherByItsLine) {
  struct Case {
    std::string bytes;
    std::vector<std::pair<Text, int>> entries;  // path, line
    std::vector<std::pair<int, Text>> faults;
  };
  const Text upper = "BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD";
  const Case cases[] = {
      {kAbc + "  DemoDisc.exe\n" + kAbc + " *Hints/о б.txt\r\n",
       {{"DemoDisc.exe", 1}, {"Hints/о б.txt", 2}},
       {}},
      {upper + "  a", {{"a", 1}}, {}},
      {"\\" + kAbc + "  a\\\\b\\nc\\rd\n", {{"a\\b\nc\rd", 1}}, {}},
      {"\n" + kAbc.substr(1) + "  a\n" + kAbc + " a\n" + kAbc + "\tb\n" + kAbc + "  \n" + "x" +
           kAbc.substr(1) + "  c\n",
       {},
       {{1, "is no sha256sum line"},
        {2, "is no sha256sum line"},
        {3, "is no sha256sum line"},
        {4, "is no sha256sum line"},
        {5, "is no sha256sum line"},
        {6, "is no sha256sum line"}}},
      {kAbc + "  /a\n" + kAbc + "  ../a\n" + kAbc + "  a//b\n" + kAbc + "  ./a\n" + "\\" + kAbc +
           "  a\\t\n",
       {},
       {{1, "names no file below the disc's root"},
        {2, "names no file below the disc's root"},
        {3, "names no file below the disc's root"},
        {4, "names no file below the disc's root"},
        {5, "names no file below the disc's root"}}},
      {kAbc + "  a\n" + kAbc + "  b\n" + kAbc + "  a\n",
       {{"a", 1}, {"b", 2}},
       {{3, "names a a second time (first on line 1)"}}},
  };
  for (const Case& c : cases) {
    const Manifest manifest = ParseManifest(c.bytes);
    std::vector<std::pair<Text, int>> entries;
    for (const ManifestEntry& e : manifest.entries) {
      entries.emplace_back(e.path, e.line);
      EXPECT_EQ(e.hex, kAbc);
    }
    std::vector<std::pair<int, Text>> faults;
    for (const ManifestFault& f : manifest.faults) faults.emplace_back(f.line, f.what);
    EXPECT_EQ(entries, c.entries) << c.bytes;
    EXPECT_EQ(faults, c.faults) << c.bytes;
  }
}

TEST(ProgressLineTest, GivesBytesDoneRateAndTimeLeft) {
  EXPECT_EQ(ProgressLine(0, 500'000'000, 0), "read back 0.0 of 500.0 MB");
  EXPECT_EQ(ProgressLine(20'000'000, 500'000'000, 2),
            "read back 20.0 of 500.0 MB, 10.0 MB/s, 0:48 left");
  EXPECT_EQ(ProgressLine(1'000'000, 8'000'000'000, 1),
            "read back 1.0 of 8000.0 MB, 1.0 MB/s, 2:13:19 left");
  EXPECT_EQ(ProgressLine(5, 5, 1), "read back 0.0 of 0.0 MB, 0.0 MB/s, 0:00 left");
}

// A disc of three files and its DISC.SHA256.
struct MadeDisc {
  MadeDisc() {
    tree.files = {{"DemoDisc.exe", "MZ"},
                  {"Hints/about.txt", "hello, world"},
                  {"Video/clip.avi", "0123456789"}};
    for (const auto& [path, bytes] : tree.files) {
      const auto hash = SystemSha256();
      hash->Add(bytes);
      manifest += HexDigest(hash->Finish()) + "  " + path + "\n";
    }
    tree.files["DISC.SHA256"] = manifest;
  }

  // Each line's subject, its findings' codes and their sizes.
  std::vector<Text> Lines(const ProgressWriter& progress = {}) {
    const ReportSection section = VerifyDisc(tree, SystemSha256, progress);
    EXPECT_EQ(section.key, "Verify");
    std::vector<Text> lines;
    for (const ReportLine& line : section.lines) {
      Text text = line.subject;
      for (const Finding& f : line.findings) {
        text += " " + Text(f.code()) + " " + f.message;
        if (f.bytes) text += " @" + std::to_string(*f.bytes);
      }
      lines.push_back(text);
    }
    return lines;
  }

  testing::FakeDiscTree tree;
  Text manifest;
};

TEST(VerifyDiscTest, NamesEachFileThatDiffersFromTheManifest) {
  const Text all =
      "DISC.SHA256 DD907 every file of the disc read back whole, 3 files and 24 bytes: "
      "each matches its line @24";
  struct Case {
    const char* what;
    std::function<void(testing::FakeDiscTree&)> damage;
    std::vector<Text> lines;
  };
  const Case cases[] = {
      {"as made", [](auto&) {}, {all}},
      {"the manifest in small letters",
       [](auto& t) {
         t.files["disc.sha256"] = t.files["DISC.SHA256"];
         t.files.erase("DISC.SHA256");
       },
       {all}},
      {"one byte changed",
       [](auto& t) { t.files["Hints/about.txt"][7] = 'W'; },
       {"Hints\\about.txt DD902 its bytes differ from those DISC.SHA256 gives on line 2 @12"}},
      {"a bad sector",
       [](auto& t) { t.failsAt["Video/clip.avi"] = 6; },
       {"Video\\clip.avi DD901 reading failed at byte 6 of 10 @6"}},
      {"a file that does not open",
       [](auto& t) { t.unreadable.insert("DemoDisc.exe"); },
       {"DemoDisc.exe DD901 cannot be opened @0"}},
      {"a file missing, one added",
       [](auto& t) {
         t.files.erase("Hints/about.txt");
         t.files["Hints/new.txt"] = "";
       },
       {"Hints\\new.txt DD904 is on the disc but not in DISC.SHA256",
        "Hints\\about.txt DD903 is listed on line 2 of DISC.SHA256 but is not on the disc"}},
      {"a bad line",
       [](auto& t) { t.files["DISC.SHA256"] += "nonsense\n"; },
       {"DISC.SHA256 DD905 line 4 is no sha256sum line"}},
      {"no manifest",
       [](auto& t) { t.files.erase("DISC.SHA256"); },
       {"DISC.SHA256 DD906 is not on the disc: it was not made by make-disc-image.sh, so its "
        "files' bytes are not verified; the rest of the check is as without --verify"}},
      {"a manifest too large to be one",
       [](auto& t) { t.sizes["DISC.SHA256"] = 1ull << 40; },
       {"DISC.SHA256 DD901 is larger than any make-disc-image.sh writes"}},
  };
  for (const Case& c : cases) {
    MadeDisc disc;
    c.damage(disc.tree);
    EXPECT_EQ(disc.Lines(), c.lines) << c.what;
  }
}

TEST(VerifyDiscTest, ShowsProgressInPlaceAndClearsIt) {
  std::vector<Text> written;
  MadeDisc().Lines([&](const Text& text) { written.push_back(text); });
  ASSERT_GE(written.size(), 3u);
  EXPECT_EQ(written.front(), "\rread back 0.0 of 0.0 MB");
  EXPECT_EQ(written[written.size() - 2], "\r" + Text(CharCount("read back 0.0 of 0.0 MB"), ' '));
  EXPECT_EQ(written.back(), "\r");
}

}  // namespace
}  // namespace demodisc
