// The program as a Windows user gets it: unpacked from the x64 zip.
#include "program_driver.h"
#include "support/known_digests.h"
#include "support/scratch_files.h"

#include <gtest/gtest.h>

namespace {

TEST(ReleaseTest, TheProgramStartsFromTheUnpackedZip)
{
    const std::string program = TestProgramFolder() + "..\\package-check\\unpacked\\QuorvikMD5.exe";
    ASSERT_TRUE(FileExists(program)) << program;
    ProgramUnderTest started(program);
    ASSERT_NE(started.Main(), nullptr);
    EXPECT_EQ(started.TextOf(窗口), "QuorvikMD5哈希值查询工具");
    started.PutText(编辑框2, "abc");
    started.ClickCentre(按钮1);
    EXPECT_EQ(started.TextOf(编辑框1), AbcReport());
    started.PressKey(VK_ESCAPE);
    DWORD exitCode = 1;
    ASSERT_TRUE(started.WaitForExit(10000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
}

}
