// The home-run step of the commit: the six tallies rebuilt from the games, the user told once
// what did not fit, and the home-run file written whole.
#include "core/homeruns/homerun_file.h"
#include "core/homeruns/homerun_make.h"
#include "core/text/fixed_width.h"
#include "ui/main_window.h"

namespace tev::ui {

namespace {

const Text kProgress = U"ホームランデータ作成中です。→";

Text stars(int n) {
    return Text(static_cast<std::size_t>(n), U'＊');
}

// One line per table that could not take every player, and one for counts held at 99.
Text left_out_text(const HomerunLeftOut& out) {
    Text text = U"ホームランの集計表に入りきらないデータがありました。";
    const auto table_line = [&](int left, const char32_t* table, int capacity) {
        if (left > 0)
            text += U"\r\n" + Text(table) + U"が" + plain_num(capacity) + U"人を超えたため、" +
                    plain_num(left) + U"人は集計されていません。";
    };
    table_line(out.bat_c, U"セントラルリーグのホームラン打者", kHrLeagueEntries);
    table_line(out.bat_p, U"パシフィックリーグのホームラン打者", kHrLeagueEntries);
    table_line(out.bat_all, U"両リーグのホームラン打者", kHrBothEntries);
    table_line(out.pit_c, U"セントラルリーグの被ホームラン投手", kHrLeagueEntries);
    table_line(out.pit_p, U"パシフィックリーグの被ホームラン投手", kHrLeagueEntries);
    table_line(out.pit_all, U"両リーグの被ホームラン投手", kHrBothEntries);
    if (out.held_at_99 > 0)
        text += U"\r\n" + plain_num(out.held_at_99) +
                U"人のホームラン数は99本を超えたため、99本として集計されています。";
    return text;
}

}  // namespace

void MainWindow::run_homerun_make() {
    HomerunBuild built = homerun_make(*season_, [this](int n) {
        status(kProgress + stars(n));
        pump();
    });
    season_->homeruns = built.tables;
    status(kProgress + stars(7));
    pump();
    const ItemWriter file = homerun_file_writer(season_->homeruns, names_.homerun_file);
    write_save_files({&file}, U"ホームランデータを保存できませんでした。");
    if (built.left_out.any()) services_.message(left_out_text(built.left_out));
}

}  // namespace tev::ui
