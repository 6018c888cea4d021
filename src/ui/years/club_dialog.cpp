// "球団名設定" under "ファイル(&F)": the year's club names and meetings per pair. The window lists
// the twelve clubs and the meetings; clicking a line asks for a new name (or number), the two
// buttons put in today's twelve clubs or the names the program has always shown, and ＯＫ makes
// the names the season's at once and writes the year's club file. Whatever cannot be held (too
// long, a double quote, a character code page 932 lacks, a first character another club's name
// starts with) is refused with a message and the names stay as they were. Beside it,
// 交流戦の対戦数 asks for the year's interleague meetings per pair and writes them at once.
#include "core/store/club_file.h"
#include "core/store/interleague_file.h"
#include "core/text/fixed_width.h"
#include "ui/years/years_presenter.h"

namespace tev::ui {

namespace {

constexpr int kMeetingsLine = 12;  // List1's line (0-based) of the meetings per pair

const Text kTitle = U"球団名設定";
const Text kInterleagueTitle = U"交流戦の対戦数";

// One line of the club list: team number, five-character name and short form.
Text club_line(const ClubNames& names, int team) {
    return right_num(team, 2) + U"  " + names.team_name(team) + U"  " + names.team_short(team);
}

}  // namespace

void YearsPresenter::build_club_dialog() {
    clubs_.caption = kTitle;
    clubs_.add(captioned_control(ControlKind::label, "Label1",
                            U"名前を変える球団（または対戦数）の行をクリックして下さい。"));
    clubs_.add(captioned_control(ControlKind::list, "List1"));
    clubs_.add(captioned_control(ControlKind::button, "Command1", U"今の12球団"));
    clubs_.add(captioned_control(ControlKind::button, "Command2", U"元の12球団"));
    clubs_.add(captioned_control(ControlKind::button, "Command3", U"ＯＫ"));
    clubs_.add(captioned_control(ControlKind::button, "Command4", U"ｷｬﾝｾﾙ"));
    clubs_.visible = false;
    main_.on("mnuclub_names", Event::click, [this](int) { mnuclub_names_Click(); });
    main_.on("mnuinterleague_meetings", Event::click, [this](int) { mnuinterleague_meetings_Click(); });
    clubs_.on("List1", Event::click, [this](int) { clubs_List1_Click(); });
    clubs_.on("Command1", Event::click, [this](int) {  // 今の12球団
        club_draft_ = todays_club_names();
        show_club_draft();
    });
    clubs_.on("Command2", Event::click, [this](int) {  // 元の12球団
        club_draft_ = default_club_names();
        show_club_draft();
    });
    clubs_.on("Command3", Event::click, [this](int) { clubs_Command3_Click(); });
    // ｷｬﾝｾﾙ and the frame's close button leave the names as they were.
    clubs_.on("Command4", Event::click, [this](int) { clubs_.visible = false; });
    clubs_.on(kFormName, Event::close, [this](int) { clubs_.visible = false; });
}

void YearsPresenter::mnuclub_names_Click() {
    // The names change every pane; not while a game is entered or a pane waits for its click.
    if (!modes_.can_change_season()) return;
    hide_year_list();
    club_draft_ = season().clubs;
    show_club_draft();
    clubs_.visible = true;
}

void YearsPresenter::show_club_draft() {
    Control& list = clubs_.at("List1");
    list.lines.clear();
    for (int team = 1; team <= 12; ++team) list.lines.push_back(club_line(club_draft_, team));
    list.lines.push_back(U"対戦数  " + plain_num(club_draft_.meetings) + U"回");
    list.list_index = -1;
}

void YearsPresenter::clubs_List1_Click() {
    const int line = clubs_.at("List1").list_index;
    if (line >= 0 && line < 12) type_club_name(line + 1);
    if (line == kMeetingsLine) type_meetings();
}

void YearsPresenter::type_club_name(int team) {
    const Text before = trim_right(club_draft_.team_name(team));
    const Text typed = services_.input(U"球団" + plain_num(team) + U"の名前を入力して下さい（5文字まで）。", kTitle,
                                       before, -1, -1);
    if (typed.empty() || typed == before) return;  // Cancel, or nothing changed
    Text why;
    const auto forms = club_forms_from(typed, why);
    if (!forms) return services_.message(why, kTitle, Icon::exclamation);
    ClubNames changed = club_draft_;
    for (int f = 0; f < kClubForms; ++f) changed.forms[f][team - 1] = (*forms)[f];
    if (const Text problem = club_names_problem(changed); !problem.empty())
        return services_.message(problem, kTitle, Icon::exclamation);
    club_draft_ = std::move(changed);
    show_club_draft();
}

void YearsPresenter::type_meetings() {
    const Text typed = services_.input(U"1つの組み合わせの対戦数を入力して下さい（1から" + plain_num(kMostMeetings) + U"まで）。",
                                       kTitle, plain_num(club_draft_.meetings), -1, -1);
    if (typed.empty()) return;
    const std::optional<long long> number = read_number(trim_both(typed));
    if (!number || *number < 1 || *number > kMostMeetings)
        return services_.message(U"対戦数は1から" + plain_num(kMostMeetings) + U"までです。", kTitle, Icon::exclamation);
    club_draft_.meetings = static_cast<int>(*number);
    show_club_draft();
}

void YearsPresenter::mnuinterleague_meetings_Click() {
    // The meetings change the race and the meeting status; not while a game is entered.
    if (!modes_.can_change_season()) return;
    hide_year_list();
    const Text typed = services_.input(U"交流戦の1つの組み合わせの対戦数を入力して下さい（0から" +
                                           plain_num(kMostInterleagueMeetings) + U"まで、0は交流戦なし）。",
                                       kInterleagueTitle, plain_num(season().interleague_meetings), -1, -1);
    if (typed.empty()) return;
    const std::optional<long long> number = read_number(trim_both(typed));
    if (!number || *number < 0 || *number > kMostInterleagueMeetings)
        return services_.message(U"交流戦の対戦数は0から" + plain_num(kMostInterleagueMeetings) + U"までです。",
                                 kInterleagueTitle, Icon::exclamation);
    // Fewer meetings may not leave a filed game outside the season.
    const int filed = last_interleague_meeting_filed(season());
    if (*number < filed)
        return services_.message(U"交流戦の" + plain_num(filed) + U"回戦の試合が登録されているため、対戦数を" +
                                     plain_num(filed) + U"より少なくできません。",
                                 kInterleagueTitle, Icon::exclamation);
    if (*number == season().interleague_meetings) return;
    if (document_.change_interleague_meetings(static_cast<int>(*number))) hooks_.club_names_changed();
}

void YearsPresenter::clubs_Command3_Click() {
    clubs_.visible = false;
    if (club_draft_ == season().clubs) return;
    if (document_.change_club_names(club_draft_)) hooks_.club_names_changed();
}

}  // namespace tev::ui
