#include "config/profile_store.h"
#include "config/profile_keys.h"

#include <array>
#include <string_view>
#include <vector>

#include "config/ini_file.h"
#include "profile/profile_edit.h"
#include "util/decimal.h"

namespace k9 {

namespace {

constexpr std::string_view kInitSection = "Init";
constexpr std::size_t kShortBuffer = 5;   // values of at most 4 characters
constexpr std::size_t kDpiSetBuffer = 10; // DPI_SET and DPI_SET_EN: at most 9

// One key of a profile section. The table is in the order in which
// SaveProfile writes the keys, so a new section holds them in this order.
struct ProfileKey {
  const char* name;
  std::size_t bufferSize;
  std::int64_t (*get)(const Profile&);
  void (*set)(Profile&, std::int32_t);
};

template <int B>
constexpr ProfileKey ButtonKey(const char* name) {
  return {name, kShortBuffer, [](const Profile& p) -> std::int64_t { return p.buttonFunctions[B]; },
          [](Profile& p, std::int32_t v) { p.buttonFunctions[B] = v; }};
}

template <int L>
constexpr std::array<ProfileKey, 2> DpiKeys(const char* step, const char* enabled) {
  return {{{step, kDpiSetBuffer, [](const Profile& p) -> std::int64_t { return p.dpiSteps[L]; },
            [](Profile& p, std::int32_t v) { p.dpiSteps[L] = static_cast<std::uint8_t>(v); }},
           {enabled, kDpiSetBuffer, [](const Profile& p) -> std::int64_t { return p.dpiEnabled[L] != 0 ? 1 : 0; },
            [](Profile& p, std::int32_t v) { p.dpiEnabled[L] = v != 0 ? 1 : 0; }}}};
}

#define K9_INT_KEY(NAME, FIELD)                                                    \
  ProfileKey {                                                                     \
    NAME, kShortBuffer, [](const Profile& p) -> std::int64_t { return p.FIELD; },  \
        [](Profile& p, std::int32_t v) { p.FIELD = v; }                            \
  }
#define K9_BYTE_KEY(NAME, FIELD)                                                   \
  ProfileKey {                                                                     \
    NAME, kShortBuffer, [](const Profile& p) -> std::int64_t { return p.FIELD; },  \
        [](Profile& p, std::int32_t v) { p.FIELD = static_cast<std::uint8_t>(v); } \
  }

const std::array<ProfileKey, 23>& ProfileKeys() {
  static const std::array<ProfileKey, 23> keys = [] {
    const auto dpi0 = DpiKeys<0>("DPI_SET0", "DPI_SET_EN0");
    const auto dpi1 = DpiKeys<1>("DPI_SET1", "DPI_SET_EN1");
    const auto dpi2 = DpiKeys<2>("DPI_SET2", "DPI_SET_EN2");
    const auto dpi3 = DpiKeys<3>("DPI_SET3", "DPI_SET_EN3");
    return std::array<ProfileKey, 23>{
        ButtonKey<0>("K0"), ButtonKey<1>("K1"), ButtonKey<2>("K2"), ButtonKey<3>("K3"),
        ButtonKey<4>("K4"), ButtonKey<5>("K5"), ButtonKey<6>("K6"),
        K9_INT_KEY("DPI_LEVEL", dpiLevel),
        K9_INT_KEY("WHEEL_STATUS", wheelStatus),
        K9_INT_KEY("MACRO_MODE2", macroMode),
        dpi0[0], dpi0[1], dpi1[0], dpi1[1], dpi2[0], dpi2[1], dpi3[0], dpi3[1],
        K9_BYTE_KEY("LED_STATUS", ledMode),
        K9_BYTE_KEY("DPI_SPEED", pointerSpeed),
        K9_BYTE_KEY("WHEEL_SPEED", wheelSpeed),
        K9_BYTE_KEY("USB_SPEED", reportRate),
        K9_INT_KEY("FIRE_TIME", fireTime),
    };
  }();
  return keys;
}

#undef K9_INT_KEY
#undef K9_BYTE_KEY

const ProfileKey& KeyNamed(std::string_view name) {
  for (const auto& key : ProfileKeys()) {
    if (name == key.name) return key;
  }
  return ProfileKeys().front();  // unreachable for the names used below
}

void SaveKey(const std::filesystem::path& file, std::int32_t number, const ProfileKey& key, const Profile& profile) {
  WriteIniInt(file, ProfileSection(number), key.name, key.get(profile));
}

}  // namespace

std::vector<std::string_view> ProfileKeyNames() {
  std::vector<std::string_view> names;
  for (const auto& key : ProfileKeys()) names.emplace_back(key.name);
  return names;
}

std::string ProfileSection(std::int32_t number) { return "Config" + std::to_string(number); }

std::string FactorySection(std::int32_t number, UiLanguage language) {
  if (number == 5 && language == kEnglish) return "CfgReset_EN5";
  return "CfgReset" + std::to_string(number);
}

void LoadProfile(const std::filesystem::path& file, std::int32_t number, bool fromReset, UiLanguage language,
                 Profile& profile) {
  const std::string section = fromReset ? FactorySection(number, language) : ProfileSection(number);
  const IniText text = ReadIniFile(file);  // all keys from one version of the file
  for (const auto& key : ProfileKeys()) key.set(profile, ParseDecimal(ReadIniValue(text, section, key.name, key.bufferSize)));
}

// The 23 keys go to the file in one replacement, so that a profile on disk is
// never half old and half new; the bytes are those of 23 single writes.
void SaveProfile(const std::filesystem::path& file, std::int32_t number, const Profile& profile) {
  std::vector<IniEntry> entries;
  entries.reserve(ProfileKeys().size());
  for (const auto& key : ProfileKeys()) entries.push_back({key.name, FormatDecimal(key.get(profile))});
  WriteIniSection(file, ProfileSection(number), entries);
}

void SaveDpiLevel(const std::filesystem::path& file, std::int32_t number, const Profile& profile) {
  SaveKey(file, number, KeyNamed("DPI_LEVEL"), profile);
}

void SaveReportRate(const std::filesystem::path& file, std::int32_t number, const Profile& profile) {
  SaveKey(file, number, KeyNamed("USB_SPEED"), profile);
}

std::int32_t ReadCurConfig(const std::filesystem::path& file) {
  return ReadIniInt(file, kInitSection, "CurConfig", kShortBuffer);
}

void SaveCurConfig(const std::filesystem::path& file, std::int32_t number) {
  WriteIniInt(file, kInitSection, "CurConfig", number);
}

UiLanguage ReadLanguage(const std::filesystem::path& file) {
  return static_cast<UiLanguage>(ReadIniInt(file, kInitSection, "VER_SEL", kShortBuffer) & 0xFF);
}

void SaveLanguage(const std::filesystem::path& file, UiLanguage language) {
  WriteIniInt(file, kInitSection, "VER_SEL", IsEnglish(language) ? 1 : 0);
}

void ResetAllProfiles(const std::filesystem::path& configPath, ProfileState& state, UiLanguage language) {
  ResetProfileToFactory(state.profile);
  SaveProfile(configPath, kFirstUserProfile, state.profile);
  for (std::int32_t n = kLastUserProfile; n > kFirstUserProfile; --n) {
    LoadProfile(configPath, n, true, language, state.profile);
    SaveProfile(configPath, n, state.profile);
  }
  LoadProfile(configPath, state.curConfig, false, language, state.profile);
}

void ExportProfile(const std::filesystem::path& file, const Profile& profile) {
  SaveProfile(file, kTransferProfile, profile);
}

void ImportProfile(const std::filesystem::path& file, Profile& profile) {
  LoadProfile(file, kTransferProfile, false, kChinese, profile);
}

}  // namespace k9
