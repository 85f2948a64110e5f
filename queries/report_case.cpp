#include "queries/report_case.h"

#include "application/control_access.h"
#include "foundation/block_memory.h"
#include "foundation/platform_binding.h"
#include "foundation/text_operations.h"

void OnCaseBoxClicked()
{
    const int32_t checked = ReadCheckState(选择框1);
    Text report = ReadControlText(编辑框1);
    // The case functions convert in place; the text read is ours to change.
    char* convertible = const_cast<char*>(report);
    Text converted = checked == 1 ? BoundPlatformFunction<CharLowerEntry>()(convertible)
                                  : BoundPlatformFunction<CharUpperEntry>()(convertible);
    Text copy = converted ? CopyText(converted) : nullptr;
    ReleaseBlock(report);
    WriteControlText(编辑框1, copy);
    ReleaseBlock(copy);
    ReleaseSpareBlocks();
}
