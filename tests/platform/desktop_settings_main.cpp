// GoogleTest main for the desktop settings: a private session bus
// (dbus-daemon), a private X server (Xvfb) and GSettings in memory, all set
// up here before anything connects to them.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <cstdio>
#include <memory>
#include <string_view>

#include "support/xvfb_server.h"

using k9::test::OnlyListsTests;

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (OnlyListsTests(argc, argv)) return RUN_ALL_TESTS();

  auto xServer = std::make_unique<k9::test::XvfbServer>();
  if (!xServer->running()) {
    fprintf(stderr, "Xvfb did not start\n");
    return 1;
  }
  qputenv("DISPLAY", xServer->display().c_str());
  qputenv("GSETTINGS_BACKEND", "memory");

  QCoreApplication application(argc, argv);
  QProcess bus;
  bus.start(QStringLiteral("dbus-daemon"),
            {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
  QByteArray address;
  while (bus.waitForReadyRead(10000)) {
    address += bus.readAllStandardOutput();
    if (address.contains('\n')) break;
  }
  if (!address.contains('\n')) {
    fprintf(stderr, "dbus-daemon did not start\n");
    return 1;
  }
  qputenv("DBUS_SESSION_BUS_ADDRESS", address.trimmed());

  const int result = RUN_ALL_TESTS();
  bus.terminate();
  bus.waitForFinished();
  return result;
}
