#include "sim/sim_script.h"

#include <array>
#include <charconv>
#include <climits>

namespace k9::sim {

namespace {

// A command's form: its words, where
//   #  an integer within [min, max]
//   %  a virtual-key code, decimal or 0x hex, within [min, max]
//   *  the rest of the line, leading blanks dropped, not empty
//   ?  the rest of the line as it stands after one blank, may be empty
// and any other word stands for itself.
struct OpSpec {
  std::string_view form;
  ScriptOp op;
  int min = INT_MIN;
  int max = INT_MAX;
};

constexpr int kLastVirtualKey = 0xFE;
constexpr int kLastButton = 6;

constexpr std::array<OpSpec, 25> kOps = {{
    {"wait #", ScriptOp::Wait, 0},
    {"press #", ScriptOp::Press, 0, kLastButton},
    {"release #", ScriptOp::Release, 0, kLastButton},
    {"unplug", ScriptOp::Unplug},
    {"move # #", ScriptOp::Move},
    {"down", ScriptOp::Down},
    {"up", ScriptOp::Up},
    {"click # #", ScriptOp::Click},
    {"rclick # #", ScriptOp::RightClick},
    {"tray show", ScriptOp::TrayShow},
    {"tray exit", ScriptOp::TrayExit},
    {"close", ScriptOp::Close},
    {"power", ScriptOp::Power},
    {"file *", ScriptOp::File},
    {"file-cancel", ScriptOp::FileCancel},
    {"screenshot *", ScriptOp::Screenshot},
    {"key % down", ScriptOp::KeyDown, 1, kLastVirtualKey},
    {"key % up", ScriptOp::KeyUp, 1, kLastVirtualKey},
    {"text name ?", ScriptOp::TextName},
    {"text repeat ?", ScriptOp::TextRepeat},
    {"select macro #", ScriptOp::SelectMacro, 0},
    {"select event #", ScriptOp::SelectEvent, 0},
    {"edit ?", ScriptOp::Edit},
    {"menu #", ScriptOp::Menu, 0, 0xFFFF},
    {"dump editor", ScriptOp::DumpEditor},
}};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (IsBlank(s.front()) || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (IsBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

std::string_view NextWord(std::string_view& rest) {
  rest = Trim(rest);
  const auto end = rest.find_first_of(" \t");
  const std::string_view word = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end);
  return word;
}

bool ParseInt(std::string_view word, int& value, int base = 10) {
  if (word.empty()) return false;
  const auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), value, base);
  return ec == std::errc() && ptr == word.data() + word.size();
}

bool ParseVirtualKey(std::string_view word, int& value) {
  if (word.starts_with("0x") || word.starts_with("0X")) {
    word.remove_prefix(2);
    return !word.starts_with('-') && ParseInt(word, value, 16);
  }
  return ParseInt(word, value);
}

// Whether the command's last argument is the rest of the line, '#' included.
bool TakesRestOfLine(std::string_view word) {
  for (const OpSpec& spec : kOps) {
    if (spec.form.substr(0, spec.form.find(' ')) == word && (spec.form.ends_with('*') || spec.form.ends_with('?'))) {
      return true;
    }
  }
  return false;
}

std::optional<ScriptCommand> Match(const OpSpec& spec, std::string_view line) {
  ScriptCommand command;
  command.op = spec.op;
  int* numbers[2] = {&command.a, &command.b};
  std::size_t numberCount = 0;
  std::string_view form = spec.form;
  std::string_view rest = line;
  while (!form.empty()) {
    const std::string_view token = NextWord(form);
    if (token == "*") {
      command.text = std::string(Trim(rest));
      return command.text.empty() ? std::nullopt : std::optional(command);
    }
    if (token == "?") {
      if (!rest.empty()) rest.remove_prefix(1);  // the separating blank
      command.text = std::string(rest);
      return command;
    }
    const std::string_view word = NextWord(rest);
    if (token == "#" || token == "%") {
      int value = 0;
      const bool parsed = token == "#" ? ParseInt(word, value) : ParseVirtualKey(word, value);
      if (!parsed || value < spec.min || value > spec.max || numberCount >= std::size(numbers)) return std::nullopt;
      *numbers[numberCount++] = value;
    } else if (token != word) {
      return std::nullopt;
    }
  }
  if (!Trim(rest).empty()) return std::nullopt;
  return command;
}

std::optional<ScriptCommand> ParseLine(std::string_view line) {
  for (const OpSpec& spec : kOps) {
    if (auto command = Match(spec, line)) return command;
  }
  return std::nullopt;
}

}  // namespace

Script ParseScript(std::string_view text) {
  Script script;
  int number = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    const auto end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    ++number;
    line = Trim(line);
    // A path or a text may hold '#': the commands whose argument is the rest
    // of the line keep it; every other line ends at its first '#'.
    std::string_view rest = line;
    const std::string_view first = NextWord(rest);
    if (const auto hash = line.find('#'); hash != std::string_view::npos && (hash == 0 || !TakesRestOfLine(first))) {
      line = Trim(line.substr(0, hash));
    }
    if (!line.empty()) {
      if (auto command = ParseLine(line)) {
        command->line = number;
        script.commands.push_back(std::move(*command));
      } else {
        script.errors.push_back({number, std::string(line)});
      }
    }
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return script;
}

}  // namespace k9::sim
