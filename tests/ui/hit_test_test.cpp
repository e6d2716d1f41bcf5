// Hit tests on a skin table, and pictures kept between paints.
#include <gtest/gtest.h>

#include <QImage>
#include <limits>

#include "support/temp_dir.h"
#include "ui/hit_test.h"
#include "ui/picture_cache.h"

namespace k9::test {
namespace {

TEST(HitTest, HalfOpenRectanglesLowestIndexAndBoundedTables) {
  constexpr int kMax = std::numeric_limits<int>::max();
  const SkinEntry entries[] = {
      {10, 10, 20, 20, ""},   // 0
      {15, 15, 20, 20, ""},   // 1 overlaps 0
      {0, 0, 0, 50, ""},      // 2 empty
      {kMax - 5, kMax - 5, kMax, kMax, ""},  // 3 would overflow in 32 bits
      {-40, -40, 10, 10, ""},  // 4
  };
  struct Case {
    int x, y, last, expected;
  };
  const Case cases[] = {
      {10, 10, 4, 0}, {29, 29, 4, 0}, {30, 29, 4, 1}, {30, 30, 4, 1}, {35, 35, 4, kNoRegion}, {9, 10, 4, kNoRegion},
      {0, 10, 4, kNoRegion}, {kMax - 1, kMax - 1, 4, 3}, {kMax - 6, kMax - 1, 4, kNoRegion}, {-35, -31, 4, 4},
      {-35, -31, 3, kNoRegion},  // beyond `last`
      {30, 30, 0, kNoRegion},    {12, 12, 99, 0},  // `last` past the table is cut to it
  };
  for (const Case& c : cases) EXPECT_EQ(HitTest(entries, c.last, c.x, c.y), c.expected) << c.x << "," << c.y;
}

TEST(PictureCache, ReplacedFileShowsAtTheNextPaint) {
  TempDir dir;
  auto write = [&](QRgb color, int width) {
    QImage image(width, 8, QImage::Format_RGB32);
    image.fill(color);
    ASSERT_TRUE(image.save(QString::fromStdString((dir / "p.png").string()), "PNG"));
  };
  PictureCache cache;
  EXPECT_TRUE(cache.Get(dir.path(), "p.png").isNull()) << "a missing file is a null picture";
  write(qRgb(255, 0, 0), 8);
  EXPECT_EQ(cache.Get(dir.path(), "p.png").pixel(0, 0), qRgb(255, 0, 0));
  write(qRgb(0, 0, 255), 9);
  EXPECT_EQ(cache.Get(dir.path(), "p.png").pixel(0, 0), qRgb(0, 0, 255));
  std::filesystem::remove(dir / "p.png");
  EXPECT_TRUE(cache.Get(dir.path(), "p.png").isNull());
}

}  // namespace
}  // namespace k9::test
