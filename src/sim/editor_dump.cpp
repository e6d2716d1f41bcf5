#include "sim/editor_dump.h"

#include <cstdio>

#include "util/text_encoding.h"

namespace k9::sim {

namespace {

void AppendStringList(std::string& out, const std::vector<std::string>& texts) {
  out += '[';
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (i) out += ',';
    out += JsonString(texts[i]);
  }
  out += ']';
}

}  // namespace

std::string JsonString(std::string_view utf8) {
  // A round trip through UTF-16 turns malformed bytes into U+FFFD, so the
  // line stays valid JSON whatever a control held.
  const std::string text = Utf16ToUtf8(Utf8ToUtf16(utf8));
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  out += '"';
  return out;
}

std::string EditorJson(const EditorSnapshot& s) {
  const auto number = [](int value) { return std::to_string(value); };
  const auto flag = [](bool value) { return std::string(value ? "true" : "false"); };
  std::string out = "{\"macros\":";
  AppendStringList(out, s.macros);
  out += ",\"macroSelection\":" + number(s.macroSelection);
  out += ",\"name\":" + JsonString(s.name);
  out += ",\"repeat\":" + JsonString(s.repeat);
  out += ",\"repeatEnabled\":" + flag(s.repeatEnabled);
  out += ",\"events\":";
  AppendStringList(out, s.events);
  out += ",\"eventSelection\":" + number(s.eventSelection);
  out += ",\"recording\":" + flag(s.recording);
  out += ",\"pressRows\":" + number(s.pressRows);
  out += ",\"releaseRows\":" + number(s.releaseRows);
  out += '}';
  return out;
}

std::string EditorDumpLine(const EditorSnapshot& snapshot) { return "editor " + EditorJson(snapshot); }

}  // namespace k9::sim
