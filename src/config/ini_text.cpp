#include "config/ini_text.h"
#include "config/ini_sections.h"

#include <algorithm>
#include <optional>

namespace k9 {

namespace {

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

// Whether line is a key line of key (a trimmed name): the same as comparing
// the trimmed text before its first '=', without searching long values for
// an '=' first.
bool IsKeyLine(std::string_view line, std::string_view key) {
  line = Trim(line);
  if (line.size() <= key.size() || !EqualNoCase(line.substr(0, key.size()), key)) return false;
  if (key.find('=') != std::string_view::npos) return false;
  line.remove_prefix(key.size());
  while (line.front() == ' ' || line.front() == '\t') line.remove_prefix(1);  // the line ends in no blank
  return line.front() == '=';
}

// Only the first section of a name is searched, and in it the first key.
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
      if (IsKeyLine(lines[j], key)) where.keyLine = j;
    }
    where.endLine = j;
    return where;
  }
  return std::nullopt;
}

std::string NewlineOf(std::string_view s) {
  if (s.find("\r\n") != std::string_view::npos) return "\r\n";
  if (s.find('\n') != std::string_view::npos) return "\n";
  if (s.find('\r') != std::string_view::npos) return "\r";
  return "\r\n";
}

// The value as the reader returns it. Quotes of the same kind around the
// whole value are dropped; the closing one still takes its place in the
// buffer, so "abc" read into 4 units gives ab, as on Windows.
std::string_view CutValue(std::string_view value, std::size_t bufferSize) {
  const std::size_t room = bufferSize - 1;
  const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
  if (!quoted) return TruncateToUtf16Units(value, room);
  const std::string_view inner = value.substr(1);  // still with the closing quote
  const std::string_view cut = TruncateToUtf16Units(inner, room);
  if (bufferSize < Utf8ToUtf16(inner).size() || cut.empty()) return cut;
  // The whole value fits, or fills the buffer exactly: its last character goes.
  return TruncateToUtf16Units(cut, Utf8ToUtf16(cut).size() - 1);
}

// The first CR or LF at or after from (find_first_of would look each byte up
// in the set, far slower on long macro values).
std::size_t FindLineEnd(std::string_view s, std::size_t from) {
  const auto it = std::find_if(s.begin() + static_cast<std::ptrdiff_t>(std::min(from, s.size())), s.end(),
                               [](char c) { return c == '\r' || c == '\n'; });
  return it == s.end() ? std::string_view::npos : static_cast<std::size_t>(it - s.begin());
}

bool HasLineBreak(std::string_view s) { return FindLineEnd(s, 0) != std::string_view::npos; }

bool IsWritableEntry(std::string_view section, std::string_view key, std::string_view value) {
  if (Trim(section).empty() || Trim(key).empty()) return false;
  if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) return false;
  if (section.find(']') != std::string_view::npos) return false;
  if (key.find('=') != std::string_view::npos) return false;
  // A key that starts with '[' would read back as a section header.
  return Trim(key).front() != '[';
}

}  // namespace

IniText ParseIniText(std::string_view bytes) {
  DecodedText decoded = DecodeText(bytes);
  IniText text;
  text.encoding = decoded.encoding;
  const std::string& s = decoded.utf8;
  text.newline = NewlineOf(s);
  std::size_t start = 0;
  while (start < s.size()) {
    auto end = FindLineEnd(s, start);
    if (end == std::string::npos) end = s.size();
    text.lines.emplace_back(s, start, end - start);
    start = end + ((s.compare(end, 2, "\r\n") == 0) ? 2 : 1);
  }
  return text;
}

std::string SerialiseIniText(const IniText& text) {
  std::string utf8;
  for (const auto& line : text.lines) {
    utf8 += line;
    utf8 += text.newline;
  }
  return EncodeText(utf8, text.encoding);
}

std::vector<std::string> IniSectionNames(const IniText& text) {
  std::vector<std::string> names;
  for (const auto& line : text.lines) {
    if (const auto name = SectionName(line)) names.emplace_back(*name);
  }
  return names;
}

std::string ReadIniValue(const IniText& text, std::string_view section, std::string_view key,
                         std::size_t bufferSize) {
  if (bufferSize == 0) return {};
  const auto where = Find(text, Trim(section), Trim(key));
  if (!where || !where->keyLine) return {};
  return std::string(CutValue(SplitKeyLine(text.lines[*where->keyLine])->value, bufferSize));
}

bool SetIniValue(IniText& text, std::string_view section, std::string_view key, std::string_view value) {
  if (!IsWritableEntry(section, key, value)) return false;
  section = Trim(section);
  key = Trim(key);
  value = Trim(value);
  const auto where = Find(text, section, key);
  if (!where) {
    text.lines.push_back("[" + std::string(section) + "]");
    text.lines.push_back(std::string(key) + "=" + std::string(value));
  } else if (where->keyLine) {
    std::string& line = text.lines[*where->keyLine];
    line = std::string(SplitKeyLine(line)->key) + "=" + std::string(value);
  } else {
    // After the section's last entry: blank lines before the next section stay there.
    std::size_t insertAt = where->endLine;
    while (insertAt > where->sectionLine + 1 && Trim(text.lines[insertAt - 1]).empty()) --insertAt;
    text.lines.insert(text.lines.begin() + static_cast<std::ptrdiff_t>(insertAt),
                      std::string(key) + "=" + std::string(value));
  }
  return true;
}

}  // namespace k9
