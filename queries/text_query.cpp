#include "queries/text_query.h"

#include "application/control_access.h"
#include "foundation/block_memory.h"
#include "foundation/byte_buffer_operations.h"
#include "queries/digest_report.h"

namespace {
// The input box is read afresh for each section.
ByteBuffer FetchInputBoxBytes(void*)
{
    Text input = ReadControlText(编辑框2);
    ByteBuffer bytes = TextToBytes(input);
    ReleaseBlock(input);
    return bytes;
}
}

void OnQueryButtonClicked()
{
    Text report = BuildDigestReport({FetchInputBoxBytes, nullptr});
    WriteControlText(编辑框1, report);
    ReleaseBlock(report);
}
