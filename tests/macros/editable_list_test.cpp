// The in-place edit state of a list: when an editor opens and what ending it does.
#include "macros/editable_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace k9 {
namespace {

// One call on the state and what it must answer, with the state afterwards.
struct Step {
  enum Op { Char, Begin, Open, End, Closed } op;
  int a = 0;                // Char: code; Open: selected row; End: row count
  int b = 0;                // Open: row count
  bool keep = false;        // End
  bool notify = false;      // End
  std::u16string rowText{};  // End
  std::u16string editorText{};
  // Expected answer of the call.
  BeginEditStep step = BeginEditStep::Nothing;
  bool opened = false;
  EndEditPlan plan{};
  // Expected state after it.
  int editedRow = -1;
  std::uint32_t editRequest = 0;
  bool open = false;
};

Step CharStep(int code, BeginEditStep step, std::uint32_t request, bool open, int editedRow = -1) {
  return {.op = Step::Char, .a = code, .step = step, .editedRow = editedRow, .editRequest = request, .open = open};
}
Step BeginStep(BeginEditStep step, std::uint32_t request, bool open, int editedRow = -1) {
  return {.op = Step::Begin, .step = step, .editedRow = editedRow, .editRequest = request, .open = open};
}
Step OpenStep(int selected, int rows, bool opened, int editedRow) {
  return {.op = Step::Open, .a = selected, .b = rows, .opened = opened, .editedRow = editedRow, .open = opened || editedRow >= 0};
}
Step EndStep(bool keep, bool notify, int rows, std::u16string row, std::u16string editor, EndEditPlan plan,
             bool openAfter = true) {
  return {.op = Step::End, .a = rows, .keep = keep, .notify = notify, .rowText = std::move(row),
          .editorText = std::move(editor), .plan = plan, .open = openAfter};
}
Step ClosedStep() { return {.op = Step::Closed}; }

constexpr EndEditPlan kCloseOnly{.closeEditor = true, .notifyFinished = true};
constexpr EndEditPlan kNothing{};
EndEditPlan Replace(int row, bool notify) {
  return {.replaceRow = true, .notifyItemChanged = notify, .closeEditor = true, .notifyFinished = true, .row = row};
}

struct Scenario {
  const char* name;
  std::vector<Step> steps;
};

const std::vector<Scenario>& Scenarios() {
  using enum BeginEditStep;
  static const std::vector<Scenario> scenarios = {
      {"a code other than 1 is remembered but opens nothing",
       {CharStep(65, Nothing, 65, false), BeginStep(Nothing, 65, false), CharStep(0, Nothing, 0, false)}},
      {"kept changed text replaces the row, notifies with the notify style, then the closing editor repeats the close",
       {CharStep(1, Open, 0, false), OpenStep(2, 5, true, 2),
        EndStep(true, true, 5, u"    30ms", u"120", Replace(2, true)),
        EndStep(true, true, 5, u"120", u"120", kCloseOnly), ClosedStep(),
        EndStep(true, true, 5, u"120", u"7", kNothing, false)}},
      {"without the notify style the row is replaced silently",
       {CharStep(1, Open, 0, false), OpenStep(0, 1, true, 0), EndStep(true, false, 1, u"a", u"b", Replace(0, false)),
        ClosedStep()}},
      {"discarding or keeping an equal text changes no row",
       {CharStep(1, Open, 0, false), OpenStep(1, 3, true, 1), EndStep(false, true, 3, u"a", u"b", kCloseOnly),
        ClosedStep(), CharStep(1, Open, 0, false), OpenStep(1, 3, true, 1),
        EndStep(true, true, 3, u"a", u"a", kCloseOnly), ClosedStep()}},
      {"the texts compare code unit by code unit",
       {CharStep(1, Open, 0, false), OpenStep(0, 1, true, 0), EndStep(true, true, 1, u"ms", u"MS", Replace(0, true)),
        ClosedStep()}},
      {"opening consumes the request: Insert or the right button alone open nothing",
       {CharStep(1, Open, 0, false), OpenStep(0, 2, true, 0), BeginStep(Nothing, 0, true, 0),
        EndStep(true, true, 2, u"a", u"a", kCloseOnly), ClosedStep(), BeginStep(Nothing, 0, false)}},
      {"a second request while editing ends the open edit first and opens one editor on the selected row",
       {CharStep(1, Open, 0, false), OpenStep(1, 3, true, 1), CharStep(1, EndOpenEditFirst, 0, true, 1),
        OpenStep(2, 3, false, 1), EndStep(true, true, 3, u"x", u"y", Replace(1, true)), ClosedStep(),
        OpenStep(2, 3, true, 2)}},
      {"without a selected row in the list no editor opens and the request is gone",
       {CharStep(1, Open, 0, false), OpenStep(-1, 3, false, -1), OpenStep(3, 3, false, -1),
        OpenStep(0, 0, false, -1), EndStep(true, true, 3, u"a", u"b", kNothing, false),
        BeginStep(Nothing, 0, false)}},
      {"a row that left the list while editing is not written",
       {CharStep(1, Open, 0, false), OpenStep(4, 5, true, 4), EndStep(true, true, 2, u"", u"x", kCloseOnly),
        ClosedStep()}},
  };
  return scenarios;
}

TEST(EditableListState, FollowsEachScenarioStepByStep) {
  for (const Scenario& scenario : Scenarios()) {
    EditableListState state;
    for (std::size_t i = 0; i < scenario.steps.size(); ++i) {
      const Step& s = scenario.steps[i];
      SCOPED_TRACE(testing::Message() << scenario.name << ", step " << i);
      switch (s.op) {
        case Step::Char:
          state.OnChar(static_cast<std::uint32_t>(s.a));
          EXPECT_EQ(state.BeginEdit(), s.step);
          break;
        case Step::Begin:
          EXPECT_EQ(state.BeginEdit(), s.step);
          break;
        case Step::Open:
          EXPECT_EQ(state.OpenEditor(s.a, s.b), s.opened);
          break;
        case Step::End:
          EXPECT_EQ(state.EndEdit(s.keep, s.notify, s.a, s.rowText, s.editorText), s.plan);
          break;
        case Step::Closed:
          state.EditorClosed();
          break;
      }
      EXPECT_EQ(state.editedRow, s.editedRow);
      EXPECT_EQ(state.editRequest, s.editRequest);
      EXPECT_EQ(state.EditorOpen(), s.open);
    }
  }
}

TEST(EditableListState, StartsIdle) {
  const EditableListState state;
  EXPECT_EQ(state.editedRow, -1);
  EXPECT_EQ(state.editRequest, 0u);
  EXPECT_FALSE(state.EditorOpen());
}

}  // namespace
}  // namespace k9
