#include "ui/shell/shell_presenter.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "core/homeruns/homerun_file.h"
#include "core/store/season_files.h"
#include "core/text/fixed_width.h"
#include "ui/app/club_controls.h"
#include "ui/shell/help_topics.h"
#include "ui/shell/program_title.h"

namespace tev::ui {

namespace {

const Text kFilesMissing = U"データファイルが見つかりません\r\n   プログラムを終了します！！";
const Text kSettingsDamaged = U"[Tevardin.ini] が異常のため起動出来ません。\r\n\r\n           プログラムを終了します。";
const Text kYears = U"1996-2026";
// The window a wide screen gets, in twips.
constexpr int kWideWindowWidth = 15200;
constexpr int kWideWindowHeight = 11300;
const Text kVersionCaption = U"ﾊﾞｰｼﾞｮﾝ情報";

// The choices that draw a report pane: while their pane is shown, the help opens at their section.
std::vector<std::string> pane_choices() {
    std::vector<std::string> names = {"Command9", "Command10", "Command13", "Command5", "Command14", "Command15",
                                      "Command16", "Command17", "Command6", "Command8", "Command18"};
    for (const char* menu : {"mnutopic", "mnurace", "mnurace_rec", "mnukouryu", "mnulog", "h_ruikei", "mnusei_rui",
                             "mnuimport_games"})
        names.emplace_back(menu);
    names.insert(names.end(), kHomerunClubItems.begin(), kHomerunClubItems.end());
    names.insert(names.end(), kPitcherClubItems.begin(), kPitcherClubItems.end());
    return names;
}

// The year menu whose list `operation` is; empty for none.
std::string_view year_menu(YearOperation operation) {
    switch (operation) {
        case YearOperation::new_year: return "mnuNewFileItem";
        case YearOperation::read_year: return "mnuNewDatReadItem";
        case YearOperation::delete_year: return "mnudatfile_del";
        case YearOperation::none: break;
    }
    return {};
}

}  // namespace

ShellPresenter::ShellPresenter(const Context& context)
    : Presenter(context),
      windows_(context.windows),
      notice_(context.windows.notice),
      dialog_(context.windows.dialog) {}

void ShellPresenter::bind() {
    on_click("mnuEndPrgItem", [this](int) { mnuEndPrgItem_Click(); });
    on_click("mnuHowUseItem", [this](int) { mnuHowUseItem_Click(); });
    on_click("mnuHelpHereItem", [this](int) { mnuHelpHereItem_Click(); });
    note_pane_choices();
    on_click("mnuVerItem", [this](int) { mnuVerItem_Click(); });
    dialog_.on("Command1", Event::click, [this](int) { dialog_Command1_Click(); });
    show_club_names();
}

// ---- start-up ----

bool ShellPresenter::start() {
    if (!services_.acquire_single_instance()) {
        services_.message(U"Tevardinは、すでに起動されています。", U"Tevardin", Icon::stop);
        ended_ = true;
        return false;
    }
    notice_.visible = true;
    pump();
    Form_Load();
    if (!ended_) main_.visible = true;
    notice_.visible = false;
    return !ended_;
}

void ShellPresenter::fatal(const Text& message, const Error* error) {
    // A damaged file is named with its line, a missing one by its name (a settings file may name
    // a year whose files are gone), so that the user can find what to mend.
    Text text = message;
    if (error != nullptr) text += U"\r\n\r\n" + from_utf8(error->describe());
    services_.message(text);
    ended_ = true;
}

void ShellPresenter::Form_Load() {
    modes_.rebuilding = true;
    if (!read_season()) return;
    document_.rebuild_league_tables();
    document_.rebuild_team_tables();

    const Text year = ascii(document_.settings().disp_year);
    main_.at("Label10").text = U"Tevardin " + year;
    hooks_.games_changed();
    main_.at("List3").visible = false;
    main_.at("Command1").enabled = false;
    main_.at("Command12").enabled = false;
    Timer1_Timer();
    modes_.rebuilding = false;
    main_.caption = U"Tevardin  " + year;
    status(Text());
    check_layout();
    document_.rebuild_history_if_stale();
    hooks_.season_opened();
}

bool ShellPresenter::read_season() {
    document_.saves().mend_interrupted();
    auto settings = read_settings(document_.dir());
    if (!settings) {
        fatal(kSettingsDamaged, &settings.error());
        return false;
    }
    document_.settings() = *settings;
    season().disp_year = settings->disp_year;
    document_.use_files_of(settings->disp_year);
    document_.check_history_file();
    if (const Status history = document_.read_history_file(); !history) {
        fatal(kFilesMissing, &history.error());
        return false;
    }
    if (const Status read = document_.read_year_files(season()); !read) {
        fatal(kFilesMissing, &read.error());
        return false;
    }
    auto homeruns = read_homerun_file(document_.dir(), document_.files().homerun_file);
    if (!homeruns) {
        fatal(kFilesMissing, &homeruns.error());
        return false;
    }
    season().homeruns = *homeruns;
    document_.read_year_clubs();
    hooks_.club_names_changed();
    return true;
}

void ShellPresenter::check_layout() {
    const ScreenMetrics screen = services_.screen();
    const bool large = screen.twips_per_pixel_x == 12;
    const int tpp_x = std::max(1, screen.twips_per_pixel_x);
    const int tpp_y = std::max(1, screen.twips_per_pixel_y);
    status(U"表示サイズ＝ " + plain_num(screen.width_twips / tpp_x) + U"×" + plain_num(screen.height_twips / tpp_y) +
           U"で" + (large ? U"大きいﾌｫﾝﾄ" : U"小さいﾌｫﾝﾄ") + U"です。");
    if (!large) panes_.set_display_size(1);
    if (large && screen.width_twips == 12288) panes_.set_display_size(2);
    if (screen.width_twips > 13000) {
        wide_window_ = true;
        panes_.set_display_size(0);
    } else if (screen.width_twips < 10000) {
        services_.message(U"画面サイズが小さく正しく表示できません\r\n800×600で小さいフォント以上でご使用下さい。");
        designed_scale_ = 0.75;
    }
    fit_into_room(screen);
}

void ShellPresenter::screen_room_changed() {
    fit_into_room(services_.screen());
}

void ShellPresenter::fit_into_room(const ScreenMetrics& screen) {
    // A laptop screen less its task bar may lack the room of the designed form: the whole
    // layout shrinks until it fits, so that the status line stays on the screen.
    main_.scale = designed_scale_;
    if (screen.room_width_twips > 0 && screen.room_height_twips > 0) {
        const double across = static_cast<double>(screen.room_width_twips) /
                              (kFormWidthPixels * std::max(1, screen.twips_per_pixel_x));
        const double down = static_cast<double>(screen.room_height_twips) /
                            (kFormHeightPixels * std::max(1, screen.twips_per_pixel_y));
        main_.scale = std::min({main_.scale, across, down});
    }
    if (!wide_window_) return;
    main_.width = static_cast<int>(kWideWindowWidth * main_.scale);
    main_.height = static_cast<int>(kWideWindowHeight * main_.scale);
    main_.left = (screen.width_twips - main_.width) / 2;
    main_.top = (screen.height_twips - main_.height) / 2;
}

void ShellPresenter::Timer1_Timer() {
    const DateTime now = services_.now();
    main_.at("Label5", 0).text = short_date_text(now);
    main_.at("Label5", 1).text = short_time_text(now);
}

// ---- the end ----

void ShellPresenter::mnuEndPrgItem_Click() {
    hide_year_list();
    Form_QueryUnload();
}

void ShellPresenter::Form_QueryUnload() {
    if (modes_.history_building()) return;
    const int pending = document_.pending().count();
    if (pending == 0) {
        if (services_.ask(U"終　　了", U"Tevardinを終了しますか ?", Icon::question, true)) ended_ = true;
        return;
    }
    // Filed games live only in memory until they are saved: quitting must not drop them unasked.
    const Text question = U"保存していない試合が " + plain_num(pending) + U" 試合あります。保存してから終了しますか？";
    switch (services_.ask_yes_no_cancel(U"終　　了", question, Icon::question)) {
        case Answer::yes:
            hooks_.save_pending_games();
            ended_ = document_.pending().count() == 0;  // a save that failed keeps the program open
            return;
        case Answer::no:
            document_.pending().clear();
            ended_ = true;
            return;
        case Answer::cancel: return;
    }
}

// ---- help and the version box ----

void ShellPresenter::mnuHowUseItem_Click() {
    hide_year_list();
    status(Text());
    services_.open_help(document_.dir() / kHelpFile, std::string());
}

void ShellPresenter::mnuHelpHereItem_Click() {
    // Nothing on screen changes: the status line may hold the very prompt the user asks about.
    services_.open_help(document_.dir() / kHelpFile, std::string(help_anchor(help_key_here())));
}

void ShellPresenter::note_pane_choices() {
    // Asked before the presenters that act on these controls, passing every click on to them.
    for (const std::string& name : pane_choices())
        main_.claim(name, Event::click, [this, name](int) {
            pane_origin_.note_choice(name, snapshot_panes(main_));
            return false;
        });
}

std::string_view ShellPresenter::help_key_here() {
    const std::string_view on_top = window_on_top_key();
    return on_top.empty() ? main_window_key() : on_top;
}

std::string_view ShellPresenter::window_on_top_key() const {
    // The windows over the main one are modal: one that is open is the one the user is in.
    if (windows_.clubs.visible) return "window:clubs";
    if (windows_.graph.visible) return "window:graph";
    if (windows_.summary.visible) return "window:summary";
    if (dialog_.visible) return dialog_.caption == kVersionCaption ? "mnuVerItem" : "mnudat_add";
    return {};
}

std::string_view ShellPresenter::main_window_key() {
    if (main_.at("List3").visible && !year_menu(modes_.year_list).empty()) return year_menu(modes_.year_list);
    const bool interleague = main_.at("Option3", 2).value;
    if (modes_.entering) return interleague ? "place:interleague_entry" : "mnudat_in";
    if (modes_.inning_totals) return "mnukaiten";
    if (modes_.date_mode) return "Command3";
    const PaneSnapshot panes = snapshot_panes(main_);
    if (panes.list4_shown || panes.list1_shown) {
        const std::string& drawer = pane_origin_.drawn_by(panes);
        if (!drawer.empty()) return drawer;
    }
    if (modes_.report_open) return "Command11";
    return modes_.shown_league == kInterleagueChoice ? "place:interleague_view" : "place:game_view";
}

void ShellPresenter::mnuVerItem_Click() {
    if (modes_.entering) return;
    hide_year_list();
    dialog_.caption = kVersionCaption;
    dialog_.at("Label1").text = kProgramTitle + U"\r\n\r\nプロ野球ペナントレース記録\r\n\r\n(C) " + kYears;
    dialog_.visible = true;
}

void ShellPresenter::dialog_Command1_Click() {
    status(Text());
    dialog_.visible = false;
    main_.at("Command7").focused = false;
}

// ---- club names in the captions ----

void ShellPresenter::show_club_names() {
    const ClubNames& clubs = season().clubs;
    for (int team = 1; team <= 12; ++team) {
        main_.at(kHomerunClubItems[team - 1]).caption = clubs.form(ClubForm::hr_menu, team);
        main_.at(kPitcherClubItems[team - 1]).caption = clubs.form(ClubForm::pitcher_menu, team);
    }
    for (std::size_t f = 0; f < kClubOptionArrays.size(); ++f)
        for (Control* option : main_.array(kClubOptionArrays[f]))
            option->caption = clubs.form(ClubForm::option, (f < 2 ? 1 : 7) + option->index);
    for (Control* item : main_.array("mnulog")) item->caption = trim_right(clubs.team_name(item->index));
}

}  // namespace tev::ui
