// Every run of the filter looks up the display profile, which may be written to
// the user's cache folder: the host tests run in a temporary home instead.
#include <gtest/gtest.h>

#include <memory>

#include "platform/TestEnvironment.h"

namespace {

class IsolatedUserEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { user_ = std::make_unique<orv::test::IsolatedUser>(); }
  void TearDown() override { user_.reset(); }

 private:
  std::unique_ptr<orv::test::IsolatedUser> user_;
};

[[maybe_unused]] ::testing::Environment* const kIsolatedUser =
    ::testing::AddGlobalTestEnvironment(new IsolatedUserEnvironment);

}  // namespace
