// The golden rewrite switch: only TEVARDIN_UPDATE_GOLDEN=1 rewrites. A value such as "0" or
// "true" that once rewrote every golden file (and so passed every golden test) now compares.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <string>

#include "support/environment.h"
#include "support/golden_switch.h"

namespace tev {
namespace {

// Sets TEVARDIN_UPDATE_GOLDEN for the life of the object and puts back what was there.
class SwitchSetting {
  public:
    explicit SwitchSetting(const char* value) {
        if (const char* before = ::getenv(kName)) before_ = before;
        test::set_environment(kName, value);
    }
    ~SwitchSetting() { test::set_environment(kName, before_ ? before_->c_str() : nullptr); }
    SwitchSetting(const SwitchSetting&) = delete;
    SwitchSetting& operator=(const SwitchSetting&) = delete;

  private:
    static constexpr const char* kName = "TEVARDIN_UPDATE_GOLDEN";
    std::optional<std::string> before_;
};

TEST(GoldenSwitch, OnlyOneRewrites) {
    {
        SwitchSetting on("1");
        EXPECT_TRUE(test::rewriting_goldens());
    }
    for (const char* other : {"0", "", "true", "yes", "11", " 1", "1 "}) {
        SwitchSetting set(other);
        EXPECT_FALSE(test::rewriting_goldens()) << "TEVARDIN_UPDATE_GOLDEN=[" << other << "]";
    }
    SwitchSetting unset(nullptr);
    EXPECT_FALSE(test::rewriting_goldens());
}

}  // namespace
}  // namespace tev
