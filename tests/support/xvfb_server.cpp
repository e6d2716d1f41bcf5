#include "support/xvfb_server.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <string>

namespace k9::test {

namespace {

// Xvfb writes the display number and a newline to the -displayfd pipe once
// it listens; a server that fails to start closes the pipe instead.
std::string ReadDisplayNumber(int fd) {
  std::string number;
  constexpr int kStartTimeoutMs = 20000;
  pollfd wait{fd, POLLIN, 0};
  while (poll(&wait, 1, kStartTimeoutMs) > 0) {
    char c = 0;
    if (read(fd, &c, 1) != 1) return {};
    if (c == '\n') return number;
    if (!std::isdigit(static_cast<unsigned char>(c))) return {};
    number += c;
  }
  return {};
}

}  // namespace

XvfbServer::XvfbServer() {
  int fds[2];
  if (pipe(fds) != 0) return;
  m_pid = fork();
  if (m_pid == 0) {
    close(fds[0]);
    const int devNull = open("/dev/null", O_RDWR);
    if (devNull >= 0) {
      dup2(devNull, STDOUT_FILENO);
      dup2(devNull, STDERR_FILENO);
    }
    const std::string fd = std::to_string(fds[1]);
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-noreset", "-nolisten", "tcp", "-screen", "0", "1024x768x24",
           static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  if (m_pid > 0) {
    const std::string number = ReadDisplayNumber(fds[0]);
    if (!number.empty()) m_display = ":" + number;
  }
  close(fds[0]);
}

XvfbServer::~XvfbServer() {
  if (m_pid <= 0) return;
  kill(m_pid, SIGTERM);
  waitpid(m_pid, nullptr, 0);
}

}  // namespace k9::test
