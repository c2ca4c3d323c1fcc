// The end-to-end driver: runs under Wine on a display of two screens (see
// run-e2e.sh), starts the real talvex.exe and works it from outside.
#include "tests/e2e/E2eEnvironment.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new E2eEnvironment);
    return RUN_ALL_TESTS();
}
