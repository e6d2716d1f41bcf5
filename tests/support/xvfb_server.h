// A private X server for tests that need a real one: Xvfb on a display
// number it picks itself, with -noreset so it survives its clients; stopped
// when the object goes.
#pragma once

#include <string>
#include <string_view>

#include <sys/types.h>

namespace k9::test {

// Whether a test executable was started only to list its tests (as the build
// does, without a display): then no server or application is started.
inline bool OnlyListsTests(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--gtest_list_tests") return true;
  }
  return false;
}

class XvfbServer {
 public:
  // Waits until the server accepts clients; running() says whether it does.
  XvfbServer();
  ~XvfbServer();
  XvfbServer(const XvfbServer&) = delete;
  XvfbServer& operator=(const XvfbServer&) = delete;

  bool running() const { return !m_display.empty(); }
  // ":N", the value for DISPLAY; empty when the server did not start.
  const std::string& display() const { return m_display; }

 private:
  pid_t m_pid = -1;
  std::string m_display;
};

}  // namespace k9::test
