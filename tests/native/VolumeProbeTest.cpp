#include <gtest/gtest.h>

#include "FakeVolumeApi.h"
#include "scan/VolumeProbe.h"

namespace {

constexpr uint64_t kSixGigabytes = 6ull << 30;

class VolumeProbe : public ::testing::Test {
 protected:
  VolumeProbe() {
    api.Drives["C:\\"] = {{8, 512, 1000, 5000}, VolumeApi::FreeSpaceEx{1234, 99999999999ull, kSixGigabytes}, 0x10};
  }
  FakeVolumeApi api;
};

// Without the extended query free bytes are free clusters times the cluster size; a
// cluster product of zero or below is one; compression needs the flag and an answer.
TEST_F(VolumeProbe, FallsBackOnWhatThePlatformDoesNotTell) {
  api.HasFreeSpaceEx = false;
  EXPECT_EQ(ProbeVolume("C:\\", api).FreeBytes, 1000.0 * 4096);
  api.HasFreeSpaceEx = true;
  api.Drives["C:\\"].SpaceEx.reset();  // present but failing
  EXPECT_EQ(ProbeVolume("C:\\", api).FreeBytes, 1000.0 * 4096);
  api.Drives["C:\\"].Flags = 0x0F;
  EXPECT_FALSE(ProbeVolume("C:\\", api).CompressionSupported);
  api.Drives["C:\\"].Flags.reset();
  EXPECT_FALSE(ProbeVolume("C:\\", api).CompressionSupported);
  api.Drives["C:\\"].Space = {0, 512, 10, 10};
  EXPECT_EQ(ProbeVolume("C:\\", api).ClusterSize, 1);
  api.Drives["C:\\"].Space = {0x8000, 0x10000, 10, 10};  // 2^31 wraps negative
  EXPECT_EQ(ProbeVolume("C:\\", api).ClusterSize, 1);
}

TEST_F(VolumeProbe, UnknownRootsAndNetworkPathsFallBack) {
  for (const char* path : {"\\\\server\\share\\", "Q:\\", "relative\\", ""}) {
    SCOPED_TRACE(path);
    const VolumeFacts facts = ProbeVolume(path, api);
    EXPECT_TRUE(facts.ClusterSize == 1 && facts.FreeBytes == 0 && !facts.CompressionSupported);
  }
  EXPECT_EQ(api.ExtendedQueries, 0);
}

TEST_F(VolumeProbe, Windows9xAsksTheBlockDeviceForTheClusterSize) {
  api.Version = 0xC0000A04;
  api.Drives["d:\\"] = api.Drives["C:\\"];
  api.ReturnedParams[7] = 0x00;  // 512 bytes per sector, little-endian word
  api.ReturnedParams[8] = 0x02;
  api.ReturnedParams[9] = 64;  // sectors per cluster
  const VolumeFacts facts = ProbeVolume("d:\\games\\", api);
  EXPECT_EQ(facts.ClusterSize, 32768);
  EXPECT_EQ(api.RegistersSent.Ebx, 4u);  // drive D, from a lower-case letter
  EXPECT_EQ(api.RegistersSent.Ecx, 0x0860u);
  EXPECT_EQ(api.RegistersSent.Eax, 0x440Du);
  EXPECT_EQ(api.RegistersSent.Flags, 1u);
}

TEST_F(VolumeProbe, Windows9xKeepsTheFirstClusterSizeWhenTheDeviceFails) {
  api.Version = 0xC0000A04;
  api.ReturnedParams[8] = 0x02;
  api.ReturnedParams[9] = 64;
  api.ReturnedFlags = 1;  // carry: the call failed
  EXPECT_EQ(ProbeVolume("C:\\", api).ClusterSize, 4096);
  api.ReturnedFlags = 0;
  api.IoctlSucceeds = false;
  EXPECT_EQ(ProbeVolume("C:\\", api).ClusterSize, 4096);
  api.DeviceOpens = false;
  EXPECT_EQ(ProbeVolume("C:\\", api).ClusterSize, 4096);
  api.DeviceOpens = true;
  api.IoctlSucceeds = true;
  api.ReturnedParams[9] = 0;  // a zero product is no cluster size
  EXPECT_EQ(ProbeVolume("C:\\", api).ClusterSize, 1);
}

}  // namespace
