// Real OLE drag and drop from this process onto the running program.
#include "drag_source.h"
#include "program_driver.h"
#include "support/known_digests.h"
#include "support/scratch_files.h"

#include <gtest/gtest.h>
#include <ole2.h>

namespace {

class DragDropTest : public testing::Test {
protected:
    void SetUp() override { OleInitialize(nullptr); }
    void TearDown() override { OleUninitialize(); }
};

TEST_F(DragDropTest, TheWholeWindowIsOneDropArea)
{
    const std::string folder = ScratchFolder("drag-drop");
    WriteFileBytes(folder + "abc.txt", "abc");
    WriteFileBytes(folder + "empty.txt", "");
    ProgramUnderTest program;
    ASSERT_NE(program.Main(), nullptr);

    // Over the report box: the program reads the file and answers E_FAIL.
    EXPECT_EQ(DropFilesOn(program, 编辑框1, {100, 100}, {folder + "abc.txt"}), E_FAIL);
    EXPECT_TRUE(WaitUntil([&] { return program.TextOf(编辑框1) == AbcReport(); }, 10000))
        << program.TextOf(编辑框1);

    // Over the bare client area below the report box, and over a label.
    DropFilesOn(program, 窗口, {8, 320}, {folder + "empty.txt"});
    EXPECT_TRUE(WaitUntil([&] { return program.TextOf(编辑框1) == EmptyMessageReport(); }, 10000));
    DropFilesOn(program, 标签1, {5, 5}, {folder + "abc.txt", folder + "empty.txt"});
    EXPECT_TRUE(WaitUntil([&] { return program.TextOf(编辑框1) == "一次只能查询一个文件"; }, 10000));
}

}
