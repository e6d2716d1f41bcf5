// Moving the profile between memory and config.ini (or an exported profile
// file, which holds the same section format). Every load reads the file again
// and every save writes through at once; section names are built per call, so
// that a single-key save on the worker thread cannot redirect a load or save
// running on the UI thread. Failures are not reported: a missing file,
// section or key loads as 0.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "config/ui_language.h"
#include "profile/profile.h"

namespace k9 {

inline constexpr std::int32_t kStartupProfile = 0;   // loaded when [Init] has no CurConfig
inline constexpr std::int32_t kFirstUserProfile = 1;
inline constexpr std::int32_t kLastUserProfile = 5;
inline constexpr std::int32_t kMirrorProfile = 6;    // every apply writes the applied profile here
inline constexpr std::int32_t kTransferProfile = 7;  // the section of exported profile files

std::string ProfileSection(std::int32_t number);
// "CfgReset" + n, or "CfgReset_EN5" for profile 5 in English (language exactly 1).
std::string FactorySection(std::int32_t number, UiLanguage language);

// Reads section "Config" + n (or its factory section) into every field of
// the profile; nothing is applied.
void LoadProfile(const std::filesystem::path& file, std::int32_t number, bool fromReset, UiLanguage language,
                 Profile& profile);
// Writes the 23 keys of section "Config" + n, in the order of the key table,
// as one replacement of the file.
void SaveProfile(const std::filesystem::path& file, std::int32_t number, const Profile& profile);
void SaveDpiLevel(const std::filesystem::path& file, std::int32_t number, const Profile& profile);
void SaveReportRate(const std::filesystem::path& file, std::int32_t number, const Profile& profile);

// [Init] CurConfig and VER_SEL.
std::int32_t ReadCurConfig(const std::filesystem::path& file);
void SaveCurConfig(const std::filesystem::path& file, std::int32_t number);
UiLanguage ReadLanguage(const std::filesystem::path& file);
void SaveLanguage(const std::filesystem::path& file, UiLanguage language);

// Profile 1 from the built-in factory values, profiles 5..2 from their
// factory sections, then the current profile loaded again.
void ResetAllProfiles(const std::filesystem::path& configPath, ProfileState& state, UiLanguage language);

// The file side of the Export and Import commands (section [Config7]).
void ExportProfile(const std::filesystem::path& file, const Profile& profile);
void ImportProfile(const std::filesystem::path& file, Profile& profile);

}  // namespace k9
