// The simulator's log: one line per event, "<ms since start, 3 decimals>
// <kind> <details>", written at once. Other checks read these lines: keep
// the kinds and their formats as they are.
#pragma once

#include "util/hex_bytes.h"

#include <QObject>
#include <QString>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <span>
#include <string>

namespace k9::sim {

using ::k9::HexBytes;

class SimLog : public QObject {
  Q_OBJECT
 public:
  // Empty path: standard output.
  explicit SimLog(const QString& path = {});
  ~SimLog() override;
  bool isOpen() const { return m_file != nullptr; }

  // Thread-safe; emits lineAdded from the calling thread.
  void Add(const std::string& kind, const std::string& details = {});

  // The keyboard capture of a macro recording begins / ends.
  void CaptureStart() { Add("capture start"); }
  void CaptureEnd() { Add("capture end"); }

 signals:
  void lineAdded(const QString& line);

 private:
  std::mutex m_mutex;
  std::FILE* m_file = nullptr;
  bool m_ownsFile = false;
  std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

}  // namespace k9::sim
