#include "ui/main_window.h"

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
#include "popups/warning_dlg.h"
#include "popups/window_shape_qt.h"
#include "profile/profile_edit.h"
#include "profile/tables.h"
#include "ui/page_painter.h"

namespace k9 {

namespace {

constexpr int kLastMainRegionOnMainPage = 114;
constexpr int kLastHeaderRegion = 19;
constexpr int kLastColorRegion = 4;
constexpr int kLastAdvancedRegion = 37;

bool IsButtonField(int region) { return region >= 25 && region <= 31; }

}  // namespace

CZEL_RAdezeDlg::CZEL_RAdezeDlg(DriverRecords& records, MainWindowHost& host)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint | Qt::WindowSystemMenuHint),
      m_records(records), m_host(host) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  // Controls of the advanced page are drawn white on black.
  setStyleSheet(QStringLiteral("QLineEdit, QListWidget, QListView { background: black; color: white; }"));
}

CZEL_RAdezeDlg::~CZEL_RAdezeDlg() {
  m_ticker.request_stop();
  m_tickerWake.notify_all();
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
                           m_ui.currentPage == kMainPage ? kLastMainRegionOnMainPage : kLastHeaderRegion, pos.x(),
                           pos.y());
  m_ui.colorHover = HitTest(layout.colorEntries, kLastColorRegion, pos.x(), pos.y());
  m_ui.advancedHover = HitTest(layout.advancedEntries, kLastAdvancedRegion, pos.x(), pos.y());
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
  switch (m_ui.currentPage.load()) {
    case kMainPage: {
      if (m_ui.menuOpen) {
        CloseFunctionMenu();
        m_ui.menuOpen = false;
      }
      const int hover = m_ui.mainHover;
      if (hover == 10) {
        EnterAdvancedPage();
      } else if (hover == 11) {
        m_ui.currentPage = kColorPage;
        StartPreviewTicker();
        InvalidateAll();
      } else if (IsButtonField(hover)) {
        OpenFunctionMenu(hover);
      } else if (hover == kNoRegion) {
        StartDrag();
      } else {
        MainPageCommand(hover);
      }
      break;
    }
    case kAdvancedPage:
      if (m_ui.mainHover == 9) {
        m_ui.currentPage = kMainPage;
        LeaveAdvancedPage();
      } else if (m_ui.mainHover == 11) {
        m_ui.currentPage = kColorPage;
        StartPreviewTicker();
        LeaveAdvancedPage();
      } else {
        AdvancedPageCommand(m_ui.advancedHover, pos.x());
        if (m_ui.advancedHover == kNoRegion && m_ui.mainHover == kNoRegion) StartDrag();
      }
      break;
    default:
      if (m_ui.mainHover == 9) {
        m_ui.currentPage = kMainPage;
        InvalidateAll();
      } else if (m_ui.mainHover == 10) {
        EnterAdvancedPage();
      } else if (m_ui.colorHover <= 3) {
        SetLedMode(m_records.state.profile, m_ui.colorHover);
        InvalidateAll();
      } else if (m_ui.colorHover == kNoRegion && m_ui.mainHover == kNoRegion) {
        StartDrag();
      }
      break;
  }
}

void CZEL_RAdezeDlg::OnButtonUp(QPoint) {
  m_ui.buttonPressed = false;
  InvalidateAll();
  HeaderCommand(m_ui.mainHover);
}

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

void CZEL_RAdezeDlg::MainPageCommand(int region) {
  Profile& profile = m_records.state.profile;
  if (region == 41 || region == 42) {
    SetWheelStatus(profile, region - 41);
  } else if (region >= 46 && region <= 49) {
    ToggleDpiLevelEnabled(profile, region - 46);
  } else if (region >= 54 && region <= 57) {
    SelectDpiLevel(profile, region - 54);
  } else if (region >= 66 && region <= 113) {
    SetDpiStep(profile, (region - 66) / 12, (region - 66) % 12);
  } else {
    return;
  }
  InvalidateAll();
}

void CZEL_RAdezeDlg::HeaderCommand(int region) {
  DriverRecords& r = m_records;
  ProfileState& state = r.state;
  switch (region) {
    case 0:
      SaveProfile(r.configPath, state.curConfig, state.profile);
      InvalidateAll();
      break;
    case 2:
      m_ui.mainHover = kNoRegion;
      SaveDpiLevel(r.configPath, kMirrorProfile, state.profile);
      LoadProfile(r.configPath, kMirrorProfile, false, r.language, state.profile);
      m_host.HideToTray();
      InvalidateAll();
      break;
    case 3: m_host.ApplyProfileNow(); break;
    case 4: case 5: case 6: case 7: case 8:
      state.curConfig = region - 3;
      LoadProfile(r.configPath, state.curConfig, false, r.language, state.profile);
      InvalidateAll();
      break;
    case 12:
      m_ui.mainHover = kNoRegion;
      showMinimized();
      break;
    case 13:
      m_ui.mainHover = kNoRegion;
      m_host.HideToTray();
      break;
    case 14:
      if (const auto file = m_host.ChooseFile(FileDialogKind::OpenProfile)) {
        ImportProfile(*file, state.profile);
        InvalidateAll();
      }
      break;
    case 15:
      if (const auto file = m_host.ChooseFile(FileDialogKind::SaveProfile)) {
        ExportProfile(*file, state.profile);
        InvalidateAll();
      }
      break;
    case 16:
      ResetAllProfiles(r.configPath, state, r.language);
      ResetUserMacros(r.macros, r.programDirectory, r.skinsDirectory, r.language, m_host.messages());
      m_host.ApplyProfileNow();
      InvalidateAll();
      break;
    case 17: m_host.SwitchToChinese(); break;
    case 18: m_host.SwitchToEnglish(); break;
    case 19: m_host.OpenUserGuide(); break;
    default: break;
  }
}

void CZEL_RAdezeDlg::AdvancedPageCommand(int region, int x) {
  Profile& profile = m_records.state.profile;
  const SkinEntry& slider = m_records.layout.advancedEntries[30];
  if (region == 7) {
    ToggleMacroMode(profile);
  } else if (region >= 8 && region <= 17) {
    SetPointerSpeed(profile, region - 8);
  } else if (region >= 18 && region <= 27) {
    SetWheelSpeed(profile, region - 18);
  } else if (region == 30 && slider.width > 0) {
    // The hit test admits only x inside the region, so this is 0..299.
    const auto offset = static_cast<std::uint32_t>(std::max<std::int64_t>(0, std::int64_t{x} - slider.x));
    SetFireTime(profile, static_cast<int>(offset * 300u / static_cast<std::uint32_t>(slider.width)));
  } else if (region == 31) {
    SetFireTime(profile, std::min(profile.fireTime + 1, kMaxFireTime));
  } else if (region == 32) {
    SetFireTime(profile, std::max(profile.fireTime - 1, 0));
  } else if (region >= 34 && region <= 37) {
    SetReportRate(profile, region - 34);
  } else {
    // The macro editor's regions 0..6 get their commands with the editor.
    return;
  }
  InvalidateAll();
}

void CZEL_RAdezeDlg::EnterAdvancedPage() {
  m_ui.currentPage = kAdvancedPage;
  InvalidatePage();
}

void CZEL_RAdezeDlg::LeaveAdvancedPage() { InvalidateAll(); }

// ---- function menu ---------------------------------------------------------

void CZEL_RAdezeDlg::CloseFunctionMenu() {
  if (m_functionMenu) m_functionMenu->Dismiss();
  m_functionMenu = nullptr;
}

void CZEL_RAdezeDlg::OpenFunctionMenu(int field) {
  m_ui.menuField = field;
  const SkinEntry& entry = m_records.layout.mainEntries[static_cast<std::size_t>(field)];
  const QPoint topLeft = geometry().topLeft();
  m_ui.popupAnchor = QPoint(SaturatedOffset(topLeft.x(), entry.x),
                            SaturatedOffset(topLeft.y(), std::int64_t{entry.y} + entry.height));
  bool otherLeftButton = false;
  for (int b = 0; b < kButtonCount; ++b) {
    if (25 + b != field && m_records.state.profile.buttonFunctions[static_cast<std::size_t>(b)] == kLeftButtonFunction) {
      otherLeftButton = true;
    }
  }
  if (!otherLeftButton) {
    WarningDlg warning(this, m_records, m_ui.popupAnchor);
    emit warningShown(&warning);
    // The pressed look ends with the press that the modal window swallows.
    m_ui.buttonPressed = false;
    const int answer = warning.exec();
    // The program may have ended (mouse unplugged) or the window gone to the
    // tray while the warning was open.
    if (answer == kWarningCancel || !isVisible()) return;
  }
  MenuHost host;
  host.button = field - 25;
  host.closeOnPaintAndRepaint = [this] {
    m_ui.closeMenuOnPaint = true;
    repaint();
  };
  host.repaint = [this] { update(); };
  auto* menu = new CMenuDlg(this, m_records, m_menuState, std::move(host));
  m_functionMenu = menu;
  menu->setGeometry(m_ui.popupAnchor.x(), m_ui.popupAnchor.y(), kMenuWindowSize, kMenuWindowSize);
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

bool CZEL_RAdezeDlg::TickerWait(std::stop_token stop, int milliseconds) {
  std::unique_lock lock(m_tickerMutex);
  return !m_tickerWake.wait_for(lock, stop, std::chrono::milliseconds(milliseconds), [] { return false; });
}

void CZEL_RAdezeDlg::RunPreviewTicker(std::stop_token stop) {
  const Profile& profile = m_records.state.profile;
  auto repaintLater = [this] { QMetaObject::invokeMethod(this, [this] { update(); }, Qt::QueuedConnection); };
  int lastLevel = profile.dpiLevel;
  m_preview.previewColor = ValidDpiLevel(lastLevel);
  while (m_ui.currentPage == kColorPage && !stop.stop_requested()) {
    const int mode = m_preview.appliedLedMode;
    const int level = profile.dpiLevel;
    if (mode == 3) {
      m_preview.previewDark = true;
      m_preview.previewColor = ValidDpiLevel(level);
    } else if (mode == 2) {
      m_preview.previewDark = false;
      m_preview.previewColor = ValidDpiLevel(level);
    } else if (level != lastLevel) {
      m_preview.previewColor = ValidDpiLevel(level);
      m_preview.previewDark = false;
      repaintLater();
      if (!TickerWait(stop, 2000)) break;
      lastLevel = level;
    } else if (m_preview.previewDark) {
      m_preview.previewDark = false;
    } else {
      m_preview.previewDark = true;
      m_preview.previewColor = (m_preview.previewColor + 1) % 4;
    }
    repaintLater();
    if (!TickerWait(stop, mode == 1 ? 800 : 1200)) break;
  }
  m_preview.previewTickerRunning = false;
}

}  // namespace k9
