// SimEditor: the script runner's hands on the real macro editor of the
// driver's main window. Keys enter as real ones do, clicks on rows and menu
// items act as the user's would.
#pragma once

#include "app/zel_radeze_app.h"
#include "sim/panel/sim_editor_control.h"
#include "sim/panel/vk_key_event.h"

namespace k9 {
class CMacroEditorView;
}

namespace k9::sim {

class SimEditor final : public SimEditorControl {
 public:
  explicit SimEditor(CZEL_RAdezeApp& app) : m_app(app) {}

  void Key(std::uint32_t vk, bool down) override;
  bool SetNameText(const QString& text) override;
  bool SetRepeatText(const QString& text) override;
  bool SelectMacroRow(int row) override;
  bool SelectEventRow(int row) override;
  bool EditText(const QString& text) override;
  bool ChooseMenu(int id) override;
  bool RightButtonUp(QPoint global) override;
  EditorSnapshot Snapshot() override;

 private:
  CMacroEditorView* Editor() const;

  CZEL_RAdezeApp& m_app;
  VkKeyEvents m_keys;
};

}  // namespace k9::sim
