#include "ui/app/season_document.h"

#include <algorithm>

#include "core/history/history_file.h"
#include "core/history/history_make.h"
#include "core/homeruns/homerun_file.h"
#include "core/homeruns/homerun_make.h"
#include "core/pitchers/pitcher_make.h"
#include "core/stats/score_list.h"
#include "core/store/club_file.h"
#include "core/store/game_string.h"
#include "core/store/interleague_file.h"
#include "core/store/season_files.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev::ui {

namespace {

const Text kHomerunProgress = U"ホームランデータ作成中です。→";

Text stars(int n) { return Text(static_cast<std::size_t>(n), U'＊'); }

// One line per home-run table that could not take every player, and one for counts held at 99.
Text homeruns_left_out_text(const HomerunLeftOut& out) {
    Text text = U"ホームランの集計表に入りきらないデータがありました。";
    const auto table_line = [&](int left, const char32_t* table, int capacity) {
        if (left > 0)
            text += U"\r\n" + Text(table) + U"が" + plain_num(capacity) + U"人を超えたため、" + plain_num(left) +
                    U"人は集計されていません。";
    };
    table_line(out.bat_c, U"セントラルリーグのホームラン打者", kHrLeagueEntries);
    table_line(out.bat_p, U"パシフィックリーグのホームラン打者", kHrLeagueEntries);
    table_line(out.bat_all, U"両リーグのホームラン打者", kHrBothEntries);
    table_line(out.pit_c, U"セントラルリーグの被ホームラン投手", kHrLeagueEntries);
    table_line(out.pit_p, U"パシフィックリーグの被ホームラン投手", kHrLeagueEntries);
    table_line(out.pit_all, U"両リーグの被ホームラン投手", kHrBothEntries);
    if (out.held_at_99 > 0)
        text += U"\r\n" + plain_num(out.held_at_99) + U"人のホームラン数は99本を超えたため、99本として集計されています。";
    return text;
}

}  // namespace

SeasonDocument::SeasonDocument(std::filesystem::path dir, Modes& modes, DocumentListener& listener)
    : dir_(std::move(dir)),
      modes_(modes),
      listener_(listener),
      season_(std::make_unique<Season>()),
      streaks_(std::make_unique<Streaks>()),
      innings_(std::make_unique<InningTotals>()),
      saves_(dir_, listener),
      pending_(dir_, season_, listener) {}

SeasonDocument::~SeasonDocument() = default;

void SeasonDocument::use_files_of(const std::string& year) { files_ = year_file_names(year); }

std::unique_ptr<Season> SeasonDocument::replace(std::unique_ptr<Season> next) {
    std::swap(season_, next);
    pending_.forget();  // they belonged to the season replaced
    undo_.clear();
    return next;
}

Status SeasonDocument::read_year_files(Season& into) {
    return read_season_files(dir_, files_, into, [this](ReadStep read) {
        switch (read) {
            case ReadStep::games: return step(U"メインデータ読み込み中です。", false);
            case ReadStep::best: return step(U"得点データ読み込み中です。", true);
            case ReadStep::pitchers: return step(U"投手成績データ読み込み中です。", true);
        }
    });
}

// ---- the rebuild chains ----

// The two chains rebuild the same tables in different orders and let window events run at
// different steps (the deletion runs from a menu, with the window still usable between steps).
void SeasonDocument::commit_games() {
    use_files_of(season_->disp_year);
    name_next_change(pending_.change_name());
    run_chain({{Rebuild::score_list, true},
               {Rebuild::pitcher_tables, true},
               {Rebuild::standings, true},
               {Rebuild::save, true},  // a failed save stays pending: the next 入力終了 saves again
               {Rebuild::tallies, false},
               {Rebuild::pitcher_cum, true},
               {Rebuild::history, false},
               {Rebuild::inning_totals, true},
               {Rebuild::streaks, true},
               {Rebuild::homeruns, true},
               {Rebuild::homerun_cum, true}});
    step(Text(), false);
}

void SeasonDocument::rebuild_and_save() {
    run_chain({{Rebuild::score_list, true},
               {Rebuild::pitcher_tables, false},
               {Rebuild::standings, false},
               {Rebuild::pitcher_cum, false},
               {Rebuild::history, false},
               {Rebuild::inning_totals, true},
               {Rebuild::streaks, true},
               {Rebuild::homeruns, true},
               {Rebuild::homerun_cum, false},
               {Rebuild::save, true},  // a failed save leaves the deletion pending for 入力終了
               {Rebuild::tallies, false}});
}

void SeasonDocument::run_chain(std::initializer_list<ChainStep> chain) {
    saves_.open(SaveKind::rebuild, season_->disp_year);
    for (const ChainStep& link : chain) run_step(link.what, link.let_events_run);
    saves_.close();
}

void SeasonDocument::run_step(Rebuild what, bool let_events_run) {
    switch (what) {
        case Rebuild::score_list:
            step(U"得点一覧作成中です。", let_events_run);
            season_->score_list = build_score_list(*season_);
            return;
        case Rebuild::pitcher_tables: return rebuild_pitcher_tables(let_events_run);
        case Rebuild::standings:
            step(U"セントラルリーグ成績一覧作成中です。", let_events_run);
            rebuild_standings_of(1);
            step(U"パシフィックリーグ成績一覧作成中です。", let_events_run);
            return rebuild_standings_of(2);
        case Rebuild::save: {
            std::unique_ptr<StoredGames> before = games_on_disk();
            games_unsaved_ = !save_season(let_events_run);
            if (games_unsaved_) return;
            pending_.clear();  // saved: the journal has done its work
            if (before && !next_change_.empty()) undo_.push(next_change_, std::move(before));
            next_change_.clear();
            return;
        }
        case Rebuild::tallies: return rebuild_tallies();
        case Rebuild::pitcher_cum:
            step(U"累計データ作成中です。", let_events_run);
            return rebuild_pitcher_cum();
        case Rebuild::history:
            step(U"履歴データ作成中です。", let_events_run);
            return rebuild_history();
        case Rebuild::inning_totals:
            step(U"回数別データ作成中です。", let_events_run);
            return rebuild_inning_totals();
        case Rebuild::streaks:
            step(U"連勝、連敗データ作成中です。", let_events_run);
            return rebuild_streaks();
        case Rebuild::homeruns:
            step(U"ホームランデータ作成中です。", let_events_run);
            return rebuild_homeruns();
        case Rebuild::homerun_cum:
            step(U"ホームラン累計データ作成中です。", let_events_run);
            return rebuild_homerun_cum();
    }
}

void SeasonDocument::rebuild_pitcher_tables(bool let_events_run) {
    step(U"セントラルリーグ投手成績作成中です。", let_events_run);
    PitcherBuild central = build_pitcher_table(*season_, 1, 6);
    step(U"パシフィックリーグ投手成績作成中です。", let_events_run);
    PitcherBuild pacific = build_pitcher_table(*season_, 7, 12);
    step(U"両リーグ投手成績作成中です。", let_events_run);
    PitcherBuild both = merge_pitcher_tables(*season_, central, pacific);
    const int left_out = std::max({central.left_out, pacific.left_out, both.left_out});
    season_->pitcher_c = std::move(central.table);
    season_->pitcher_p = std::move(pacific.table);
    season_->pitcher_all = std::move(both.table);
    if (left_out > 0)
        listener_.tell(U"投手が250人を超えたため、" + plain_num(left_out) + U"人の投手成績は集計されていません。");
}

void SeasonDocument::rebuild_league_tables() {
    rebuild_standings_of(1);
    rebuild_standings_of(2);
}

void SeasonDocument::rebuild_standings_of(int league) {
    if (league == 1)
        central_ = build_standings(*season_, 1, 6);
    else
        pacific_ = build_standings(*season_, 7, 12);
}

void SeasonDocument::rebuild_team_tables() {
    rebuild_tallies();
    rebuild_inning_totals();
    rebuild_streaks();
}

void SeasonDocument::rebuild_tallies() { tallies_ = build_team_tallies(*season_); }
void SeasonDocument::rebuild_streaks() { *streaks_ = build_streaks(*season_); }
void SeasonDocument::rebuild_inning_totals() { *innings_ = build_inning_totals(*season_); }

void SeasonDocument::rebuild_homeruns() {
    HomerunBuild built = homerun_make(*season_, [this](int n) { step(kHomerunProgress + stars(n), true); });
    season_->homeruns = built.tables;
    step(kHomerunProgress + stars(7), true);
    const ItemWriter file = homerun_file_writer(season_->homeruns, files_.homerun_file);
    saves_.write({&file}, U"ホームランデータを保存できませんでした。");
    if (built.left_out.any()) listener_.tell(homeruns_left_out_text(built.left_out));
}

bool SeasonDocument::save_season(bool let_events_run) {
    step(U"データ保存中です。", let_events_run);
    const std::vector<ItemWriter> season_files = season_file_writers(dir_, files_, *season_);
    const std::optional<ItemWriter> clubs = club_file_to_write();
    std::vector<const ItemWriter*> writers;
    if (clubs) writers.push_back(&*clubs);
    for (const ItemWriter& writer : season_files) writers.push_back(&writer);
    // The game file is written last: with the interleague file before it, its rename is the
    // commit point of both.
    const auto interleague = std::find_if(season_files.begin(), season_files.end(), [&](const ItemWriter& w) {
        return w.file_name() == interleague_file_name(season_->disp_year);
    });
    if (interleague == season_files.end()) return saves_.write(writers, kGamesNotSaved);
    if (!saves_.hold_put_back(*interleague, season_files.back())) return false;
    // The folder is flushed between the two, so that no disk can keep the game file's rename
    // and lose the interleague file's.
    const ItemWriter* games = writers.back();
    writers.pop_back();
    return saves_.write(writers, kGamesNotSaved) && saves_.write({games}, kGamesNotSaved);
}

// ---- history ----

void SeasonDocument::check_history_file() {
    modes_.history = history_file_readable(dir_, name_on_disk(dir_, files_.history_file)) ? HistoryState::ready : HistoryState::unread;
}

Status SeasonDocument::read_history_file() {
    auto read = tev::read_history_file(dir_, files_.history_file);
    if (!read) return read.error();
    // A file that cannot be used is not shown at all: the games rebuild it.
    const bool unusable = history_rebuild_needed(*read);
    season_->history = unusable ? History{} : read->history;
    modes_.history = unusable ? HistoryState::stale : HistoryState::ready;
    return ok_status();
}

void SeasonDocument::rebuild_history_if_stale() {
    if (modes_.history == HistoryState::stale) rebuild_history();
}

void SeasonDocument::rebuild_history() {
    modes_.history = HistoryState::building;
    step(U"只今履歴データ作成中", true);
    season_->history = history_make(*season_);
    const ItemWriter writer = history_file_writer(season_->history, files_.history_file);
    saves_.write({&writer}, U"履歴データを保存できませんでした。");
    modes_.history = HistoryState::ready;
    step(Text(), false);
    tell_games_left_out_of_history();
}

void SeasonDocument::tell_games_left_out_of_history() {
    // Each such game is named once a run, not at every later rebuild.
    Text names;
    for (const Slot& slot : history_left_out(*season_)) {
        const Text& game = season_->game_at(slot.team, slot.opp, slot.meet);
        const Text date = month_day_text(game);
        const std::string key = season_->disp_year + " " + std::to_string(slot.team) + " " + std::to_string(slot.opp) +
                                " " + std::to_string(slot.meet) + " " + to_utf8(date);
        if (!told_left_out_.insert(key).second) continue;
        names += U"\r\n" + season_->clubs.team_short(slot.team) + U" 対 " + season_->clubs.team_short(home_team(slot)) +
                 U" " + plain_num(slot.meet) + U"回戦 (" + date + U")";
    }
    if (names.empty()) return;
    listener_.tell(U"次の試合は日付が3月19日から10月31日の間にないため、履歴データに含めていません。\r\n" + names);
}

// ---- cumulative records ----

std::string SeasonDocument::cum_registration() const { return settings_.rec_year + "|" + season_->disp_year; }

void SeasonDocument::rebuild_pitcher_cum() {
    const auto progress = [this](CumStep s) {
        switch (s) {
            case CumStep::reading: return step(U"投手成績データ読み込み中です。", true);
            case CumStep::first_year: return step(U"投手成績データ作成中→＊", true);
            case CumStep::all_years: return step(U"投手成績データ作成中→＊＊", true);
            case CumStep::sorted: return step(U"投手成績データ作成中→＊＊＊", true);
        }
    };
    PitcherCumBuild build =
        add_up_pitcher_years(dir_, registered_years(settings_.rec_year), season_->disp_year, season_->pitcher_all, progress);
    pitcher_cum_.table = std::move(build.table);
    pitcher_cum_.built_for = cum_registration();
    tell_left_out(U"投手成績の累計", build.notes, pitcher_cum_.last_notes);
}

void SeasonDocument::rebuild_homerun_cum() {
    const auto progress = [this](HrCumStep s) {
        switch (s) {
            case HrCumStep::reading: return step(U"ホームランデータ読み込み中です。", true);
            case HrCumStep::adding: return step(U"累計ホームランデータ作成中です。→＊", true);
            case HrCumStep::first_year: return step(U"累計ホームランデータ作成中です。→＊＊", true);
            case HrCumStep::sorting_batters: return step(U"累計ホームランデータ作成中です。→＊＊＊", true);
            case HrCumStep::sorting_pitchers: return step(U"累計ホームランデータ作成中です。→＊＊＊＊", true);
        }
    };
    homerun_cum_.table =
        add_up_homerun_years(dir_, registered_years(settings_.rec_year), season_->disp_year, season_->homeruns, progress);
    homerun_cum_.built_for = cum_registration();
    tell_left_out(U"ホームランの累計", homerun_cum_.table.notes, homerun_cum_.last_notes);
}

void SeasonDocument::tell_left_out(const Text& what, const std::vector<Text>& notes, Text& last_told) {
    if (notes.empty()) {
        last_told.clear();
        return;
    }
    Text text = what + U"に入れられなかったデータがあります。\r\n";
    for (const Text& note : notes) text += U"\r\n" + note;
    // Each rebuild would find the same fault again: say it once, until it changes.
    if (text == last_told) return;
    last_told = text;
    listener_.tell(text);
}

void SeasonDocument::registered_years_changed() {
    // The cumulative records run over every registered year.
    step(U"累計データ作成中です。", true);
    rebuild_pitcher_cum();
    step(U"ホームラン累計データ作成中です。", true);
    rebuild_homerun_cum();
    step(Text(), false);
}

// ---- club names ----

void SeasonDocument::read_year_clubs() {
    const std::string name = club_file_name(season_->disp_year);
    const auto read = read_club_file(dir_, name);
    club_file_refused_ = !read;
    season_->clubs = read ? read->value_or(default_club_names()) : default_club_names();
    if (read) return;
    listener_.tell(U"球団名設定ファイル " + from_utf8(name) + U" が正しくないため、元の球団名を使います。\r\n\r\n" +
                   from_utf8(read.error().describe()));
}

std::optional<ItemWriter> SeasonDocument::club_file_to_write() const {
    const std::string name = club_file_name(season_->disp_year);
    if (club_file_refused_) return std::nullopt;  // the user's file stays as it is
    std::error_code ec;
    // A year that keeps the default names stays a year any installation reads as it always did.
    if (season_->clubs == default_club_names() && !std::filesystem::exists(dir_ / name_on_disk(dir_, name), ec))
        return std::nullopt;
    return club_file_writer(season_->clubs, name);
}

bool SeasonDocument::change_club_names(const ClubNames& names) {
    const ClubNames kept = season_->clubs;
    const bool refused = club_file_refused_;
    season_->clubs = padded(names);
    club_file_refused_ = false;  // the names the user chose replace the file that was refused
    const std::optional<ItemWriter> file = club_file_to_write();
    if (file && !saves_.write({&*file}, U"球団名を保存できませんでした。球団名は元のままです。")) {
        season_->clubs = kept;
        club_file_refused_ = refused;
        return false;
    }
    return true;
}

std::unique_ptr<Season> SeasonDocument::previous_season() const {
    const std::string year = std::to_string(std::stoi(season_->disp_year) - 1);
    const std::vector<std::string> years = registered_years(settings_.rec_year);
    if (std::find(years.begin(), years.end(), year) == years.end()) return nullptr;
    auto previous = std::make_unique<Season>();
    previous->disp_year = year;
    if (!read_game_file(dir_, year_file_names(year), *previous)) return nullptr;
    return previous;
}

bool SeasonDocument::change_interleague_meetings(int meetings) {
    const int kept = season_->interleague_meetings;
    season_->interleague_meetings = meetings;
    const ItemWriter file = interleague_file_writer(*season_, interleague_file_name(season_->disp_year));
    if (saves_.write({&file}, U"交流戦の対戦数を保存できませんでした。対戦数は元のままです。")) return true;
    season_->interleague_meetings = kept;
    return false;
}

// ---- undo ----

std::unique_ptr<StoredGames> SeasonDocument::games_on_disk() const {
    // What the files hold before a save replaces them: exactly what 元に戻す puts back.
    auto read = std::make_unique<Season>();
    read->disp_year = season_->disp_year;
    if (!read_game_file(dir_, files_, *read)) return nullptr;
    auto games = std::make_unique<StoredGames>();
    games->games = std::move(read->games);
    games->interleague = std::move(read->interleague);
    games->interleague_meetings = read->interleague_meetings;
    return games;
}

bool SeasonDocument::undo_last_change() {
    if (undo_.empty()) return false;
    const std::unique_ptr<StoredGames>& before = undo_.last_step().before;
    season_->games = before->games;
    season_->interleague = before->interleague;
    season_->interleague_meetings = before->interleague_meetings;
    games_unsaved_ = true;
    use_files_of(season_->disp_year);
    rebuild_and_save();
    if (games_unsaved_) return false;
    undo_.take_last();
    return true;
}

// ---- the entry journal ----

void SeasonDocument::note_game_filed(const JournalEntry& entry, bool replaced) {
    games_unsaved_ = true;
    pending_.note_filed(entry, replaced);
}

Status SeasonDocument::restore_journal(const std::vector<JournalEntry>& entries) {
    if (Status applied = apply_journal(*season_, entries); !applied) return applied;
    pending_.restored(entries);
    games_unsaved_ = true;
    return ok_status();
}

// ---- settings and saves ----

bool SeasonDocument::remember_settings() {
    if (const Status written = write_settings(dir_, settings_); !written) {
        listener_.tell(U"[Tevardin.ini] に書き込めませんでした。表示年度と登録年度は次回の起動に残りません。\r\n\r\n" +
                       from_utf8(written.error().describe()));
        return false;
    }
    if (auto read = read_settings(dir_)) settings_ = *read;
    return true;
}

}  // namespace tev::ui
