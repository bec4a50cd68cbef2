#include "launcher/hint_texts.h"

#include <array>

namespace demodisc {

namespace {

constexpr std::array<std::string_view, 6> kDemo{
    "demo_v15.txt",           "demo_ZOZE.txt",       "demo_v61.txt",
    "demo_hrv.txt",           "demo_annot_prof.txt",
    "demo_ annot_report.txt",  // the blank belongs to the name on the disc
};

constexpr std::array<std::string_view, 8> kPresent{
    "about.txt",   "base_mod.txt",   "int_mod.txt",    "ther_mod.txt",
    "net_mod.txt", "dental_mod.txt", "spinal_mod.txt", "dynamic_mod.txt",
};

constexpr std::array<std::string_view, 5> kUser{
    "use_mm_ter.txt", "use_narko.txt", "use_lr.txt", "use_heilpraktik.txt", "use_ja_zory.txt",
};

constexpr std::array<std::string_view, 7> kVideo{
    "video_1fly.txt",  "video_2fly.txt",     "video_varnik.txt", "video_medica.txt",
    "video_baden.txt", "video_w_schwan.txt", "video_astral.txt",
};

// Closes the reader when the reading scope ends, by an error too.
struct ReaderCloser {
  TextReader& reader;
  ~ReaderCloser() { reader.Close(); }
};

}  // namespace

HintPage HintPageOf(Category category) { return static_cast<HintPage>(category); }

std::span<const std::string_view> HintFiles(int page) {
  switch (page) {
    case hpDemo:
      return kDemo;
    case hpPresent:
      return kPresent;
    case hpUser:
      return kUser;
    case hpVideo:
      return kVideo;
    default:
      return {};
  }
}

std::optional<Text> HintFilePath(const Text& hintsDir, int page, int index) {
  const std::span<const std::string_view> files = HintFiles(page);
  if (index < 0 || index >= static_cast<int>(files.size())) return std::nullopt;
  return hintsDir + Text(files[static_cast<std::size_t>(index)]);
}

void ReadHintText(TextReader& reader, std::unique_ptr<ByteSource> source, Text& text) {
  reader.Open(std::move(source));
  ReaderCloser closer{reader};
  bool first = true;
  while (!reader.Eof()) {
    Text line = reader.ReadLine();
    if (!first) text += "\r\n";
    text += line;
    first = false;
  }
}

}  // namespace demodisc
