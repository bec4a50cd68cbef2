#include "launcher/hint_texts.h"

#include <array>

namespace demodisc {

namespace {

constexpr std::array<TextLiteral, 6> kDemo{
    "demo_v15.txt"_t,       "demo_ZOZE.txt"_t, "demo_v61.txt"_t, "demo_hrv.txt"_t,
    "demo_annot_prof.txt"_t,
    "demo_ annot_report.txt"_t,  // the blank belongs to the name on the disc
};

constexpr std::array<TextLiteral, 8> kPresent{
    "about.txt"_t,      "base_mod.txt"_t,   "int_mod.txt"_t,    "ther_mod.txt"_t,
    "net_mod.txt"_t,    "dental_mod.txt"_t, "spinal_mod.txt"_t, "dynamic_mod.txt"_t,
};

constexpr std::array<TextLiteral, 5> kUser{
    "use_mm_ter.txt"_t, "use_narko.txt"_t, "use_lr.txt"_t, "use_heilpraktik.txt"_t,
    "use_ja_zory.txt"_t,
};

constexpr std::array<TextLiteral, 7> kVideo{
    "video_1fly.txt"_t,   "video_2fly.txt"_t,     "video_varnik.txt"_t, "video_medica.txt"_t,
    "video_baden.txt"_t,  "video_w_schwan.txt"_t, "video_astral.txt"_t,
};

// Closes the reader when the reading scope ends, by an error too.
struct ReaderCloser {
  TextReader& reader;
  ~ReaderCloser() { reader.Close(); }
};

}  // namespace

std::span<const TextLiteral> HintFiles(int page) {
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
  const std::span<const TextLiteral> files = HintFiles(page);
  if (index < 0 || index >= static_cast<int>(files.size())) return std::nullopt;
  return hintsDir + files[static_cast<std::size_t>(index)];
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
