// 編集(&E): 元に戻す takes back the last saved change of the season's games — a deletion, a
// commit of filed or re-filed games — restoring the games the files held before it and saving
// them as one crash-safe save, every table rebuilt. The menu item names what it takes back.
#pragma once

#include "ui/app/presenter.h"

namespace tev::ui {

class EditPresenter : public Presenter {
public:
    explicit EditPresenter(const Context& context) : Presenter(context) {}

    void bind() override;
    // Every saved change of the games comes through here: the menu item follows the history.
    void on_games_changed() override { show_undo_item(); }
    void on_season_opened() override { show_undo_item(); }

private:
    void mnuundo_Click();
    void show_undo_item();
};

}  // namespace tev::ui
