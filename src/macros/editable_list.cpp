// The in-place edit of a list row: opening on request and ending it.
#include "macros/editable_list.h"

namespace k9 {

BeginEditStep EditableListState::BeginEdit() {
  if (editRequest != EDIT_REQUEST_CHAR) return BeginEditStep::Nothing;
  editRequest = 0;
  return m_editorOpen ? BeginEditStep::EndOpenEditFirst : BeginEditStep::Open;
}

bool EditableListState::OpenEditor(int selectedRow, int rowCount) {
  if (m_editorOpen || selectedRow < 0 || selectedRow >= rowCount) return false;
  m_editorOpen = true;
  editedRow = selectedRow;
  return true;
}

EndEditPlan EditableListState::EndEdit(bool keep, bool notifyStyle, int rowCount, std::u16string_view rowText,
                                       std::u16string_view editorText) {
  EndEditPlan plan;
  if (!m_editorOpen) return plan;
  const bool rowInList = editedRow >= 0 && editedRow < rowCount;
  if (keep && rowInList && rowText != editorText) {
    plan.replaceRow = true;
    plan.notifyItemChanged = notifyStyle;
    plan.row = editedRow;
  }
  // Cleared before the owner hears anything, so that an EndEdit from its
  // handlers or from the closing editor touches no row.
  editedRow = -1;
  plan.closeEditor = true;
  plan.notifyFinished = true;
  return plan;
}

}  // namespace k9
