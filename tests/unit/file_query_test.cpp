// The file query through the real window, in this process.
#include "application/control_access.h"
#include "application/program_state.h"
#include "application/window_layer.h"
#include "foundation/block_memory.h"
#include "foundation/byte_buffer_operations.h"
#include "foundation/file_views.h"
#include "foundation/text_operations.h"
#include "queries/file_query.h"
#include "queries/input_clearing.h"
#include "queries/report_case.h"
#include "queries/text_query.h"
#include "support/block_counting.h"
#include "support/known_digests.h"
#include "support/scratch_files.h"
#include "support/shortcuts.h"

#include <gtest/gtest.h>
#include <ole2.h>

#include <string>

namespace {

std::string ShownReport()
{
    Text shown = ReadControlText(编辑框1);
    std::string result = shown ? shown : "";
    ReleaseBlock(shown);
    return result;
}

ByteBuffer FetchBytesOf(void* context)
{
    const auto* bytes = static_cast<const std::string*>(context);
    if (bytes->empty())
        return nullptr;
    ByteBufferBlock* buffer = TryAllocateByteBuffer(static_cast<int32_t>(bytes->size()));
    std::copy(bytes->begin(), bytes->end(), WritableContent(buffer));
    return buffer;
}

// The report that the digest engine makes of these bytes.
std::string ReportOfBytes(const std::string& bytes)
{
    Text report = BuildDigestReport({FetchBytesOf, const_cast<std::string*>(&bytes)});
    std::string result = report;
    ReleaseBlock(report);
    return result;
}

std::string DroppedPath()
{
    return DroppedFilePath ? DroppedFilePath : "";
}

class FileQueryTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        OleInitialize(nullptr);
        LoadMainWindow();
    }
    static void TearDownTestSuite()
    {
        DestroyWindow(GetMainWindowHandle());
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        ReleaseProgramState();
        OleUninitialize();
    }
    void SetUp() override
    {
        folder = ScratchFolder("file-query-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        WriteControlText(编辑框1, "previous content");
    }
    std::string Drop(const std::string& path)
    {
        OnFileDropped(path.c_str());
        return ShownReport();
    }
    std::string folder;
};

TEST_F(FileQueryTest, ReadableFilesGiveTheirReport)
{
    WriteFileBytes(folder + "abc.txt", "abc");
    WriteFileBytes(folder + "empty.txt", "");
    WriteFileBytes(folder + "notes.lnk.txt", "abc");
    CreateDirectoryA((folder + "links.lnk").c_str(), nullptr);
    WriteFileBytes(folder + "links.lnk\\inside.txt", "abc");

    EXPECT_EQ(Drop(folder + "abc.txt"), AbcReport());
    EXPECT_EQ(DroppedPath(), folder + "abc.txt");
    EXPECT_EQ(Drop(folder + "empty.txt"), EmptyMessageReport());
    // ".lnk" inside a name that is no shortcut: the file is what it is.
    EXPECT_EQ(Drop(folder + "notes.lnk.txt"), AbcReport());
    EXPECT_EQ(DroppedPath(), folder + "notes.lnk.txt");
    EXPECT_EQ(Drop(folder + "links.lnk\\inside.txt"), AbcReport());
}

TEST_F(FileQueryTest, UnreadableDropsGiveAMessageInsteadOfAReport)
{
    const std::string missing = folder + "missing.txt";
    EXPECT_EQ(Drop(missing), "无法读取文件：" + missing);
    EXPECT_EQ(DroppedPath(), missing);
    EXPECT_EQ(Drop(folder), "无法读取文件：" + folder);

    const std::string locked = folder + "locked.txt";
    WriteFileBytes(locked, "abc");
    HANDLE writer = CreateFileA(locked.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(Drop(locked), "无法读取文件：" + locked);
    CloseHandle(writer);

    // The read shares reading only, so a writer that shares reading still
    // keeps it out: the content could change under it.
    HANDLE sharingWriter = CreateFileA(locked.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                       nullptr);
    EXPECT_EQ(Drop(locked), "无法读取文件：" + locked);
    CloseHandle(sharingWriter);
    EXPECT_EQ(Drop(locked), AbcReport());

    const std::string huge = folder + "huge.bin";
    MakeSparseFile(huge, 1LL << 31);
    EXPECT_EQ(Drop(huge), "文件太大，无法查询：" + huge);

    const std::string two = folder + "a.txt\r\n" + folder + "b.txt\r\n";
    WriteFileBytes(folder + "a.txt", "abc");
    EXPECT_EQ(Drop(two), "一次只能查询一个文件");
    EXPECT_EQ(DroppedPath(), two);
    EXPECT_EQ(Drop(""), "无法读取文件：");
    EXPECT_EQ(DroppedPath(), "");
}

TEST_F(FileQueryTest, ShortcutsResolveOneLevel)
{
    const std::string target = folder + "target.txt";
    WriteFileBytes(target, "abc");
    const std::string link = folder + "to-target.lnk";
    ASSERT_TRUE(MakeShortcut(link, target));

    EXPECT_EQ(Drop(link), AbcReport());
    EXPECT_EQ(DroppedPath(), target);

    // Spelled .LNK the search misses it: its own bytes are hashed.
    const std::string upper = folder + "UPPER.LNK";
    CopyFileA(link.c_str(), upper.c_str(), FALSE);
    EXPECT_EQ(Drop(upper), ReportOfBytes(ReadFileBytes(upper)));
    EXPECT_NE(Drop(upper), AbcReport());

    // A shortcut to a shortcut gives the inner shortcut's bytes.
    const std::string outer = folder + "to-link.lnk";
    ASSERT_TRUE(MakeShortcut(outer, link));
    EXPECT_EQ(Drop(outer), ReportOfBytes(ReadFileBytes(link)));
    EXPECT_EQ(DroppedPath(), link);

    // A damaged shortcut: the message names the dropped path.
    const std::string damaged = folder + "damaged.lnk";
    WriteFileBytes(damaged, "this is no shell link");
    EXPECT_EQ(Drop(damaged), "无法读取文件：" + damaged);
    EXPECT_EQ(DroppedPath(), "");

    // The target deleted: the stored path is used unchanged.
    DeleteFileA(target.c_str());
    EXPECT_EQ(Drop(link), "无法读取文件：" + target);
    EXPECT_EQ(DroppedPath(), target);
}

TEST_F(FileQueryTest, NewDropsComeOutUpperCaseAfterALowerCaseSwitch)
{
    WriteFileBytes(folder + "abc.txt", "abc");
    Drop(folder + "abc.txt");
    SendMessageA(ComponentWindow(选择框1), BM_SETCHECK, BST_CHECKED, 0);
    OnCaseBoxClicked();
    ASSERT_NE(ShownReport(), AbcReport());
    EXPECT_EQ(Drop(folder + "abc.txt"), AbcReport());
    SendMessageA(ComponentWindow(选择框1), BM_SETCHECK, BST_UNCHECKED, 0);
}

TEST_F(FileQueryTest, OnlyTheLastPathIsHeldAndReleasedOnce)
{
    WriteFileBytes(folder + "abc.txt", "abc");
    ReleaseProgramState();
    PrivateBlockHeap heap;
    for (int round = 0; round < 3; ++round) {
        Drop(folder + "abc.txt");
        Drop(folder + "missing.txt");
    }
    EXPECT_EQ(heap.BlocksInUse(), 1u);
    EXPECT_EQ(DroppedPath(), folder + "missing.txt");
    ReleaseProgramState();
    EXPECT_EQ(heap.BlocksInUse(), 0u);
    ReleaseProgramState();
    EXPECT_EQ(DroppedFilePath, nullptr);
}

TEST_F(FileQueryTest, AWholeSessionLeavesOnlyTheDroppedPath)
{
    WriteFileBytes(folder + "abc.txt", "abc");
    ReleaseProgramState();
    PrivateBlockHeap heap;
    for (int round = 0; round < 3; ++round) {
        SetWindowTextA(ComponentWindow(编辑框2), "中文 text");
        OnQueryButtonClicked();
        Drop(folder + "abc.txt");
        SendMessageA(ComponentWindow(选择框1), BM_SETCHECK, round % 2 ? BST_UNCHECKED : BST_CHECKED, 0);
        OnCaseBoxClicked();
        Drop(folder + "missing.txt");
        OnInputBoxDoubleClicked(0, 0, 0);
    }
    EXPECT_EQ(heap.BlocksInUse(), 1u) << "beyond the dropped path";
    ReleaseProgramState();
    EXPECT_EQ(heap.BlocksInUse(), 0u);
    SendMessageA(ComponentWindow(选择框1), BM_SETCHECK, BST_UNCHECKED, 0);
}

TEST_F(FileQueryTest, LargeQueriesHandBackTheirMemory)
{
    // Large enough to be read as a view of the file.
    const std::string content = std::string(3 << 20, 'z') + "end";
    WriteFileBytes(folder + "large.bin", content);
    const std::string text = std::string(3 << 20, 'y') + "中文";
    const std::string expected = ReportOfBytes(content), expectedOfText = ReportOfBytes(text);
    ReleaseSpareBlocks();
    ReleaseProgramState();
    PrivateBlockHeap heap;
    EXPECT_EQ(Drop(folder + "large.bin"), expected);
    EXPECT_EQ(FileViewCount(), 0u);
    SetWindowTextA(ComponentWindow(编辑框2), text.c_str());
    OnQueryButtonClicked();
    EXPECT_EQ(ShownReport(), expectedOfText);
    EXPECT_EQ(SpareBlockCount(), 0u);
    EXPECT_EQ(FileViewCount(), 0u);
    EXPECT_EQ(heap.BlocksInUse(), 1u) << "beyond the dropped path";
    ReleaseProgramState();
    WriteControlText(编辑框2, "");
}

TEST_F(FileQueryTest, LongAndForeignPaths)
{
    // 259 characters, the longest path the ANSI functions take.
    std::string longPath = folder + "long-";
    longPath += std::string(259 - longPath.size() - 4, 'x') + ".txt";
    ASSERT_EQ(longPath.size(), 259u);
    WriteFileBytes(longPath, "abc");
    EXPECT_EQ(Drop(longPath), AbcReport());

    // A name outside code page 936 reaches the program already converted,
    // with its foreign characters replaced: no file has that name.
    const std::wstring wideFolder(folder.begin(), folder.end());
    const std::wstring foreign = wideFolder + L"\x0E01\x0E02.txt";
    HANDLE file = CreateFileW(foreign.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    char converted[MAX_PATH];
    WideCharToMultiByte(CP_ACP, 0, foreign.c_str(), -1, converted, MAX_PATH, nullptr, nullptr);
    EXPECT_EQ(Drop(converted), "无法读取文件：" + std::string(converted));
}

struct FailingFetch {
    int failOnCall;
    FileReadOutcome failure;
    int calls;
};

ByteBuffer FetchFailingOnce(void* context, FileReadOutcome* outcome)
{
    auto* fetch = static_cast<FailingFetch*>(context);
    ++fetch->calls;
    *outcome = fetch->calls == fetch->failOnCall ? fetch->failure : FileReadOutcome::Read;
    return TextToBytes("abc");
}

TEST(FileReportTest, AFailedReadAnywhereGivesNoMixedReport)
{
    PrivateBlockHeap heap;
    for (int k = 1; k <= 7; ++k) {
        for (FileReadOutcome failure : {FileReadOutcome::Unreadable, FileReadOutcome::TooLarge}) {
            FailingFetch fetch{k, failure, 0};
            FileReadOutcome seen = FileReadOutcome::Read;
            EXPECT_EQ(BuildReportUnlessReadFails({FetchFailingOnce, &fetch}, &seen), nullptr) << k;
            EXPECT_EQ(seen, failure) << k;
            EXPECT_EQ(fetch.calls, k) << "reads after the failure are skipped";
        }
    }
    FailingFetch never{0, FileReadOutcome::Unreadable, 0};
    FileReadOutcome seen = FileReadOutcome::TooLarge;
    Text report = BuildReportUnlessReadFails({FetchFailingOnce, &never}, &seen);
    EXPECT_EQ(std::string(report), AbcReport());
    EXPECT_EQ(seen, FileReadOutcome::Read);
    EXPECT_EQ(never.calls, 7);
    ReleaseBlock(report);
    EXPECT_EQ(heap.BlocksInUse(), 0u);
}

}
