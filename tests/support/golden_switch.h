// The one switch that turns every golden test from comparing into rewriting its golden files:
// TEVARDIN_UPDATE_GOLDEN=1 in the environment. Only "1" rewrites; unset, empty, "0" or any other
// value compares, so that a stray or negated setting cannot rewrite the files (and so make every
// golden test pass) behind the reader's back.
#pragma once

#include <cstdlib>
#include <string_view>

namespace tev::test {

// True when TEVARDIN_UPDATE_GOLDEN is exactly "1": golden tests write what they got instead of
// comparing it, for review with git diff.
inline bool rewriting_goldens() {
    const char* value = std::getenv("TEVARDIN_UPDATE_GOLDEN");
    return value != nullptr && std::string_view(value) == "1";
}

}  // namespace tev::test
