#include "foundation/block_memory.h"
#include "foundation/byte_buffer_operations.h"
#include "foundation/file_views.h"
#include "foundation/whole_file_read.h"
#include "support/block_counting.h"
#include "support/scratch_files.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string ContentOf(ByteBuffer buffer)
{
    return std::string(reinterpret_cast<const char*>(ByteBufferContent(buffer)),
                       static_cast<size_t>(ByteBufferLength(buffer)));
}

TEST(ReadWholeFileTest, OutcomesOfOrdinaryPaths)
{
    const std::string folder = ScratchFolder("read-whole-file");
    WriteFileBytes(folder + "three.bin", std::string("a\0c", 3));
    WriteFileBytes(folder + "empty.bin", "");

    PrivateBlockHeap heap;
    FileReadOutcome outcome{};
    ByteBuffer three = ReadWholeFile((folder + "three.bin").c_str(), &outcome);
    EXPECT_EQ(outcome, FileReadOutcome::Read);
    EXPECT_EQ(ContentOf(three), std::string("a\0c", 3));
    EXPECT_EQ(three->marker, 1);
    ReleaseBlock(three);

    struct Case {
        std::string path;
        FileReadOutcome expected;
    };
    const Case absentCases[] = {
        {folder + "empty.bin", FileReadOutcome::Read},
        {folder + "missing.bin", FileReadOutcome::Unreadable},
        {folder, FileReadOutcome::Unreadable},
        {folder.substr(0, folder.size() - 1), FileReadOutcome::Unreadable},
        {"", FileReadOutcome::Unreadable},
    };
    for (const Case& c : absentCases) {
        outcome = FileReadOutcome::TooLarge;
        EXPECT_EQ(ReadWholeFile(c.path.c_str(), &outcome), nullptr) << c.path;
        EXPECT_EQ(outcome, c.expected) << c.path;
    }
    EXPECT_EQ(ReadWholeFile(nullptr), nullptr);
    EXPECT_EQ(heap.BlocksInUse(), 0u);
}

TEST(ReadWholeFileTest, WriterWithoutReadSharingMakesFileUnreadable)
{
    const std::string path = ScratchFolder("read-locked") + "locked.bin";
    WriteFileBytes(path, "abc");
    HANDLE writer = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    FileReadOutcome outcome{};
    EXPECT_EQ(ReadWholeFile(path.c_str(), &outcome), nullptr);
    EXPECT_EQ(outcome, FileReadOutcome::Unreadable);
    CloseHandle(writer);

    ByteBuffer after = ReadWholeFile(path.c_str(), &outcome);
    EXPECT_EQ(outcome, FileReadOutcome::Read);
    EXPECT_EQ(ContentOf(after), "abc");
    ReleaseBlock(after);
}

std::string Pattern(size_t size, char seed)
{
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(seed + i * 7 + (i >> 12));
    return bytes;
}

bool OpensForWriting(const std::string& path)
{
    HANDLE writer = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (writer == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(writer);
    return true;
}

TEST(ReadWholeFileTest, LargeFilesAreViewsReusedUntilTheSparesAreHandedBack)
{
    const std::string folder = ScratchFolder("read-viewed");
    // Not a whole number of pages, so that the view's last page is partly past the end.
    const size_t size = (3 << 20) + 5;
    const std::string first = folder + "first.bin", second = folder + "second.bin";
    WriteFileBytes(first, Pattern(size, 'a'));
    WriteFileBytes(second, Pattern(size, 'b'));

    PrivateBlockHeap heap;
    ByteBuffer viewed = ReadWholeFile(first.c_str());
    ASSERT_NE(viewed, nullptr);
    EXPECT_EQ(viewed->marker, 1);
    EXPECT_EQ(ContentOf(viewed), Pattern(size, 'a'));
    EXPECT_EQ(heap.BlocksInUse(), 0u) << "the content is not copied";
    EXPECT_FALSE(OpensForWriting(first)) << "no writer while the view lives";
    ReleaseBlock(viewed);
    EXPECT_EQ(FileViewCount(), 1u);

    // The same file again takes the spare; another of the same size does not.
    ByteBuffer again = ReadWholeFile(first.c_str());
    EXPECT_EQ(again, viewed);
    ReleaseBlock(again);
    ByteBuffer other = ReadWholeFile(second.c_str());
    EXPECT_EQ(ContentOf(other), Pattern(size, 'b'));
    ReleaseBlock(other);
    EXPECT_EQ(FileViewCount(), 1u) << "one spare at a time";

    ReleaseSpareBlocks();
    EXPECT_EQ(FileViewCount(), 0u);
    ASSERT_TRUE(OpensForWriting(first));
    WriteFileBytes(first, Pattern(size, 'c'));
    ByteBuffer changed = ReadWholeFile(first.c_str());
    EXPECT_EQ(ContentOf(changed), Pattern(size, 'c'));
    ReleaseBlock(changed);
    ReleaseSpareBlocks();
    EXPECT_EQ(FileViewCount(), 0u);
    EXPECT_EQ(heap.BlocksInUse(), 0u);
}

TEST(ReadWholeFileTest, TooLargeFilesAndMemoryThatCannotHoldThem)
{
    const std::string folder = ScratchFolder("read-too-large");
    const LONGLONG sizes[] = {1LL << 31, (1LL << 32) + 5};
    for (LONGLONG size : sizes) {
        const std::string path = folder + "huge-" + std::to_string(size) + ".bin";
        MakeSparseFile(path, size);
        FileReadOutcome outcome{};
        EXPECT_EQ(ReadWholeFile(path.c_str(), &outcome), nullptr) << size;
        EXPECT_EQ(outcome, FileReadOutcome::TooLarge) << size;
    }

#if defined(_WIN64)
    // The largest file there can be a buffer of is read, when memory allows
    // (a 32-bit process has no room for it).
    const std::string largest = folder + "largest.bin";
    MakeSparseFile(largest, (1LL << 31) - 1);
    {
        FileReadOutcome outcome{};
        ByteBuffer content = ReadWholeFile(largest.c_str(), &outcome);
        EXPECT_EQ(outcome, FileReadOutcome::Read);
        ASSERT_NE(content, nullptr);
        EXPECT_EQ(ByteBufferLength(content), INT32_MAX);
        EXPECT_EQ(ByteBufferContent(content)[INT32_MAX - 1], 0);
        ReleaseBlock(content);
        ReleaseSpareBlocks();
    }
    DeleteFileA(largest.c_str());
#endif

    // A file that fits in a buffer but not in the memory there is: an
    // ordinary failure, not the fatal box.
    const std::string path = folder + "half-megabyte.bin";
    WriteFileBytes(path, std::string(1 << 19, 'x'));
    PrivateBlockHeap small(256 * 1024);
    FileReadOutcome outcome{};
    EXPECT_EQ(ReadWholeFile(path.c_str(), &outcome), nullptr);
    EXPECT_EQ(outcome, FileReadOutcome::TooLarge);
    EXPECT_EQ(small.BlocksInUse(), 0u);
}

}
