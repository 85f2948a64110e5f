// The unit test program; started again with --child=<name> it plays one of
// the scenarios that end the process.
#include "support/child_process.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    bool wasChild = false;
    const int childExit = RunNamedChildScenario(argc, argv, &wasChild);
    if (wasChild)
        return childExit;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
