// The shipped skin as data: both languages share one geometry, every region
// the program uses is there, inside the window and not hidden by another,
// and every picture decodes at its mask's size with visible states.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QRect>
#include <cmath>
#include <span>
#include <string>
#include <vector>

#include "skin/qt/skin_fonts.h"
#include "skin/qt/skin_image.h"
#include "skin/skin_layout.h"
#include "support/fakes.h"

namespace k9 {
namespace {

const std::filesystem::path kLayoutDir = std::filesystem::path(K9_DATA_DIR) / "skins";
const std::filesystem::path kPictureDir = K9_SKIN_PICTURES_DIR;

SkinLayout Load(UiLanguage language) {
  test::RecordingMessageSink sink;
  bool exited = false;
  SkinReadPorts ports{sink, [&] { exited = true; }};
  SkinLayout layout;
  EXPECT_TRUE(LoadSkinLayout(layout, SkinSource{kLayoutDir, language}, ports));
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_FALSE(exited);
  return layout;
}

QImage Picture(const char* name) {
  const QImage image = LoadSkinImage(kPictureDir, name);
  EXPECT_FALSE(image.isNull()) << name;
  return image.convertToFormat(QImage::Format_RGB32);
}

QRect Rect(const ControlRect& r) { return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)); }

struct Table {
  const char* name;
  std::span<const SkinEntry> entries;
};

class SkinDataTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    english = new SkinLayout(Load(kEnglish));
    chinese = new SkinLayout(Load(kChinese));
  }
  static void TearDownTestSuite() {
    delete english;
    delete chinese;
  }
  static SkinLayout* english;
  static SkinLayout* chinese;
};
SkinLayout* SkinDataTest::english = nullptr;
SkinLayout* SkinDataTest::chinese = nullptr;

std::vector<QRect> Geometry(std::span<const SkinEntry> entries) {
  std::vector<QRect> rects;
  for (const auto& e : entries) rects.emplace_back(e.x, e.y, e.width, e.height);
  return rects;
}

TEST_F(SkinDataTest, LanguagesShareOneGeometry) {
  const SkinLayout& en = *english;
  const SkinLayout& cn = *chinese;
  EXPECT_EQ(Geometry(en.mainEntries), Geometry(cn.mainEntries));
  EXPECT_EQ(Geometry(en.colorEntries), Geometry(cn.colorEntries));
  EXPECT_EQ(Geometry(en.advancedEntries), Geometry(cn.advancedEntries));
  EXPECT_EQ(Geometry(en.warningEntries), Geometry(cn.warningEntries));
  for (auto member : {&SkinLayout::repeatCountBoxRect, &SkinLayout::macroNameBoxRect, &SkinLayout::macroListRect,
                      &SkinLayout::eventListRect}) {
    EXPECT_EQ(en.*member, cn.*member);
  }
  // Both are complete, and the Chinese one really is Chinese.
  for (int code = 1; code <= 54; ++code) {
    EXPECT_FALSE(en.functionNames[code].empty()) << code;
    EXPECT_FALSE(cn.functionNames[code].empty()) << code;
  }
  EXPECT_NE(en.mainEntries[9].text, cn.mainEntries[9].text);
  for (const auto& entry : cn.warningEntries) EXPECT_FALSE(entry.text.empty());
  const char* presets[8][2] = {{"Copy", "复制"},         {"Paste", "粘贴"},           {"Undo", "撤销"},
                               {"Select All", "全选"},   {"Double Click", "双击"},    {"Switch Window", "切换窗口"},
                               {"Show Desktop", "显示桌面"}, {"Screenshot", "截屏"}};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(en.functionNames[31 + i], presets[i][0]);
    EXPECT_EQ(cn.functionNames[31 + i], presets[i][1]);
  }
}

// Indices that must have a rectangle, by table.
std::vector<int> Range(int first, int last) {
  std::vector<int> v;
  for (int i = first; i <= last; ++i) v.push_back(i);
  return v;
}

TEST_F(SkinDataTest, EveryUsedRegionIsInsideTheWindow) {
  const SkinLayout& layout = *english;
  const QImage mainMask = Picture("main_mask.jpg");
  const QImage warningMask = Picture("warning_mask.jpg");
  const QRegion mainWindow = BuildMaskRegion(mainMask);
  const QRegion warningWindow = BuildMaskRegion(warningMask);
  ASSERT_FALSE(mainWindow.isEmpty());

  std::vector<int> main = Range(0, 31);
  for (int i : {41, 42}) main.push_back(i);
  for (int i : Range(46, 57)) main.push_back(i);
  for (int i : Range(66, 121)) main.push_back(i);
  const struct {
    Table table;
    std::vector<int> required;
    const QRegion& window;
  } checks[] = {
      {{"main", layout.mainEntries}, main, mainWindow},
      {{"color", layout.colorEntries}, {0, 1, 2, 3, 4, 9, 11}, mainWindow},
      {{"advanced", layout.advancedEntries}, Range(0, 44), mainWindow},
      {{"warning", layout.warningEntries}, {0, 1, 2}, warningWindow},
  };
  for (const auto& check : checks) {
    for (int i : check.required) {
      const QRect r = ToQRect(check.table.entries[static_cast<std::size_t>(i)]);
      ASSERT_FALSE(r.isEmpty()) << check.table.name << " " << i;
      EXPECT_TRUE((QRegion(r) - check.window).isEmpty()) << check.table.name << " " << i << " leaves the window";
    }
    // Nothing placed at all lies outside the window either.
    for (std::size_t i = 0; i < check.table.entries.size(); ++i) {
      const QRect r = ToQRect(check.table.entries[i]);
      EXPECT_TRUE((QRegion(r) - check.window).isEmpty()) << check.table.name << " " << i;
    }
  }
  for (const auto& rect : {layout.repeatCountBoxRect, layout.macroNameBoxRect, layout.macroListRect, layout.eventListRect}) {
    ASSERT_FALSE(Rect(rect).isEmpty());
    EXPECT_TRUE((QRegion(Rect(rect)) - mainWindow).isEmpty());
  }
}

// The first overlap among the given regions (hit testing takes the lowest
// index, so any overlap would hide part of a region), as text.
std::string FirstOverlap(const std::vector<std::pair<std::string, QRect>>& regions) {
  for (std::size_t a = 0; a < regions.size(); ++a) {
    for (std::size_t b = a + 1; b < regions.size(); ++b) {
      if (regions[a].second.intersects(regions[b].second)) return regions[a].first + " overlaps " + regions[b].first;
    }
  }
  return {};
}

TEST_F(SkinDataTest, HitTestedRegionsDoNotHideEachOther) {
  const SkinLayout& layout = *english;
  const auto add = [](std::vector<std::pair<std::string, QRect>>& out, const char* name,
                      std::span<const SkinEntry> entries, int last) {
    for (int i = 0; i <= last; ++i) {
      const QRect r = ToQRect(entries[static_cast<std::size_t>(i)]);
      if (!r.isEmpty()) out.emplace_back(std::string(name) + " " + std::to_string(i), r);
    }
  };
  // Main page: everything hit-tested there.
  std::vector<std::pair<std::string, QRect>> mainPage;
  add(mainPage, "main", layout.mainEntries, 114);
  EXPECT_EQ(FirstOverlap(mainPage), "");
  // The other pages: the header, the page's own regions and, on the
  // advanced page, the four controls lying on top of everything.
  std::vector<std::pair<std::string, QRect>> colorPage;
  add(colorPage, "main", layout.mainEntries, 19);
  add(colorPage, "color", layout.colorEntries, 4);
  EXPECT_EQ(FirstOverlap(colorPage), "");
  std::vector<std::pair<std::string, QRect>> advancedPage;
  add(advancedPage, "main", layout.mainEntries, 19);
  add(advancedPage, "advanced", layout.advancedEntries, 37);
  for (const auto& rect : {layout.repeatCountBoxRect, layout.macroNameBoxRect, layout.macroListRect, layout.eventListRect}) {
    advancedPage.emplace_back("control", Rect(rect));
  }
  EXPECT_EQ(FirstOverlap(advancedPage), "");
  std::vector<std::pair<std::string, QRect>> warning;
  add(warning, "warning", layout.warningEntries, 1);
  EXPECT_EQ(FirstOverlap(warning), "");
  // The highlights sit on the mouse picture and apart from each other.
  std::vector<std::pair<std::string, QRect>> highlights;
  for (int i = 115; i <= 121; ++i) {
    const QRect r = ToQRect(layout.mainEntries[static_cast<std::size_t>(i)]);
    EXPECT_TRUE(ToQRect(layout.mainEntries[114]).contains(r)) << i;
    highlights.emplace_back("main " + std::to_string(i), r);
  }
  EXPECT_EQ(FirstOverlap(highlights), "");
}

// Mean absolute difference of two pictures over a rectangle, per channel.
double Difference(const QImage& a, const QImage& b, const QRect& r) {
  double sum = 0;
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
  }
  return sum / (3.0 * r.width() * r.height());
}

TEST_F(SkinDataTest, PicturesDecodeAtTheirMaskSizeAndShowEveryState) {
  const SkinLayout& layout = *english;
  const struct {
    const char* mask;
    std::vector<const char*> pictures;
    Table table;
  } windows[] = {
      {"main_mask.jpg", {"main_normal.jpg", "main_over.jpg", "main_down.jpg"}, {"main", layout.mainEntries}},
      {"main_mask.jpg", {"advanced_normal.jpg", "advanced_over.jpg", "advanced_down.jpg"}, {"advanced", layout.advancedEntries}},
      {"main_mask.jpg", {"color_normal_pink.jpg", "color_over_red.jpg", "color_down_purple.jpg"}, {"color", layout.colorEntries}},
      {"warning_mask.jpg", {"warning_normal.jpg", "warning_over.jpg"}, {"warning", layout.warningEntries}},
  };
  constexpr double kVisible = 3.0;  // mean difference in levels of 255
  for (const auto& window : windows) {
    const QImage mask = Picture(window.mask);
    std::vector<QImage> states;
    for (const char* name : window.pictures) {
      states.push_back(Picture(name));
      EXPECT_EQ(states.back().size(), mask.size()) << name;
    }
    if (states.front().size() != mask.size()) continue;
    for (std::size_t i = 0; i < window.table.entries.size(); ++i) {
      const QRect r = ToQRect(window.table.entries[i]);
      if (r.isEmpty()) continue;
      for (std::size_t s = 1; s < states.size(); ++s) {
        EXPECT_GT(Difference(states[0], states[s], r), kVisible) << window.pictures[s] << " region " << i;
      }
      if (states.size() == 3) {
        EXPECT_GT(Difference(states[1], states[2], r), kVisible) << window.table.name << " " << i;
      }
    }
  }
  for (const char* name : {"color_normal_gray.jpg", "color_over_blue.jpg"}) {
    EXPECT_EQ(Picture(name).size(), Picture("main_mask.jpg").size()) << name;
  }
}

TEST_F(SkinDataTest, LightingPicturesShowTheirColours) {
  const QRect preview = ToQRect(english->colorEntries[11]);
  const auto mean = [&](const char* name) {
    const QImage image = Picture(name);
    double r = 0, g = 0, b = 0;
    for (int y = preview.top(); y <= preview.bottom(); ++y) {
      for (int x = preview.left(); x <= preview.right(); ++x) {
        r += qRed(image.pixel(x, y));
        g += qGreen(image.pixel(x, y));
        b += qBlue(image.pixel(x, y));
      }
    }
    const double n = static_cast<double>(preview.width()) * preview.height();
    return std::array<double, 3>{r / n, g / n, b / n};
  };
  const auto dark = mean("color_normal_gray.jpg");
  struct Case {
    const char* name;
    bool redOverBlue;  // which of red and blue the light adds more of
    double ratio;      // by at least this factor
  } cases[] = {
      {"color_normal_pink.jpg", true, 1.05}, {"color_over_red.jpg", true, 2.0},
      {"color_down_purple.jpg", false, 1.3}, {"color_over_blue.jpg", false, 2.0},
  };
  for (const auto& c : cases) {
    const auto lit = mean(c.name);
    const double addedRed = lit[0] - dark[0];
    const double addedBlue = lit[2] - dark[2];
    EXPECT_GT(std::max(addedRed, addedBlue), 4.0) << c.name << ": the lit mouse is not lighter than the dark one";
    if (c.redOverBlue) {
      EXPECT_GT(addedRed, addedBlue * c.ratio) << c.name;
    } else {
      EXPECT_GT(addedBlue, addedRed * c.ratio) << c.name;
    }
  }
}

TEST_F(SkinDataTest, MenusAreColumnsOfRows) {
  const struct {
    const char* prefix;
    int rows;
    int windowHeight;
  } menus[] = {{"menu_", 10, 300}, {"advanced menu_", 12, 400}};
  for (const auto& menu : menus) {
    const std::string prefix = menu.prefix;
    const QImage mask = Picture((prefix + "mask.jpg").c_str());
    const int rowHeight = mask.height() / menu.rows;
    ASSERT_GT(rowHeight, 12) << prefix;
    EXPECT_LE(mask.width(), 300);
    EXPECT_LE(rowHeight * menu.rows + 1, menu.windowHeight);
    const QImage normal = Picture((prefix + "normal.jpg").c_str());
    const QImage over = Picture((prefix + "over.jpg").c_str());
    const QImage down = Picture((prefix + "down.jpg").c_str());
    for (const QImage* image : {&normal, &over, &down}) EXPECT_EQ(image->size(), mask.size()) << prefix;
    for (int row = 0; row < menu.rows; ++row) {
      const QRect r(0, row * rowHeight, mask.width(), rowHeight);
      EXPECT_GT(Difference(normal, over, r), 3.0) << prefix << row;
      EXPECT_GT(Difference(normal, down, r), 3.0) << prefix << row;
      EXPECT_GT(Difference(over, down, r), 3.0) << prefix << row;
    }
  }
}

TEST_F(SkinDataTest, MasksHaveCleanEdges) {
  for (const char* name : {"main_mask.jpg", "warning_mask.jpg", "menu_mask.jpg", "advanced menu_mask.jpg"}) {
    const QImage mask = Picture(name);
    long unclear = 0;
    for (int y = 0; y < mask.height(); ++y) {
      for (int x = 0; x < mask.width(); ++x) {
        const int grey = qGray(mask.pixel(x, y));
        unclear += (grey > 60 && grey < 195) ? 1 : 0;
      }
    }
    EXPECT_LT(unclear, static_cast<long>(mask.width()) * mask.height() / 1000 + 1) << name;
  }
}

}  // namespace
}  // namespace k9

namespace k9 {
namespace {

// Every text the program draws from the skin fits its rectangle in the
// language's font (the field names leave room for the drop-down arrow).
TEST_F(SkinDataTest, TextsFitTheirRegions) {
  for (const SkinLayout* layout : {english, chinese}) {
    const bool isEnglish = layout == english;
    const QFontMetrics metrics(isEnglish ? CreateEnglishFont() : CreateChineseFont());
    const auto fits = [&](const std::string& text, int width, const std::string& where) {
      const int advance = metrics.horizontalAdvance(QString::fromStdString(text));
      EXPECT_LE(advance, width) << (isEnglish ? "EN " : "CN ") << where << ": " << text;
    };
    for (int t = 0; t < 54; ++t) {
      if (t >= 25 && t <= 31) continue;
      const auto& e = layout->mainEntries[static_cast<std::size_t>(t)];
      fits(e.text, e.width, "main " + std::to_string(t));
    }
    for (std::size_t j = 0; j < layout->advancedEntries.size(); ++j) {
      fits(layout->advancedEntries[j].text, layout->advancedEntries[j].width, "advanced " + std::to_string(j));
    }
    for (const char* replacement : {"Record", "Stop", "录制", "停止"}) fits(replacement, layout->advancedEntries[4].width, "advanced 4");
    fits("300ms", layout->advancedEntries[33].width, "advanced 33");
    fits("[↓]255", layout->advancedEntries[43].width, "advanced 43");
    for (std::size_t j = 0; j < layout->colorEntries.size(); ++j) {
      fits(layout->colorEntries[j].text, layout->colorEntries[j].width, "color " + std::to_string(j));
    }
    fits("4800", layout->colorEntries[9].width, "color 9");
    for (std::size_t j = 0; j < layout->warningEntries.size(); ++j) {
      fits(layout->warningEntries[j].text, layout->warningEntries[j].width, "warning " + std::to_string(j));
    }
    const int fieldRoom = layout->mainEntries[25].width - 5 - 18;
    const int menuWidth = LoadSkinImage(kPictureDir, "menu_mask.jpg").width() - 16;
    for (int code = 1; code <= 54; ++code) {
      fits(layout->functionNames[code], std::min(fieldRoom, menuWidth), "function " + std::to_string(code));
    }
  }
}

}  // namespace
}  // namespace k9
