#include "core/text/error.h"

#include <cerrno>

namespace tev {

std::string Error::describe() const {
    std::string out = file;
    // Appended piece by piece: a chain of operator+ trips GCC 12's -Wrestrict at -O2.
    if (line > 0) {
        if (!out.empty()) out += ' ';
        out += std::to_string(line);
        out += "行目";
    }
    if (!detail.empty()) {
        if (!out.empty()) out += ": ";
        out += detail;
    }
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

std::string read_failure_reason(int error_number) {
    switch (error_number) {
        case EACCES:
        case EPERM: return "読み取りが許可されていません";
        case EISDIR: return "同じ名前のフォルダがあります";
        case EIO: return "ディスクから読めません";
        default: return "エラー番号 " + std::to_string(error_number);
    }
}

}  // namespace tev
