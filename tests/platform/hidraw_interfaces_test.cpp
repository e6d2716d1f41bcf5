#include "platform/hidraw_interfaces.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "device/device_link.h"
#include "platform/udev_device_watcher.h"
#include "support/temp_dir.h"

namespace k9::platform {
namespace {

std::vector<std::uint8_t> K9Descriptor() {
  const std::string bytes = test::ReadFileBytes(std::filesystem::path(K9_FIXTURES_DIR) / "device/k9_report_descriptor.bin");
  return {bytes.begin(), bytes.end()};
}

TEST(HidrawInterfaces, OnePathPerCollectionOfTheNode) {
  const auto interfaces = InterfacesOfNode("/dev/hidraw3", {0x1209, 0x0001}, K9Descriptor());
  ASSERT_EQ(interfaces.size(), 5u);
  const char* paths[] = {"/dev/hidraw3#0001:0002", "/dev/hidraw3#0001:0006", "/dev/hidraw3#000c:0001",
                         "/dev/hidraw3#ff00:0001", "/dev/hidraw3#ff01:0001"};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(interfaces[i].path, paths[i]);
    EXPECT_EQ(interfaces[i].node, "/dev/hidraw3");
    EXPECT_EQ(NodeOfInterfacePath(interfaces[i].path), "/dev/hidraw3");
  }
  EXPECT_EQ(interfaces[3].caps.inputReportByteLength, 8);
  EXPECT_EQ(interfaces[4].caps.featureReportByteLength, 16);
  EXPECT_EQ(interfaces[4].attributes.vendorId, 0x1209);
}

TEST(HidrawInterfaces, RepeatedUsageGetsItsOwnPath) {
  auto twice = K9Descriptor();
  const auto once = K9Descriptor();
  twice.insert(twice.end(), once.end() - 23, once.end());  // the vendor feature collection again
  const auto interfaces = InterfacesOfNode("/dev/hidraw0", {}, twice);
  ASSERT_EQ(interfaces.size(), 6u);
  EXPECT_EQ(interfaces[5].path, "/dev/hidraw0#ff01:0001-2");
}

TEST(HidrawInterfaces, DescriptorFromSysfs) {
  test::TempDir sys;
  const auto folder = sys / "class/hidraw/hidraw7/device";
  std::filesystem::create_directories(folder);
  test::WriteFileBytes(folder / "report_descriptor", std::string("\x05\x01\x09\x02", 4));
  EXPECT_EQ(ReadReportDescriptor(sys.path(), "/dev/hidraw7"), (std::vector<std::uint8_t>{5, 1, 9, 2}));
  EXPECT_FALSE(ReadReportDescriptor(sys.path(), "/dev/hidraw8"));
  EXPECT_FALSE(ReadReportDescriptor(sys.path(), "/dev/../etc/passwd"));
}

TEST(HidrawInterfaces, UdevRuleTagsTheMouseForTheSeatUser) {
  EXPECT_EQ(UdevRuleText(0x1209, 0x0001).substr(UdevRuleText(0x1209, 0x0001).find('\n') + 1),
            "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"1209\", ATTRS{idProduct}==\"0001\", TAG+=\"uaccess\"\n");
  // 71-seat.rules adds the seat tag only to devices already tagged uaccess,
  // and 73-seat-late.rules applies the access: the rule must come first.
  EXPECT_LT(std::string(std::filesystem::path(kUdevRuleFile).filename()), "71-seat.rules");
}

// The installer the build puts beside the program writes exactly the rule the
// program describes, into the folder it is given, for this build's mouse;
// the packaged copy takes the identifiers as arguments.
TEST(UdevRuleInstaller, WritesTheBuildsRule) {
  struct Case {
    std::string script;
    std::string arguments;
    std::uint16_t vendor;
    std::uint16_t product;
  };
  const Case cases[] = {
      {K9_PROGRAM_DIR "/install-udev-rule.sh", "", kSupportedVendorId, kSupportedProductId},
      {K9_SOURCE_DIR "/packaging/udev/install-udev-rule.sh", " 0x04d9 A0f1", 0x04D9, 0xA0F1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    test::TempDir rules;
    const std::string command = "K9_UDEV_RULES_DIR='" + rules.path().string() + "' sh '" + c.script + "'" +
                                c.arguments + " >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const auto file = rules.path() / std::filesystem::path(kUdevRuleFile).filename();
    std::ifstream in(file, std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(written, UdevRuleText(c.vendor, c.product));
  }
}

TEST(UdevEvents, MappedToDeviceChanges) {
  const auto added = UdevDeviceWatcher::ChangesOf("add", "/dev/hidraw2", K9Descriptor(), {});
  ASSERT_EQ(added.size(), 5u);
  EXPECT_EQ(added[4].kind, DeviceChangeKind::Arrival);
  EXPECT_EQ(added[4].interfacePath, "/dev/hidraw2#ff01:0001");
  const auto removed = UdevDeviceWatcher::ChangesOf("remove", "/dev/hidraw2", std::nullopt,
                                                    {"/dev/hidraw2#ff00:0001", "/dev/hidraw2#ff01:0001"});
  ASSERT_EQ(removed.size(), 2u);
  EXPECT_EQ(removed[1].kind, DeviceChangeKind::RemoveComplete);
  EXPECT_TRUE(UdevDeviceWatcher::ChangesOf("change", "/dev/hidraw2", K9Descriptor(), {"x"}).empty());
  EXPECT_TRUE(UdevDeviceWatcher::ChangesOf("add", "/dev/hidraw2", std::nullopt, {}).empty());
}

}  // namespace
}  // namespace k9::platform
