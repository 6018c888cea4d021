// A fresh folder under the system's temporary folder, removed with everything in it at the end.
#pragma once

#include <filesystem>
#include <string>

namespace tev::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// The bytes of a file ("" when it cannot be read).
std::string slurp(const std::filesystem::path& file);

// Writes `bytes` to `file`, replacing it.
void spit(const std::filesystem::path& file, const std::string& bytes);

}  // namespace tev::test
