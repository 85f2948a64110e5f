#include "queries/text_query.h"

#include "application/control_access.h"
#include "foundation/block_memory.h"
#include "foundation/byte_buffer_operations.h"
#include "queries/digest_report.h"

namespace {
ByteBuffer FetchLentInput(void* context)
{
    return *static_cast<ByteBuffer*>(context);
}
}

void OnQueryButtonClicked()
{
    // Nothing can change the input box while the handler runs, so it is read
    // once; its text becomes the bytes in its own block, lent to the seven
    // sections in turn. A large text is thus converted, held and touched
    // only once, and never copied.
    ByteBuffer input = TextIntoBytes(ReadControlText(编辑框2));
    LendBlock(input);
    Text report = BuildDigestReport({FetchLentInput, &input});
    WriteControlText(编辑框1, report);
    ReleaseBlock(report);
    // Ends the loan of the input too.
    ReleaseSpareBlocks();
}
