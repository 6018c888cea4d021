#include "core/text/error.h"

#include <cerrno>

namespace tev {

std::string Error::describe() const {
    std::string out = file;
    if (line > 0) out += (out.empty() ? "" : " ") + std::to_string(line) + "行目";
    if (!detail.empty()) out += (out.empty() ? "" : ": ") + detail;
    return out;
}

std::string write_failure_reason(int error_number) {
    switch (error_number) {
        case ENOSPC: return "ディスクの空きが足りません";
        case EACCES:
        case EPERM: return "書き込みが許可されていません";
        case EROFS: return "読み取り専用の場所です";
        case EISDIR: return "同じ名前のフォルダがあります";
        case ENOENT: return "保存先のフォルダがありません";
        default: return "書き込めませんでした（エラー番号 " + std::to_string(error_number) + "）";
    }
}

}  // namespace tev
