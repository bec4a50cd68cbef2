// The PNG reader on files written here, filter by filter, on damaged ones,
// and on the pictures the program carries.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "pictures/png_decode.h"
#include "support/png_writer.h"

namespace demodisc {
namespace {

using testing::Bytes;
using testing::Deflated;
using testing::FilteredRows;
using testing::IhdrChunk;
using testing::PngChunk;
using testing::PngFile;
using testing::PngHeader;
using testing::RgbPng;

// Pixels that differ from their neighbours in every channel, with bytes that
// wrap around when the filters add them up.
Bytes Pattern(int width, int height) {
  Bytes rgb(static_cast<std::size_t>(width) * height * 3);
  for (std::size_t i = 0; i < rgb.size(); ++i) {
    rgb[i] = static_cast<std::uint8_t>(i * 37 + i / 5 * 101);
  }
  return rgb;
}

// Bytes of a few values only, drawn at random: neighbours are often equal,
// which the Paeth filter's ties need.
Bytes FewValues(int width, int height) {
  Bytes rgb(static_cast<std::size_t>(width) * height * 3);
  std::uint32_t state = 12345;
  for (std::uint8_t& byte : rgb) {
    state = state * 1103515245 + 12345;
    byte = static_cast<std::uint8_t>((state >> 16) % 4 * 60);
  }
  return rgb;
}

void ExpectPixels(const std::optional<RgbImage>& image, const Bytes& rgb, int width, int height) {
  ASSERT_TRUE(image.has_value());
  ASSERT_EQ(image->width, width);
  ASSERT_EQ(image->height, height);
  ASSERT_EQ(image->bgr.size(), rgb.size());
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::size_t at = (static_cast<std::size_t>(y) * width + x) * 3;
      EXPECT_EQ(image->At(x, y), (Bgr{rgb[at + 2], rgb[at + 1], rgb[at]})) << x << "," << y;
    }
  }
}

struct FilterCase {
  const char* name;
  std::vector<int> filters;  // by row, repeated
};

class PngFilters : public ::testing::TestWithParam<FilterCase> {};

TEST_P(PngFilters, DecodeToTheSamePixelsInBgrTopDown) {
  for (const auto& [width, height] : {std::pair{1, 1}, {7, 5}, {2, 9}, {33, 3}, {16, 16}}) {
    for (const Bytes& rgb : {Pattern(width, height), FewValues(width, height)}) {
      ExpectPixels(DecodePng(RgbPng(rgb, width, height, GetParam().filters)), rgb, width, height);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EachAndMixed, PngFilters,
                         ::testing::Values(FilterCase{"None", {0}}, FilterCase{"Sub", {1}},
                                           FilterCase{"Up", {2}}, FilterCase{"Average", {3}},
                                           FilterCase{"Paeth", {4}},
                                           FilterCase{"AllInTurn", {4, 3, 2, 1, 0}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PngDecode, JoinsTheImageStreamAndSkipsAncillaryChunks) {
  const int width = 6, height = 4;
  const Bytes rgb = Pattern(width, height);
  const int filters[] = {1, 4};
  const Bytes stream = Deflated(FilteredRows(rgb, width, height, filters));
  const std::size_t third = stream.size() / 3;
  const Bytes text = {'C', 'o', 'm', 'm', 'e', 'n', 't', 0, 'x'};
  const Bytes palette = {0, 0, 0, 255, 255, 255};
  const Bytes file =
      PngFile({IhdrChunk({width, height}), PngChunk("tEXt", text), PngChunk("PLTE", palette),
               PngChunk("IDAT", Bytes(stream.begin(), stream.begin() + third)),
               PngChunk("IDAT", {}), PngChunk("IDAT", Bytes(stream.begin() + third, stream.end())),
               PngChunk("prVt", text), PngChunk("IEND", {}), Bytes{'t', 'r', 'a', 'i', 'l'}});
  ExpectPixels(DecodePng(file), rgb, width, height);
}

TEST(PngDecode, TakesSidesUpTo4096) {
  const int filters[] = {0};
  for (const auto& [width, height] : {std::pair{4096, 1}, {1, 4096}}) {
    const Bytes rgb = Pattern(width, height);
    ExpectPixels(DecodePng(RgbPng(rgb, width, height, filters)), rgb, width, height);
  }
}

// A small sound file and the parts it is made of, for damaging.
struct Parts {
  static constexpr int kWidth = 3, kHeight = 2;
  Bytes rgb = Pattern(kWidth, kHeight);
  Bytes rows = FilteredRows(rgb, kWidth, kHeight, std::vector<int>{2});
  Bytes ihdr = IhdrChunk({kWidth, kHeight});
  Bytes idat = PngChunk("IDAT", Deflated(rows));
  Bytes iend = PngChunk("IEND", {});
  Bytes file = PngFile({ihdr, idat, iend});
};

TEST(PngDecode, RefusesEveryTruncation) {
  const Parts parts;
  ASSERT_TRUE(DecodePng(parts.file).has_value());
  for (std::size_t length = 0; length < parts.file.size(); ++length) {
    // A copy of its own, so that the sanitizers see any read past its end.
    const Bytes cut(parts.file.begin(), parts.file.begin() + length);
    EXPECT_FALSE(DecodePng(cut).has_value()) << length;
  }
}

// The size is read from the header alone: what follows it may be cut or
// damaged, the signature and the header may not.
TEST(PngSize, ComesFromTheHeaderAlone) {
  const Parts parts;
  const std::optional<PngSize> size = ReadPngSize(parts.file);
  ASSERT_TRUE(size.has_value());
  EXPECT_EQ(size->width, Parts::kWidth);
  EXPECT_EQ(size->height, Parts::kHeight);
  const std::size_t headerEnd = 8 + parts.ihdr.size();
  for (std::size_t length = 0; length < parts.file.size(); ++length) {
    const Bytes cut(parts.file.begin(), parts.file.begin() + length);
    EXPECT_EQ(ReadPngSize(cut).has_value(), length >= headerEnd) << length;
  }
  for (std::size_t at = 0; at < headerEnd; ++at) {
    Bytes changed = parts.file;
    changed[at] ^= 0x01;
    EXPECT_FALSE(ReadPngSize(changed).has_value()) << at;
  }
  EXPECT_FALSE(ReadPngSize(PngFile({IhdrChunk({0, 5}), parts.idat, parts.iend})).has_value());
  EXPECT_FALSE(ReadPngSize(PngFile({IhdrChunk({4097, 5}), parts.idat, parts.iend})).has_value());
}

TEST(PngDecode, RefusesAnyChangedByte) {
  const Parts parts;
  for (std::size_t at = 0; at < parts.file.size(); ++at) {
    for (const std::uint8_t flip : {0x01, 0x80}) {
      Bytes changed = parts.file;
      changed[at] ^= flip;
      EXPECT_FALSE(DecodePng(changed).has_value()) << at << " ^ " << int{flip};
    }
  }
}

struct DamageCase {
  const char* name;
  Bytes (*make)(const Parts&);
};

Bytes WithHeader(const Parts& p, PngHeader header) {
  return PngFile({IhdrChunk(header), p.idat, p.iend});
}
Bytes WithStream(const Parts& p, const Bytes& stream) {
  return PngFile({p.ihdr, PngChunk("IDAT", stream), p.iend});
}
Bytes WithRows(const Parts& p, Bytes rows) { return WithStream(p, Deflated(rows)); }

// A file whose pixels are all there for a size that is too large.
Bytes SoundFileClaiming(int width, int height) {
  const int filters[] = {0};
  return RgbPng(Bytes(static_cast<std::size_t>(width) * height * 3, 0), width, height, filters);
}

const DamageCase kDamage[] = {
    {"Empty", [](const Parts&) { return Bytes{}; }},
    {"SignatureOnly", [](const Parts&) { return PngFile({}); }},
    {"NoSignature", [](const Parts& p) { return Bytes(p.file.begin() + 8, p.file.end()); }},
    {"ColourTypeRgba",
     [](const Parts& p) {
       return WithHeader(p, {3, 2, 8, 6});
     }},
    {"ColourTypeGrey",
     [](const Parts& p) {
       return WithHeader(p, {3, 2, 8, 0});
     }},
    {"ColourTypePalette",
     [](const Parts& p) {
       return WithHeader(p, {3, 2, 8, 3});
     }},
    {"BitDepth16",
     [](const Parts& p) {
       return WithHeader(p, {3, 2, 16});
     }},
    {"BitDepth4",
     [](const Parts& p) {
       return WithHeader(p, {3, 2, 4});
     }},
    {"Compression1",
     [](const Parts& p) {
       return WithHeader(p, {3, 2, 8, 2, 1});
     }},
    {"FilterMethod1",
     [](const Parts& p) {
       return WithHeader(p, {3, 2, 8, 2, 0, 1});
     }},
    {"Interlaced",
     [](const Parts& p) {
       return WithHeader(p, {3, 2, 8, 2, 0, 0, 1});
     }},
    {"Width0",
     [](const Parts& p) {
       return WithHeader(p, {0, 2});
     }},
    {"Height0",
     [](const Parts& p) {
       return WithHeader(p, {3, 0});
     }},
    {"Width4097", [](const Parts&) { return SoundFileClaiming(4097, 2); }},
    {"Width5000", [](const Parts&) { return SoundFileClaiming(5000, 2); }},
    {"Height5000", [](const Parts&) { return SoundFileClaiming(3, 5000); }},
    {"WidthNegative",
     [](const Parts& p) {
       return WithHeader(p, {0x80000003u, 2});
     }},
    {"HeaderTooLong",
     [](const Parts& p) {
       Bytes data(p.ihdr.begin() + 8, p.ihdr.end() - 4);
       data.push_back(0);
       return PngFile({PngChunk("IHDR", data), p.idat, p.iend});
     }},
    {"HeaderTooShort",
     [](const Parts& p) {
       const Bytes data(p.ihdr.begin() + 8, p.ihdr.end() - 5);
       return PngFile({PngChunk("IHDR", data), p.idat, p.iend});
     }},
    {"HeaderNotFirst",
     [](const Parts& p) {
       return PngFile({PngChunk("tEXt", {}), p.ihdr, p.idat, p.iend});
     }},
    {"TwoHeaders",
     [](const Parts& p) {
       return PngFile({p.ihdr, p.ihdr, p.idat, p.iend});
     }},
    {"NoImageStream",
     [](const Parts& p) {
       return PngFile({p.ihdr, p.iend});
     }},
    {"NoEnd",
     [](const Parts& p) {
       return PngFile({p.ihdr, p.idat});
     }},
    {"StreamParted",
     [](const Parts& p) {
       const Bytes stream = Deflated(p.rows);
       const auto half = stream.begin() + stream.size() / 2;
       return PngFile({p.ihdr, PngChunk("IDAT", Bytes(stream.begin(), half)), PngChunk("tEXt", {}),
                       PngChunk("IDAT", Bytes(half, stream.end())), p.iend});
     }},
    {"UnknownCriticalChunk",
     [](const Parts& p) {
       return PngFile({p.ihdr, PngChunk("ABCD", {}), p.idat, p.iend});
     }},
    {"RowMissing",
     [](const Parts& p) { return WithRows(p, Bytes(p.rows.begin(), p.rows.begin() + 10)); }},
    {"ByteMissing",
     [](const Parts& p) { return WithRows(p, Bytes(p.rows.begin(), p.rows.end() - 1)); }},
    {"ByteTooMany",
     [](const Parts& p) {
       Bytes rows = p.rows;
       rows.push_back(0);
       return WithRows(p, rows);
     }},
    {"RowTooMany",
     [](const Parts& p) {
       Bytes rows = p.rows;
       rows.insert(rows.end(), p.rows.begin(), p.rows.begin() + 10);
       return WithRows(p, rows);
     }},
    {"UnknownRowFilter",
     [](const Parts& p) {
       Bytes rows = p.rows;
       rows[10] = 5;
       return WithRows(p, rows);
     }},
    {"StreamCutShort",
     [](const Parts& p) {
       const Bytes stream = Deflated(p.rows);
       return WithStream(p, Bytes(stream.begin(), stream.end() - 1));
     }},
    {"BytesAfterTheStream",
     [](const Parts& p) {
       Bytes stream = Deflated(p.rows);
       stream.push_back(0);
       return WithStream(p, stream);
     }},
    {"StreamNotCompressed", [](const Parts& p) { return WithStream(p, p.rows); }},
    {"ChunkLengthPastTheEnd",
     [](const Parts& p) {
       Bytes file = p.file;
       file[8 + p.ihdr.size() + 3] += 40;  // the IDAT's length
       return file;
     }},
    {"ChunkLengthHuge",
     [](const Parts& p) {
       Bytes file = p.file;
       for (int i = 0; i < 4; ++i) file[8 + p.ihdr.size() + i] = 0xFF;
       return file;
     }},
    {"WrongCrc",
     [](const Parts& p) {
       Bytes file = p.file;
       file[8 + p.ihdr.size() + p.idat.size() - 1] ^= 0x40;
       return file;
     }},
};

class PngDamage : public ::testing::TestWithParam<DamageCase> {};

TEST_P(PngDamage, IsNoPicture) {
  const Parts parts;
  EXPECT_FALSE(DecodePng(GetParam().make(parts)).has_value());
}

INSTANTIATE_TEST_SUITE_P(Files, PngDamage, ::testing::ValuesIn(kDamage),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PngDecode, ReadsThePicturesOfTheResources) {
  const std::filesystem::path resources = DEMODISC_RESOURCES_DIR;
  int read = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(resources)) {
    if (entry.path().extension() != ".png") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const Bytes file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::optional<RgbImage> image = DecodePng(file);
    ASSERT_TRUE(image.has_value()) << entry.path();
    EXPECT_EQ(image->bgr.size(), std::size_t{3} * image->width * image->height);
    ++read;
  }
  if (read == 0) GTEST_SKIP() << "no PNG under " << resources;
}

}  // namespace
}  // namespace demodisc
