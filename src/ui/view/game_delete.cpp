// データ削除: removes the game the game view shows, after a question, then rebuilds every table
// and saves the season at once (there is no separate commit). The view keeps naming the slot it
// last showed, so a second deletion asks again and changes nothing.
#include "core/store/game_string.h"
#include "core/text/fixed_width.h"
#include "ui/view/game_view_presenter.h"

namespace tev::ui {

void GameViewPresenter::mnudat_del_Click() {
    if (!modes_.can_change_season() || modes_.shown_league == 0) return;
    hide_year_list();
    const ViewedGame& shown = viewed(modes_.shown_league);
    const Slot shown_slot{shown.team, shown.opp, shown.meet};
    const int home = home_club(modes_.shown_league, shown_slot);
    const Text meeting = meeting_name(season().clubs, shown.team, home, shown.meet);
    // The game itself is named beside the question, so that the right one goes.
    const Text& game = stored_game(modes_.shown_league, shown_slot);
    const GameFields f = parse_game(game);
    const Text named = game.empty() ? Text() : U"\r\n\r\n" + plain_num(f.month) + U"月" + plain_num(f.day) + U"日 " + meeting + U"  " +
                       plain_num(f.first_runs) + U" - " + plain_num(f.second_runs);
    if (!services_.ask(U"登録データ削除", U"現在表示中のデータを削除します。よろしいですか？" + named, Icon::question,
                       false))
        return;
    document_.name_next_change(U"削除 " + meeting);
    main_.at("Label10").fore_color = kRed;
    status(U"只今データー削除中です。");
    pump();
    ViewedGame& chosen = viewed(modes_.shown_league);
    const ViewedGame deleted = chosen;
    const Slot slot{deleted.team, deleted.opp, deleted.meet};
    if (modes_.shown_league == kInterleagueChoice)
        season().interleague_at(slot).clear();
    else
        season().game_at(slot).clear();
    document_.set_games_unsaved(true);
    document_.rebuild_and_save();
    main_.at("Label10").fore_color = kBlue;
    panel_.clear_boxes();
    hooks_.games_changed();  // the view shows the first stored game; 元に戻す names the deletion
    // The view still names the emptied slot (showing the first stored game does not move it).
    chosen.team = deleted.team;
    chosen.opp = deleted.opp;
    chosen.meet = deleted.meet;
    status(Text());
}

}  // namespace tev::ui
