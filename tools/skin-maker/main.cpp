// skin-maker: draws every picture of the default skin from its layout files.
//   skin-maker --layout <skins folder with INI_EN> --out <folder> [--preview <folder>]
// Runs without a display (offscreen platform).
#include <QGuiApplication>
#include <QSaveFile>
#include <QString>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "pages.h"
#include "preview.h"
#include "skin/skin_layout.h"

namespace {

class StderrSink final : public k9::MessageSink {
 public:
  void ShowMessage(const std::string& text) override {
    std::fprintf(stderr, "skin-maker: %s\n", text.c_str());
    failed = true;
  }
  bool failed = false;
};

bool Save(const QImage& image, const std::filesystem::path& file, int quality) {
  QSaveFile out(QString::fromStdString(file.string()));
  if (!out.open(QIODevice::WriteOnly)) return false;
  const char* format = file.extension() == ".png" ? "PNG" : "JPG";
  if (!image.save(&out, format, quality)) {
    out.cancelWriting();
    return false;
  }
  return out.commit();
}

struct Picture {
  const char* name;
  QImage image;
  int quality;
};

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  std::filesystem::path layoutDir;
  std::filesystem::path outDir;
  std::filesystem::path previewDir;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--layout") layoutDir = argv[i + 1];
    else if (option == "--out") outDir = argv[i + 1];
    else if (option == "--preview") previewDir = argv[i + 1];
  }
  if (layoutDir.empty() || (outDir.empty() && previewDir.empty())) {
    std::fprintf(stderr, "usage: skin-maker --layout <skins folder> --out <folder> [--preview <folder>]\n");
    return 2;
  }

  StderrSink sink;
  k9::SkinReadPorts ports{sink, nullptr};
  k9::SkinLayout layout;
  if (!k9::LoadSkinLayout(layout, k9::SkinSource{layoutDir, k9::kEnglish}, ports) || sink.failed) return 1;

  using skinmaker::State;
  namespace lit = skinmaker::lighting;
  if (!outDir.empty()) {
    const std::vector<Picture> pictures = {
        {"main_mask.jpg", skinmaker::DrawMainMask(), 100},
        {"main_normal.jpg", skinmaker::DrawMainPage(layout, State::Normal), 92},
        {"main_over.jpg", skinmaker::DrawMainPage(layout, State::Over), 92},
        {"main_down.jpg", skinmaker::DrawMainPage(layout, State::Down), 92},
        {"advanced_normal.jpg", skinmaker::DrawAdvancedPage(layout, State::Normal), 92},
        {"advanced_over.jpg", skinmaker::DrawAdvancedPage(layout, State::Over), 92},
        {"advanced_down.jpg", skinmaker::DrawAdvancedPage(layout, State::Down), 92},
        {"color_normal_pink.jpg", skinmaker::DrawColorPage(layout, State::Normal, lit::kPink), 92},
        {"color_over_red.jpg", skinmaker::DrawColorPage(layout, State::Over, lit::kRed), 92},
        {"color_down_purple.jpg", skinmaker::DrawColorPage(layout, State::Down, lit::kPurple), 92},
        {"color_normal_gray.jpg", skinmaker::DrawColorPage(layout, State::Normal, QColor()), 92},
        {"color_over_blue.jpg", skinmaker::DrawColorPage(layout, State::Over, lit::kBlue), 92},
        {"menu_mask.jpg", skinmaker::DrawMenuMask(skinmaker::kMenuRows), 100},
        {"menu_normal.jpg", skinmaker::DrawMenu(skinmaker::kMenuRows, State::Normal, 7, 10), 92},
        {"menu_over.jpg", skinmaker::DrawMenu(skinmaker::kMenuRows, State::Over, 7, 10), 92},
        {"menu_down.jpg", skinmaker::DrawMenu(skinmaker::kMenuRows, State::Down, 7, 10), 92},
        {"advanced menu_mask.jpg", skinmaker::DrawMenuMask(skinmaker::kSubMenuRows), 100},
        {"advanced menu_normal.jpg", skinmaker::DrawMenu(skinmaker::kSubMenuRows, State::Normal, 0, -1), 92},
        {"advanced menu_over.jpg", skinmaker::DrawMenu(skinmaker::kSubMenuRows, State::Over, 0, -1), 92},
        {"advanced menu_down.jpg", skinmaker::DrawMenu(skinmaker::kSubMenuRows, State::Down, 0, -1), 92},
        {"warning_mask.jpg", skinmaker::DrawWarningMask(), 100},
        {"warning_normal.jpg", skinmaker::DrawWarning(layout, State::Normal), 92},
        {"warning_over.jpg", skinmaker::DrawWarning(layout, State::Over), 92},
    };
    std::error_code ec;
    std::filesystem::create_directories(outDir, ec);
    for (const auto& picture : pictures) {
      if (!Save(picture.image, outDir / picture.name, picture.quality)) {
        std::fprintf(stderr, "skin-maker: cannot write %s\n", (outDir / picture.name).string().c_str());
        return 1;
      }
    }
  }
  if (!previewDir.empty()) {
    k9::SkinLayout chinese;
    if (!k9::LoadSkinLayout(chinese, k9::SkinSource{layoutDir, k9::kChinese}, ports) || sink.failed) return 1;
    std::error_code ec;
    std::filesystem::create_directories(previewDir, ec);
    for (const auto& [name, image] : skinmaker::DrawPreviews(layout, chinese)) {
      // Quality 0 is the strongest PNG compression: the renderings are committed.
      if (!Save(image.convertToFormat(QImage::Format_RGB888), previewDir / name, 0)) return 1;
    }
  }
  return 0;
}
