// The season's history on screen: the graph window (順位履歴表示, 勝率履歴表示) draws one line
// per club over a 40-day window that its scroll bar moves, for one league at a time, with a check
// box per club; the past-years summary (データ閲覧(&K)) shows the records of earlier seasons.
#pragma once

#include "ui/app/presenter.h"
#include "ui/history/graph_state.h"

namespace tev::ui {

class HistoryPresenter : public Presenter {
public:
    explicit HistoryPresenter(const Context& context)
        : Presenter(context), graph_(context.windows.graph), summary_(context.windows.summary) {}

    void bind() override;

    const GraphState& graph_state() const { return graph_state_; }
    // 画像を保存 in the graph window: the picture as drawn, under a name the user chooses.
    void save_graph_picture();

private:
    bool windows_refused() const;

    // The graph window (graph_window.cpp).
    void build_graph_window();
    void open_graph(int mode);
    void graph_Form_Load();
    void graph_Option1_Click(int index);
    void graph_Check1_Click(int index);
    void graph_HScroll1_Change();
    void graph_Form_Unload();
    void draw_every_club(int first_team);
    void draw_club(int team);
    void draw_checked_clubs();
    void clear_graph();
    void show_graph_dates();

    // The past-years summary (summary_window.cpp).
    void build_summary_window();
    void mnuseedat_Click();
    bool read_past_years_into_window();
    void summary_Command1_Click();

    Window& graph_;
    Window& summary_;
    GraphState graph_state_;
};

}  // namespace tev::ui
