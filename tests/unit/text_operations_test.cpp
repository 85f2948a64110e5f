#include "foundation/block_memory.h"
#include "foundation/byte_buffer_operations.h"
#include "foundation/exit_routines.h"
#include "foundation/text_operations.h"
#include "support/block_counting.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct FindCase {
    const char* text;
    const char* pattern;
    int32_t expected;
};

TEST(FindInTextTest, FindsOnlyAtCharacterStarts)
{
    const FindCase cases[] = {
        {"C:\\a.lnk", ".lnk", 5},
        {"C:\\A.LNK", ".lnk", -1},
        {"C:\\x.lnk\\y.txt", ".lnk", 5},
        {"", ".lnk", -1},
        {nullptr, ".lnk", -1},
        {"abc", "", 1},
        {"", "", -1},
        {"abc", "abcd", -1},
        {"abcabc", "ca", 3},
        // 0x81 0x41 is one character: the trail byte 'A' is no match...
        {"\x81" "A", "A", -1},
        // ...but the next character's 'A' is.
        {"\x81" "AA", "A", 3},
        // A lead byte with nothing after it ends the search.
        {"ab\x81", "z", -1},
        {"\x81", "\x81", 1},
        {"中文.lnk", ".lnk", 5},
        {"x\x80" "1y", "1", -1},
    };
    for (const FindCase& c : cases)
        EXPECT_EQ(FindInText(c.text, c.pattern), c.expected)
            << (c.text ? c.text : "(null)") << " / " << c.pattern;
}

TEST(TextOperationsTest, LengthsConcatAndHex)
{
    PrivateBlockHeap heap;
    EXPECT_EQ(TextLength(nullptr), 0);
    EXPECT_EQ(TextLength("中文"), 4);

    Text joined = ConcatText({"MD5:", nullptr, "", "ab", "中"});
    EXPECT_STREQ(joined, "MD5:ab中");
    Text empty = ConcatText({nullptr, ""});
    ASSERT_NE(empty, nullptr);
    EXPECT_STREQ(empty, "");

    const std::pair<int32_t, const char*> hexCases[] = {
        {0, "0"}, {10, "A"}, {255, "FF"}, {-1, "FFFFFFFF"}, {0x1234ABCD, "1234ABCD"}};
    for (const auto& [value, expected] : hexCases) {
        Text hex = IntegerToHexText(value);
        EXPECT_STREQ(hex, expected);
        ReleaseBlock(hex);
    }
    ReleaseBlock(joined);
    ReleaseBlock(empty);
    EXPECT_EQ(heap.BlocksInUse(), 0u);
}

TEST(ByteBufferOperationsTest, ConversionValuesAndZeroFill)
{
    PrivateBlockHeap heap;
    EXPECT_EQ(TextToBytes(""), nullptr);
    EXPECT_EQ(TextToBytes(nullptr), nullptr);

    ByteBuffer chinese = TextToBytes("中");
    ASSERT_EQ(ByteBufferLength(chinese), 2);
    EXPECT_EQ(chinese->marker, 1);
    EXPECT_EQ(ByteValueAt(chinese, 1), 0xD6);
    EXPECT_EQ(ByteValueAt(chinese, 2), 0xD0);

    ByteBuffer values = TextToBytes("\x01\x7F\x80\xFF");
    EXPECT_EQ(ByteValueAt(values, 2), 127);
    EXPECT_EQ(ByteValueAt(values, 3), 128);
    EXPECT_EQ(ByteValueAt(values, 4), 255);

    // A text given up becomes the bytes in its own block where that can
    // grow in place; the literal and the empty text cannot.
    const size_t blocksBefore = heap.BlocksInUse();
    const std::string large = std::string(2 << 20, 'x') + "中";
    Text text = ConcatText({large.c_str()});
    ByteBuffer moved = TextIntoBytes(text);
    ASSERT_EQ(ByteBufferLength(moved), static_cast<int32_t>(large.size()));
    EXPECT_EQ(moved->marker, 1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(ByteBufferContent(moved)), large.size()), large);
    EXPECT_EQ(static_cast<const void*>(moved), static_cast<const void*>(text)) << "not copied";
    ReleaseBlock(moved);
    ByteBuffer ofLiteral = TextIntoBytes("abc");
    EXPECT_EQ(ByteBufferLength(ofLiteral), 3);
    ReleaseBlock(ofLiteral);
    EXPECT_EQ(TextIntoBytes(ConcatText({""})), nullptr);
    EXPECT_EQ(TextIntoBytes(nullptr), nullptr);
    ReleaseSpareBlocks();
    EXPECT_EQ(heap.BlocksInUse(), blocksBefore);

    EXPECT_EQ(ZeroFilledBytes(0), nullptr);
    EXPECT_EQ(ZeroFilledBytes(-5), nullptr);
    ByteBuffer zeros = ZeroFilledBytes(16);
    ASSERT_EQ(ByteBufferLength(zeros), 16);
    for (int32_t i = 1; i <= 16; ++i)
        EXPECT_EQ(ByteValueAt(zeros, i), 0);

    EXPECT_EQ(ByteBufferLength(nullptr), 0);
    EXPECT_EQ(ByteBufferLength(&EmptyByteBuffer), 0);
    ReleaseBlock(chinese);
    ReleaseBlock(values);
    ReleaseBlock(zeros);
    EXPECT_EQ(heap.BlocksInUse(), 0u);
}

TEST(BlockMemoryTest, ReleaseIgnoresNullAndLiterals)
{
    PrivateBlockHeap heap;
    ReleaseBlock(nullptr);
    ReleaseBlock(".lnk");
    ReleaseBlock("");
    ReleaseBlock(&EmptyByteBuffer);
    EXPECT_EQ(EmptyByteBuffer.marker, 1);
    EXPECT_EQ(EmptyByteBuffer.length, 0);
    void* block = AllocateBlock(32);
    EXPECT_EQ(heap.BlocksInUse(), 1u);
    EXPECT_FALSE(IsLiteralConstant(block));
    ReleaseBlock(block);
    EXPECT_EQ(heap.BlocksInUse(), 0u);
}

TEST(BlockMemoryTest, LargeBlocksAreReusedUntilTheSparesAreHandedBack)
{
    PrivateBlockHeap heap;
    void* first = AllocateBlock(2 << 20);
    ReleaseBlock(first);
    EXPECT_EQ(SpareBlockCount(), 1u);
    // A request of about the same size takes the spare...
    void* again = AllocateBlock((2 << 20) - 8);
    EXPECT_EQ(again, first);
    ReleaseBlock(again);
    // ...a much smaller one does not keep it busy.
    void* smaller = AllocateBlock(1 << 20);
    EXPECT_NE(smaller, first);
    ReleaseBlock(smaller);
    EXPECT_EQ(SpareBlockCount(), 2u);
    // Small blocks are never kept.
    ReleaseBlock(AllocateBlock(4096));
    EXPECT_EQ(heap.BlocksInUse(), 2u);
    ReleaseSpareBlocks();
    EXPECT_EQ(SpareBlockCount(), 0u);
    EXPECT_EQ(heap.BlocksInUse(), 0u);
}

TEST(BlockMemoryTest, LentBlocksOutliveTheirReceiversUntilTheHandlerEnds)
{
    PrivateBlockHeap heap;
    void* block = AllocateBlock(64);
    LendBlock(block);
    LendBlock(nullptr);
    for (int receiver = 0; receiver < 7; ++receiver)
        ReleaseBlock(block);
    EXPECT_EQ(heap.BlocksInUse(), 1u);
    // A request the heap cannot meet gives back the spares, not what is lent.
    ReleaseBlock(AllocateBlock(2 << 20));
    EXPECT_EQ(SpareBlockCount(), 1u);
    EXPECT_EQ(TryAllocateBlock(SIZE_MAX / 2), nullptr);
    EXPECT_EQ(SpareBlockCount(), 0u);
    EXPECT_EQ(heap.BlocksInUse(), 1u);
    ReleaseSpareBlocks();
    EXPECT_EQ(heap.BlocksInUse(), 0u);
    // Once freed, nothing of the loan is left to confuse a new block.
    void* next = AllocateBlock(64);
    ReleaseBlock(next);
    EXPECT_EQ(heap.BlocksInUse(), 0u);
}

int routineRuns = 0;
void CountingRoutine() { ++routineRuns; }

TEST(ExitRoutinesTest, RegisteringTwiceKeepsOneEntryThatRunsOnce)
{
    DiscardExitRoutines();
    RegisterExitRoutine(CountingRoutine);
    RegisterExitRoutine(CountingRoutine);
    ASSERT_EQ(ExitRoutineList().count, 1u);
    EXPECT_EQ(ExitRoutineList().routines[0], &CountingRoutine);
    routineRuns = 0;
    RunExitRoutines();
    EXPECT_EQ(routineRuns, 1);
    EXPECT_EQ(ExitRoutineList().count, 0u);
}

}
