#include "support/child_process.h"

#include <gtest/gtest.h>

int RunNamedChildScenario(int, char**, bool* wasChild)
{
    *wasChild = false;
    return -1;
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
