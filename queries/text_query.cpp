#include "queries/text_query.h"

#include "application/control_access.h"
#include "foundation/block_memory.h"
#include "foundation/byte_buffer_operations.h"
#include "queries/digest_report.h"

namespace {
// Nothing can change the input box while the handler runs, so it is read
// once and each section gets fresh bytes of that text: reading a large box
// means converting all of its text each time.
ByteBuffer FetchBytesOfInput(void* context)
{
    return TextToBytes(*static_cast<Text*>(context));
}
}

void OnQueryButtonClicked()
{
    Text input = ReadControlText(编辑框2);
    Text report = BuildDigestReport({FetchBytesOfInput, &input});
    ReleaseBlock(input);
    WriteControlText(编辑框1, report);
    ReleaseBlock(report);
    ReleaseSpareBlocks();
}
