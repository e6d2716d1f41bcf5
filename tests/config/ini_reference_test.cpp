// Our INI store against the answers of the Windows private-profile functions:
// every script of the reference folder runs here with the calls the store
// offers, and each answer and each file snapshot is compared with the one
// recorded. What still differs is listed below with its reason.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "config/ini_file.h"
#include "support/temp_dir.h"
#include "util/text_encoding.h"

namespace k9 {
namespace {

namespace fs = std::filesystem;

const fs::path kReferenceDir = K9_INI_REFERENCE_DIR;

// Why the store answers differently from the recording. The recording was
// made under Wine; its table of rules says which of them Windows shares.
constexpr const char* kSkipped = "follows from a call the store does not offer (NULL name, delete, default)";
constexpr const char* kWineRewrite = "Wine rewrites the whole file on a write; Windows and we edit in place";
constexpr const char* kUtf8NewFile = "a new file is UTF-8 here, ANSI on Windows";
constexpr const char* kUtf8Text = "a file without a byte-order mark is UTF-8 here, the ANSI code page on Windows";
constexpr const char* kValueBlanks = "we trim a written value on both sides; Windows keeps its trailing blanks";
constexpr const char* kNameBlanks = "we trim written names; Wine keeps a new name's trailing blanks until its next rewrite";
constexpr const char* kWindowsDir = "a bare file name is in the Windows directory there, the working folder here";

struct KnownDifference {
  const char* script;  // file name in cases/
  int line;            // line number in the script
  const char* reason;
};

const KnownDifference kKnownDifferences[] = {
    {"a_case.txt", 16, kSkipped},  // the key delete before it
    {"a_case.txt", 18, kSkipped},  // the section delete before it
    {"a_case.txt", 21, kUtf8Text},  // the names are cp1252 bytes
    {"d_write.txt", 20, kWineRewrite},  // blank lines before the next section stay
    {"d_write.txt", 24, kWineRewrite},
    {"d_write.txt", 38, kWineRewrite},  // blank lines at the end stay
    {"d_write.txt", 42, kWineRewrite},  // LF line ends stay
    {"d_write.txt", 56, kSkipped},
    {"d_write.txt", 58, kSkipped},
    {"d_write.txt", 60, kSkipped},
    {"d_write.txt", 62, kSkipped},
    {"d_write.txt", 65, kSkipped},
    {"e_space.txt", 18, kValueBlanks},
    {"e_space.txt", 21, kNameBlanks},
    {"e_space.txt", 24, kNameBlanks},
    {"e_space.txt", 32, kWineRewrite},  // the blanks of other lines stay
    {"f_dup.txt", 9, kSkipped},
    {"f_dup.txt", 10, kSkipped},
    {"f_dup.txt", 24, kSkipped},
    {"g_lines.txt", 20, kWineRewrite},  // blank lines stay
    {"g_lines.txt", 37, kWineRewrite},  // CR line ends stay
    {"h_encoding.txt", 30, kUtf8Text},
    {"h_encoding.txt", 33, kUtf8NewFile},
    {"h_encoding_cp936.txt", 16, kUtf8Text},
    {"h_encoding_cp936.txt", 19, kUtf8NewFile},
    {"k_existing.txt", 17, kWineRewrite},  // the blanks of other lines stay
    {"p_paths.txt", 9, kWindowsDir},
    {"p_paths.txt", 10, kWindowsDir},
};

struct Difference {
  std::string script;
  int line = 0;
  std::string call;
  std::string ours;
  std::string expected;
};

std::vector<std::string> Split(const std::string& line, char separator) {
  std::vector<std::string> fields;
  std::stringstream in(line);
  for (std::string field; std::getline(in, field, separator);) fields.push_back(field);
  return fields;
}

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> Lines(const fs::path& file) {
  std::vector<std::string> lines = Split(ReadAll(file), '\n');
  for (auto& line : lines) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
  }
  return lines;
}

// A name, value or default field: <NULL> is nothing, <EMPTY> "", <SP> and
// <TAB> blanks.
std::optional<std::string> Field(std::string field) {
  if (field == "<NULL>") return std::nullopt;
  if (field == "<EMPTY>") return std::string();
  for (const auto& [token, blank] : {std::pair{"<SP>", " "}, std::pair{"<TAB>", "\t"}}) {
    for (std::size_t at; (at = field.find(token)) != std::string::npos;) field.replace(at, std::string(token).size(), blank);
  }
  return field;
}

// The text of a T call: \r \n \t \\ and \xHH.
std::string Unescape(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 >= text.size()) {
      out += text[i];
      continue;
    }
    const char c = text[++i];
    if (c == 'r') out += '\r';
    else if (c == 'n') out += '\n';
    else if (c == 't') out += '\t';
    else if (c == 'x' && i + 2 < text.size() + 1) {
      out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else out += c;
  }
  return out;
}

std::string Hex(const std::string& digits) {
  std::string bytes;
  std::string clean;
  for (char c : digits) {
    if (c != ' ') clean += c;
  }
  for (std::size_t i = 0; i + 1 < clean.size(); i += 2) bytes += static_cast<char>(std::stoi(clean.substr(i, 2), nullptr, 16));
  return bytes;
}

// R's text: UTF-16 units, '\' doubled, all but printable ASCII as \uXXXX.
std::string ShowText(const std::u16string& units) {
  std::string out;
  for (char16_t u : units) {
    char buffer[8];
    if (u == '\\') out += "\\\\";
    else if (u >= 0x20 && u <= 0x7E) out += static_cast<char>(u);
    else {
      std::snprintf(buffer, sizeof buffer, "\\u%04X", static_cast<unsigned>(u));
      out += buffer;
    }
  }
  return out;
}

// F's bytes: printable ASCII, \\ \r \n \t, else \xHH.
std::string ShowBytes(const std::string& bytes) {
  std::string out;
  for (unsigned char b : bytes) {
    char buffer[8];
    if (b == '\\') out += "\\\\";
    else if (b == '\r') out += "\\r";
    else if (b == '\n') out += "\\n";
    else if (b == '\t') out += "\\t";
    else if (b >= 0x20 && b <= 0x7E) out += static_cast<char>(b);
    else {
      std::snprintf(buffer, sizeof buffer, "\\x%02X", b);
      out += buffer;
    }
  }
  return out;
}

// One script in a folder of its own: ".\name.ini" is that folder's name.ini.
class ScriptRun {
 public:
  ScriptRun(const fs::path& work, const fs::path& snapshots) : m_work(work), m_snapshots(snapshots) {}

  // The answer to one call, or nothing for a call the store does not offer.
  // A file snapshot that differs from the recorded one is reported through
  // snapshotDiffers.
  std::optional<std::string> Perform(const std::vector<std::string>& f, const std::string& expected,
                                     bool& snapshotDiffers) {
    const std::string& op = f[0];
    if (op == "W" && f.size() == 5) {
      const auto section = Field(f[2]), key = Field(f[3]), value = Field(f[4]);
      if (!section || !key || !value) return std::nullopt;
      return WriteIniString(Path(f[1]), *section, *key, *value) ? "W ok" : "W fail";
    }
    if (op == "R" && f.size() == 6) {
      const auto section = Field(f[2]), key = Field(f[3]), fallback = Field(f[4]);
      if (!section || !key || fallback != "") return std::nullopt;
      const std::u16string units = Utf8ToUtf16(ReadIniString(Path(f[1]), *section, *key, std::stoul(f[5])));
      return "R " + std::to_string(units.size()) + " [" + ShowText(units) + "]";
    }
    if ((op == "P" || op == "T") && f.size() == 3) {
      const std::string bytes = op == "P" ? (f[2] == "<EMPTY>" ? "" : Hex(f[2])) : Unescape(f[2]);
      test::WriteFileBytes(Path(f[1]), bytes);
      return op + " " + std::to_string(bytes.size());
    }
    if (op == "D" && f.size() == 2) {
      std::error_code ignored;
      fs::remove(Path(f[1]), ignored);
      return "D";
    }
    if (op == "F" && f.size() == 2) return Snapshot(Path(f[1]), expected, snapshotDiffers);
    return std::nullopt;  // N, I: not offered
  }

 private:
  fs::path Path(std::string name) const {
    std::replace(name.begin(), name.end(), '\\', '/');
    if (name.rfind("C:/", 0) == 0) name = "drive-c/" + name.substr(3);
    if (name.rfind("./", 0) == 0) name = name.substr(2);
    return m_work / name;
  }

  std::string Snapshot(const fs::path& file, const std::string& expected, bool& snapshotDiffers) {
    std::error_code ec;
    const bool exists = fs::is_regular_file(file, ec);
    const std::string bytes = exists ? test::ReadFileBytes(file) : "";
    if (expected != "F missing") {
      // The recording numbers its snapshots over the files that existed.
      char number[16];
      std::snprintf(number, sizeof number, "%02d_", ++m_snapshotCount);
      const fs::path recorded = m_snapshots / (number + file.filename().string());
      snapshotDiffers = !exists || !fs::is_regular_file(recorded, ec) || ReadAll(recorded) != bytes;
    }
    if (!exists) return "F missing";
    return "F " + std::to_string(bytes.size()) + " [" + ShowBytes(bytes) + "]";
  }

  fs::path m_work;
  fs::path m_snapshots;
  int m_snapshotCount = 0;
};

struct Tally {
  int agree = 0;
  std::vector<Difference> differences;
};

void RunScript(const fs::path& script, Tally& tally) {
  const std::string name = script.filename().string();
  const fs::path expectedDir = kReferenceDir / "expected" / script.stem();
  const std::vector<std::string> expected = Lines(expectedDir / "stdout.txt");
  test::TempDir work;
  ScriptRun run(work.path(), expectedDir / "files");
  std::size_t answer = 0;  // every non-empty script line has one answer line
  int lineNumber = 0;
  for (const std::string& line : Lines(script)) {
    ++lineNumber;
    if (line.empty()) continue;
    const std::string want = answer < expected.size() ? expected[answer] : "<no answer recorded>";
    ++answer;
    if (line.front() == '#') continue;  // echoed
    bool snapshotDiffers = false;
    const auto ours = run.Perform(Split(line, '\t'), want, snapshotDiffers);
    if (!ours) continue;
    if (*ours == want && !snapshotDiffers) {
      ++tally.agree;
    } else {
      tally.differences.push_back({name, lineNumber, line, *ours + (snapshotDiffers ? " (file bytes differ)" : ""), want});
    }
  }
}

TEST(IniReferenceTest, TheStoreAnswersAsTheWindowsFunctionsDoExceptWhereListed) {
  ASSERT_TRUE(fs::is_directory(kReferenceDir / "cases"))
      << "The recorded private-profile cases are missing: " << kReferenceDir
      << " should hold cases/ and expected/ (the shared folder beside the repository).";
  std::vector<fs::path> scripts;
  for (const auto& entry : fs::directory_iterator(kReferenceDir / "cases")) scripts.push_back(entry.path());
  std::sort(scripts.begin(), scripts.end());
  ASSERT_FALSE(scripts.empty());

  Tally tally;
  for (const auto& script : scripts) RunScript(script, tally);

  std::map<std::pair<std::string, int>, const char*> known;
  for (const auto& k : kKnownDifferences) known[{k.script, k.line}] = k.reason;
  for (const auto& d : tally.differences) {
    if (known.erase({d.script, d.line}) == 0) {
      ADD_FAILURE() << d.script << ":" << d.line << " " << d.call << "\n  ours:     " << d.ours
                    << "\n  recorded: " << d.expected;
    }
  }
  for (const auto& [where, reason] : known) {
    ADD_FAILURE() << where.first << ":" << where.second << " is listed as a difference (" << reason
                  << ") but agrees now: remove it from the list";
  }
  std::printf("%d answers agree, %zu differ as listed\n", tally.agree, tally.differences.size());
}

}  // namespace
}  // namespace k9
