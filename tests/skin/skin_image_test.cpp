// Decoding skin pictures safely, mask regions as QRegion, the copy
// primitive and the two fonts.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QRawFont>
#include <random>

#include "skin/qt/skin_fonts.h"
#include "skin/qt/skin_image.h"
#include "support/temp_dir.h"

namespace k9 {
namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "k9_skin_qt_tests";
    static char* argv[] = {name, nullptr};
    app = new QGuiApplication(argc, argv);
  }
  void TearDown() override { delete app; }
  QGuiApplication* app = nullptr;
};
const auto* const kQt = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

std::string Encode(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format, 90);
  return bytes.toStdString();
}

QImage Gradient(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, 128));
  }
  return image;
}

class LoadSkinImageTest : public ::testing::Test {
 protected:
  std::filesystem::path Write(const char* name, const std::string& bytes) {
    test::WriteFileBytes(dir / name, bytes);
    return dir / name;
  }
  test::TempDir dir;
};

TEST_F(LoadSkinImageTest, DecodesByContent) {
  const std::string jpeg = Encode(Gradient(64, 48), "JPG");
  EXPECT_EQ(LoadSkinImage(Write("main_normal.jpg", jpeg)).size(), QSize(64, 48));
  // A PNG under a .jpg name still decodes, as the platform decoder does.
  const QImage png = LoadSkinImage(Write("renamed.jpg", Encode(Gradient(10, 7), "PNG")));
  ASSERT_EQ(png.size(), QSize(10, 7));
  EXPECT_EQ(png.pixel(9, 6), Gradient(10, 7).pixel(9, 6));
  EXPECT_EQ(LoadSkinImage(dir.path(), "main_normal.jpg").size(), QSize(64, 48));
}

TEST_F(LoadSkinImageTest, BadFilesGiveNoPicture) {
  const std::string jpeg = Encode(Gradient(64, 48), "JPG");
  // A 10000 x 10000 mask is small on disk but refused before it is decoded.
  QImage huge(10000, 10000, QImage::Format_Mono);
  huge.fill(1);
  const std::string hugePng = Encode(huge, "PNG");
  ASSERT_FALSE(hugePng.empty());
  EXPECT_TRUE(LoadSkinImage(dir / "missing.jpg").isNull());
  EXPECT_TRUE(LoadSkinImage(dir.path()).isNull());  // a folder
  EXPECT_TRUE(LoadSkinImage(Write("empty.jpg", "")).isNull());
  EXPECT_TRUE(LoadSkinImage(Write("text.jpg", "[BUTTONPOS]\n0=1,2,3\n")).isNull());
  EXPECT_TRUE(LoadSkinImage(Write("huge.png", hugePng)).isNull());
  EXPECT_TRUE(LoadSkinImage(Write("header.jpg", jpeg.substr(0, 20))).isNull());
  // A JPEG cut in the middle: either nothing or a picture of the stated size.
  const QImage cut = LoadSkinImage(Write("cut.jpg", jpeg.substr(0, jpeg.size() / 2)));
  EXPECT_TRUE(cut.isNull() || cut.size() == QSize(64, 48));
}

TEST(MaskQRegion, SamePixelsAsTheCore) {
  std::mt19937 random(3);
  for (int round = 0; round < 20; ++round) {
    const int w = 1 + static_cast<int>(random() % 40);
    const int h = 1 + static_cast<int>(random() % 30);
    QImage mask(w, h, QImage::Format_Grayscale8);  // as grayscale JPEG masks load
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) mask.setPixel(x, y, ((x / 3 + y / 2 + round) % 3 == 0) ? qRgb(230, 230, 230) : qRgb(20, 20, 20));
    }
    QRegion extra(-1, -1, 5, 5);
    const QRegion region = BuildMaskRegion(mask, &extra);
    QRegion expectedWindow;
    QRegion expectedExtra(-1, -1, 5, 5);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        if (qGray(mask.pixel(x, y)) > 100) {
          expectedExtra ^= QRegion(x, y, 1, 1);
        } else {
          expectedWindow += QRegion(x, y, 1, 1);
        }
      }
    }
    EXPECT_TRUE((region ^ expectedWindow).isEmpty()) << round;
    EXPECT_TRUE((extra ^ expectedExtra).isEmpty()) << round;
  }
  EXPECT_TRUE(BuildMaskRegion(QImage()).isEmpty());
  QImage dot(1, 1, QImage::Format_RGB32);
  dot.fill(Qt::black);
  EXPECT_EQ(BuildMaskRegion(dot), QRegion(0, 0, 1, 1));
}

TEST(MainWindowRegions, CutsTheControlsOutOfTheRepaintRegion) {
  QImage mask(60, 40, QImage::Format_Grayscale8);
  mask.fill(10);
  for (int x = 0; x < 60; ++x) mask.setPixel(x, 0, qRgb(250, 250, 250));  // a transparent top row
  SkinLayout layout;
  layout.macroNameBoxRect = MakeControlRect(5, 5, 10, 10);
  layout.eventListRect = MakeControlRect(20, 5, 10, 10);
  layout.macroListRect = MakeControlRect(35, 5, 10, 10);
  layout.repeatCountBoxRect = MakeControlRect(50, 5, 5, 5);
  const MainWindowRegions regions = BuildMainWindowRegions(mask, layout);
  EXPECT_EQ(regions.maskSize, QSize(60, 40));
  EXPECT_TRUE((regions.window ^ QRegion(0, 1, 60, 39)).isEmpty());
  const QRegion expected = QRegion(0, 1, 60, 39) - QRegion(5, 5, 10, 10) - QRegion(20, 5, 10, 10) - QRegion(35, 5, 10, 10);
  EXPECT_TRUE((regions.pageRepaintRegion ^ expected).isEmpty());
  const MainWindowRegions none = BuildMainWindowRegions(QImage(), layout);
  EXPECT_TRUE(none.maskSize.isEmpty());
  EXPECT_TRUE(none.window.isEmpty());
}

TEST(CopySkinRect, CopiesOneRectangleUnblended) {
  QImage source(20, 10, QImage::Format_ARGB32);
  source.fill(qRgba(200, 10, 10, 100));  // half transparent: must not be blended
  const std::array<SkinEntry, 5> entries = {{
      {2, 3, 4, 5, "in"},
      {18, 8, 10, 10, "past the source's edge"},
      {5, 5, -3, 4, "negative width"},
      {2147483640, 0, 100, 100, "far away"},
      {0, 0, 0, 0, ""},
  }};
  struct Case {
    int index;
    QRect copied;
  } cases[] = {{0, QRect(2, 3, 4, 5)}, {1, QRect(18, 8, 2, 2)}, {2, QRect()}, {3, QRect()},
               {4, QRect()},           {-1, QRect()},           {5, QRect()}};
  for (const auto& c : cases) {
    QImage target(30, 20, QImage::Format_ARGB32);
    target.fill(qRgba(0, 0, 255, 255));
    {
      QPainter p(&target);
      CopySkinRect(p, source, entries, c.index);
    }
    for (int y = 0; y < target.height(); ++y) {
      for (int x = 0; x < target.width(); ++x) {
        const QRgb expected = c.copied.contains(x, y) ? source.pixel(0, 0) : qRgba(0, 0, 255, 255);
        ASSERT_EQ(target.pixel(x, y), expected) << c.index << " at " << x << "," << y;
      }
    }
  }
}

TEST(SkinFonts, FallbacksKeepTheirKind) {
  const QFont english = CreateEnglishFont();
  EXPECT_EQ(english.families().front(), QStringLiteral("zavadozoru"));
  EXPECT_TRUE(QFontInfo(english).fixedPitch()) << QFontInfo(english).family().toStdString();
  EXPECT_LE(QFontMetrics(english).height(), kEnglishFontCellHeight);
  EXPECT_GE(QFontMetrics(english).height(), kEnglishFontCellHeight - 3);
  EXPECT_EQ(QFontMetrics(english).horizontalAdvance(QStringLiteral("iiii")),
            QFontMetrics(english).horizontalAdvance(QStringLiteral("WWWW")));
  EXPECT_LE(QFontMetrics(english).horizontalAdvance(QStringLiteral("x")), kEnglishFontCharacterWidth);
  EXPECT_GE(QFontMetrics(english).horizontalAdvance(QStringLiteral("x")), kEnglishFontCharacterWidth - 1);

  const QFont chinese = CreateChineseFont();
  EXPECT_EQ(chinese.families().front(), QString::fromUtf8("宋体"));
  EXPECT_EQ(QFontMetrics(chinese).horizontalAdvance(QString::fromUtf8("回")), kChineseFontEm);
  const QRawFont raw = QRawFont::fromFont(chinese, QFontDatabase::SimplifiedChinese);
  EXPECT_TRUE(raw.supportsCharacter(QChar(0x56DE)));  // 回
  EXPECT_TRUE(raw.supportsCharacter(QChar(0x7387)));  // 率
  for (const QFont& font : {english, chinese}) {
    EXPECT_EQ(font.weight(), QFont::Normal);
    EXPECT_FALSE(font.italic() || font.underline() || font.strikeOut());
  }
}

}  // namespace
}  // namespace k9
