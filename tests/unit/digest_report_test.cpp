#include "foundation/block_memory.h"
#include "foundation/byte_buffer_operations.h"
#include "foundation/text_operations.h"
#include "queries/digest_report.h"
#include "support/block_counting.h"
#include "support/known_digests.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct CountingFetch {
    const char* text;
    int calls;
    size_t blocksAtEachCall[8];
    const PrivateBlockHeap* heap;
};

ByteBuffer FetchCounted(void* context)
{
    auto* fetch = static_cast<CountingFetch*>(context);
    if (fetch->calls < 8)
        fetch->blocksAtEachCall[fetch->calls] = fetch->heap->BlocksInUse();
    ++fetch->calls;
    return TextToBytes(fetch->text);
}

std::string ReportOf(const char* text, int* calls)
{
    PrivateBlockHeap heap;
    CountingFetch fetch{text, 0, {}, &heap};
    Text report = BuildDigestReport({FetchCounted, &fetch});
    std::string result = report ? report : "";
    ReleaseBlock(report);
    EXPECT_EQ(heap.BlocksInUse(), 0u) << "left behind for \"" << text << "\"";
    // Each buffer is gone before the next is fetched: only the digests so
    // far are held (one more block per section).
    for (int i = 1; i < 7 && i < fetch.calls; ++i)
        EXPECT_EQ(fetch.blocksAtEachCall[i], static_cast<size_t>(i)) << "before fetch " << i + 1;
    *calls = fetch.calls;
    return result;
}

TEST(DigestReportTest, ExactBytesForEmptyAndAbc)
{
    int calls = 0;
    const std::string empty = ReportOf("", &calls);
    EXPECT_EQ(calls, 7);
    EXPECT_EQ(empty, EmptyMessageReport());
    EXPECT_EQ(empty.size(), 486u);

    const std::string abc = ReportOf("abc", &calls);
    EXPECT_EQ(calls, 7);
    EXPECT_EQ(abc, AbcReport());
    EXPECT_EQ(abc.size(), 486u);
}

struct SectionFetch {
    int calls;
};

// Content that differs per call shows which section each call fed.
ByteBuffer FetchCallNumber(void* context)
{
    auto* fetch = static_cast<SectionFetch*>(context);
    ++fetch->calls;
    return fetch->calls == 2 ? TextToBytes("abc") : nullptr;
}

TEST(DigestReportTest, FetchesOncePerSectionInReportOrder)
{
    SectionFetch fetch{0};
    Text report = BuildDigestReport({FetchCallNumber, &fetch});
    EXPECT_EQ(fetch.calls, 7);
    // The second call feeds the second section, SHA1.
    EXPECT_EQ(std::string(report),
              ExpectedReport(EmptyMd5, AbcSha1, EmptyMd2, EmptyMd4, EmptySha256, EmptySha384, EmptySha512));
    ReleaseBlock(report);
}

}
