#include "config/ini_file.h"

#include <atomic>
#include <fstream>
#include <mutex>
#include <optional>
#include <random>
#include <system_error>
#include <vector>

#include "util/decimal.h"
#include "util/text_encoding.h"

namespace k9 {

namespace fs = std::filesystem;

namespace {

// The contents of one INI file, split into lines without their line ends.
struct IniText {
  std::vector<std::string> lines;
  TextEncoding encoding = TextEncoding::Utf8;
  std::string newline = "\r\n";
};

struct Location {
  std::size_t sectionLine = 0;  // index of the [section] line
  std::size_t endLine = 0;      // one past the last line of the section
  std::optional<std::size_t> keyLine;
};

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

std::string_view Trim(std::string_view s) {
  const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

// The name of a [section] line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  line.remove_prefix(1);
  const auto close = line.find(']');
  return Trim(line.substr(0, close));
}

struct KeyValue {
  std::string_view key;
  std::string_view value;
};

std::optional<KeyValue> SplitKeyLine(std::string_view line) {
  const auto eq = line.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return KeyValue{Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))};
}

std::optional<Location> Find(const IniText& text, std::string_view section, std::string_view key) {
  const auto& lines = text.lines;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = SectionName(lines[i]);
    if (!name || !EqualNoCase(*name, section)) continue;
    Location where;
    where.sectionLine = i;
    std::size_t j = i + 1;
    for (; j < lines.size() && !SectionName(lines[j]); ++j) {
      if (where.keyLine) continue;
      const auto kv = SplitKeyLine(lines[j]);
      if (kv && EqualNoCase(kv->key, key)) where.keyLine = j;
    }
    where.endLine = j;
    return where;
  }
  return std::nullopt;
}

IniText Parse(std::string_view bytes) {
  DecodedText decoded = DecodeText(bytes);
  IniText text;
  text.encoding = decoded.encoding;
  const std::string& s = decoded.utf8;
  text.newline = (s.find("\r\n") != std::string::npos || s.find('\n') == std::string::npos) ? "\r\n" : "\n";
  std::size_t start = 0;
  while (start < s.size()) {
    auto end = s.find('\n', start);
    if (end == std::string::npos) end = s.size();
    std::string_view line(s.data() + start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    text.lines.emplace_back(line);
    start = end + 1;
  }
  return text;
}

std::string Serialise(const IniText& text) {
  std::string utf8;
  for (const auto& line : text.lines) {
    utf8 += line;
    utf8 += text.newline;
  }
  return EncodeText(utf8, text.encoding);
}

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

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

bool IsWritableEntry(std::string_view section, std::string_view key, std::string_view value) {
  if (Trim(section).empty() || Trim(key).empty()) return false;
  if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) return false;
  if (section.find(']') != std::string_view::npos) return false;
  if (key.find('=') != std::string_view::npos) return false;
  // A key that starts with '[' would read back as a section header.
  return Trim(key).front() != '[';
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

std::vector<std::string> ReadIniSection(const fs::path& file, std::string_view section,
                                        const std::vector<IniRequest>& requests) {
  std::vector<std::string> values(requests.size());
  const auto bytes = ReadBytes(file);
  if (!bytes) return values;
  const IniText text = Parse(*bytes);
  for (std::size_t i = 0; i < requests.size(); ++i) {
    if (requests[i].bufferSize == 0) continue;
    const auto where = Find(text, Trim(section), Trim(requests[i].key));
    if (!where || !where->keyLine) continue;
    const auto value = SplitKeyLine(text.lines[*where->keyLine])->value;
    values[i] = std::string(TruncateToUtf16Units(value, requests[i].bufferSize - 1));
  }
  return values;
}

std::string ReadIniString(const fs::path& file, std::string_view section, std::string_view key,
                          std::size_t bufferSize) {
  return ReadIniSection(file, section, {IniRequest{key, bufferSize}}).front();
}

std::int32_t ReadIniInt(const fs::path& file, std::string_view section, std::string_view key,
                        std::size_t bufferSize) {
  return ParseDecimal(ReadIniString(file, section, key, bufferSize));
}

namespace {

// Puts key=value into the parsed text, in place or at the end of its section.
void SetEntry(IniText& text, std::string_view section, std::string_view key, std::string_view value) {
  std::string entry = std::string(key) + "=" + std::string(value);
  if (const auto where = Find(text, section, key)) {
    if (where->keyLine) {
      const auto existingKey = SplitKeyLine(text.lines[*where->keyLine])->key;
      text.lines[*where->keyLine] = std::string(existingKey) + "=" + std::string(value);
    } else {
      std::size_t insertAt = where->endLine;
      while (insertAt > where->sectionLine + 1 && Trim(text.lines[insertAt - 1]).empty()) --insertAt;
      text.lines.insert(text.lines.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(entry));
    }
  } else {
    text.lines.push_back("[" + std::string(section) + "]");
    text.lines.push_back(std::move(entry));
  }
}

}  // namespace

bool WriteIniSection(const fs::path& file, std::string_view section, const std::vector<IniEntry>& entries) {
  for (const auto& e : entries) {
    if (!IsWritableEntry(section, e.key, e.value)) return false;
  }
  section = Trim(section);

  std::lock_guard lock(WriterMutex());
  const fs::path target = ResolveLinks(file);
  std::error_code ec;
  const fs::file_status status = fs::status(target, ec);
  if (ec && status.type() != fs::file_type::not_found) return false;
  std::optional<fs::perms> existingPerms;

  IniText text;
  if (fs::exists(status)) {
    if (IsReadOnly(status.permissions())) return false;
    const auto bytes = ReadBytes(target);
    if (!bytes) return false;  // never replace a file we could not read
    text = Parse(*bytes);
    existingPerms = status.permissions();
  }
  for (const auto& e : entries) SetEntry(text, section, Trim(e.key), Trim(e.value));
  return ReplaceFile(target, Serialise(text), existingPerms);
}

bool WriteIniString(const fs::path& file, std::string_view section, std::string_view key,
                    std::string_view value) {
  return WriteIniSection(file, section, {IniEntry{std::string(key), std::string(value)}});
}

bool WriteIniInt(const fs::path& file, std::string_view section, std::string_view key, std::int64_t value) {
  return WriteIniString(file, section, key, FormatDecimal(value));
}

}  // namespace k9
