#include "sim/panel/sim_panel.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "macros/key_codes.h"
#include "profile/tables.h"

namespace k9::sim {

namespace {

constexpr std::array<const char*, kButtonCount> kButtonLabels = {"0 Left", "1 Right", "2 Middle", "3 Forward",
                                                                 "4 Back", "5 DPI+", "6 DPI-"};
constexpr std::array<const char*, 3> kMouseButtonNames = {"left", "right", "middle"};

QString RateName(std::uint8_t code) {
  for (std::size_t i = 0; i < ReportRateCodeTable.size(); ++i) {
    if (ReportRateCodeTable[i] == code) return QStringLiteral("%1 Hz").arg(ReportRateHzTable[i]);
  }
  return QStringLiteral("code %1").arg(code);
}

}  // namespace

QString DescribeState(const VirtualMouseState& s) {
  QStringList lines;
  QStringList functions;
  for (int b = 0; b < kButtonCount; ++b) {
    functions << QStringLiteral("%1:%2").arg(b).arg(s.functionById[ButtonIdTable[static_cast<std::size_t>(b)]]);
  }
  lines << QStringLiteral("functions  ") + functions.join(QLatin1Char(' '));
  QStringList levels;
  for (int level = 0; level < kDpiLevelCount; ++level) {
    const bool enabled = s.dpiEnableMask & (1u << level);
    levels << QStringLiteral("%1%2%3")
                  .arg(level == s.dpiLevel ? QStringLiteral(">") : QString())
                  .arg(DpiOfCode(s.dpiCodes[static_cast<std::size_t>(level)]))
                  .arg(enabled ? QString() : QStringLiteral("(off)"));
  }
  lines << QStringLiteral("dpi        ") + levels.join(QLatin1Char(' '));
  lines << QStringLiteral("lighting   0x%1   rate %2   fire %3 ms   wheel %4")
               .arg(s.lighting, 2, 16, QLatin1Char('0'))
               .arg(RateName(s.rateCode))
               .arg(s.fireTime)
               .arg(s.wheel);
  QStringList keys;
  for (std::uint8_t key : s.heldKeys) {
    if (key) keys << QString::fromStdString(KeyName(key));
  }
  QStringList buttons;
  for (std::size_t i = 0; i < kMouseButtonNames.size(); ++i) {
    if (!(s.heldButtons & (1u << i))) buttons << QString::fromLatin1(kMouseButtonNames[i]);  // active low
  }
  QStringList consumer;
  for (std::uint16_t usage : s.consumerKeys) consumer << QStringLiteral("0x%1").arg(usage, 0, 16);
  lines << QStringLiteral("types      keys [%1]  buttons [%2]").arg(keys.join(QLatin1Char(' ')), buttons.join(QLatin1Char(' ')));
  lines << QStringLiteral("consumer   ") + consumer.join(QLatin1Char(' '));
  lines << QStringLiteral("reports    %1 taken, %2 rejected%3%4")
               .arg(s.reportsTaken)
               .arg(s.reportsRejected)
               .arg(s.letGo ? QStringLiteral(", let go") : QString())
               .arg(s.removed ? QStringLiteral(", unplugged") : QString());
  return lines.join(QLatin1Char('\n'));
}

SimPanel::SimPanel(VirtualMouse& mouse, SimLog& log) : QWidget(nullptr), m_mouse(mouse) {
  setWindowTitle(QStringLiteral("VELTRIX K9 virtual mouse"));
  auto* layout = new QVBoxLayout(this);
  auto* buttons = new QGridLayout;
  for (int b = 0; b < kButtonCount; ++b) {
    auto* button = new QPushButton(QString::fromLatin1(kButtonLabels[static_cast<std::size_t>(b)]), this);
    connect(button, &QPushButton::pressed, this, [this, b] { m_mouse.PressButton(b); });
    connect(button, &QPushButton::released, this, [this, b] { m_mouse.ReleaseButton(b); });
    buttons->addWidget(button, b / 4, b % 4);
  }
  layout->addLayout(buttons);
  m_state = new QLabel(this);
  m_state->setFont(QFont(QStringLiteral("monospace")));
  m_state->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(m_state);
  m_log = new QPlainTextEdit(this);
  m_log->setReadOnly(true);
  m_log->setMaximumBlockCount(2000);
  m_log->setFont(QFont(QStringLiteral("monospace")));
  layout->addWidget(m_log, 1);
  // Log lines arrive from the driver's threads too.
  connect(&log, &SimLog::lineAdded, this, [this](const QString& line) { m_log->appendPlainText(line); },
          Qt::QueuedConnection);
  connect(&m_timer, &QTimer::timeout, this, &SimPanel::Refresh);
  m_timer.start(100);
  Refresh();
  resize(560, 420);
}

void SimPanel::Refresh() { m_state->setText(DescribeState(m_mouse.Snapshot())); }

}  // namespace k9::sim
