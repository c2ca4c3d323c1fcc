#pragma once
// What every end-to-end test of one driver run shares: the tray spy, set up
// before the first program starts, and a work folder for scenario and trace
// files.
#include "tests/e2e/TraySpy.h"

#include <gtest/gtest.h>

#include <string>

class E2eEnvironment : public ::testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;

    static TraySpy& Spy();
    // A path in the work folder; an existing file of that name is removed.
    static std::string FreshFile(const std::string& name);
    static std::string WriteFile(const std::string& name, const std::string& text);
};
