// The real backend as far as a machine without the mouse allows: no test
// opens a device node.
#include "platform/hidapi_backend.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <thread>

#include "device/discovery.h"
#include "device/input_reader.h"
#include "platform/udev_device_watcher.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace k9::platform {
namespace {

TEST(HidapiBackend, HandlesThatAreNotOpenFailAtOnce) {
  HidapiBackend backend;
  std::array<std::uint8_t, 8> buffer{};
  for (HidHandle h : {kNoHidHandle, kInvalidHidHandle, HidHandle{12345}}) {
    EXPECT_EQ(backend.Read(h, buffer).error, HidError::NotOpen);
    EXPECT_FALSE(backend.SetFeature(h, buffer));
    EXPECT_FALSE(backend.GetAttributes(h));
    EXPECT_FALSE(backend.GetCaps(h));
    backend.Close(h);
  }
  EXPECT_EQ(backend.Open("/dev/hidraw-none#ff00:0001", HidAccess::Read).handle, kInvalidHidHandle);
}

// Discovery through hidapi finds no mouse among whatever this machine has.
TEST(HidapiBackend, DiscoveryWithoutTheMouse) {
  HidapiBackend backend;
  test::RecordingMessageSink messages;
  DeviceLink link;
  EXPECT_FALSE(DiscoverMouse(link, {backend, messages, kEnglish, ""}));
  EXPECT_EQ(link.readHandle, kNoHidHandle);
  EXPECT_TRUE(messages.messages.empty());
}

// The reader thread on the real backend ends cleanly.
TEST(HidapiBackend, ReaderStops) {
  HidapiBackend backend;
  DeviceLink link;
  Profile profile;
  ActionHandshake handshake;
  SteadyClock clock;
  InputReader reader(backend, link, profile, handshake, clock);
  reader.Start();
  std::this_thread::sleep_for(std::chrono::milliseconds(10));
  reader.Stop();
}

TEST(UdevDeviceWatcher, SetsUpOrSaysItCannot) {
  int argc = 1;
  char name[] = "k9_platform_tests";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  HidapiBackend backend;
  std::vector<DeviceChange> changes;
  UdevDeviceWatcher watcher(backend, [&](const DeviceChange& c) { changes.push_back(c); });
  QCoreApplication::processEvents();
  // Nothing is plugged in or out here; a container may have no udev at all.
  EXPECT_TRUE(changes.empty());
  RecordProperty("udev_monitor_active", watcher.isActive() ? "yes" : "no");
}

}  // namespace
}  // namespace k9::platform
