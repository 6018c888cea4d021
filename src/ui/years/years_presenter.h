// The year files under ファイル(&F): the year list (List3) that 新規作成, ﾃﾞｰﾀ読込 and
// ﾃﾞｰﾀﾌｧｲﾙ削除 fill, a new year begun, another year read in place of the one shown, a year
// deleted, the year-file search of ﾃﾞｰﾀﾌｧｲﾙ登録 (in the shared dialog window), and the
// club-names dialog 球団名設定 with the names it is editing.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/store/club_names.h"
#include "ui/app/presenter.h"

namespace tev::ui {

class YearsPresenter : public Presenter {
public:
    explicit YearsPresenter(const Context& context)
        : Presenter(context), dialog_(context.windows.dialog), clubs_(context.windows.clubs) {}

    void bind() override;

private:
    // The year list (year_list.cpp).
    // True once games filed and not yet saved are saved, or the user lets them go; false to stay.
    bool pending_games_settled();
    void mnuNewFileItem_Click();
    void mnuNewDatReadItem_Click();
    void mnudatfile_del_Click();
    void List3_Click();
    void show_year_list(std::vector<Text> items, const Text& prompt, YearOperation pending);
    void close_year_list();

    // A new year and a year read (year_switch.cpp).
    void new_year(const std::string& year);
    bool overwrite_confirmed(const std::string& year);
    bool old_year_files_removed(const std::string& year);
    void undo_new_year(const std::string& year, std::unique_ptr<Season> previous);
    void read_year(const std::string& year);
    bool read_year_season(const std::string& year, const std::string& leaving);
    bool read_year_history();
    void read_year_homeruns();
    void rebuild_year_tables();
    void show_year_in_title();

    // A year deleted and the year-file search (year_delete.cpp, year_register.cpp).
    void delete_year(const std::string& year);
    void delete_year_files_and_registration(const std::string& year);
    void mnudat_add_Click();
    void register_year_files();

    // The club-names dialog (club_dialog.cpp).
    void build_club_dialog();
    void mnuclub_names_Click();
    void clubs_List1_Click();
    void clubs_Command3_Click();
    void show_club_draft();
    void type_club_name(int team);
    void type_meetings();
    void mnuinterleague_meetings_Click();

    Window& dialog_;
    Window& clubs_;
    ClubNames club_draft_;
};

}  // namespace tev::ui
