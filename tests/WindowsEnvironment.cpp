// Window test programs create the program's windows before their first test,
// whatever order the tests run in.
#include <gtest/gtest.h>
#include "app/AppTest.h"

namespace {
struct Windows : ::testing::Environment {
    void SetUp() override { ProgramFolder(); }
};
[[maybe_unused]] const auto* registered = ::testing::AddGlobalTestEnvironment(new Windows);
}  // namespace
