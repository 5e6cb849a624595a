#include "core/transfer/transfer_plan.h"

#include <gtest/gtest.h>

namespace kanalo {
namespace {

using Args = std::vector<std::string>;

TEST(TransferPlan, ToolsFollowBoxTypeAndFirmware) {
    const ReceiverChoice rondel1{BoxType::Pella1Rondel, 1}, rondel2{BoxType::Pella1Rondel, 2};
    const ReceiverChoice lundra{BoxType::Lundra, 2}, plus{BoxType::Pella1Plus, 2};
    EXPECT_EQ(uploadTool(rondel1, 2), (ToolInvocation{"listsend1", Args{"-p", "2"}}));
    EXPECT_EQ(uploadTool(rondel2, 1), (ToolInvocation{"listsend2", Args{"-p", "1"}}));
    EXPECT_EQ(uploadTool(lundra, 3), (ToolInvocation{"listsend2", Args{"-p", "3", "-f"}}));
    EXPECT_EQ(uploadTool(plus, 1),
              (ToolInvocation{"listsend3", Args{"-p", "1", "-b", "57600", "-x"}}));
    EXPECT_EQ(downloadTool(rondel1, 1), (ToolInvocation{"listfetch1", Args{"-p", "1"}}));
    EXPECT_EQ(downloadTool(lundra, 2), (ToolInvocation{"listfetch1", Args{"-p", "2", "-f"}}));
    EXPECT_EQ(downloadTool(plus, 4),
              (ToolInvocation{"listfetch3", Args{"-p", "4", "-b", "57600", "-x"}}));
}

TEST(TransferPlan, UpdatersTakeThePathAsOneArgument) {
    EXPECT_EQ(softwareUpdater(BoxType::Pella1Plus, 2, "/sw/new file.pad"),
              (ToolInvocation{"Update3", Args{"-p", "2", "-c", "/sw/new file.pad"}}));
    EXPECT_EQ(softwareUpdater(BoxType::Lundra, 1, "a;rm -rf x.pad"),
              (ToolInvocation{"Update2", Args{"-p", "1", "a;rm -rf x.pad"}}));
    EXPECT_EQ(softwareUpdater(BoxType::NotChosen, 4, "f.pad").launchName, "Update");
}

TEST(TransferPlan, CaptureFileReplacesTheLastThreeCharacters) {
    EXPECT_EQ(captureFilePath("/tmp/x/temp.dat"), "/tmp/x/temp.out");
    EXPECT_EQ(captureFilePath("ab"), "out");
}

} // namespace
} // namespace kanalo
