// The PNG reader on files written here, filter by filter and kind by kind
// (colour type, bit depth, transparency, interlace), on damaged ones, and on
// the pictures the program carries; the laying of transparent pictures on a
// background.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <array>
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
using testing::PngOf;
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
    {"Compression1",
     [](const Parts& p) {
       return WithHeader(p, {3, 2, 8, 2, 1});
     }},
    {"FilterMethod1",
     [](const Parts& p) {
       return WithHeader(p, {3, 2, 8, 2, 0, 1});
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

using Rgba = std::array<std::uint8_t, 4>;

// A stored pixel, its samples as the file holds them, and what it reads as.
struct Pixel {
  std::vector<std::uint16_t> samples;
  Rgba read;
};

struct KindCase {
  const char* name;
  std::uint8_t colourType;
  std::uint8_t bitDepth;
  std::vector<Pixel> pixels;
  Bytes plte = {};
  Bytes trns = {};
};

// A palette of that many entries: entry i is (i, 16 i modulo 256, 255 - i).
Bytes Palette(int entries) {
  Bytes plte;
  for (int i = 0; i < entries; ++i) {
    plte.insert(plte.end(), {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(16 * i),
                             static_cast<std::uint8_t>(255 - i)});
  }
  return plte;
}

const KindCase kKinds[] = {
    {"Grey1", 0, 1, {{{0}, {0, 0, 0, 255}}, {{1}, {255, 255, 255, 255}}}},
    {"Grey2",
     0,
     2,
     {{{0}, {0, 0, 0, 255}},
      {{1}, {85, 85, 85, 255}},
      {{2}, {170, 170, 170, 255}},
      {{3}, {255, 255, 255, 255}}}},
    {"Grey4",
     0,
     4,
     {{{0}, {0, 0, 0, 255}},
      {{5}, {85, 85, 85, 255}},
      {{9}, {153, 153, 153, 255}},
      {{15}, {255, 255, 255, 255}}}},
    {"Grey8",
     0,
     8,
     {{{0}, {0, 0, 0, 255}}, {{18}, {18, 18, 18, 255}}, {{255}, {255, 255, 255, 255}}}},
    {"Grey16",
     0,
     16,
     {{{0x0000}, {0, 0, 0, 255}},
      {{0x12FF}, {0x12, 0x12, 0x12, 255}},
      {{0xABCD}, {0xAB, 0xAB, 0xAB, 255}},
      {{0xFFFF}, {255, 255, 255, 255}}}},
    {"Grey1Keyed", 0, 1, {{{0}, {0, 0, 0, 255}}, {{1}, {255, 255, 255, 0}}}, {}, {0, 1}},
    {"Grey2Keyed",
     0,
     2,
     {{{1}, {85, 85, 85, 255}}, {{2}, {170, 170, 170, 0}}, {{3}, {255, 255, 255, 255}}},
     {},
     {0, 2}},
    {"Grey8Keyed", 0, 8, {{{18}, {18, 18, 18, 0}}, {{19}, {19, 19, 19, 255}}}, {}, {0, 18}},
    // The key is compared at 16 bits: 0x1235 is not the transparent 0x1234.
    {"Grey16Keyed",
     0,
     16,
     {{{0x1234}, {0x12, 0x12, 0x12, 0}},
      {{0x1235}, {0x12, 0x12, 0x12, 255}},
      {{0x3412}, {0x34, 0x34, 0x34, 255}}},
     {},
     {0x12, 0x34}},
    {"Rgb8",
     2,
     8,
     {{{1, 2, 3}, {1, 2, 3, 255}},
      {{255, 0, 128}, {255, 0, 128, 255}},
      {{0, 0, 0}, {0, 0, 0, 255}}}},
    {"Rgb16",
     2,
     16,
     {{{0x0102, 0x0304, 0xFF00}, {1, 3, 255, 255}},
      {{0x00FF, 0x8080, 0x7F7F}, {0, 128, 127, 255}}}},
    {"Rgb8Keyed",
     2,
     8,
     {{{10, 20, 30}, {10, 20, 30, 0}},
      {{10, 20, 31}, {10, 20, 31, 255}},
      {{30, 20, 10}, {30, 20, 10, 255}}},
     {},
     {0, 10, 0, 20, 0, 30}},
    {"Rgb16Keyed",
     2,
     16,
     {{{0x0102, 0x0304, 0x0506}, {1, 3, 5, 0}}, {{0x0102, 0x0304, 0x0507}, {1, 3, 5, 255}}},
     {},
     {0x01, 0x02, 0x03, 0x04, 0x05, 0x06}},
    {"Palette1", 3, 1, {{{0}, {0, 0, 255, 255}}, {{1}, {1, 16, 254, 255}}}, Palette(2)},
    {"Palette2",
     3,
     2,
     {{{0}, {0, 0, 255, 255}}, {{2}, {2, 32, 253, 255}}, {{3}, {3, 48, 252, 255}}},
     Palette(4)},
    // Fewer entries than the depth could index.
    {"Palette4", 3, 4, {{{0}, {0, 0, 255, 255}}, {{9}, {9, 144, 246, 255}}}, Palette(10)},
    {"Palette8",
     3,
     8,
     {{{0}, {0, 0, 255, 255}}, {{15}, {15, 240, 240, 255}}, {{199}, {199, 112, 56, 255}}},
     Palette(200)},
    // The alphas of the first entries only: the others are opaque.
    {"Palette4Alphas",
     3,
     4,
     {{{0}, {0, 0, 255, 0}}, {{1}, {1, 16, 254, 128}}, {{2}, {2, 32, 253, 255}}},
     Palette(3),
     {0, 128}},
    {"Palette8Alphas",
     3,
     8,
     {{{0}, {0, 0, 255, 7}}, {{2}, {2, 32, 253, 9}}, {{255}, {255, 240, 0, 255}}},
     Palette(256),
     {7, 8, 9}},
    {"GreyAlpha8",
     4,
     8,
     {{{10, 0}, {10, 10, 10, 0}},
      {{200, 128}, {200, 200, 200, 128}},
      {{255, 255}, {255, 255, 255, 255}}}},
    {"GreyAlpha16",
     4,
     16,
     {{{0x1234, 0xFF00}, {0x12, 0x12, 0x12, 0xFF}}, {{0xFFFF, 0x00FF}, {255, 255, 255, 0}}}},
    {"Rgba8",
     6,
     8,
     {{{1, 2, 3, 4}, {1, 2, 3, 4}},
      {{255, 255, 255, 0}, {255, 255, 255, 0}},
      {{9, 8, 7, 255}, {9, 8, 7, 255}}}},
    {"Rgba16",
     6,
     16,
     {{{0x0100, 0x02FF, 0x0380, 0x8000}, {1, 2, 3, 128}},
      {{0xFFFF, 0x0000, 0x1111, 0x00FF}, {255, 0, 0x11, 0}}}},
};

class PngKinds : public ::testing::TestWithParam<KindCase> {};

// Each size puts the kind's pixels around in a pattern, not interlaced and
// interlaced, with every filter in turn: passes left empty, rows that end
// inside a byte, and the Sub and Paeth filters across whole pixels.
TEST_P(PngKinds, ReadAsTheirColoursAndAlpha) {
  const KindCase& kind = GetParam();
  const int filters[] = {0, 1, 2, 3, 4, 4, 1};
  for (const auto& [width, height] : {std::pair{1, 1}, {5, 3}, {3, 9}, {13, 11}, {32, 32}}) {
    std::vector<std::uint16_t> samples;
    Bytes expected;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const Pixel& pixel = kind.pixels[(x * 3 + y * 5 + x * y) % kind.pixels.size()];
        samples.insert(samples.end(), pixel.samples.begin(), pixel.samples.end());
        expected.insert(expected.end(), pixel.read.begin(), pixel.read.end());
      }
    }
    for (const std::uint8_t interlace : {0, 1}) {
      const PngHeader header{static_cast<std::uint32_t>(width),
                             static_cast<std::uint32_t>(height),
                             kind.bitDepth,
                             kind.colourType,
                             0,
                             0,
                             interlace};
      const Bytes file = PngOf(header, samples, filters, kind.plte, kind.trns);
      const std::optional<RgbaImage> image = DecodePngRgba(file);
      ASSERT_TRUE(image.has_value()) << width << "x" << height << " interlace " << int{interlace};
      EXPECT_EQ(image->width, width);
      EXPECT_EQ(image->height, height);
      EXPECT_EQ(image->rgba, expected) << width << "x" << height << " interlace " << int{interlace};
      const std::optional<PngSize> size = ReadPngSize(file);
      ASSERT_TRUE(size.has_value());
      EXPECT_EQ(size->width, width);
      EXPECT_EQ(size->height, height);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EachColourTypeAndDepth, PngKinds, ::testing::ValuesIn(kKinds),
                         [](const auto& info) { return std::string(info.param.name); });

struct BlendCase {
  const char* name;
  Rgba pixel;
  Bgr face;
  Bgr laid;
};

const BlendCase kBlends[] = {
    {"OpaqueIsItsColourInBgr", {10, 20, 30, 255}, {1, 2, 3}, {30, 20, 10}},
    {"TransparentIsTheFace", {10, 20, 30, 0}, {200, 100, 50}, {200, 100, 50}},
    {"HalfWhiteOnBlack", {255, 255, 255, 128}, {0, 0, 0}, {128, 128, 128}},
    {"HalfBlackOnWhite", {0, 0, 0, 128}, {255, 255, 255}, {127, 127, 127}},
    {"RoundsHalfUp", {128, 128, 128, 1}, {0, 0, 0}, {1, 1, 1}},
    {"RoundsDown", {127, 127, 127, 1}, {0, 0, 0}, {0, 0, 0}},
    {"NearlyOpaqueOnWhite", {0, 0, 0, 254}, {255, 255, 255}, {1, 1, 1}},
    {"ChannelByChannel", {0, 100, 255, 51}, {255, 0, 0}, {255, 20, 0}},
};

class PngBlend : public ::testing::TestWithParam<BlendCase> {};

TEST_P(PngBlend, LaysThePixelOnTheFace) {
  const BlendCase& blend = GetParam();
  const RgbaImage image{
      2, 1, {0, 0, 0, 0, blend.pixel[0], blend.pixel[1], blend.pixel[2], blend.pixel[3]}};
  const RgbImage laid = BlendOnto(image, blend.face);
  ASSERT_EQ(laid.width, 2);
  ASSERT_EQ(laid.height, 1);
  ASSERT_EQ(laid.bgr.size(), 6u);
  EXPECT_EQ(laid.At(0, 0), blend.face);
  EXPECT_EQ(laid.At(1, 0), blend.laid);
}

INSTANTIATE_TEST_SUITE_P(Pixels, PngBlend, ::testing::ValuesIn(kBlends),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PngDecode, LaysTransparencyOnBlack) {
  const std::vector<std::uint16_t> samples = {255, 0, 0, 128, 0, 0, 255, 255, 9, 9, 9, 0};
  const int filters[] = {0};
  const std::optional<RgbImage> image = DecodePng(PngOf({3, 1, 8, 6}, samples, filters));
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ(image->At(0, 0), (Bgr{0, 0, 128}));
  EXPECT_EQ(image->At(1, 0), (Bgr{255, 0, 0}));
  EXPECT_EQ(image->At(2, 0), (Bgr{0, 0, 0}));
}

struct RefusalCase {
  const char* name;
  Bytes file;
  bool sizeRead;  // the header is sound: only the image is refused
};

// A 2 × 2 picture of that kind, all samples 1, with those chunks between
// its header and its image stream.
Bytes Kind(PngHeader header, std::initializer_list<Bytes> between = {}) {
  header.width = header.height = 2;
  const int filters[] = {1};
  const Bytes rows = testing::ImageRows(header, std::vector<std::uint16_t>(2 * 2 * 4, 1), filters);
  Bytes file = PngFile({IhdrChunk(header)});
  for (const Bytes& chunk : between) file.insert(file.end(), chunk.begin(), chunk.end());
  for (const Bytes& chunk : {PngChunk("IDAT", Deflated(rows)), PngChunk("IEND", {})}) {
    file.insert(file.end(), chunk.begin(), chunk.end());
  }
  return file;
}

// A header that no image matches, before the stream of a 2 × 2 RGB one.
Bytes Header(PngHeader header) {
  const Bytes sound = Kind({2, 2, 8, 2});
  Bytes file = PngFile({IhdrChunk(header)});
  file.insert(file.end(), sound.begin() + file.size(), sound.end());
  return file;
}

// The image rows of an interlaced 5 × 5 RGB picture, changed.
Bytes Interlaced(void (*change)(Bytes&)) {
  const PngHeader header{5, 5, 8, 2, 0, 0, 1};
  const int filters[] = {0};
  Bytes rows = testing::ImageRows(header, std::vector<std::uint16_t>(5 * 5 * 3, 7), filters);
  change(rows);
  return PngFile({IhdrChunk(header), PngChunk("IDAT", Deflated(rows)), PngChunk("IEND", {})});
}

const RefusalCase kRefusals[] = {
    {"Side20000", Header({20000, 20000, 8, 6}), false},
    {"PaletteIndexPastTheEnd", Kind({2, 2, 2, 3}, {PngChunk("PLTE", Palette(1))}), true},
    {"NoPalette", Kind({2, 2, 8, 3}), true},
    {"PaletteEmpty", Kind({2, 2, 8, 3}, {PngChunk("PLTE", {})}), true},
    {"PalettePartEntry", Kind({2, 2, 8, 3}, {PngChunk("PLTE", Bytes(7, 1))}), true},
    {"Palette257Entries", Kind({2, 2, 8, 3}, {PngChunk("PLTE", Palette(257))}), true},
    {"GreyDepth3", Header({2, 2, 3, 0}), false},
    {"GreyDepth32", Header({2, 2, 32, 0}), false},
    {"GreyDepth0", Header({2, 2, 0, 0}), false},
    {"RgbDepth4", Header({2, 2, 4, 2}), false},
    {"RgbDepth1", Header({2, 2, 1, 2}), false},
    {"PaletteDepth16", Header({2, 2, 16, 3}), false},
    {"GreyAlphaDepth4", Header({2, 2, 4, 4}), false},
    {"RgbaDepth2", Header({2, 2, 2, 6}), false},
    {"ColourType1", Header({2, 2, 8, 1}), false},
    {"ColourType5", Header({2, 2, 8, 5}), false},
    {"ColourType7", Header({2, 2, 8, 7}), false},
    {"InterlaceMethod2", Header({2, 2, 8, 2, 0, 0, 2}), false},
    {"InterlacedByteMissing", Interlaced([](Bytes& rows) { rows.pop_back(); }), true},
    {"InterlacedByteTooMany", Interlaced([](Bytes& rows) { rows.push_back(0); }), true},
    // The last pass's last row: its filter byte is the last but 16.
    {"InterlacedUnknownFilter", Interlaced([](Bytes& rows) { rows[rows.size() - 16] = 5; }), true},
};

class PngRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(PngRefusal, IsNoPicture) {
  const RefusalCase& refusal = GetParam();
  EXPECT_FALSE(DecodePngRgba(refusal.file).has_value());
  EXPECT_FALSE(DecodePng(refusal.file).has_value());
  EXPECT_EQ(ReadPngSize(refusal.file).has_value(), refusal.sizeRead);
}

INSTANTIATE_TEST_SUITE_P(Files, PngRefusal, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

// The most memory the process has had, in kilobytes.
long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// The header alone refuses the picture, before anything is made for it:
// its stream is long enough to pass for one that inflates to 1.6 GB.
TEST(PngDecode, RefusesAHugeSideBeforeAllocating) {
  const Bytes file = PngFile(
      {IhdrChunk({20000, 20000, 8, 6}), PngChunk("IDAT", Bytes(2 << 20, 1)), PngChunk("IEND", {})});
  const long before = PeakKilobytes();
  EXPECT_FALSE(ReadPngSize(file).has_value());
  EXPECT_FALSE(DecodePngRgba(file).has_value());
  EXPECT_FALSE(DecodePng(file).has_value());
  EXPECT_LT(PeakKilobytes() - before, 64 * 1024);
}

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
