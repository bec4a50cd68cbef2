// The disc check's command, shared by check_disc and DemoDiscCheck.exe: what
// its command line takes and refuses, where the accepted findings come from,
// its exit codes; over a small file system in memory.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "base/version.h"
#include "disc_check/check_command.h"
#include "disc_check/file_system_tree.h"

namespace demodisc {
namespace {

// Files by their paths ("disc/Hints/about.txt"); folders are what lies above them.
class MemoryFileSystem final : public FileSystem {
 public:
  Text Absolute(const Text& given) const override { return given; }
  Text Beside(const Text& folder, std::string_view suffix) const override {
    return folder + Text(suffix);
  }
  std::optional<std::vector<Entry>> List(const Text& folder) const override {
    std::map<Text, bool> names;
    for (const auto& [path, bytes] : files)
      if (path.rfind(folder + "/", 0) == 0) {
        const Text rest = path.substr(folder.size() + 1);
        names[rest.substr(0, rest.find('/'))] = rest.find('/') != Text::npos;
      }
    if (names.empty()) return std::nullopt;
    std::vector<Entry> entries;
    for (const auto& [name, folder] : names) entries.push_back({name, folder});
    return entries;
  }
  std::optional<std::vector<Text>> RealPath(const Text& path) const override {
    return std::vector<Text>{path};
  }
  std::optional<std::uint64_t> FileSize(const Text& file) const override {
    const auto it = files.find(file);
    if (it == files.end()) return std::nullopt;
    return it->second.size();
  }
  std::optional<std::string> Read(const Text& file, std::size_t limit) const override {
    const auto it = files.find(file);
    if (it == files.end() || unreadable.count(file)) return std::nullopt;
    return it->second.substr(0, limit);
  }
  std::optional<Text> Replace(const Text& file, const std::string& bytes) const override {
    if (unreadable.count(file)) return "it is read-only";
    files[file] = bytes;
    return std::nullopt;
  }

  mutable std::map<Text, std::string> files;
  std::set<Text> unreadable;
};

std::optional<CheckCommand> Parse(std::vector<Text> args) { return ParseCheckCommand(args); }

TEST(CheckCommandTest, TakesAFolderAndItsOptionsInAnyOrder) {
  auto command = Parse({"--json", "disc", "--accept", "my file", "--strict", "--verify"});
  ASSERT_TRUE(command);
  EXPECT_EQ(command->folder, "disc");
  EXPECT_EQ(command->acceptFile, "my file");
  EXPECT_TRUE(command->json);
  EXPECT_TRUE(command->strict);
  EXPECT_TRUE(command->verify);
  EXPECT_FALSE(command->version);

  command = Parse({"Диск 演示"});
  ASSERT_TRUE(command);
  EXPECT_EQ(command->folder, "Диск 演示");
  EXPECT_FALSE(command->json || command->strict || command->acceptFile);

  // No folder is a command too: DemoDiscCheck.exe then checks its own.
  command = Parse({"--strict"});
  ASSERT_TRUE(command);
  EXPECT_FALSE(command->folder);

  // A single dash starts no option.
  command = Parse({"-disc"});
  ASSERT_TRUE(command);
  EXPECT_EQ(command->folder, "-disc");

  command = Parse({"--version"});
  ASSERT_TRUE(command);
  EXPECT_TRUE(command->version);
}

TEST(CheckCommandTest, RefusesWhatIsNoCommand) {
  const std::vector<std::vector<Text>> wrong = {{"disc", "--fast"},
                                                {"disc", "other"},
                                                {"disc", "--accept"},
                                                {"--json", "--"},
                                                {"--version", "disc"},
                                                {"disc", "--version"},
                                                {"--JSON", "disc"},
                                                {"disc", "--accept", "a", "b"},
                                                {"disc", "--verify", "--fix-texts"}};
  for (const auto& args : wrong) {
    Text line;
    for (const Text& arg : args) line += arg + " ";
    EXPECT_FALSE(Parse(args)) << line;
  }
}

TEST(CheckCommandTest, UsageNamesEveryOption) {
  EXPECT_EQ(
      CheckUsage("check_disc", false),
      "usage: check_disc <disc-folder> [--json] [--strict] [--fix-texts] [--verify] [--accept "
      "<file>]\n"
      "       check_disc --version\n");
  EXPECT_EQ(CheckUsage("DemoDiscCheck", true).rfind("usage: DemoDiscCheck [<disc-folder>] [", 0),
            0u);
}

class CheckRunTest : public ::testing::Test {
 public:
  CheckRunTest() {
    // Enough of a disc for the check: its start program and one description.
    files.files["disc/DemoDisc.exe"] = "MZ";
    files.files["disc/Hints/about.txt"] = "";
  }
  CheckOutput Run(std::vector<Text> args) {
    const auto command = ParseCheckCommand(args);
    EXPECT_TRUE(command);
    return RunCheckCommand(*command, files, "check");
  }

  MemoryFileSystem files;
};

TEST_F(CheckRunTest, TheVersionAloneAndTheUsageWithoutAFolder) {
  const CheckOutput version = Run({"--version"});
  EXPECT_EQ(version.out, "DemoDisc disc check " DEMODISC_VERSION_TEXT "\n");
  EXPECT_EQ(version.status, 0);
  const CheckOutput none = Run({"--json"});
  EXPECT_EQ(none.out, "");
  EXPECT_EQ(none.errors, CheckUsage("check", false));
  EXPECT_EQ(none.status, 2);
}

TEST_F(CheckRunTest, ReportsTheFolderAsGivenAndEndsWithItsStatus) {
  CheckOutput output = Run({"disc"});
  EXPECT_EQ(output.out.rfind("Disc check of disc\nПрезентации\n", 0), 0u) << output.out;
  EXPECT_EQ(output.errors, "");
  EXPECT_EQ(output.status, 1);  // most of the disc is missing

  output = Run({"disc", "--json"});
  EXPECT_EQ(output.out.rfind("{\"version\": 2, \"disc\": \"disc\", \"is_disc\": true", 0), 0u);

  files.files.erase("disc/DemoDisc.exe");
  files.files.erase("disc/Hints/about.txt");
  files.files["disc/readme.txt"] = "";
  output = Run({"disc"});
  EXPECT_EQ(output.status, 2);
  EXPECT_EQ(output.out.rfind("Disc check of disc\nnot a disc: disc holds neither", 0), 0u);
}

TEST_F(CheckRunTest, AcceptedFindingsComeFromTheFileNamedOrElseFromBesideTheFolder) {
  const Text unused = "Hints\\nothing.txt is empty";
  files.files["disc.accepted"] = "# the maker's\r\n" + unused + "\r\n";
  CheckOutput output = Run({"disc"});
  EXPECT_NE(output.out.find("disc.accepted accepts no warning of this disc: \"" + unused + "\""),
            Text::npos)
      << output.out;

  files.files["mine.txt"] = "Hints\\about.txt is empty\n";
  output = Run({"disc", "--accept", "mine.txt"});
  EXPECT_EQ(output.out.find("disc.accepted"), Text::npos);
  EXPECT_NE(output.out.find("Hints\\about.txt is empty: the memo stays blank (accepted)"),
            Text::npos)
      << output.out;

  // A file named that cannot be read ends the check; one beside that is not there does not.
  output = Run({"disc", "--accept", "absent.txt"});
  EXPECT_EQ(output.out, "");
  EXPECT_EQ(output.errors, "check: cannot read the accepted findings absent.txt\n");
  EXPECT_EQ(output.status, 2);
  files.unreadable.insert("disc.accepted");
  EXPECT_EQ(Run({"disc"}).status, 2);
  files.files.erase("disc.accepted");
  EXPECT_EQ(Run({"disc"}).status, 1);
}

TEST_F(CheckRunTest, FixTextsWritesThroughTheFileSystemItIsGiven) {
  files.files["disc/Hints/about.txt"] = "\xEF\xBB\xBF\xD0\x9E\xD0\xBA\n";  // "Ок" in UTF-8
  files.files["disc/Hints/base_mod.txt"] = "a\nb\n";
  files.unreadable.insert("disc/Hints/base_mod.txt");
  const CheckOutput output = Run({"disc", "--fix-texts"});
  EXPECT_EQ(output.out.rfind("rewrote Hints\\about.txt as cp1251 with CR LF: it was UTF-8 with a "
                             "byte-order mark and had bare LF line ends\n"
                             "could not rewrite Hints\\base_mod.txt, left as it is: it cannot be "
                             "read\n\nDisc check of disc\n",
                             0),
            0u)
      << output.out;
  EXPECT_EQ(files.files["disc/Hints/about.txt"], "\xCE\xEA\r\n");
  EXPECT_EQ(files.files["disc/Hints/base_mod.txt"], "a\nb\n");
}

TEST_F(CheckRunTest, VerifyReadsADiscBackFirstAndNoOtherFolder) {
  const auto hash = SystemSha256();
  hash->Add("MZ");
  files.files["disc/DISC.SHA256"] = HexDigest(hash->Finish()) + "  DemoDisc.exe\n";
  CheckOutput output = Run({"disc", "--verify"});
  EXPECT_EQ(output.out.rfind(
                "Disc check of disc\nRead back against DISC.SHA256\n  error    "
                "Hints\\about.txt: is on the disc but not in DISC.SHA256 [DD904]\nПрезентации\n",
                0),
            0u)
      << output.out;
  EXPECT_EQ(output.status, 1);
  // Without --verify the manifest is a file like autorun.inf, unused by nothing.
  EXPECT_EQ(Run({"disc"}).out.find("DISC.SHA256"), Text::npos);

  files.files = {{"other/readme.txt", ""}, {"other/DISC.SHA256", "nonsense"}};
  output = Run({"other", "--verify"});
  EXPECT_EQ(output.status, 2);
  EXPECT_EQ(output.out.find("DISC.SHA256"), Text::npos) << output.out;
}

TEST_F(CheckRunTest, StartedWithoutAFolderItChecksItsOwnUnlessThatIsTheReleaseFolder) {
  const auto run = [&](const Text& own) {
    return RunInOwnFolder(*ParseCheckCommand({}), files, own, "DemoDiscCheck");
  };
  CheckOutput output = run("disc");
  EXPECT_EQ(output.out.rfind("Disc check of disc\n", 0), 0u) << output.out;
  files.files["release/DemoDisc.exe"] = "MZ";
  files.files["release/DemoDiscCheck.exe"] = "MZ";
  files.files["release/Sample-Disc/DemoDisc.exe"] = "MZ";
  output = run("release");
  EXPECT_EQ(output.out,
            "Это папка выпуска DemoDisc, а не диск: перетащите папку своего диска на "
            "DemoDiscCheck.exe.\nThis is the DemoDisc release folder, not a disc: drop your disc "
            "folder onto DemoDiscCheck.exe.\n");
  EXPECT_EQ(output.status, 2);
  // A folder given is checked, the release's too.
  output = RunInOwnFolder(*ParseCheckCommand({"release"}), files, "release", "DemoDiscCheck");
  EXPECT_EQ(output.out.rfind("Disc check of release\n", 0), 0u) << output.out;
}

TEST(FileSystemTest, AFileBesideAFolderAndPathsWithin) {
  const PortableFileSystem files;
  EXPECT_EQ(files.Beside("disc", ".accepted"), "disc.accepted");
  EXPECT_EQ(files.Beside("my/disc/", ".accepted"), "my/disc.accepted");
  EXPECT_EQ(files.Beside("/", ".accepted"), "/.accepted");
  EXPECT_TRUE(IsWithin({"/", "a", "b"}, {"/", "a"}));
  EXPECT_TRUE(IsWithin({"/", "a"}, {"/", "a"}));
  EXPECT_FALSE(IsWithin({"/", "ab"}, {"/", "a"}));
  EXPECT_FALSE(IsWithin({"/"}, {"/", "a"}));
}

}  // namespace
}  // namespace demodisc
