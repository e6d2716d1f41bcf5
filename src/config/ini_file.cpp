#include "config/ini_file.h"

#include <atomic>
#include <fstream>
#include <mutex>
#include <optional>
#include <random>
#include <system_error>
#include <vector>

#include "util/decimal.h"

namespace k9 {

namespace fs = std::filesystem;

namespace {

// The whole file, or nothing when it is missing, not a regular file (a
// folder, or a pipe that would block) or cannot be read.
std::optional<std::string> ReadBytes(const fs::path& file) {
  std::error_code ec;
  if (!fs::is_regular_file(file, ec)) return std::nullopt;
  try {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes;
    char chunk[16384];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return std::nullopt;
    return bytes;
  } catch (const std::exception&) {
    return std::nullopt;  // the stream library reports some read errors by throwing
  }
}

// A file whose write permission bits are all clear is read-only, as the
// read-only attribute is on Windows; checked on the bits so that a program
// running as root does not overwrite it either.
bool IsReadOnly(fs::perms perms) {
  constexpr auto kWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  return (perms & kWrite) == fs::perms::none;
}

fs::path TemporarySibling(const fs::path& target) {
  static std::atomic<unsigned> counter{0};
  thread_local std::mt19937 random{std::random_device{}()};
  const auto name = "." + target.filename().string() + ".tmp" + std::to_string(random() % 1000000) + "-" +
                    std::to_string(counter.fetch_add(1));
  return target.parent_path() / name;
}

// Replaces target's contents by bytes through a temporary file and a rename.
bool ReplaceFile(const fs::path& target, const std::string& bytes, std::optional<fs::perms> keepPerms) {
  const fs::path temporary = TemporarySibling(target);
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      fs::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code ec;
  if (keepPerms) fs::permissions(temporary, *keepPerms, ec);
  fs::rename(temporary, target, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return false;
  }
  return true;
}

// Writes go to the file a symbolic link points to, so the link survives.
fs::path ResolveLinks(const fs::path& file) {
  std::error_code ec;
  fs::path target = file;
  for (int hops = 0; hops < 40 && fs::symlink_status(target, ec).type() == fs::file_type::symlink; ++hops) {
    const fs::path link = fs::read_symlink(target, ec);
    if (ec) break;
    target = link.is_absolute() ? link : target.parent_path() / link;
  }
  return target;
}

std::mutex& WriterMutex() {
  static std::mutex mutex;
  return mutex;
}

}  // namespace

IniText ReadIniFile(const fs::path& file) { return ParseIniText(ReadBytes(file).value_or("")); }

std::string ReadIniString(const fs::path& file, std::string_view section, std::string_view key,
                          std::size_t bufferSize) {
  return ReadIniValue(ReadIniFile(file), section, key, bufferSize);
}

std::int32_t ReadIniInt(const fs::path& file, std::string_view section, std::string_view key,
                        std::size_t bufferSize) {
  return ParseDecimal(ReadIniString(file, section, key, bufferSize));
}

bool WriteIniSection(const fs::path& file, std::string_view section, const std::vector<IniEntry>& entries) {
  std::lock_guard lock(WriterMutex());
  const fs::path target = ResolveLinks(file);
  std::error_code ec;
  const fs::file_status status = fs::status(target, ec);
  if (ec && status.type() != fs::file_type::not_found) return false;
  std::optional<fs::perms> existingPerms;
  std::optional<std::string> before;
  if (fs::exists(status)) {
    if (IsReadOnly(status.permissions())) return false;
    before = ReadBytes(target);
    if (!before) return false;  // never replace a file we could not read
    existingPerms = status.permissions();
  }
  IniText text = ParseIniText(before.value_or(""));
  for (const auto& e : entries) {
    if (!SetIniValue(text, section, e.key, e.value)) return false;  // nothing is written then
  }
  const std::string after = SerialiseIniText(text);
  if (after == before) return true;  // rewriting a value a key already has leaves the file alone
  return ReplaceFile(target, after, existingPerms);
}

bool WriteIniString(const fs::path& file, std::string_view section, std::string_view key,
                    std::string_view value) {
  return WriteIniSection(file, section, {IniEntry{std::string(key), std::string(value)}});
}

bool WriteIniInt(const fs::path& file, std::string_view section, std::string_view key, std::int64_t value) {
  return WriteIniString(file, section, key, FormatDecimal(value));
}

}  // namespace k9
