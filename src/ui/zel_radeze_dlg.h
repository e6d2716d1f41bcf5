// CZEL_RAdezeDlg: the frameless, skinned main window with its three pages.
// It paints from the skin pictures and turns pointer events into hover and
// pressed state, page changes and commands.
#pragma once

#include <QPointer>
#include <QRegion>
#include <memory>
#include <QWidget>
#include <thread>

#include "popups/menu_dlg.h"
#include "popups/menu_state.h"
#include "pages/page_commands.h"
#include "pages/preview_ticker.h"
#include "ports/clock.h"
#include "ports/keyboard_capture.h"
#include "ports/time_of_day.h"
#include "ui/driver_records.h"
#include "ui/interaction_state.h"
#include "ui/main_window_host.h"
#include "ui/picture_cache.h"

namespace k9 {

class CMacroEditorView;
class CMessageFilter;

class CZEL_RAdezeDlg : public QWidget {
  Q_OBJECT
 public:
  CZEL_RAdezeDlg(DriverRecords& records, MainWindowHost& host);
  ~CZEL_RAdezeDlg() override;

  // The window region from the main mask and the part repainted on the
  // advanced page.
  void SetShape(const QRegion& window, const QRegion& pageRepaint);
  const QRegion& windowShape() const { return m_windowShape; }

  // The pointer handlers in client pixels (the Qt events call them).
  void OnPointerMove(QPoint pos);
  void OnButtonDown(QPoint pos);
  void OnButtonUp(QPoint pos);

  InteractionState& interaction() { return m_ui; }
  PreviewState& preview() { return m_preview; }
  CMenuDlg* functionMenu() const { return m_functionMenu.data(); }
  MenuState& menuState() { return m_menuState; }
  // The whole composed page as painting shows it.
  QImage ComposeCurrentPage();
  // Shows the window's own menu (minimise, close, about) at a screen point.
  void ShowWindowMenu(QPoint globalPos);

  // The macro editor, while the advanced page is shown; null otherwise.
  CMacroEditorView* macroEditor() const { return m_editor.get(); }
  // The capture a recording takes the keyboard with; it must outlive the
  // window. Null: recordings get no keys.
  void SetKeyboardCapture(KeyboardCapture* capture) { m_capture = capture; }
  // A key message the capture took while recording.
  void OnCapturedKey(const KeyMessage& message);
  // Ends a recording, if one runs (the capture ended, the window goes away).
  void StopRecording();
  // The user macros were reloaded (language switch): the editor shows them.
  void OnUserMacrosReloaded();

 signals:
  void dragStarted();
  void warningShown(QWidget* warning);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void contextMenuEvent(QContextMenuEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  void closeEvent(QCloseEvent*) override;
  void hideEvent(QHideEvent*) override;
  void changeEvent(QEvent*) override;

 private:
  void InvalidateAll();
  void InvalidatePage();
  void StartDrag();
  PageHovers Hovers() const;
  // Every command of every page runs here; `pos` is the pointer's position.
  void RunCommand(const PageCommand& command, QPoint pos);
  void ShowPage(int page);
  void EnterAdvancedPage();
  void LeaveAdvancedPage();
  void StartPreviewTicker();
  void RunPreviewTicker(std::stop_token stop);
  void OpenFunctionMenu(int field);
  void CloseFunctionMenu();

  DriverRecords& m_records;
  MainWindowHost& m_host;
  InteractionState m_ui;
  PreviewState m_preview;
  MenuState m_menuState;
  PictureCache m_pictures;
  QRegion m_windowShape;
  QRegion m_pageRepaintRegion;
  QPointer<CMenuDlg> m_functionMenu;

  SteadyClock m_clock;
  SystemTimeOfDay m_timeOfDay;
  KeyboardCapture* m_capture = nullptr;
  std::unique_ptr<CMacroEditorView> m_editor;
  CMessageFilter* m_messageFilter = nullptr;
  std::jthread m_ticker;
};

}  // namespace k9
