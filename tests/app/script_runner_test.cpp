// The script runner's macro-editor commands: what reaches the editor, the
// script-error lines of refused commands and of a missing editor, and the
// right button on the advanced page.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTemporaryDir>
#include <algorithm>

#include "sim/panel/script_runner.h"
#include "ui/driver_harness.h"

namespace k9::sim {
namespace {

// Records every call as a line of text; answers false for what it is told to.
class RecordingEditor final : public SimEditorControl {
 public:
  void Key(std::uint32_t vk, bool down) override { Note("key " + std::to_string(vk) + (down ? " down" : " up")); }
  bool SetNameText(const QString& text) override { return Note("name " + text.toStdString()); }
  bool SetRepeatText(const QString& text) override { return Note("repeat " + text.toStdString()); }
  bool SelectMacroRow(int row) override { return Note("macro " + std::to_string(row)); }
  bool SelectEventRow(int row) override { return Note("event " + std::to_string(row)); }
  bool EditText(const QString& text) override { return Note("edit " + text.toStdString()); }
  bool ChooseMenu(int id) override { return Note("menu " + std::to_string(id)); }
  bool RightButtonUp(QPoint global) override {
    return Note("right " + std::to_string(global.x()) + " " + std::to_string(global.y()));
  }
  EditorSnapshot Snapshot() override {
    Note("snapshot");
    EditorSnapshot s;
    s.macros = {"宏"};
    s.macroSelection = 0;
    return s;
  }

  std::vector<std::string> calls;
  std::vector<std::string> refuse;  // calls that answer false

 private:
  bool Note(const std::string& call) {
    calls.push_back(call);
    return std::find(refuse.begin(), refuse.end(), call) == refuse.end();
  }
};

class ScriptRunnerTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(driver.Start()); }

  // Runs the script to its end; the log lines without their time stamps.
  std::vector<std::string> Run(const std::string& text, SimEditorControl* editor) {
    SimLog log(dir.filePath(QStringLiteral("log.txt")));
    std::vector<std::string> lines;
    QObject::connect(&log, &SimLog::lineAdded, [&lines](const QString& line) {
      const std::string whole = line.toStdString();
      lines.push_back(whole.substr(whole.find(' ') + 1));
    });
    FileAnswers answers;
    ScriptRunner runner(ParseScript(text), driver.app(), driver.mouse, log, answers);
    runner.SetEditorControl(editor);
    QEventLoop loop;
    QObject::connect(&runner, &ScriptRunner::done, &loop, &QEventLoop::quit);
    runner.Start();
    loop.exec();
    return lines;
  }

  QTemporaryDir dir;
  test::DriverHarness driver;
};

constexpr const char* kEditorScript =
    "key 0x41 down\n"
    "key 65 up\n"
    "text name 宏 #1\n"
    "text repeat 7\n"
    "select macro 2\n"
    "select event 5\n"
    "edit 120\n"
    "menu 32804\n"
    "dump editor\n";

TEST_F(ScriptRunnerTest, EditorCommandsReachTheEditorAndRefusalsAreScriptErrors) {
  RecordingEditor editor;
  editor.refuse = {"repeat 7", "macro 2", "event 5", "edit 120", "menu 32804"};
  const std::vector<std::string> lines = Run(kEditorScript, &editor);
  EXPECT_EQ(editor.calls, (std::vector<std::string>{"key 65 down", "key 65 up", "name 宏 #1", "repeat 7", "macro 2",
                                                    "event 5", "edit 120", "menu 32804", "snapshot"}));
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "script-error 4 no repeat box", "script-error 5 no macro row 2", "script-error 6 no event row 5",
                       "script-error 7 no open editor", "script-error 8 no open menu with command 32804",
                       R"(editor {"macros":["宏"],"macroSelection":0,"name":"","repeat":"","repeatEnabled":false,)"
                       R"("events":[],"eventSelection":-1,"recording":false,"pressRows":0,"releaseRows":0})"}));
}

TEST_F(ScriptRunnerTest, WithoutAnEditorEveryEditorCommandIsAScriptError) {
  const std::vector<std::string> lines = Run(kEditorScript, nullptr);
  ASSERT_EQ(lines.size(), 9u);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i], "script-error " + std::to_string(i + 1) + " no macro editor");
  }
}

TEST_F(ScriptRunnerTest, RightClickOnTheAdvancedPageIsTheEditorsRightButtonRelease) {
  RecordingEditor editor;
  driver.window().interaction().currentPage = kAdvancedPage;
  const QPoint global = driver.window().mapToGlobal(QPoint(300, 200));
  EXPECT_TRUE(Run("rclick 300 200", &editor).empty());
  EXPECT_EQ(editor.calls,
            (std::vector<std::string>{"right " + std::to_string(global.x()) + " " + std::to_string(global.y())}));

  // Not on the main page: there the window menu opens, and the next
  // right-click closes it.
  editor.calls.clear();
  driver.window().interaction().currentPage = kMainPage;
  EXPECT_TRUE(Run("rclick 300 200\nrclick 300 200", &editor).empty());
  EXPECT_TRUE(editor.calls.empty());
}

}  // namespace
}  // namespace k9::sim
