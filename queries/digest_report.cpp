#include "queries/digest_report.h"

#include "digest/digest_computation.h"
#include "foundation/block_memory.h"
#include "foundation/text_operations.h"

namespace {

struct ReportSection {
    Text label;
    DigestAlgorithm algorithm;
};

constexpr ReportSection ReportSections[] = {
    {"MD5:", 1},
    {"\r\n\r\nSHA1:", 4},
    {"\r\n\r\nMD2:", 2},
    {"\r\n\r\nMD4:", 3},
    {"\r\n\r\nSHA256:", 5},
    {"\r\n\r\nSHA384:", 6},
    {"\r\n\r\nSHA512:", 7},
};
constexpr int SectionCount = sizeof ReportSections / sizeof ReportSections[0];

}

Text BuildDigestReport(ContentFetch fetch)
{
    Text digests[SectionCount];
    for (int i = 0; i < SectionCount; ++i) {
        ByteBuffer content = fetch.fetch(fetch.context);
        digests[i] = ComputeDigestText(content, ReportSections[i].algorithm);
        ReleaseBlock(content);
    }
    Text report = ConcatText({
        ReportSections[0].label, digests[0], ReportSections[1].label, digests[1],
        ReportSections[2].label, digests[2], ReportSections[3].label, digests[3],
        ReportSections[4].label, digests[4], ReportSections[5].label, digests[5],
        ReportSections[6].label, digests[6],
    });
    for (Text digest : digests)
        ReleaseBlock(digest);
    return report;
}
