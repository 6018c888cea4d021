#include "core/store/club_file.h"

#include "core/text/fixed_width.h"

namespace tev {

namespace {

constexpr int kClubLines = 13;

Error damaged(const std::string& file, int line, const std::string& detail) {
    return make_error(ErrorKind::damaged, file, line, detail);
}

}  // namespace

std::string club_file_name(const std::string& year) { return "Clubs_" + year + ".DAT"; }

Result<std::optional<ClubNames>> read_club_file(const std::filesystem::path& dir, const std::string& name) {
    const std::string on_disk = name_on_disk(dir, name);
    auto lines = read_item_file(dir, on_disk);
    if (!lines) {
        if (lines.error().kind == ErrorKind::missing) return std::optional<ClubNames>();
        return lines.error();
    }
    if (lines->size() != kClubLines)
        return damaged(on_disk, 0, "行数が" + std::to_string(kClubLines) + "行ではありません");
    ClubNames names;
    for (int team = 1; team <= 12; ++team) {
        const ItemLine& line = (*lines)[team - 1];
        if (line.size() != kClubForms)
            return damaged(on_disk, team, "項目が" + std::to_string(kClubForms) + "個ではありません");
        for (int f = 0; f < kClubForms; ++f) {
            if (!line[f].quoted) return damaged(on_disk, team, "名前が引用符で囲まれていません");
            names.forms[f][team - 1] = line[f].text;
        }
    }
    const ItemLine& last = (*lines)[12];
    const std::optional<long long> meetings = last.size() == 1 && !last[0].quoted ? read_number(last[0].text) : std::nullopt;
    if (!meetings) return damaged(on_disk, kClubLines, "対戦数が数字ではありません");
    names.meetings = static_cast<int>(std::min<long long>(*meetings, 1000));
    if (const Text why = club_names_problem(names); !why.empty()) return damaged(on_disk, 0, to_utf8(why));
    return std::optional<ClubNames>(padded(std::move(names)));
}

ItemWriter club_file_writer(const ClubNames& names, const std::string& name) {
    ItemWriter writer(name);
    for (int team = 1; team <= 12; ++team) {
        for (int f = 0; f < kClubForms; ++f) writer.string(names.forms[f][team - 1]);
        writer.end_line();
    }
    writer.integer(names.meetings);
    writer.end_line();
    return writer;
}

}  // namespace tev
