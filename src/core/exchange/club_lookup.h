// Finding a club by the name a results table gives it: any form of the year's own club names,
// or the name a newspaper uses for the club in that team-number place, now or formerly (横浜 and
// 大洋 where ＤｅＮＡ is, 近鉄 where 楽天 is, ダイエー and 南海 where ソフトバンク is, 阪急 where
// オリックス is). Names are compared after the width folds of Unicode NFKC (full-width letters
// and digits to ASCII, half-width katakana to full-width), with every blank removed and ASCII
// letters in one case, so that "ＤｅＮＡ", "DeNA" and "ｄｅｎａ" are one club.
#pragma once

#include "core/store/club_names.h"
#include "core/text/text.h"

namespace tev {

// `text` folded as names are compared: NFKC's width folds, blanks removed, ASCII in lower case.
Text fold_name(TextView text);

// The team number 1..12 of the club called `typed` in a season with `names`, or 0 when none is;
// the year's own names win over the newspapers' names.
int club_by_name(TextView typed, const ClubNames& names);

}  // namespace tev
