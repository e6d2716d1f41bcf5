// CMacroEditorView: the four controls of the macro editor on the advanced
// page. It lives while the page is shown, turns the controls' signals, the
// page's macro commands, the event menu and recorded keys into the editor
// operations, and refreshes exactly the controls each operation changed.
#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>

#include "macros/macro_editor_state.h"
#include "pages/page_commands.h"
#include "ports/keyboard_capture.h"
#include "ports/time_of_day.h"
#include "ui/driver_records.h"
#include "ui/macro_editor/editable_list_box.h"
#include "ui/main_window_host.h"

namespace k9 {

inline constexpr int kMacroNameBoxId = 10000;
inline constexpr int kMacroListId = 10001;
inline constexpr int kEventListId = 10002;
inline constexpr int kRepeatCountBoxId = 10004;

class CMacroEditorView final : public QObject {
  Q_OBJECT
 public:
  struct Ports {
    DriverRecords& records;
    MainWindowHost& host;
    // Null where no capture exists: a recording then gets no keys.
    KeyboardCapture* capture;
    TimeOfDay& clock;
    std::function<void()> repaintWindow;
  };
  // Creates the controls on `window` at the skin's rectangles and fills the
  // macro list.
  CMacroEditorView(QWidget& window, Ports ports);
  // Ends a recording (the keyboard is let go) and destroys the controls.
  ~CMacroEditorView() override;

  // The advanced page's macro commands; other kinds are not the editor's.
  void RunCommand(PageCommandKind kind);
  void ImportMacroFile();
  void ExportMacroFile();
  void AddMacro();
  void DeleteMacro();
  void ToggleRecording();
  void ApplyRepeatCount();
  void ToggleRepeatEnabled();

  // The macros were reloaded (import, reset, language switch).
  void RefillMacroList();
  // A right-button release at a screen point: takes the event-list row under
  // it and opens the event menu where that applies. True when the point is
  // over the event list.
  bool OnRightButtonUp(QPoint global);
  // A command of the event menu, by its English or Chinese id.
  void OnEventMenuCommand(int id);
  // A key message of the recording (the capture's sink, the simulator).
  void OnRecordedKey(const KeyMessage& message);
  // Ends a recording, if one runs, and lets the keyboard go.
  void StopRecording();
  bool recording() const { return m_records.editor.recorder.recording; }

  QLineEdit* repeatCountBox() const { return m_repeatBox; }
  QLineEdit* macroNameBox() const { return m_nameBox; }
  QListWidget* macroList() const { return m_macroList; }
  CEditableListBox* eventList() const { return m_eventList; }

 private:
  void Show(const EditorChange& change);
  void ShowMacroList();
  void ShowEventList();
  void ApplyLook();
  void OnMacroRowChanged(int row);
  void OnEventRowChanged(int row);
  void OnEditFinished();
  void ReleaseKeyboard();

  DriverRecords& m_records;
  MainWindowHost& m_host;
  KeyboardCapture* m_capture;
  TimeOfDay& m_clock;
  std::function<void()> m_repaintWindow;
  QPointer<QLineEdit> m_repeatBox;
  QPointer<QLineEdit> m_nameBox;
  QPointer<QListWidget> m_macroList;
  QPointer<CEditableListBox> m_eventList;
  bool m_showing = false;  // the view writes into its controls
};

}  // namespace k9
