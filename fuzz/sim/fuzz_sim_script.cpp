// Arbitrary bytes as a simulator script: every line is either one command or
// one error, in line order, and every command's numbers lie in the ranges its
// form allows.
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "sim/sim_script.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

using k9::sim::ScriptOp;

struct Range {
  int min;
  int max;
};

// The range of `a` for each operation; `b` is only ever an unbounded
// coordinate (or 0).
Range FirstNumberRange(ScriptOp op) {
  switch (op) {
    case ScriptOp::Press:
    case ScriptOp::Release: return {0, 6};
    case ScriptOp::KeyDown:
    case ScriptOp::KeyUp: return {1, 0xFE};
    case ScriptOp::Menu: return {0, 0xFFFF};
    case ScriptOp::Wait:
    case ScriptOp::SelectMacro:
    case ScriptOp::SelectEvent: return {0, INT_MAX};
    case ScriptOp::Move:
    case ScriptOp::Click:
    case ScriptOp::RightClick: return {INT_MIN, INT_MAX};
    default: return {0, 0};
  }
}

bool HasPoint(ScriptOp op) { return op == ScriptOp::Move || op == ScriptOp::Click || op == ScriptOp::RightClick; }

bool HasPath(ScriptOp op) { return op == ScriptOp::File || op == ScriptOp::Screenshot; }

bool HasText(ScriptOp op) {
  return HasPath(op) || op == ScriptOp::TextName || op == ScriptOp::TextRepeat || op == ScriptOp::Edit;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const k9::sim::Script script = k9::sim::ParseScript(text);

  int lines = 1;
  for (char c : text) lines += c == '\n';
  Check(script.commands.size() + script.errors.size() <= static_cast<std::size_t>(lines));

  int previous = 0;
  for (const auto& command : script.commands) {
    Check(command.line > previous && command.line <= lines);
    previous = command.line;
    const Range range = FirstNumberRange(command.op);
    Check(command.a >= range.min && command.a <= range.max);
    if (!HasPoint(command.op)) Check(command.b == 0);
    if (!HasText(command.op)) Check(command.text.empty());
    // A path is never empty and never starts or ends with a blank.
    if (HasPath(command.op)) {
      Check(!command.text.empty() && !IsBlank(command.text.front()) && !IsBlank(command.text.back()));
    }
    Check(command.text.find('\n') == std::string::npos);
  }
  previous = 0;
  for (const auto& error : script.errors) {
    Check(error.line > previous && error.line <= lines);
    Check(!error.text.empty() && error.text.find('\n') == std::string::npos);
    previous = error.line;
  }
  return 0;
}
