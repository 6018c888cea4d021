#include "ui/shell/help_topics.h"

#include <algorithm>

namespace tev::ui {

namespace {

// The menus, a club's item standing for the twelve of its menu under the same section.
const std::vector<HelpTopic> kMenuTopics = {
    {"mnuFile", "menu"},
    {"mnuNewFileItem", "y_new"},
    {"mnuNewDatReadItem", "y_read"},
    {"mnudat_add", "y_add"},
    {"mnudatfile_del", "y_delete"},
    {"mnuclub_names", "y_clubs"},
    {"mnuinterleague_meetings", "k_taisensuu"},
    {"mnuimport_games", "y_exchange"},
    {"mnuexport_games", "y_exchange"},
    {"mnuSavePane", "share"},
    {"mnuPrintPane", "share"},
    {"mnuPdfPane", "share"},
    {"mnuEndPrgItem", "quit"},
    {"mnuEdit", "undo"},
    {"mnuundo", "undo"},
    {"mnudat", "menu"},
    {"mnudat_in", "entry"},
    {"mnudat_del", "delete"},
    {"mnuseedat", "o_summary"},
    {"mnutopic", "o_topics"},
    {"mnurank_make", "o_graph"},
    {"mnurire2", "o_graph"},
    {"mnukaiten", "o_kaiten"},
    {"mnurace", "r_race"},
    {"mnurace_rec", "r_race_rec"},
    {"mnukouryu", "k_seiseki"},
    {"mnugamelog", "r_gamelog"},
    {"mnulog", "r_gamelog"},
    {"home_runall", "r_hr"},
    {"h_sentraru", "r_hr_club"},
    {"h_giant", "r_hr_club"},
    {"h_yakuruto", "r_hr_club"},
    {"h_yokohama", "r_hr_club"},
    {"h_hanshin", "r_hr_club"},
    {"h_hiroshima", "r_hr_club"},
    {"h_cyunichi", "r_hr_club"},
    {"h_pasific", "r_hr_club"},
    {"h_oriku", "r_hr_club"},
    {"h_seibu", "r_hr_club"},
    {"h_kintetu", "r_hr_club"},
    {"h_hamu", "r_hr_club"},
    {"h_rotte", "r_hr_club"},
    {"h_daie", "r_hr_club"},
    {"h_ruikei", "r_hr_cum"},
    {"mnupicher_rec", "r_toushu"},
    {"mnusentraru", "r_toushu_club"},
    {"mnugiant", "r_toushu_club"},
    {"mnuyakuruto", "r_toushu_club"},
    {"mnuyokohama", "r_toushu_club"},
    {"mnuhanshin", "r_toushu_club"},
    {"mnuhiroshima", "r_toushu_club"},
    {"mnucyunichi", "r_toushu_club"},
    {"mnupasific", "r_toushu_club"},
    {"mnuoricsu", "r_toushu_club"},
    {"mnuseibu", "r_toushu_club"},
    {"mnukintetu", "r_toushu_club"},
    {"mnuhamu", "r_toushu_club"},
    {"mnurotte", "r_toushu_club"},
    {"mnudaiei", "r_toushu_club"},
    {"mnusei_rui", "r_toushu_cum"},
    {"mnuTevHelp", "help"},
    {"mnuHowUseItem", "help"},
    {"mnuHelpHereItem", "help"},
    {"mnuVerItem", "help"},
};

// The buttons of the input panel and the report buttons.
const std::vector<HelpTopic> kButtonTopics = {
    {"Command2", "keypad"},
    {"Command4", "keypad"},
    {"Command3", "v_date"},
    {"Command19", "homerun"},
    {"Command12", "entry"},
    {"Command1", "entry"},
    {"Command9", "r_seiseki"},
    {"Command10", "r_taisen"},
    {"Command13", "r_taisen"},
    {"Command5", "r_month"},
    {"Command14", "r_month"},
    {"Command15", "r_jyoukyou"},
    {"Command16", "r_shitei"},
    {"Command17", "r_renshou"},
    {"Command6", "r_tokuten"},
    {"Command8", "r_toushu"},
    {"Command18", "r_hr"},
    {"Command7", "r_close"},
    {"Command11", "reports"},
};

// The windows over the main one (the shared dialog is told by the menu item that opened it) and
// the places of the main window.
const std::vector<HelpTopic> kWindowAndPlaceTopics = {
    {"window:clubs", "y_clubs"},
    {"window:graph", "o_graph"},
    {"window:summary", "o_summary"},
    {"place:game_view", "view"},
    {"place:interleague_view", "k_view"},
    {"place:interleague_entry", "k_entry"},
};

std::vector<HelpTopic> all_topics() {
    std::vector<HelpTopic> all = kMenuTopics;
    all.insert(all.end(), kButtonTopics.begin(), kButtonTopics.end());
    all.insert(all.end(), kWindowAndPlaceTopics.begin(), kWindowAndPlaceTopics.end());
    return all;
}

}  // namespace

const std::vector<HelpTopic>& help_topics() {
    static const std::vector<HelpTopic> topics = all_topics();
    return topics;
}

std::string_view help_anchor(std::string_view key) {
    const auto& topics = help_topics();
    const auto found = std::find_if(topics.begin(), topics.end(), [key](const HelpTopic& t) { return t.key == key; });
    return found == topics.end() ? std::string_view() : found->anchor;
}

}  // namespace tev::ui
