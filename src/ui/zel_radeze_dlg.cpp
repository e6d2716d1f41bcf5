#include "ui/zel_radeze_dlg.h"

#include <QContextMenuEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <chrono>

#include "config/profile_store.h"
#include "macros/macro_file.h"
#include "pages/fire_time_slider.h"
#include "pages/function_menu_rules.h"
#include "pages/hide_profile.h"
#include "pages/tray_rules.h"
#include "popups/popup_placement.h"
#include "popups/warning_dlg.h"
#include "popups/window_shape_qt.h"
#include "profile/profile_edit.h"
#include "profile/tables.h"
#include "ui/macro_editor/macro_editor_view.h"
#include "ui/macro_editor/message_filter.h"
#include "ui/page_painter.h"

namespace k9 {

namespace m = main_region;
namespace a = advanced_region;
namespace c = color_region;

CZEL_RAdezeDlg::CZEL_RAdezeDlg(DriverRecords& records, MainWindowHost& host)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint | Qt::WindowSystemMenuHint),
      m_records(records), m_host(host) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  // Controls of the advanced page are drawn white on black.
  setStyleSheet(QStringLiteral("QLineEdit, QListWidget, QListView { background: black; color: white; }"));
  m_messageFilter = new CMessageFilter(*this, [this] { return m_editor.get(); });
}

CZEL_RAdezeDlg::~CZEL_RAdezeDlg() {
  m_editor.reset();
  m_ticker.request_stop();
  if (m_ticker.joinable()) m_ticker.join();
  CloseFunctionMenu();
}

void CZEL_RAdezeDlg::SetShape(const QRegion& window, const QRegion& pageRepaint) {
  m_windowShape = window;
  m_pageRepaintRegion = pageRepaint;
  ApplyWindowShape(*this, window);
  update();
}

QImage CZEL_RAdezeDlg::ComposeCurrentPage() {
  m_preview.appliedLedMode = m_records.state.applied.appliedLedMode;
  return ComposePage(m_records, m_ui, m_preview, m_pictures);
}

void CZEL_RAdezeDlg::paintEvent(QPaintEvent*) {
  if (m_ui.closeMenuOnPaint) {
    m_ui.closeMenuOnPaint = false;
    CloseFunctionMenu();
  }
  const QImage page = ComposeCurrentPage();
  QPainter p(this);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(QPoint(0, 0), page, QRect(0, 0, m_records.maskWidth, m_records.maskHeight));
}

void CZEL_RAdezeDlg::InvalidateAll() { update(); }

void CZEL_RAdezeDlg::InvalidatePage() {
  if (m_ui.currentPage == kAdvancedPage && !m_pageRepaintRegion.isEmpty()) {
    repaint(m_pageRepaintRegion);
  } else {
    repaint();
  }
}

// ---- pointer -------------------------------------------------------------

void CZEL_RAdezeDlg::OnPointerMove(QPoint pos) {
  const auto& layout = m_records.layout;
  m_ui.mainHover = HitTest(layout.mainEntries,
                           m_ui.currentPage == kMainPage ? m::kLastHitTestedOnMainPage : m::kLastHeader, pos.x(),
                           pos.y());
  m_ui.colorHover = HitTest(layout.colorEntries, c::kLastHitTested, pos.x(), pos.y());
  m_ui.advancedHover = HitTest(layout.advancedEntries, a::kLastHitTested, pos.x(), pos.y());
  const std::array<std::pair<int, int*>, 3> values = {{{m_ui.mainHover, &m_ui.lastMainHover},
                                                       {m_ui.colorHover, &m_ui.lastColorHover},
                                                       {m_ui.advancedHover, &m_ui.lastAdvancedHover}}};
  for (const auto& [value, last] : values) {
    if (value != *last) {
      InvalidatePage();
      *last = value;
    }
  }
}

void CZEL_RAdezeDlg::OnButtonDown(QPoint pos) {
  if (m_ui.mainHover != kNoRegion || m_ui.colorHover != kNoRegion || m_ui.advancedHover != kNoRegion) {
    m_ui.buttonPressed = true;
    InvalidateAll();
  }
  if (m_ui.currentPage == kMainPage && m_ui.menuOpen) {
    // Every click on the main page first closes an open function menu.
    CloseFunctionMenu();
    m_ui.menuOpen = false;
  }
  RunCommand(ButtonDownCommand(m_ui.currentPage, Hovers()), pos);
}

void CZEL_RAdezeDlg::OnButtonUp(QPoint pos) {
  m_ui.buttonPressed = false;
  InvalidateAll();
  RunCommand(ButtonUpCommand(m_ui.currentPage, Hovers()), pos);
}

PageHovers CZEL_RAdezeDlg::Hovers() const { return {m_ui.mainHover, m_ui.colorHover, m_ui.advancedHover}; }

void CZEL_RAdezeDlg::mouseMoveEvent(QMouseEvent* event) { OnPointerMove(event->position().toPoint()); }

void CZEL_RAdezeDlg::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) OnButtonDown(event->position().toPoint());
}

void CZEL_RAdezeDlg::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) OnButtonUp(event->position().toPoint());
}

void CZEL_RAdezeDlg::contextMenuEvent(QContextMenuEvent* event) { ShowWindowMenu(event->globalPos()); }

void CZEL_RAdezeDlg::ShowWindowMenu(QPoint globalPos) {
  // The frameless window has no title bar: its window menu opens on a
  // right-click (or Alt+Space) instead.
  QMenu menu(this);
  menu.addAction(IsEnglish(m_records.language) ? tr("Minimize") : QString::fromUtf8("最小化"),
                 this, [this] { showMinimized(); });
  menu.addAction(IsEnglish(m_records.language) ? tr("Close") : QString::fromUtf8("关闭"),
                 this, [this] { m_host.HideToTray(); });
  menu.addSeparator();
  if (SessionStart* start = m_host.sessionStart()) {
    QAction* item = menu.addAction(QString::fromUtf8(StartWithSessionText(m_records.language)), this,
                                   [start](bool checked) { start->SetEnabled(checked); });
    item->setCheckable(true);
    item->setChecked(start->IsEnabled());
  }
  menu.addAction(QStringLiteral("&About ZEL_RAdeze..."), this, [this] { m_host.ShowAbout(); });
  menu.exec(globalPos);
}

void CZEL_RAdezeDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && (event->modifiers() & Qt::AltModifier)) {
    ShowWindowMenu(mapToGlobal(QPoint(0, 0)));
    return;
  }
  // Esc and Enter do nothing here.
  event->accept();
}

void CZEL_RAdezeDlg::closeEvent(QCloseEvent* event) {
  // Alt+F4 and the taskbar's Close hide the driver; only Exit Driver ends it.
  event->ignore();
  m_host.HideToTray();
}

void CZEL_RAdezeDlg::hideEvent(QHideEvent* event) {
  // Never leave the keyboard taken by a window no one sees.
  StopRecording();
  // The function menu and any open dialog belong to the window and go with
  // it; a dialog left open would keep its modal loop running.
  CloseFunctionMenu();
  m_ui.menuOpen = false;
  for (QDialog* dialog : findChildren<QDialog*>()) {
    if (dialog->isVisible()) dialog->reject();
  }
  QWidget::hideEvent(event);
}

void CZEL_RAdezeDlg::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange && isMinimized()) {
    StopRecording();
    CloseFunctionMenu();
    m_ui.menuOpen = false;
  }
  QWidget::changeEvent(event);
}

void CZEL_RAdezeDlg::StartDrag() {
  emit dragStarted();
  if (QWindow* window = windowHandle()) window->startSystemMove();
}

// ---- commands ------------------------------------------------------------

void CZEL_RAdezeDlg::RunCommand(const PageCommand& command, QPoint pos) {
  DriverRecords& r = m_records;
  ProfileState& state = r.state;
  Profile& profile = state.profile;
  using K = PageCommandKind;
  switch (command.kind) {
    case K::None: return;
    case K::StartDrag: StartDrag(); return;
    case K::Save: SaveProfile(r.configPath, state.curConfig, profile); break;
    case K::Hide:
      m_ui.mainHover = kNoRegion;
      KeepAppliedProfile(r.configPath, state, r.language);
      m_host.HideToTray();
      break;
    case K::Apply: m_host.ApplyProfileNow(); return;
    case K::SelectProfile:
      state.curConfig = command.index;
      LoadProfile(r.configPath, state.curConfig, false, r.language, profile);
      break;
    case K::ShowPage: ShowPage(command.index); return;
    case K::Minimise:
      m_ui.mainHover = kNoRegion;
      showMinimized();
      return;
    case K::Close:
      m_ui.mainHover = kNoRegion;
      m_host.HideToTray();
      return;
    case K::ImportProfile:
      if (const auto file = m_host.ChooseFile(FileDialogKind::OpenProfile)) {
        ImportProfile(*file, profile);
        break;
      }
      return;
    case K::ExportProfile:
      if (const auto file = m_host.ChooseFile(FileDialogKind::SaveProfile)) {
        ExportProfile(*file, profile);
        break;
      }
      return;
    case K::Reset:
      ResetAllProfiles(r.configPath, state, r.language);
      ResetUserMacros(r.macros, r.programDirectory, r.skinsDirectory, r.language, m_host.messages());
      if (m_editor) m_editor->RefillMacroList();
      m_host.ApplyProfileNow();
      break;
    case K::SwitchToChinese: m_host.SwitchToChinese(); return;
    case K::SwitchToEnglish: m_host.SwitchToEnglish(); return;
    case K::OpenWebPage: m_host.OpenUserGuide(); return;
    case K::OpenFunctionMenu: OpenFunctionMenu(m::kFirstButtonField + command.index); return;
    case K::SetWheelStatus: SetWheelStatus(profile, command.index); break;
    case K::ToggleDpiLevelEnabled: ToggleDpiLevelEnabled(profile, command.index); break;
    case K::SelectDpiLevel: SelectDpiLevel(profile, command.index); break;
    case K::SetDpiStep: SetDpiStep(profile, command.index, command.step); break;
    case K::ToggleMacroMode: ToggleMacroMode(profile); break;
    case K::SetPointerSpeed: SetPointerSpeed(profile, command.index); break;
    case K::SetWheelSpeed: SetWheelSpeed(profile, command.index); break;
    case K::SetFireTimeFromSlider: {
      int fireTime = 0;
      if (!FireTimeAtColumn(r.layout.advancedEntries[a::kFireTimeSlider], pos.x(), fireTime)) return;
      SetFireTime(profile, fireTime);
      break;
    }
    case K::IncreaseFireTime: SetFireTime(profile, FireTimeStepped(profile.fireTime, +1)); break;
    case K::DecreaseFireTime: SetFireTime(profile, FireTimeStepped(profile.fireTime, -1)); break;
    case K::SetReportRate: SetReportRate(profile, command.index); break;
    case K::SetLedMode: SetLedMode(profile, command.index); break;
    case K::ImportMacroFile:
    case K::ExportMacroFile:
    case K::AddMacro:
    case K::DeleteMacro:
    case K::ToggleRecording:
    case K::ApplyRepeatCount:
    case K::ToggleRepeatEnabled:
      if (m_editor) m_editor->RunCommand(command.kind);
      break;
  }
  InvalidateAll();
}

void CZEL_RAdezeDlg::ShowPage(int page) {
  const int from = m_ui.currentPage;
  if (page == kAdvancedPage) {
    EnterAdvancedPage();
    return;
  }
  m_ui.currentPage = page;
  if (page == kColorPage) StartPreviewTicker();
  if (from == kAdvancedPage) {
    LeaveAdvancedPage();
  } else {
    InvalidateAll();
  }
}

void CZEL_RAdezeDlg::EnterAdvancedPage() {
  m_ui.currentPage = kAdvancedPage;
  if (!m_editor) {
    m_editor = std::make_unique<CMacroEditorView>(
        *this, CMacroEditorView::Ports{m_records, m_host, m_capture, m_timeOfDay, [this] { update(); }});
  }
  InvalidatePage();
}

void CZEL_RAdezeDlg::LeaveAdvancedPage() {
  m_editor.reset();
  InvalidateAll();
}

// ---- macro editor ------------------------------------------------------------

void CZEL_RAdezeDlg::OnCapturedKey(const KeyMessage& message) {
  if (m_editor) m_editor->OnRecordedKey(message);
}

void CZEL_RAdezeDlg::StopRecording() {
  if (m_editor) m_editor->StopRecording();
}

void CZEL_RAdezeDlg::OnUserMacrosReloaded() {
  if (m_editor) m_editor->RefillMacroList();
}

// ---- function menu ---------------------------------------------------------

void CZEL_RAdezeDlg::CloseFunctionMenu() {
  if (m_functionMenu) m_functionMenu->Dismiss();
  m_functionMenu = nullptr;
}

void CZEL_RAdezeDlg::OpenFunctionMenu(int field) {
  if (field < m::kFirstButtonField || field > m::kLastButtonField) return;
  m_ui.menuField = field;
  const SkinEntry& entry = m_records.layout.mainEntries[static_cast<std::size_t>(field)];
  const QPoint offset = FieldPopupOffset(entry);
  m_ui.popupAnchor = PopupPosition(*this, offset);
  if (NeedsLeftButtonWarning(m_records.state.profile, field - m::kFirstButtonField)) {
    WarningDlg warning(*this, m_records, offset);
    emit warningShown(&warning);
    // The pressed look ends with the press that the modal window swallows.
    m_ui.buttonPressed = false;
    const int answer = warning.exec();
    // The program may have ended (mouse unplugged) or the window gone to the
    // tray while the warning was open.
    if (answer == kWarningCancel || !isVisible()) return;
  }
  MenuHost host;
  host.button = field - m::kFirstButtonField;
  host.closeOnPaintAndRepaint = [this] {
    m_ui.closeMenuOnPaint = true;
    repaint();
  };
  host.repaint = [this] { update(); };
  auto* menu = new CMenuDlg(this, m_records, m_menuState, std::move(host));
  m_functionMenu = menu;
  PlacePopup(*menu, *this, offset, QSize(kMenuWindowSize, kMenuWindowSize));
  m_ui.menuOpen = true;
  menu->show();
}

// ---- lighting preview ------------------------------------------------------

void CZEL_RAdezeDlg::StartPreviewTicker() {
  m_preview.appliedLedMode = m_records.state.applied.appliedLedMode;
  if (m_preview.previewTickerRunning.exchange(true)) return;
  if (m_ticker.joinable()) m_ticker.join();  // a ticker that ended by itself
  m_ticker = std::jthread([this](std::stop_token stop) { RunPreviewTicker(stop); });
}

void CZEL_RAdezeDlg::RunPreviewTicker(std::stop_token stop) {
  const Profile& profile = m_records.state.profile;
  const PreviewSources sources{
      [this] { return m_ui.currentPage == kColorPage; },
      [&profile] { return static_cast<int>(profile.dpiLevel); },
      [this] { QMetaObject::invokeMethod(this, [this] { update(); }, Qt::QueuedConnection); }};
  k9::RunPreviewTicker(m_preview, sources, m_clock, stop);
}

}  // namespace k9
