// データ削除: removes the game the game view shows, after a question, then rebuilds every table
// and saves the season at once (there is no separate commit). The view keeps naming the slot it
// last showed, so a second deletion asks again and changes nothing.
#include "ui/view/game_view_presenter.h"

namespace tev::ui {

void GameViewPresenter::mnudat_del_Click() {
    if (!modes_.can_change_season() || modes_.shown_league == 0) return;
    hide_year_list();
    if (!services_.ask(U"登録データ削除", U"現在表示中のデータを削除します。よろしいですか？", Icon::question, false))
        return;
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
    document_.rebuild_after_deletion();
    main_.at("Label10").fore_color = kBlue;
    panel_.clear_boxes();
    show_first_games();
    // The view still names the emptied slot (showing the first stored game does not move it).
    chosen.team = deleted.team;
    chosen.opp = deleted.opp;
    chosen.meet = deleted.meet;
    status(Text());
}

}  // namespace tev::ui
