#include "core/exchange/club_lookup.h"

#include <array>
#include <initializer_list>

namespace tev {

namespace {

// Half-width katakana U+FF61..U+FF9D and their full-width forms, in code order.
constexpr TextView kHalfKana = U"｡｢｣､･ｦｧｨｩｪｫｬｭｮｯｰｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝ";
constexpr TextView kFullKana = U"。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン";

bool is_blank(char32_t c) { return c == U' ' || c == U'\t' || c == kWideBlank || c == U'\u00A0'; }

// The kana that take the voiced mark (ガ from カ + ﾞ: the next code point, ヴ for ウ) and the
// semi-voiced mark (パ from ハ + ﾟ: two code points on).
bool takes_voiced(char32_t c) { return TextView(U"ウカキクケコサシスセソタチツテトハヒフヘホ").find(c) != TextView::npos; }
bool takes_semi_voiced(char32_t c) { return TextView(U"ハヒフヘホ").find(c) != TextView::npos; }
char32_t voiced(char32_t c) { return c == U'ウ' ? U'ヴ' : c + 1; }

// The newspapers' names of each team-number place, now and formerly.
const std::array<std::initializer_list<const char32_t*>, 12>& press_names() {
    static const std::array<std::initializer_list<const char32_t*>, 12> names = {{
        {U"巨人", U"読売"},
        {U"ヤクルト"},
        {U"DeNA", U"横浜", U"大洋"},
        {U"阪神"},
        {U"広島"},
        {U"中日"},
        {U"オリックス", U"阪急"},
        {U"西武"},
        {U"楽天", U"近鉄"},
        {U"日本ハム", U"日ハム"},
        {U"ロッテ"},
        {U"ソフトバンク", U"ソフトB", U"ダイエー", U"南海"},
    }};
    return names;
}

}  // namespace

Text fold_name(TextView text) {
    Text out;
    for (char32_t c : text) {
        if (is_blank(c)) continue;
        if (c >= U'\uFF01' && c <= U'\uFF5E') c = c - 0xFF01 + 0x21;  // full-width ASCII
        if (c >= U'\uFF61' && c <= U'\uFF9D') c = kFullKana[kHalfKana.find(c)];
        if (c == U'\uFF9E' && !out.empty() && takes_voiced(out.back())) {
            out.back() = voiced(out.back());
            continue;
        }
        if (c == U'\uFF9F' && !out.empty() && takes_semi_voiced(out.back())) {
            out.back() += 2;
            continue;
        }
        if (c == U'\uFF9E') c = U'\u3099';
        if (c == U'\uFF9F') c = U'\u309A';
        if (c >= U'A' && c <= U'Z') c = c - U'A' + U'a';
        out += c;
    }
    return out;
}

int club_by_name(TextView typed, const ClubNames& names) {
    const Text wanted = fold_name(typed);
    if (wanted.empty()) return 0;
    for (int team = 1; team <= 12; ++team)
        for (const auto& form : names.forms)
            if (fold_name(form[team - 1]) == wanted) return team;
    for (int team = 1; team <= 12; ++team)
        for (const char32_t* name : press_names()[team - 1])
            if (fold_name(name) == wanted) return team;
    return 0;
}

}  // namespace tev
