#include "core/transfer/transfer_plan.h"

#include <gtest/gtest.h>

namespace kanalo {
namespace {

using Args = std::vector<std::string>;

TEST(TransferPlan, ToolsFollowBoxTypeAndFirmware) {
    EXPECT_EQ(uploadTool(1, 1, 2), (ToolInvocation{"listsend1", Args{"-p", "2"}}));
    EXPECT_EQ(uploadTool(1, 2, 1), (ToolInvocation{"listsend2", Args{"-p", "1"}}));
    EXPECT_EQ(uploadTool(2, 2, 3), (ToolInvocation{"listsend2", Args{"-p", "3", "-f"}}));
    EXPECT_EQ(uploadTool(3, 2, 1),
              (ToolInvocation{"listsend3", Args{"-p", "1", "-b", "57600", "-x"}}));
    EXPECT_EQ(downloadTool(1, 1, 1), (ToolInvocation{"listfetch1", Args{"-p", "1"}}));
    EXPECT_EQ(downloadTool(2, 2, 2), (ToolInvocation{"listfetch1", Args{"-p", "2", "-f"}}));
    EXPECT_EQ(downloadTool(3, 2, 4),
              (ToolInvocation{"listfetch3", Args{"-p", "4", "-b", "57600", "-x"}}));
}

TEST(TransferPlan, UpdatersTakeThePathAsOneArgument) {
    EXPECT_EQ(softwareUpdater(3, 2, "/sw/new file.pad"),
              (ToolInvocation{"Update3", Args{"-p", "2", "-c", "/sw/new file.pad"}}));
    EXPECT_EQ(softwareUpdater(2, 1, "a;rm -rf x.pad"),
              (ToolInvocation{"Update2", Args{"-p", "1", "a;rm -rf x.pad"}}));
    EXPECT_EQ(softwareUpdater(0, 4, "f.pad").launchName, "Update");
}

TEST(TransferPlan, CaptureFileReplacesTheLastThreeCharacters) {
    EXPECT_EQ(captureFilePath("/tmp/x/temp.dat"), "/tmp/x/temp.out");
    EXPECT_EQ(captureFilePath("ab"), "out");
}

} // namespace
} // namespace kanalo
