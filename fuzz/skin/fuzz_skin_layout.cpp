// Arbitrary bytes as one of the four skin layout files of either language,
// read by its loader: no crash, tables stay whole, the built-in name holds.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "skin/skin_layout.h"

namespace {

class CountingSink final : public k9::MessageSink {
 public:
  void ShowMessage(const std::string&) override { ++count; }
  int count = 0;
};

const std::filesystem::path& SkinsDir() {
  static const std::filesystem::path dir = [] {
    auto d = std::filesystem::temp_directory_path() / ("k9-fuzz-skin-" + std::to_string(::getpid()));
    std::filesystem::create_directories(d / "INI_EN");
    std::filesystem::create_directories(d / "INI_CN");
    return d;
  }();
  return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto which = static_cast<k9::SkinFile>(data[0] & 3);
  const k9::UiLanguage language = (data[0] & 4) ? k9::kChinese : k9::kEnglish;
  const k9::SkinSource source{SkinsDir(), language};
  const auto file = k9::SkinFilePath(source, which);
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
  }
  CountingSink sink;
  int exits = 0;
  k9::SkinReadPorts ports{sink, [&] { ++exits; }};
  k9::SkinLayout layout;
  bool ok = false;
  switch (which) {
    case k9::SkinFile::Main: ok = k9::LoadMainSkin(layout, source, ports); break;
    case k9::SkinFile::Color: ok = k9::LoadColorSkin(layout, source, ports); break;
    case k9::SkinFile::Advanced: ok = k9::LoadAdvancedSkin(layout, source, ports); break;
    case k9::SkinFile::Warning: ok = k9::LoadWarningSkin(layout, source, ports); break;
  }
  if (!ok || exits != 0) __builtin_trap();  // the file is there
  if (which == k9::SkinFile::Main) {
    const std::string expected(language == k9::kEnglish ? k9::kReportRateSwitchNameEnglish
                                                        : k9::kReportRateSwitchNameChinese);
    if (layout.functionNames[14] != expected || !layout.functionNames[0].empty()) __builtin_trap();
  }
  if (which == k9::SkinFile::Advanced) {
    const auto& r = layout.macroNameBoxRect;
    if (r.left != r.x || r.top != r.y) __builtin_trap();
    if (r.width >= 0 && r.right < r.left) __builtin_trap();
  }
  // Texts hold at most 259 UTF-16 units, so at most 3 * 259 bytes of UTF-8.
  for (const auto& entry : layout.mainEntries) {
    if (entry.text.size() > 3 * 259) __builtin_trap();
  }
  return 0;
}
