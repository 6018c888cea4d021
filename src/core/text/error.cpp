#include "core/text/error.h"

namespace tev {

std::string Error::describe() const {
    std::string out = file;
    if (line > 0) out += (out.empty() ? "" : ", ") + std::string("line ") + std::to_string(line);
    if (!detail.empty()) out += (out.empty() ? "" : ": ") + detail;
    return out;
}

}  // namespace tev
