#include "sim/panel/sim_script.h"

#include <array>
#include <charconv>
#include <sstream>

namespace k9::sim {

namespace {

struct OpSpec {
  std::string_view word;
  ScriptOp op;
  int numbers;     // integer arguments
  bool wantsText;  // the rest of the line is an argument
};

constexpr std::array<OpSpec, 14> kOps = {{
    {"wait", ScriptOp::Wait, 1, false},
    {"press", ScriptOp::Press, 1, false},
    {"release", ScriptOp::Release, 1, false},
    {"unplug", ScriptOp::Unplug, 0, false},
    {"move", ScriptOp::Move, 2, false},
    {"down", ScriptOp::Down, 0, false},
    {"up", ScriptOp::Up, 0, false},
    {"click", ScriptOp::Click, 2, false},
    {"rclick", ScriptOp::RightClick, 2, false},
    {"close", ScriptOp::Close, 0, false},
    {"power", ScriptOp::Power, 0, false},
    {"file", ScriptOp::File, 0, true},
    {"file-cancel", ScriptOp::FileCancel, 0, false},
    {"screenshot", ScriptOp::Screenshot, 0, true},
}};

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

std::string_view NextWord(std::string_view& rest) {
  rest = Trim(rest);
  const auto end = rest.find_first_of(" \t");
  const std::string_view word = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end);
  return word;
}

bool ParseInt(std::string_view word, int& value) {
  if (word.empty()) return false;
  const auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
  return ec == std::errc() && ptr == word.data() + word.size();
}

ScriptCommand MakeCommand(ScriptOp op) {
  ScriptCommand command;
  command.op = op;
  return command;
}

std::optional<ScriptCommand> ParseLine(std::string_view line) {
  std::string_view rest = line;
  const std::string_view word = NextWord(rest);
  if (word == "tray") {
    const std::string_view what = NextWord(rest);
    if (!Trim(rest).empty()) return std::nullopt;
    if (what == "show") return MakeCommand(ScriptOp::TrayShow);
    if (what == "exit") return MakeCommand(ScriptOp::TrayExit);
    return std::nullopt;
  }
  for (const OpSpec& spec : kOps) {
    if (spec.word != word) continue;
    ScriptCommand command = MakeCommand(spec.op);
    int* targets[2] = {&command.a, &command.b};
    for (int i = 0; i < spec.numbers; ++i) {
      if (!ParseInt(NextWord(rest), *targets[i])) return std::nullopt;
    }
    if (spec.wantsText) {
      command.text = std::string(Trim(rest));
      if (command.text.empty()) return std::nullopt;
    } else if (!Trim(rest).empty()) {
      return std::nullopt;
    }
    if (command.op == ScriptOp::Wait && command.a < 0) return std::nullopt;
    if ((command.op == ScriptOp::Press || command.op == ScriptOp::Release) && (command.a < 0 || command.a > 6)) {
      return std::nullopt;
    }
    return command;
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
    // A path may hold '#': the commands whose argument is the rest of the
    // line keep it; every other line ends at its first '#'.
    std::string_view rest = line;
    const std::string_view first = NextWord(rest);
    if (const auto hash = line.find('#'); hash != std::string_view::npos &&
                                          (hash == 0 || (first != "file" && first != "screenshot"))) {
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
