#include "support/child_process.h"
#include "support/scratch_files.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct FatalCase {
    const char* scenario;
    const char* boxMentions;
};

void PrintTo(const FatalCase& c, std::ostream* out) { *out << c.scenario; }

class FatalErrorTest : public testing::TestWithParam<FatalCase> {};

TEST_P(FatalErrorTest, ShowsBoxThenEndsWithMinusOneWithoutExitRoutines)
{
    const std::string folder = ScratchFolder(std::string("fatal-") + GetParam().scenario);
    ChildRun run = RunChildScenario(GetParam().scenario, folder);
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0xFFFFFFFFu);
    EXPECT_NE(run.boxText.find("程序运行时发生错误"), std::string::npos) << run.boxText;
    EXPECT_NE(run.boxText.find(GetParam().boxMentions), std::string::npos) << run.boxText;
    EXPECT_FALSE(FileExists(folder + "exit-routine-ran"));
    EXPECT_TRUE(FileExists(folder + "shutdown-step-ran"));
}

INSTANTIATE_TEST_SUITE_P(Causes, FatalErrorTest,
                         testing::Values(FatalCase{"fatal-allocation", "1048576"},
                                         FatalCase{"fatal-binding", "QuorvikNoSuchExport"}),
                         [](const auto& info) { return std::string(info.param.scenario) == "fatal-allocation" ? "Allocation" : "Binding"; });

TEST(FatalShutdownTest, InsideTheRunningWindowTheRestOfShutdownStillRuns)
{
    const std::string folder = ScratchFolder("fatal-inside-window");
    ChildRun run = RunChildScenario("fatal-inside-window", folder);
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0xFFFFFFFFu);
    EXPECT_NE(run.boxText.find("无法分配"), std::string::npos) << run.boxText;
    EXPECT_FALSE(FileExists(folder + "exit-routine-ran"));
    EXPECT_EQ(ReadFileBytes(folder + "shutdown-step-ran"), "unbound=1 ole=1");
}

TEST(NormalEndTest, RunsExitRoutinesAndEndsWithZero)
{
    const std::string folder = ScratchFolder("normal-end");
    ChildRun run = RunChildScenario("normal-end", folder);
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_TRUE(run.boxText.empty());
    EXPECT_TRUE(FileExists(folder + "exit-routine-ran"));
    EXPECT_TRUE(FileExists(folder + "shutdown-step-ran"));
}

}
