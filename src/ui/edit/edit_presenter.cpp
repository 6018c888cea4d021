#include "ui/edit/edit_presenter.h"

namespace tev::ui {

namespace {

const Text kUndo = U"元に戻す(&U)";

}  // namespace

void EditPresenter::bind() { on_click("mnuundo", [this](int) { mnuundo_Click(); }); }

void EditPresenter::show_undo_item() {
    Control& item = main_.at("mnuundo");
    const UndoHistory& history = document_.undo_history();
    item.enabled = !history.empty();
    item.caption = history.empty() ? kUndo : kUndo + U"　" + history.last_what();
}

void EditPresenter::mnuundo_Click() {
    if (!modes_.can_change_season() || document_.undo_history().empty()) return;
    hide_year_list();
    const Text what = document_.undo_history().last_what();
    main_.at("Label10").fore_color = kRed;
    modes_.rebuilding = true;
    const bool undone = document_.undo_last_change();
    modes_.rebuilding = false;
    main_.at("Label10").fore_color = kBlue;
    hooks_.games_changed();
    status(undone ? U"元に戻しました：" + what : U"元に戻せませんでした：" + what);
}

}  // namespace tev::ui
