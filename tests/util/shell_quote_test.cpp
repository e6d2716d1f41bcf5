#include "util/shell_quote.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace k9 {
namespace {

// What the shell makes of the quoted word: it must be the word itself.
std::string ThroughShell(const std::string& word) {
  const std::string command = "printf '%s' " + ShellQuote(word);
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return "<popen failed>";
  std::string out;
  char buffer[256];
  while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
  pclose(pipe);
  return out;
}

TEST(ShellQuote, TheShellReadsBackTheWord) {
  for (const std::string word : {"/opt/k9/install-udev-rule.sh", "/home/a b/My Mouse/install.sh", "it's",
                                 "$HOME `id` $(id)", "a\"b\\c", "''", "", "* ?;&|<>"}) {
    EXPECT_EQ(ThroughShell(word), word) << ShellQuote(word);
  }
}

}  // namespace
}  // namespace k9
