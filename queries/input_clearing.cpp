#include "queries/input_clearing.h"

#include "application/control_access.h"

void OnInputBoxDoubleClicked(int32_t, int32_t, int32_t)
{
    WriteControlText(编辑框2, "");
}
