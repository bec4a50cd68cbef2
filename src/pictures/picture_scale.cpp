#include "pictures/picture_scale.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace demodisc {

namespace {

// The source pixels under one destination pixel along one direction, and
// how much of each: measured in units of which a source pixel is `to` long
// and a destination pixel `from`, so that every share is whole and the
// shares of one destination pixel add up to `from`.
struct Cover {
  int first = 0;
  std::vector<std::int64_t> shares;
};

std::vector<Cover> Covers(int from, int to) {
  std::vector<Cover> covers(static_cast<std::size_t>(to));
  for (int d = 0; d < to; ++d) {
    const std::int64_t begin = std::int64_t{d} * from;
    const std::int64_t end = begin + from;
    Cover& cover = covers[static_cast<std::size_t>(d)];
    cover.first = static_cast<int>(begin / to);
    for (std::int64_t s = cover.first; s * to < end; ++s) {
      cover.shares.push_back(std::min(end, (s + 1) * to) - std::max(begin, s * to));
    }
  }
  return covers;
}

std::uint8_t RoundedShare(std::int64_t sum, std::int64_t weight) {
  return static_cast<std::uint8_t>((sum + weight / 2) / weight);
}

}  // namespace

RgbImage ScaleDown(const RgbImage& source, int width, int height, std::optional<Bgr> key) {
  if (source.empty() || width <= 0 || height <= 0 ||
      source.bgr.size() != static_cast<std::size_t>(source.width) * source.height * 3) {
    return {};
  }
  width = std::min(width, source.width);
  height = std::min(height, source.height);
  if (width == source.width && height == source.height) return source;

  const std::vector<Cover> columns = Covers(source.width, width);
  const std::vector<Cover> rows = Covers(source.height, height);
  const std::int64_t area = std::int64_t{source.width} * source.height;
  RgbImage result{width, height, std::vector<std::uint8_t>(std::size_t{3} * width * height)};
  std::uint8_t* out = result.bgr.data();
  for (const Cover& row : rows) {
    for (const Cover& column : columns) {
      std::int64_t sum[3] = {0, 0, 0};
      std::int64_t keyed = 0;  // the share of the area that is key
      for (std::size_t j = 0; j < row.shares.size(); ++j) {
        const int y = row.first + static_cast<int>(j);
        for (std::size_t i = 0; i < column.shares.size(); ++i) {
          const int x = column.first + static_cast<int>(i);
          const std::int64_t share = row.shares[j] * column.shares[i];
          const Bgr pixel = source.At(x, y);
          if (key && pixel == *key) {
            keyed += share;
            continue;
          }
          sum[0] += share * pixel.b;
          sum[1] += share * pixel.g;
          sum[2] += share * pixel.r;
        }
      }
      if (key && 2 * keyed >= area) {
        *out++ = key->b;
        *out++ = key->g;
        *out++ = key->r;
        continue;
      }
      for (const std::int64_t channel : sum) *out++ = RoundedShare(channel, area - keyed);
    }
  }
  return result;
}

}  // namespace demodisc
