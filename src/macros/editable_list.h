// The in-place edit of one row of a list: when an editor opens, and what
// ending it does to the row and to the list's owner. The list widget asks
// this state what to do and carries it out.
#pragma once

#include <cstdint>
#include <string_view>

namespace k9 {

// The character code by which the owner asks the list to open its editor.
inline constexpr std::uint32_t EDIT_REQUEST_CHAR = 1;

enum class BeginEditStep {
  Nothing,           // no request pending
  Open,              // open an editor on the selected row
  EndOpenEditFirst,  // end the open edit keeping its text, then open on the selected row
};

// What one EndEdit call does, in this order.
struct EndEditPlan {
  bool replaceRow = false;         // the row `row` takes the editor's text
  bool notifyItemChanged = false;  // the owner hears the row's new index and its previous text
  bool closeEditor = false;
  bool notifyFinished = false;     // the owner hears that an edit ended, after every close
  int row = -1;
  friend bool operator==(const EndEditPlan&, const EndEditPlan&) = default;
};

class EditableListState {
 public:
  // The row being edited; -1 when none.
  std::int32_t editedRow = -1;
  // The code of the last character the list received; an editor opens only
  // while it is EDIT_REQUEST_CHAR.
  std::uint32_t editRequest = 0;

  bool EditorOpen() const { return m_editorOpen; }

  // A character reached the list; BeginEdit follows.
  void OnChar(std::uint32_t code) { editRequest = code; }

  // Consumes a pending request. A request while an editor is open ends that
  // edit first, keeping its text as focus moving away from it would, so the
  // list never holds two editors.
  BeginEditStep BeginEdit();

  // Opens the editor on the selected row when that is a row of the list and
  // no editor is open; says whether it did.
  bool OpenEditor(int selectedRow, int rowCount);

  // The edit ends. `rowText` is the edited row's current text (ignored when
  // the row is no longer in the list), `editorText` what the editor holds.
  // A call while the editor is being closed (its focus loss) finds no row
  // and only repeats the close and the finished notification.
  EndEditPlan EndEdit(bool keep, bool notifyStyle, int rowCount, std::u16string_view rowText,
                      std::u16string_view editorText);

  // The editor is gone; EndEdit does nothing until the next one opens.
  void EditorClosed() { m_editorOpen = false; }

 private:
  bool m_editorOpen = false;
};

}  // namespace k9
