// The program's pictures loaded for a scale: the 96-dpi set at 96 dpi, the
// set drawn for the resolution reduced to the scaled size elsewhere, and the
// 96-dpi picture at its own size where a picture has no larger set.
#include <gtest/gtest.h>

#include "resource_ids.h"
#include "ui/look/picture_resources.h"

namespace demodisc {
namespace {

struct LoadRow {
  UINT id;
  int dpi;
  PictureLook look;
  SIZE expected;
};

TEST(PictureResources, EachPictureLoadsAtTheScaledSizeOrItsOwnWhereItHasNoLargerSet) {
  const LoadRow rows[] = {
      {IDB_CATALOGUE, 96, {.tiles = 26}, {832, 32}},
      {IDB_CATALOGUE, 120, {.tiles = 26}, {26 * 40, 40}},  // the 150 % set reduced
      {IDB_CATALOGUE, 144, {.tiles = 26}, {26 * 48, 48}},  // the 150 % set itself
      {IDB_CATALOGUE, 168, {.tiles = 26}, {26 * 56, 56}},  // the 200 % set reduced
      {IDB_CATALOGUE, 288, {.tiles = 26}, {26 * 64, 64}},  // never enlarged
      {IDB_WORKER, 168, {.transparent = false}, {471, 473}},
      {IDB_CLOSE, 192, {}, {44, 44}},
      {IDB_VIDEO_TOOLBAR, 144, {.tiles = 3}, {48, 16}},  // no larger set
  };
  for (const LoadRow& r : rows) {
    SCOPED_TRACE(::testing::Message() << r.id << " at " << r.dpi);
    const SIZE size = BitmapSize(LoadPicture(r.id, UiScale(r.dpi), r.look).get());
    EXPECT_EQ(size.cx, r.expected.cx);
    EXPECT_EQ(size.cy, r.expected.cy);
  }
}

TEST(PictureResources, AMissingPictureLoadsNothingAtAnyScale) {
  for (int dpi : {96, 144, 192}) {
    EXPECT_FALSE(LoadPicture(4321, UiScale(dpi)));
    EXPECT_EQ(PictureResourceSize(4321).cx, 0);
  }
  EXPECT_EQ(PictureResourceSize(IDB_WORKER).cx, 269);
  EXPECT_EQ(PictureResourceSize(IDB_WORKER).cy, 270);
}

TEST(PictureResources, AReducedPictureKeepsItsTransparentCornerUnblended) {
  const OwnedBitmap bitmap = LoadPicture(IDB_MAGNIFIER, UiScale(120));
  ASSERT_TRUE(bitmap);
  const HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, bitmap.get());
  EXPECT_EQ(GetPixel(dc, 0, 39), RGB(255, 0, 255));
  EXPECT_EQ(GetPixel(dc, 39, 0), RGB(255, 0, 255));
  SelectObject(dc, old);
  DeleteDC(dc);
}

}  // namespace
}  // namespace demodisc
