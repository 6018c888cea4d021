#include "core/store/teams.h"

#include <array>

namespace tev {

namespace {

const std::array<Text, 13> kTeamNames = {
    U"巨　人　　", U"ヤクルト　", U"横　浜　　", U"阪　神　　", U"広　島　　", U"中　日　　",
    U"オリックス", U"西　武　　", U"近　鉄　　", U"日本ハム　", U"ロッテ　　", U"ダイエー　",
    U"　　　　　",
};

const std::array<Text, 12> kTeamShort = {
    U"巨人", U"ﾔｸﾙﾄ", U"横浜", U"阪神", U"広島", U"中日",
    U"ｵﾘｯｸｽ", U"西  武", U"近  鉄", U"日本ﾊﾑ", U"ロッテ", U"ﾀﾞｲｴｰ",
};

const std::array<Text, 3> kLeagueNames = {U"セントラルリーグ", U"パシフィックリーグ", U"両リーグ"};

const Text kNothing;

}  // namespace

const Text& team_name(int team_no) {
    return team_no >= 1 && team_no <= 13 ? kTeamNames[team_no - 1] : kTeamNames[12];
}

const Text& team_short(int team_no) {
    return team_no >= 1 && team_no <= 12 ? kTeamShort[team_no - 1] : kNothing;
}

const Text& league_name(int league) {
    return league >= 1 && league <= 3 ? kLeagueNames[league - 1] : kNothing;
}

}  // namespace tev
