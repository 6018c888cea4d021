// Program entry, the load sequence, the layout check, the clock and the orderly end.
#include "core/homeruns/homerun_file.h"
#include "core/store/season_files.h"
#include "core/text/fixed_width.h"
#include "ui/main_window.h"

namespace tev::ui {

namespace {

const Text kFilesMissing = U"データファイルが見つかりません\r\n   プログラムを終了します！！";
const Text kSettingsDamaged = U"[Tevardin.ini] が異常のため起動出来ません。\r\n\r\n           プログラムを終了します。";

}  // namespace

bool MainWindow::start() {
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

void MainWindow::fatal(const Text& message, const Error* error) {
    // A damaged file is named with its line, a missing one by its name (a settings file may name
    // a year whose files are gone), so that the user can find what to mend.
    Text text = message;
    if (error != nullptr)
        text += U"\r\n\r\n" + from_utf8(error->describe());
    services_.message(text);
    ended_ = true;
}

void MainWindow::Form_Load() {
    recalc_busy_ = 1;
    mend_interrupted_saves();
    auto settings = read_settings(dir_);
    if (!settings) return fatal(kSettingsDamaged, &settings.error());
    settings_ = *settings;
    season_->disp_year = settings_.disp_year;

    names_ = year_file_names(settings_.disp_year);
    history_file_readable();
    if (!read_history_file(false)) return;

    const auto read = read_season_files(dir_, names_, *season_, [this](ReadStep step) {
        switch (step) {
            case ReadStep::games: status(U"メインデータ読み込み中です。"); break;
            case ReadStep::best: status(U"得点データ読み込み中です。"); pump(); break;
            case ReadStep::pitchers: status(U"投手成績データ読み込み中です。"); pump(); break;
        }
    });
    if (!read) return fatal(kFilesMissing, &read.error());
    auto homeruns = read_homerun_file(dir_, names_.homerun_file);
    if (!homeruns) return fatal(kFilesMissing, &homeruns.error());
    season_->homeruns = *homeruns;
    read_year_clubs();

    central_rec_ = build_standings(*season_, 1, 6);
    pacific_rec_ = build_standings(*season_, 7, 12);
    rebuild_team_tables();

    const Text year = ascii(settings_.disp_year);
    main_.at("Label10").text = U"Tevardin " + year;
    newdat_disp();
    main_.at("List3").visible = false;
    main_.at("Command1").enabled = false;
    main_.at("Command12").enabled = false;
    Timer1_Timer();
    recalc_busy_ = 0;
    main_.caption = U"Tevardin  " + year;
    status(Text());
    list1_height_ = 0;
    check_disp();
    rebuild_history_if_needed();
}

void MainWindow::newdat_disp() {
    const auto first_game = [this](int first_team, int last_team) -> std::optional<Slot> {
        std::optional<Slot> found;
        for_each_game(*season_, first_team, last_team, [&](Slot slot, const Text&) {
            if (!found) found = slot;
        });
        return found;
    };
    const std::optional<Slot> pacific = first_game(7, 12);
    const std::optional<Slot> central = first_game(1, 6);
    if (!pacific && !central) {
        status(U"データーが登録されていません");
        return;
    }
    const Slot c = central.value_or(Slot{1, 2, 1});
    const Slot p = pacific.value_or(Slot{7, 2, 1});
    view_.view_c_has = central ? 1 : 0;
    view_.view_p_has = pacific ? 1 : 0;
    view_.view_c_team = c.team;
    view_.view_c_opp = c.opp;
    view_.view_c_meet = c.meet;
    view_.view_p_team = p.team;
    view_.view_p_opp = p.opp;
    view_.view_p_meet = p.meet;
    select_option("Option1", c.team - 1);
    select_option("Option2", c.opp - 1);
    select_option("Option4", p.team - 7);
    select_option("Option5", p.opp - 1);
    const int league = central ? 1 : 2;
    const Slot shown = league == 1 ? c : p;
    view_.view_league = league;
    Disp_Data(shown.team, shown.opp, shown.meet);
    optbox_disp();
}

void MainWindow::check_disp() {
    const ScreenMetrics screen = services_.screen();
    const bool large = screen.twips_per_pixel_x == 12;
    const int tpp_x = std::max(1, screen.twips_per_pixel_x);
    const int tpp_y = std::max(1, screen.twips_per_pixel_y);
    status(U"表示サイズ＝ " + plain_num(screen.width_twips / tpp_x) + U"×" + plain_num(screen.height_twips / tpp_y) +
           U"で" + (large ? U"大きいﾌｫﾝﾄ" : U"小さいﾌｫﾝﾄ") + U"です。");
    if (!large) disp_size_ = 1;
    if (large && screen.width_twips == 12288) disp_size_ = 2;
    if (screen.width_twips > 13000) {
        main_.width = 15200;
        main_.height = 11300;
        main_.left = (screen.width_twips - main_.width) / 2;
        main_.top = (screen.height_twips - main_.height) / 2;
        disp_size_ = 0;
        return;
    }
    if (screen.width_twips < 10000) {
        services_.message(U"画面サイズが小さく正しく表示できません\r\n800×600で小さいフォント以上でご使用下さい。");
        main_.scale = 0.75;
    }
}

void MainWindow::Timer1_Timer() {
    const DateTime now = services_.now();
    main_.at("Label5", 0).text = short_date_text(now);
    main_.at("Label5", 1).text = short_time_text(now);
}

void MainWindow::mnuEndPrgItem_Click() {
    hide_year_list();
    request_close();
}

void MainWindow::request_close() { Form_QueryUnload(); }

void MainWindow::Form_QueryUnload() {
    if (history_state_ == 1) return;
    if (services_.ask(U"終　　了", U"Tevardinを終了しますか ?", Icon::question, true)) ended_ = true;
}

}  // namespace tev::ui
