// The disc check over a disc in memory: the intact layout passes; each file
// the program names, taken away, is an error naming it; what would show
// otherwise than meant is a warning; a folder that is no disc is told apart.
#include <gtest/gtest.h>

#include <functional>

#include "base/cp1251.h"
#include "disc_check/accepted_findings.h"
#include "disc_check/disc_rules.h"
#include "disc_check/stand_in_markers.h"
#include "launcher/catalogue.h"
#include "support/fake_disc_tree.h"
#include "support/versioned_program.h"
#include "support/pe_image.h"
#include "support/png_writer.h"

namespace demodisc {
namespace {

// Every file the program looks for, by its path below the root.
const char* const kLayout[] = {
    "DemoDisc.exe",
    "Presentation/play_about.bat",
    "Presentation/play_bm.bat",
    "Presentation/play_int.bat",
    "Presentation/play_ther.bat",
    "Presentation/play_net.bat",
    "Presentation/play_dental.bat",
    "Presentation/play_spinal.bat",
    "Presentation/play_dynamic.bat",
    "Presentation/play_use_mm.bat",
    "Presentation/play_in_work.bat",
    "Presentation/about/Тамрит_КЛ5 (2 полет).avi",
    "Vortan4/1.bat",
    "Ostravilenka_1_5/Rolik.bat",
    "LA20K/LA.exe",
    "Video/SpaceKL5_mjpeg.avi",
    "Video/SpaceMini_mjpeg.avi",
    "Video/Null_video.avi",
    "Acrobat Reader/AdbeRdr812_ru_RU.exe",
    "Publication/vortan_lit.txt",
    "Publication/paper01.pdf",
    "Hints/about.txt",
    "Hints/base_mod.txt",
    "Hints/int_mod.txt",
    "Hints/ther_mod.txt",
    "Hints/net_mod.txt",
    "Hints/dental_mod.txt",
    "Hints/spinal_mod.txt",
    "Hints/dynamic_mod.txt",
    "Hints/demo_v15.txt",
    "Hints/demo_ZOZE.txt",
    "Hints/demo_v61.txt",
    "Hints/demo_hrv.txt",
    "Hints/demo_annot_prof.txt",
    "Hints/demo_ annot_report.txt",
    "Hints/video_1fly.txt",
    "Hints/video_2fly.txt",
    "Hints/video_varnik.txt",
    "Hints/video_medica.txt",
    "Hints/video_baden.txt",
    "Hints/video_w_schwan.txt",
    "Hints/video_astral.txt",
    "Hints/use_mm_ter.txt",
    "Hints/use_narko.txt",
    "Hints/use_lr.txt",
    "Hints/use_heilpraktik.txt",
    "Hints/use_ja_zory.txt",
};

std::string Cp1251(std::string_view text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size();)
    bytes += static_cast<char>(Cp1251ByteOf(NextChar(text, i)));
  return bytes;
}

// The autorun.inf of the sample.
const std::string kAutorun =
    "[autorun]\r\nopen=DemoDisc.exe\r\nicon=DemoDisc.exe,0\r\nlabel=DemoDisc\r\n";

// What each kind of file begins with when it works; the reader installer is
// a current reader's, under the name of the first discs'.
std::string ContentOf(std::string_view path) {
  if (path.starts_with("Acrobat Reader/")) {
    testing::VersionedProgram current;
    current.product = u"Adobe Acrobat Reader";
    current.productMs = 24 << 16;
    return current.Bytes();
  }
  if (path.ends_with(".exe")) return "MZ";
  if (path.ends_with(".bat")) return "@echo off\r\n";
  if (path.ends_with(".pdf")) return "%PDF-1.4\n";
  return "x";
}

Text ProgramPath(Text path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

struct Seen {
  Severity severity;
  Text section, subject, path, message, kind;
};

class DiscCheckTest : public ::testing::Test {
 public:
  DiscCheckTest() { LayOut(); }

  // The whole layout, each file with working content.
  void LayOut() {
    disc = {};
    for (const char* path : kLayout) disc.files[path] = ContentOf(path);
    disc.files["autorun.inf"] = kAutorun;
    disc.files["PicRec/photo.jpg"] = "x";
    for (auto& [path, bytes] : disc.files)
      if (path.rfind("Hints/", 0) == 0) bytes = Cp1251("Описание пункта.\r\nВторая строка.\r\n");
    disc.files["Publication/vortan_lit.txt"] =
        Cp1251("rus#paper01.pdf#1.  Статья.\r\neng##2.  Paper without a document.\r\n");
  }

  DiscReport Check() { return CheckDisc(disc, "disc"); }
  std::vector<Seen> Findings(Severity severity) {
    std::vector<Seen> seen;
    for (const ReportSection& s : Check().sections)
      for (const ReportLine& l : s.lines)
        for (const Finding& f : l.findings)
          if (f.severity() == severity)
            seen.push_back({f.severity(), s.title, l.subject, f.path, f.Words(), Text(f.kind())});
    return seen;
  }
  // The one warning the disc gets, and no error.
  Seen OneWarning() {
    EXPECT_TRUE(Findings(Severity::Error).empty());
    const auto warnings = Findings(Severity::Warning);
    EXPECT_EQ(warnings.size(), 1u);
    return warnings.empty() ? Seen{} : warnings[0];
  }

  testing::FakeDiscTree disc;
};

TEST_F(DiscCheckTest, TheWholeLayoutPassesPageByPageWithTheCaptionsTheProgramShows) {
  const DiscReport report = Check();
  EXPECT_EQ(report.Count(Severity::Error), 0);
  EXPECT_EQ(report.Count(Severity::Warning), 0);
  EXPECT_EQ(ExitCode(report, true), 0);
  ASSERT_EQ(report.sections.size(), 6u);
  const auto pages = DiscPages();
  for (std::size_t p = 0; p < pages.size(); ++p) {
    const ReportSection& section = report.sections[p];
    EXPECT_EQ(section.title, pages[p].caption);
    if (!pages[p].category) {
      // The list, then its two rows.
      ASSERT_EQ(section.lines.size(), 3u);
      EXPECT_EQ(section.lines[1].subject, "row 1: 1.  Статья");
      continue;
    }
    const auto items = CatalogueItems(*pages[p].category);
    ASSERT_EQ(section.lines.size(), items.size());
    for (std::size_t i = 0; i < items.size(); ++i)
      EXPECT_EQ(section.lines[i].subject, ShownCaption(items[i]));
  }
}

TEST_F(DiscCheckTest, EachFileTheProgramNamesTakenAwayIsAnErrorNamingIt) {
  for (const char* path : kLayout) {
    SCOPED_TRACE(path);
    const std::string bytes = disc.files[path];
    disc.Remove(path);
    const Text folder(path);
    if (folder.find('/') != Text::npos)
      disc.emptyFolders.insert(folder.substr(0, folder.rfind('/')));
    const bool videoWindow = Text(path).rfind("Presentation/about/", 0) == 0;
    // The video window's clip is a note: no control opens that window.
    const auto found = Findings(videoWindow ? Severity::Ok : Severity::Error);
    const auto it = std::find_if(found.begin(), found.end(),
                                 [&](const Seen& s) { return s.path == ProgramPath(path); });
    ASSERT_NE(it, found.end());
    EXPECT_NE(it->message.find("is missing"), Text::npos) << it->message;
    EXPECT_EQ(Findings(Severity::Error).size(), videoWindow ? 0u : 1u);
    EXPECT_EQ(ExitCode(Check(), false), videoWindow ? 0 : 1);
    disc.files[path] = bytes;
  }
}

TEST_F(DiscCheckTest, AMissingFolderIsOneErrorThatCountsTheItemsItBreaks) {
  disc.Remove("Hints");
  auto errors = Findings(Severity::Error);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].subject, "folders");
  EXPECT_EQ(errors[0].path, "Hints");
  EXPECT_EQ(errors[0].message,
            "is missing: it breaks 26 items (pointing at the item shows \"Invalid filename.\")");
  // Each item still says what it misses, as a note.
  const auto notes = Findings(Severity::Ok);
  EXPECT_TRUE(std::any_of(notes.begin(), notes.end(), [](const Seen& s) {
    return s.path == "Hints\\about.txt" &&
           s.message == "is missing (no folder Hints): counted once, under \"folders\"";
  }));

  // The presentations' folder: its ten batch files, the video window's clip a note.
  LayOut();
  disc.Remove("Presentation");
  errors = Findings(Severity::Error);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(
      errors[0].message.rfind("is missing: it breaks 13 items (clicking the item does nothing)", 0),
      0u)
      << errors[0].message;

  // The photo window's folder is only a note.
  LayOut();
  disc.Remove("PicRec");
  EXPECT_TRUE(Findings(Severity::Error).empty());
  const auto photoNotes = Findings(Severity::Ok);
  EXPECT_TRUE(std::any_of(photoNotes.begin(), photoNotes.end(), [](const Seen& s) {
    return s.path == "PicRec" && s.message == "is missing";
  }));
}

TEST_F(DiscCheckTest, AFileSeveralItemsShareIsOneErrorThatCountsThem) {
  struct Shared {
    const char* path;
    const char* subject;  // the first item that names it
    int items;
  };
  const Shared shared[] = {
      {"LA20K/LA.exe", "Видео-фрагмент из 1-ого космического полёта Сомова А.А.", 7},
      {"Video/Null_video.avi", "Первая презентация элементов \"Вортан\"-технологии в Германии", 5},
      {"Presentation/play_in_work.bat",
       "Использование \"Вортан\"-технологии в наркологической практике", 4},
  };
  for (const Shared& s : shared) {
    SCOPED_TRACE(s.path);
    const std::string bytes = disc.files[s.path];
    disc.Remove(s.path);
    disc.emptyFolders.insert(Text(s.path).substr(0, Text(s.path).find('/')));
    const auto errors = Findings(Severity::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].subject, s.subject);
    EXPECT_TRUE(errors[0].message.ends_with("(" + std::to_string(s.items) + " items)"))
        << errors[0].message;
    disc.files[s.path] = bytes;
  }
}

struct Fault {
  const char* name;
  const char* file;
  std::string bytes;
  const char* message;  // the start of the warning's message
};

TEST_F(DiscCheckTest, TextFilesThatWouldShowOtherwiseThanMeantAreWarnings) {
  const Fault faults[] = {
      {"UTF-8 description", "Hints/about.txt", "Описание\r\n", "looks like UTF-8, not cp1251"},
      {"UTF-8 list", "Publication/vortan_lit.txt", "rus#paper01.pdf#1.  Статья.\r\n",
       "looks like UTF-8, not cp1251: the program shows \"rus#paper01.pdf#1.  РЎС‚...\""},
      {"zero byte", "Hints/about.txt", std::string("abc\0def", 7), "holds zero bytes"},
      {"unused byte", "Hints/about.txt", "abc\x98", "is not cp1251 text"},
      {"early end", "Hints/about.txt",
       "abc\x1A"
       "def",
       "has a byte 0x1A at offset 3"},
      {"empty description", "Hints/about.txt", "\r\n", "is empty"},
      {"long description", "Hints/about.txt", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8",
       "takes about 8 lines; the memo shows 7"},
      {"large description", "Hints/demo_v15.txt", std::string(65 * 1024, '\n'),
       "is 65 KiB, over the 64 KiB"},
      {"oversized list", "Publication/vortan_lit.txt", "",
       "has 45 lines: the grid shows the first 39"},
      {"line without two #", "Publication/vortan_lit.txt", "rus#paper01.pdf#1.  A.\r\neng#2. B",
       "has one \"#\""},
      {"empty line", "Publication/vortan_lit.txt", "rus#paper01.pdf#1.  A.\r\n\r\n",
       "is an empty line"},
  };
  for (const Fault& fault : faults) {
    SCOPED_TRACE(fault.name);
    const std::string good = disc.files[fault.file];
    disc.files[fault.file] = fault.bytes;
    if (std::string_view(fault.name) == "oversized list")
      for (int i = 0; i < 45; ++i) disc.files[fault.file] += "rus#paper01.pdf#1.  A.\r\n";
    if (std::string_view(fault.name) == "large description") {
      // Mostly blank lines: over 64 KB, and also far too long for its memo.
      EXPECT_EQ(Findings(Severity::Warning).size(), 2u);
    } else {
      const Seen warning = OneWarning();
      EXPECT_EQ(warning.message.rfind(fault.message, 0), 0u) << warning.message;
    }
    EXPECT_EQ(ExitCode(Check(), false), 0);
    EXPECT_EQ(ExitCode(Check(), true), 1);
    disc.files[fault.file] = good;
  }
}

TEST_F(DiscCheckTest, ANameInOtherLetterCaseIsFoundWithOneWarning) {
  disc.files["Hints/ABOUT.txt"] = disc.files["Hints/about.txt"];
  disc.Remove("Hints/about.txt");
  Seen warning = OneWarning();
  EXPECT_EQ(warning.path, "Hints\\about.txt");
  EXPECT_EQ(warning.message.rfind("is named \"ABOUT.txt\" on the disc", 0), 0u);

  // A folder in other case is reported once, not for each of its files.
  disc.files["Hints/about.txt"] = disc.files["Hints/ABOUT.txt"];
  disc.Remove("Hints/ABOUT.txt");
  for (const auto& [path, bytes] : std::map(disc.files))
    if (path.rfind("Presentation/", 0) == 0) {
      disc.files["presentation" + path.substr(12)] = bytes;
      disc.Remove(path);
    }
  warning = OneWarning();
  EXPECT_EQ(warning.path, "Presentation");
  EXPECT_EQ(warning.subject, "folders");
}

TEST_F(DiscCheckTest, NamesLongerThanJolietKeepsAreWarnings) {
  disc.files["Presentation/" + std::string(64, 'x')] = "x";
  EXPECT_TRUE(Findings(Severity::Warning).empty());
  // 65 UTF-16 characters in 130 bytes of UTF-8.
  Text name;
  for (int i = 0; i < 65; ++i) name += "ж";
  disc.files["Presentation/" + name] = "x";
  const Seen warning = OneWarning();
  EXPECT_EQ(warning.path, "Presentation\\" + name);
  EXPECT_EQ(warning.message.rfind("has a name of 65 UTF-16 characters", 0), 0u);
}

TEST_F(DiscCheckTest, FilesNothingRefersToAreWarnings) {
  struct Extra {
    const char* path;
    const char* message;
  };
  const Extra extras[] = {
      {"Hints/demo_annot_report.txt", "no item shows it"},
      {"Video/other.avi", "no item plays it"},
      {"Publication/old.pdf", "no row of the publication list names it"},
      {"PicRec/notes.txt", "the photo window lists only *.jpg files"},
      {"readme.txt", "nothing refers to it"},
  };
  for (const Extra& extra : extras) {
    SCOPED_TRACE(extra.path);
    disc.files[extra.path] = "x";
    const Seen warning = OneWarning();
    EXPECT_EQ(warning.path, ProgramPath(extra.path));
    EXPECT_EQ(warning.message, extra.message);
    disc.Remove(extra.path);
  }
  // What the batch files and the player bring along is theirs.
  disc.files["Presentation/about/slides.dat"] = "x";
  disc.files["LA20K/player.dll"] = "x";
  EXPECT_TRUE(Findings(Severity::Warning).empty());
}

TEST_F(DiscCheckTest, AnAutorunInfThatDoesNotStartTheProgramWellIsAWarning) {
  const std::string label33(33, 'L');
  const struct {
    const char* name;
    std::optional<std::string> bytes;  // none: no autorun.inf
    std::vector<Rule> rules;
  } cases[] = {
      {"the sample's", kAutorun, {}},
      {"in capitals, with a path and arguments",
       "[AutoRun]\r\nOPEN = .\\demodisc.exe /x\r\nlabel=" + std::string(32, 'L') + "\r\n",
       {}},
      {"shellexecute, quoted", "[autorun]\nshellexecute=\"DemoDisc.exe\"\n", {}},
      {"none", std::nullopt, {Rule::NoAutorun}},
      {"another program", "[autorun]\r\nopen=setup.exe\r\n", {Rule::AutorunStartsOther}},
      {"open= in another section",
       "[autorun.amd64]\r\nopen=DemoDisc.exe\r\n",
       {Rule::AutorunStartsOther}},
      {"a label of 33",
       "[autorun]\r\nopen=DemoDisc.exe\r\nlabel=" + label33 + "\r\n",
       {Rule::AutorunLongLabel}},
      {"a Russian label",
       "[autorun]\r\nopen=DemoDisc.exe\r\nlabel=Диск\r\n",
       {Rule::AutorunNotAscii}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    disc.Remove("autorun.inf");
    if (c.bytes) disc.files["autorun.inf"] = *c.bytes;
    std::vector<Rule> rules;
    for (const ReportSection& section : Check().sections)
      for (const ReportLine& line : section.lines)
        for (const Finding& f : line.findings)
          if (f.severity() != Severity::Ok) rules.push_back(f.rule);
    EXPECT_EQ(rules, c.rules);
  }
}

TEST_F(DiscCheckTest, TheStartProgramsLineSaysWhetherItIsSignedAsANote) {
  const auto startLine = [&] {
    const DiscReport report = Check();
    for (const ReportLine& line : report.sections.back().lines)
      if (line.key == "start_program") return line;
    ADD_FAILURE() << "no start program line";
    return ReportLine{};
  };
  testing::PeImage image;
  disc.files["DemoDisc.exe"] = image.Bytes();
  ReportLine line = startLine();
  ASSERT_EQ(line.findings.size(), 1u);
  EXPECT_EQ(line.findings[0].severity(), Severity::Ok);
  EXPECT_EQ(line.findings[0].kind(), "not_signed");
  EXPECT_EQ(line.findings[0].message, "not signed");

  image.securityOffset = 0x300;
  image.securitySize = 0x100;
  disc.files["DemoDisc.exe"] = image.Bytes();
  line = startLine();
  ASSERT_EQ(line.findings.size(), 1u);
  EXPECT_EQ(line.findings[0].severity(), Severity::Ok);
  EXPECT_EQ(line.findings[0].message, "signed");
  EXPECT_TRUE(Findings(Severity::Warning).empty());

  // Found under other letter case, the signature is still read.
  disc.files["demodisc.EXE"] = disc.files["DemoDisc.exe"];
  disc.Remove("DemoDisc.exe");
  line = startLine();
  ASSERT_EQ(line.findings.size(), 2u);
  EXPECT_EQ(line.findings[1].message, "signed");

  // A start program that is no program has its error alone.
  disc.Remove("demodisc.EXE");
  disc.files["DemoDisc.exe"] = "x";
  line = startLine();
  ASSERT_EQ(line.findings.size(), 1u);
  EXPECT_EQ(line.findings[0].kind(), "not_a_program");
}

TEST_F(DiscCheckTest, APhotoFolderWithoutPhotosIsANote) {
  disc.Remove("PicRec/photo.jpg");
  disc.emptyFolders.insert("PicRec");
  EXPECT_TRUE(Findings(Severity::Warning).empty());
  const auto notes = Findings(Severity::Ok);
  EXPECT_TRUE(std::any_of(notes.begin(), notes.end(), [](const Seen& s) {
    return s.path == "PicRec" && s.message.rfind("holds no *.jpg file", 0) == 0;
  }));
}

// One change to the intact disc, and the one finding it must give.
struct Case {
  const char* name;
  std::function<void(testing::FakeDiscTree&)> change;
  Severity severity;
  Text path;               // the finding's path ("" for a row's own)
  Text message;            // the start of its message
  std::size_t others = 0;  // findings the change also gives, rightly (the image's size)
};

// A publication list of its own, in place of the one that names paper01.pdf.
void SetList(testing::FakeDiscTree& d, const std::string& lines) {
  d.files["Publication/vortan_lit.txt"] = Cp1251(lines);
  d.Remove("Publication/paper01.pdf");
}

// A name of n characters ending in ".pdf".
Text NameOf(std::size_t n) { return std::string(n - 4, 'd') + ".pdf"; }

void RunCases(DiscCheckTest& test, const std::vector<Case>& cases);

TEST_F(DiscCheckTest, NamesAsTheImageAndWindowsSeeThem) {
  const Text longName = NameOf(80);
  // 121 characters below the root: one more than Joliet keeps.
  const Text deep = "LA20K/" + std::string(60, 'a') + "/" + std::string(50, 'b') + ".dll";
  const std::vector<Case> cases = {
      {"listed name Windows cannot use",
       [](auto& d) {
         d.files["Publication/a:b?.pdf"] = "%PDF-1.4";
         SetList(d, "rus#a:b?.pdf#1.  Статья.\r\n");
       },
       Severity::Error, "Publication\\a:b?.pdf",
       "holds \":\", \"?\", which Windows does not allow in a name: the program does not find it"},
      {"unlisted name Windows cannot use", [](auto& d) { d.files["LA20K/a|b.dll"] = "x"; },
       Severity::Warning, "LA20K\\a|b.dll", "holds \"|\", which Windows does not allow"},
      {"device name", [](auto& d) { d.files["LA20K/CON.dll"] = "x"; }, Severity::Warning,
       "LA20K\\CON.dll", "is named after the device \"CON\": Windows opens the device"},
      {"device name, lower case", [](auto& d) { d.files["LA20K/lpt1"] = "x"; }, Severity::Warning,
       "LA20K\\lpt1", "is named after the device \"lpt1\""},
      {"trailing dot", [](auto& d) { d.files["LA20K/notes."] = "x"; }, Severity::Warning,
       "LA20K\\notes.", "ends in a dot: Windows drops it"},
      {"trailing blank", [](auto& d) { d.files["LA20K/notes "] = "x"; }, Severity::Warning,
       "LA20K\\notes ", "ends in a blank"},
      {"listed document with a long name",
       [&](auto& d) {
         d.files["Publication/" + longName] = "%PDF-1.4";
         SetList(d, "rus#" + longName + "#1.  Статья.\r\n");
       },
       Severity::Error, "Publication\\" + longName,
       "has a name of 80 UTF-16 characters: Joliet keeps 64, so the image would cut it: the "
       "program does not find it"},
      {"path Joliet leaves out",
       [&](auto& d) {
         d.files[deep] = "x";
         d.files["LA20K/" + std::string(60, 'a') + "/" + std::string(49, 'b') + ".dll"] = "x";
       },
       Severity::Warning, ProgramPath(deep),
       "has a path of 121 UTF-16 characters: Joliet keeps paths of up to 120 (240 bytes), so the "
       "image would leave it out"},
      {"twins in letter case, one opened", [](auto& d) { d.files["LA20K/la.exe"] = "MZ"; },
       Severity::Error, "LA20K\\LA.exe",
       "and \"la.exe\" differ only in letter case: Windows opens one of them for either name, "
       "and the program may get the wrong one"},
      {"twins in letter case, none opened",
       [](auto& d) {
         d.files["LA20K/a.dll"] = "x";
         d.files["LA20K/A.dll"] = "x";
       },
       Severity::Warning, "LA20K\\A.dll", "and \"a.dll\" differ only in letter case"},
      {"file of 4 GiB",
       [](auto& d) {
         d.files["LA20K/big.dat"] = "x";
         d.sizes["LA20K/big.dat"] = 1ull << 32;
       },
       Severity::Error, "LA20K\\big.dat",
       "is 4.0 GiB: ISO 9660 and Joliet keep a file in one piece only below 4 GiB", 1},
      {"decomposed name", [](auto& d) { d.files["LA20K/Jose\u0301.dll"] = "x"; }, Severity::Warning,
       "LA20K\\Jose\u0301.dll",
       "has a name in decomposed Unicode form, 9 characters, where the composed \"José.dll\" has "
       "8"},
      {"link out of the folder",
       [](auto& d) {
         d.emptyFolders.insert("LA20K/skins");
         d.links["LA20K/skins"] = {LinkKind::Outside, "/home/maker/skins"};
       },
       Severity::Error, "LA20K\\skins",
       "is a link to \"/home/maker/skins\", out of the disc folder"},
      {"link loop",
       [](auto& d) {
         d.emptyFolders.insert("LA20K/again");
         d.links["LA20K/again"] = {LinkKind::Loop, ".."};
       },
       Severity::Error, "LA20K\\again", "is a link to \"..\", a folder around itself"},
      {"folder that cannot be listed",
       [](auto& d) {
         d.files["LA20K/codecs/x.dll"] = "x";
         d.unreadable.insert("LA20K/codecs");
       },
       Severity::Warning, "LA20K\\codecs", "cannot be read"},
  };
  RunCases(*this, cases);
}

TEST_F(DiscCheckTest, ANameFaultOfAFileTheProgramOpensIsOnTheLineThatOpensIt) {
  SetList(disc, "rus#CON.pdf#1.  Статья.\r\n");
  disc.files["Publication/CON.pdf"] = "%PDF-1.4";
  disc.files["Video/Null_video.avi."] = "x";  // a name nothing opens: a line of its own
  disc.Remove("Video/Null_video.avi");
  const auto errors = Findings(Severity::Error);
  const auto onRow = std::find_if(errors.begin(), errors.end(),
                                  [](const Seen& s) { return s.kind == "device_name"; });
  ASSERT_NE(onRow, errors.end());
  EXPECT_EQ(onRow->section, "Публикации");
  EXPECT_EQ(onRow->subject, "row 1: 1.  Статья");
  const auto warnings = Findings(Severity::Warning);
  const auto own = std::find_if(warnings.begin(), warnings.end(),
                                [](const Seen& s) { return s.kind == "trailing_char"; });
  ASSERT_NE(own, warnings.end());
  EXPECT_EQ(own->subject, "Video\\Null_video.avi.");
}

TEST_F(DiscCheckTest, ContentThatCannotWork) {
  const std::vector<Case> cases = {
      {"empty player", [](auto& d) { d.files["LA20K/LA.exe"] = ""; }, Severity::Error,
       "LA20K\\LA.exe", "is empty: clicking the item shows \"Ошибка запуска медиа-плейера ...\""},
      {"player that is no program", [](auto& d) { d.files["LA20K/LA.exe"] = "#!/bin/sh"; },
       Severity::Error, "LA20K\\LA.exe", "is no Windows program (it does not begin with \"MZ\")"},
      {"empty installer", [](auto& d) { d.files["Acrobat Reader/AdbeRdr812_ru_RU.exe"] = ""; },
       Severity::Error, "Acrobat Reader\\AdbeRdr812_ru_RU.exe",
       "is empty: the button \"Acrobat Reader\" shows"},
      {"start program that is no program", [](auto& d) { d.files["DemoDisc.exe"] = "x"; },
       Severity::Error, "DemoDisc.exe", "is no Windows program"},
      {"empty batch file", [](auto& d) { d.files["Vortan4/1.bat"] = " \r\n"; }, Severity::Warning,
       "Vortan4\\1.bat", "is empty: clicking the item opens a console that closes at once"},
      {"empty document", [](auto& d) { d.files["Publication/paper01.pdf"] = ""; },
       Severity::Warning, "Publication\\paper01.pdf", "is empty: the reader opens no document"},
      {"document that is no PDF", [](auto& d) { d.files["Publication/paper01.pdf"] = "<html>"; },
       Severity::Warning, "Publication\\paper01.pdf", "does not begin with \"%PDF-\""},
      {"description with bare CR line ends",
       [](auto& d) { d.files["Hints/about.txt"] = "one\rtwo\r\n"; }, Severity::Warning,
       "Hints\\about.txt", "ends lines with a carriage return alone (at offset 3)"},
      {"the sample's stand-in player",
       [](auto& d) { d.files["LA20K/LA.exe"] = "MZ" + std::string(kPlayerStandInMarker); },
       Severity::Error, "LA20K\\LA.exe",
       "is the sample's stand-in for LA.exe: put the real player here (7 items)"},
      {"the stand-in's marker far into the program",
       [](auto& d) {
         d.files["LA20K/LA.exe"] =
             "MZ" + std::string(200 * 1024, '\0') + kPlayerStandInMarker + std::string(9, '\0');
       },
       Severity::Error, "LA20K\\LA.exe", "is the sample's stand-in for LA.exe"},
      {"the sample's stand-in installer",
       [](auto& d) {
         d.files["Acrobat Reader/AdbeRdr812_ru_RU.exe"] =
             "MZ" + std::string(kInstallerStandInMarker);
       },
       Severity::Error, "Acrobat Reader\\AdbeRdr812_ru_RU.exe",
       "is the sample's stand-in for AdbeRdr812_ru_RU.exe: put the real reader installer here"},
      {"a marker cut short is a real program",
       [](auto& d) {
         d.files["LA20K/LA.exe"] =
             "MZ" + std::string(kPlayerStandInMarker).substr(0, sizeof kPlayerStandInMarker - 3);
       },
       Severity::Error, "", ""},
      {"the reader installer of 2008, by its version resource",
       [](auto& d) {
         d.files["Acrobat Reader/AdbeRdr812_ru_RU.exe"] = testing::VersionedProgram().Bytes();
       },
       Severity::Warning, "Acrobat Reader\\AdbeRdr812_ru_RU.exe",
       "is Adobe Reader 8.1.2, by its version resource: a visitor without a reader is offered one "
       "out of support"},
      {"the reader installer of 2008, by its name",
       [](auto& d) { d.files["Acrobat Reader/AdbeRdr812_ru_RU.exe"] = "MZ"; }, Severity::Warning,
       "Acrobat Reader\\AdbeRdr812_ru_RU.exe", "is Acrobat Reader 8, by its name"},
      {"list with bare CR line ends",
       [](auto& d) {
         d.files["Publication/vortan_lit.txt"] = "rus#paper01.pdf#1.  A.\reng##2.  B.\r\n";
       },
       Severity::Warning, "Publication\\vortan_lit.txt", "ends lines with a carriage return alone"},
  };
  RunCases(*this, cases);
}

TEST_F(DiscCheckTest, FilesTheSystemWritesAreWarningsWhateverTheirLetterCase) {
  const char* const written[] = {
      "Hints/Thumbs.db",    "desktop.ini",        "Publication/DESKTOP.INI", "Video/.DS_Store",
      "LA20K/~$notes.docx", "PicRec/ehthumbs.db", "Presentation/thumbs.DB"};
  for (const char* path : written) {
    SCOPED_TRACE(path);
    LayOut();
    disc.files[path] = "x";
    const Seen warning = OneWarning();
    EXPECT_EQ(warning.path, ProgramPath(path));
    EXPECT_EQ(warning.kind, "system_file");
    EXPECT_EQ(warning.message.rfind("was written by the system, burnt with the disc", 0), 0u);
  }
  // Names that only look alike are the maker's.
  LayOut();
  disc.files["LA20K/thumbs.db.bak"] = "x";
  disc.files["LA20K/my~$notes.txt"] = "x";
  EXPECT_TRUE(Findings(Severity::Warning).empty());
}

TEST_F(DiscCheckTest, AFaultOfAFolderAboveAnOpenedFileIsAnErrorOnTheLineThatOpensIt) {
  // Folder paths of 121 characters, a name of 65, a link out of the disc.
  const Text deep = std::string(60, 'a') + "/" + std::string(48, 'b');
  const Text longName(65, 'n');
  struct Above {
    const char* name;
    Text document;  // below Publication
    Text folder;    // the folder at fault, as the program names it
    Text fault;     // the start of the folder's fault
  };
  const Above cases[] = {
      {"path too long", deep + "/doc.pdf",
       "Publication\\" + std::string(60, 'a') + "\\" + std::string(48, 'b'),
       "has a path of 121 UTF-16 characters"},
      {"name Joliet cuts", longName + "/doc.pdf", "Publication\\" + longName,
       "has a name of 65 UTF-16 characters"},
      {"name Windows cannot use", "a:b/doc.pdf", "Publication\\a:b", "holds \":\""},
  };
  for (const Above& c : cases) {
    SCOPED_TRACE(c.name);
    LayOut();
    disc.files["Publication/" + c.document] = "%PDF-1.4";
    SetList(disc, "rus#" + c.document + "#1.  Статья.\r\n");
    const DiscReport report = Check();
    const ReportLine& row = report.sections[1].lines[1];
    ASSERT_EQ(row.subject, "row 1: 1.  Статья");
    ASSERT_EQ(row.findings.size(), 1u);
    EXPECT_EQ(row.Status(), Severity::Error);
    EXPECT_EQ(row.findings[0].kind(), "folder_above");
    Text document = "Publication/" + c.document;
    EXPECT_EQ(row.findings[0].path, ProgramPath(document));
    EXPECT_EQ(row.findings[0].message.rfind("lies in \"" + c.folder + "\", which " + c.fault, 0),
              0u)
        << row.findings[0].message;
    // The folder's own line stays.
    const auto errors = Findings(Severity::Error);
    EXPECT_TRUE(std::any_of(errors.begin(), errors.end(),
                            [&](const Seen& s) { return s.path == c.folder; }));
  }
  // The clips' folder a link out of the disc: one error on the first item
  // that plays a clip, counting the items; the others point to it.
  LayOut();
  disc.links["Video"] = {LinkKind::Outside, "/home/maker/clips"};
  const auto errors = Findings(Severity::Error);
  EXPECT_EQ(std::count_if(errors.begin(), errors.end(),
                          [](const Seen& s) { return s.kind == "folder_above"; }),
            1);
  const auto notes = Findings(Severity::Ok);
  EXPECT_GE(std::count_if(notes.begin(), notes.end(),
                          [](const Seen& s) {
                            return s.kind == "folder_above" &&
                                   s.message.ends_with(
                                       "counted once, under the first item "
                                       "that needs it");
                          }),
            2);
  const auto onItem = std::find_if(errors.begin(), errors.end(),
                                   [](const Seen& s) { return s.kind == "folder_above"; });
  ASSERT_NE(onItem, errors.end());
  EXPECT_NE(onItem->section, "Disc");
  EXPECT_EQ(onItem->message.rfind("lies in \"Video\", which is a link to \"/home/maker/clips\"", 0),
            0u)
      << onItem->message;
  EXPECT_TRUE(onItem->message.ends_with(" items)")) << onItem->message;
  // A file nothing opens below such a folder adds nothing to any item.
  LayOut();
  disc.files["LA20K/" + deep + "/x.dll"] = "x";
  for (const Seen& s : Findings(Severity::Error)) ADD_FAILURE() << s.path << " " << s.message;
}

TEST_F(DiscCheckTest, TheEntryFormatAndTheListsRows) {
  std::string longList;
  for (int i = 1; i <= 44; ++i) longList += "rus##" + std::to_string(10 + i) + ". Title.\r\n";
  const std::vector<Case> cases = {
      {"number three wide", [](auto& d) { SetList(d, "rus##1. Образец.\r\n"); }, Severity::Warning,
       "",
       "has an entry number 3 characters wide, not 4: the grid shows \"1. О\" as its number and "
       "\"бразец\" as its text"},
      {"number five wide", [](auto& d) { SetList(d, "rus##1000. Title.\r\n"); }, Severity::Warning,
       "", "has an entry number 6 characters wide"},
      {"no final full stop", [](auto& d) { SetList(d, "rus##1.  Образец публикации\r\n"); },
       Severity::Warning, "",
       "ends in \"и\" without a full stop: the grid drops that last character and shows the text "
       "ending in \"Образец публикаци\""},
      {"document above the folder, resolved as Windows does",
       [](auto& d) { SetList(d, "rus#..\\Hints\\about.txt#1.  A.\r\n"); }, Severity::Warning, "",
       ""},
      {"document above the disc", [](auto& d) { SetList(d, "rus#..\\..\\x.pdf#1.  A.\r\n"); },
       Severity::Error, "Publication\\..\\..\\x.pdf", "points above the disc's root"},
      {"document named on a row the program does not read",
       [&](auto& d) {
         d.files["Publication/vortan_lit.txt"] = longList + "rus#paper01.pdf#55. A.\r\n";
       },
       Severity::Warning, "Publication\\paper01.pdf",
       "is named only by line 45 of the publication list, past the 39 lines the program reads", 1},
      {"many unlisted documents",
       [](auto& d) {
         for (int i = 0; i < 10000; ++i)
           d.files["Publication/u" + std::to_string(i) + ".pdf"] = "%PDF-";
       },
       Severity::Warning, "Publication",
       "holds 10000 files that no row of the publication list names (\"u0.pdf\", \"u1.pdf\", "
       "\"u10.pdf\", ...)"},
  };
  RunCases(*this, cases);
}

void RunCases(DiscCheckTest& test, const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test.LayOut();
    c.change(test.disc);
    const DiscReport report = test.Check();
    std::vector<Seen> all;
    for (const Severity severity : {Severity::Error, Severity::Warning})
      for (const Seen& seen : test.Findings(severity)) all.push_back(seen);
    // A case without a message expects the disc to pass as it is.
    if (c.message.empty()) {
      for (const Seen& seen : all) ADD_FAILURE() << seen.path << " " << seen.message;
      continue;
    }
    const auto it = std::find_if(all.begin(), all.end(), [&](const Seen& seen) {
      return seen.path == c.path && seen.message.rfind(c.message, 0) == 0;
    });
    if (it == all.end() || all.size() != 1 + c.others) {
      ADD_FAILURE() << all.size() << " findings";
      for (const Seen& seen : all) ADD_FAILURE() << seen.path << " " << seen.message;
      continue;
    }
    EXPECT_EQ(it->severity, c.severity);
    // Every finding has a stable key for tools.
    for (const Seen& seen : all) EXPECT_FALSE(seen.kind.empty()) << seen.message;
    EXPECT_EQ(ExitCode(report, true), 1);
  }
}

TEST_F(DiscCheckTest, AcceptedWarningsAreShownAndNotCountedAndErrorsStay) {
  disc.files["Hints/about.txt"] = "";
  disc.files["Video/other.avi"] = "x";
  SetList(disc, "rus##1. A.\r\n");
  disc.Remove("Vortan4/1.bat");
  disc.emptyFolders.insert("Vortan4");
  DiscReport report = Check();
  ASSERT_EQ(report.Count(Severity::Warning), 3);
  // By kind and by code (in any letter case, with either slash); a finding
  // without a path by its line's key; an error's rule and a stale line.
  const auto accepted = ParseAcceptedFindings(
      "# meant\r\nempty_text Hints\\about.txt\r\n\r\ndd601 Video/other.avi\nDD406 row 1\n"
      "missing Vortan4\\1.bat\nempty_text Hints\\gone.txt\n");
  ASSERT_EQ(accepted.size(), 5u);
  AcceptFindings(report, accepted, "disc.accepted");
  EXPECT_EQ(report.Count(Severity::Warning), 0);
  EXPECT_EQ(report.AcceptedCount(), 3);
  // An error is never accepted.
  EXPECT_EQ(report.Count(Severity::Error), 1);
  EXPECT_EQ(ExitCode(report, true), 1);
  // The lines that accept nothing are notes.
  const ReportLine& last = report.sections.back().lines.back();
  EXPECT_EQ(last.key, "accepted_findings");
  ASSERT_EQ(last.findings.size(), 2u);
  EXPECT_EQ(last.findings[0].Words(),
            "accepts no warning of this disc: \"missing Vortan4\\1.bat\"");
  EXPECT_EQ(last.findings[1].Words(),
            "accepts no warning of this disc: \"empty_text Hints\\gone.txt\"");

  disc.files["Vortan4/1.bat"] = ContentOf("x.bat");
  report = Check();
  AcceptFindings(report, accepted, "disc.accepted");
  EXPECT_EQ(ExitCode(report, true), 0);
}

// A line by rule accepts a warning whatever its words; a line of the old
// form, the start of the text, is still read, with a note of its new form,
// and stops accepting once the words change.
TEST_F(DiscCheckTest, AcceptedLinesByRuleOutliveARewordedMessage) {
  disc.files["Hints/about.txt"] = "";
  disc.files["Video/other.avi"] = "x";
  const auto accepted =
      ParseAcceptedFindings("empty_text Hints\\about.txt\nVideo\\other.avi no item plays it\n");
  for (const bool reworded : {false, true}) {
    SCOPED_TRACE(reworded ? "reworded" : "as today");
    DiscReport report = Check();
    const Finding* about = nullptr;
    const Finding* other = nullptr;
    for (ReportSection& s : report.sections)
      for (ReportLine& l : s.lines)
        for (Finding& f : l.findings) {
          if (reworded) f.message = "is worded otherwise", f.consequence.clear();
          if (f.path == "Hints\\about.txt") about = &f;
          if (f.path == "Video\\other.avi") other = &f;
        }
    AcceptFindings(report, accepted, "disc.accepted");
    ASSERT_TRUE(about && other);
    EXPECT_TRUE(about->accepted);
    EXPECT_EQ(other->accepted, !reworded);
    const ReportLine& note = report.sections.back().lines.back();
    ASSERT_EQ(note.findings.size(), 1u);
    EXPECT_EQ(note.findings[0].rule, reworded ? Rule::AcceptedUnused : Rule::AcceptedOldForm);
    if (!reworded)
      EXPECT_TRUE(note.findings[0].Words().ends_with("write it as \"unused Video\\other.avi\""))
          << note.findings[0].Words();
  }
}

// A disc of its own: its DemoDisc.ini's pages and items are what is
// checked, never the built-in 26.
TEST(DiscCheckOwnDescription, ADiscOfThreePagesIsCheckedForItsOwnItemsOnly) {
  testing::FakeDiscTree d;
  d.files["DemoDisc.exe"] = "MZ";
  d.files["demodisc.ini"] =  // found whatever its letter case
      "[disc]\ntexts = utf-8\n"
      "[page]\ncaption = Программы\n"
      "[item]\ncaption = Установка\nrun = setup\\setup.exe\ndescription = about\\setup.txt\n"
      "[item]\ncaption = Сайт\nweb = https://example.ru\n"
      "[page]\ncaption = Статьи\npublications = docs\\list.txt\n"
      "[page]\ncaption = Видео\n[item]\ncaption = Ролик\nplay = clips\\a.avi\n";
  d.files["setup/setup.exe"] = "MZ";
  d.files["about/setup.txt"] = "Установка программы\r\n";  // UTF-8, as texts= says
  d.files["docs/list.txt"] = Cp1251("rus#a.pdf#1.  Статья.\r\n");
  d.files["docs/a.pdf"] = "%PDF-1.4";
  d.files["clips/a.avi"] = "x";
  d.files["Acrobat Reader/AdbeRdr812_ru_RU.exe"] = ContentOf("Acrobat Reader/x.exe");
  d.files["autorun.inf"] = kAutorun;
  const DiscReport report = CheckDisc(d, "disc");
  std::vector<Text> titles, subjects;
  for (const ReportSection& s : report.sections) {
    titles.push_back(s.title);
    for (const ReportLine& l : s.lines) {
      subjects.push_back(l.subject);
      for (const Finding& f : l.findings) {
        EXPECT_EQ(f.path.find("Hints"), Text::npos) << f.path;
        if (f.severity() == Severity::Error)
          EXPECT_EQ(f.path, "LA20K\\LA.exe") << l.subject << ": " << f.Words();
        if (f.severity() == Severity::Warning) EXPECT_EQ(f.rule, Rule::LetterCase) << f.Words();
      }
    }
  }
  EXPECT_EQ(titles, (std::vector<Text>{"Программы", "Статьи", "Видео", "Disc"}));
  EXPECT_EQ(
      std::vector<Text>(subjects.begin(), subjects.begin() + 5),
      (std::vector<Text>{"Установка", "Сайт", "docs\\list.txt", "row 1: 1.  Статья", "Ролик"}));
  // The player is missing: the video item's one error; the file's letter case, the one warning.
  EXPECT_EQ(report.Count(Severity::Error), 1);
  EXPECT_EQ(report.Count(Severity::Warning), 1);
}

TEST(DiscCheckOwnDescription, EachFaultOfTheFileIsAnErrorAtItsLineAndColumn) {
  const std::string page = "[page]\ncaption = P\n";
  const struct {
    std::string file;
    const char* message;
  } cases[] = {
      {page + "[item]\ncaptoin = I\nnotice = yes\n",
       "line 4, column 1: unknown key \"captoin\": did you mean caption?"},
      {page + "[item]\ncaption = I\nrun = C:\\x.exe\n", "line 5, column 7: the path \"C:\\x.exe\""},
      {page + "[item]\ncaption = I\nrun = ..\\..\\x.exe\n", "line 5, column 7: the path"},
      {page + "[item]\ncaption = I\nrun = \\\\srv\\x.exe\n", "line 5, column 7: the path"},
      {page + "[item]\ncaption = I\nrun = a.exe\nopen = b.pdf\n",
       "line 6, column 1: a second action"},
      {page + "[item]\ncaption = I\n", "line 3, column 1: the item has no action"},
      {page + "[item]\ncaption = I\nweb = ftp://a\n", "line 5, column 7: the value \"ftp://a\""},
      {page + "caption = Q\n", "line 3, column 1: the key \"caption\" is given twice"},
      {"[disc]\ntexts = koi8-r\n", "line 2, column 9: the value \"koi8-r\" is not allowed"},
  };
  for (const auto& c : cases) {
    testing::FakeDiscTree d;
    d.files["DemoDisc.exe"] = "MZ";
    d.files["DemoDisc.ini"] = c.file;
    const DiscReport report = CheckDisc(d, "disc");
    const ReportLine* line = nullptr;
    for (const ReportSection& s : report.sections)
      for (const ReportLine& l : s.lines)
        if (l.key == "description") line = &l;
    ASSERT_TRUE(line) << c.file;
    ASSERT_FALSE(line->findings.empty()) << c.file;
    const Finding& first = line->findings.front();
    EXPECT_EQ(first.rule, Rule::DescriptionFault);
    EXPECT_EQ(first.path, "DemoDisc.ini");
    EXPECT_TRUE(first.Words().starts_with(c.message)) << first.Words();
    EXPECT_EQ(ExitCode(report, false), 1);
  }
}

// An item's own picture: a square PNG of 32 pixels or more that decodes, at
// most 4 MiB; anything else leaves its button without a picture, an error.
TEST(DiscCheckOwnDescription, AnItemsPictureIsOneItsButtonCanShow) {
  const auto png = [](int width, int height) {
    const std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3, 0x80);
    const std::vector<int> filters(static_cast<std::size_t>(height), 0);
    const testing::Bytes bytes = testing::RgbPng(rgb, width, height, filters);
    return std::string(bytes.begin(), bytes.end());
  };
  std::string damaged = png(32, 32);
  damaged[damaged.size() - 20] ^= 0x01;  // in the image stream: its CRC no longer holds
  std::string large = png(32, 32);
  large.resize(4 * 1024 * 1024 + 1);  // sound up to its IEND, then too long a file
  const struct {
    const char* name;
    std::string bytes;
    std::optional<Rule> rule;
    const char* words;
  } cases[] = {
      {"sound", png(32, 32), std::nullopt, ""},
      {"large and sound", png(256, 256), std::nullopt, ""},
      {"small", png(31, 31), Rule::BadPicture, "is 31x31 pixels; the button shows a picture of 32"},
      {"oblong", png(48, 32), Rule::BadPicture, "is 48x32 pixels; the button shows a square"},
      {"damaged", damaged, Rule::BadPicture, "is no PNG the program reads"},
      {"a JPEG", "\xFF\xD8\xFF\xE0 JFIF", Rule::BadPicture, "is no PNG the program reads"},
      {"over 4 MiB", large, Rule::BadPicture, "is over the 4 MiB"},
      {"missing", "", Rule::Missing, "is missing"},
  };
  for (const auto& c : cases) {
    testing::FakeDiscTree d;
    d.files["DemoDisc.exe"] = "MZ";
    d.files["autorun.inf"] = kAutorun;
    d.files["DemoDisc.ini"] =
        "[page]\ncaption = P\n[item]\ncaption = I\nnotice = yes\n"
        "picture = pictures\\i.png\n";
    if (c.rule != Rule::Missing) d.files["pictures/i.png"] = c.bytes;
    const DiscReport report = CheckDisc(d, "disc");
    std::vector<const Finding*> found;
    for (const ReportLine& l : report.sections.front().lines)
      for (const Finding& f : l.findings)
        if (f.path == "pictures\\i.png") found.push_back(&f);
    if (!c.rule) {
      EXPECT_TRUE(found.empty()) << c.name << ": " << found.front()->Words();
      continue;
    }
    ASSERT_EQ(found.size(), 1u) << c.name;
    EXPECT_EQ(found[0]->rule, *c.rule) << c.name;
    EXPECT_NE(found[0]->Words().find(c.words), Text::npos) << c.name << ": " << found[0]->Words();
    EXPECT_NE(found[0]->Words().find("the item's button shows no picture"), Text::npos) << c.name;
  }
}

// Captions and contact lines wider than their places at 96 dpi, measured
// here at 6 pixels a letter: a button's caption has 497 pixels beside its
// picture (530 without one), the internet box's lines 120, the address two
// lines of 121.
TEST(DiscCheckOwnDescription, TextsWiderThanTheirPlacesAreWarnings) {
  const TextWidth sixPerLetter = [](const Text& text, const PlaceFont&) {
    return 6 * static_cast<int>(CharCount(text));
  };
  testing::FakeDiscTree d;
  d.files["DemoDisc.exe"] = "MZ";
  d.files["autorun.inf"] = kAutorun;
  d.files["DemoDisc.ini"] = "[contacts]\nweb = " + std::string(21, 'w') +
                            "\nemail = " + std::string(19, 'e') +
                            "\naddress = " + std::string(41, 'a') +
                            "\n[page]\ncaption = P\n"
                            "[item]\ncaption = " +
                            std::string(82, 'x') +
                            "\npicture = 1\nnotice = yes\n"
                            "[item]\ncaption = " +
                            std::string(83, 'y') +
                            "\npicture = 1\nnotice = yes\n"
                            "[item]\ncaption = " +
                            std::string(88, 'z') + "\nnotice = yes\n";
  std::vector<std::pair<Text, Text>> wide;  // line, words
  for (const ReportSection& s : CheckDisc(d, "disc", sixPerLetter).sections)
    for (const ReportLine& l : s.lines)
      for (const Finding& f : l.findings)
        if (f.rule == Rule::TooWide) wide.emplace_back(l.key, f.Words());
  ASSERT_EQ(wide.size(), 3u);
  EXPECT_EQ(wide[0].first, "Item1_2");
  EXPECT_EQ(wide[0].second,
            "the caption is 498 pixels wide at 96 dpi; its button shows 497 pixels: "
            "the button cuts it with \"...\"");
  EXPECT_EQ(wide[1].first, "description");
  EXPECT_EQ(wide[1].second, "[contacts] address \"" + std::string(41, 'a') +
                                "\" is 246 pixels wide at 96 dpi; its place shows 2 lines of "
                                "121 pixels: the contact panel cuts it");
  EXPECT_TRUE(wide[2].second.starts_with("[contacts] web \"wwww")) << wide[2].second;
  // Without a measure, and for the built-in catalogue, nothing is measured.
  const auto measured = [&](const TextWidth& width) {
    int count = 0;
    for (const ReportSection& s : CheckDisc(d, "disc", width).sections)
      for (const ReportLine& l : s.lines)
        count += static_cast<int>(
            std::count_if(l.findings.begin(), l.findings.end(),
                          [](const Finding& f) { return f.rule == Rule::TooWide; }));
    return count;
  };
  EXPECT_EQ(measured({}), 0);
  d.files.erase("DemoDisc.ini");
  EXPECT_EQ(measured(sixPerLetter), 0);
}

TEST(DiscCheck, AFolderThatIsNoDiscIsToldApart) {
  testing::FakeDiscTree unrelated;
  unrelated.files["notes/today.txt"] = "x";
  testing::FakeDiscTree empty;
  for (const testing::FakeDiscTree* tree : {&unrelated, &empty}) {
    const DiscReport report = CheckDisc(*tree, "somewhere");
    EXPECT_FALSE(report.isDisc);
    EXPECT_TRUE(report.sections.empty());
    EXPECT_EQ(ExitCode(report, false), 2);
  }
  // Any one of the disc's names makes it a disc, with all the rest missing.
  testing::FakeDiscTree hintsOnly;
  hintsOnly.emptyFolders.insert("hints");
  EXPECT_EQ(ExitCode(CheckDisc(hintsOnly, "disc"), false), 1);
}

}  // namespace
}  // namespace demodisc
