// The graph window: the season history drawn as one line per club over a 40-day window that
// the scroll bar moves, for one league at a time, with a check box per club. The drawing is
// kept as the window's line segments; the names of the clubs sit in the boxes of their places.
#include <algorithm>

#include "core/history/history_graph.h"
#include "ui/main_window.h"

namespace tev::ui {

namespace {

GraphMode mode_of(const GraphState& g) { return g.graph_mode == 2 ? GraphMode::pct : GraphMode::rank; }

std::vector<LineSegment> segments_of(const GraphPicture& picture) {
    std::vector<LineSegment> out;
    out.reserve(picture.lines.size());
    for (const GraphLine& l : picture.lines) out.push_back({l.x1, l.y1, l.x2, l.y2, l.rgb, l.width});
    return out;
}

}  // namespace

void MainWindow::build_graph_window() {
    graph_.add(make_control(ControlKind::option, "Option1", U"ｾﾝﾄﾗﾙ", 0));
    graph_.add(make_control(ControlKind::option, "Option1", U"ﾊﾟｼﾌｨｯｸ", 1));
    for (int i = 0; i < 6; ++i) graph_.add(make_control(ControlKind::check, "Check1", season_->clubs.form(ClubForm::graph, i + 1), i));
    Control bar = make_control(ControlKind::scrollbar, "HScroll1");
    bar.scroll_min = 1;
    bar.scroll_max = kGraphFirstMax;
    bar.scroll_value = 1;
    graph_.add(bar);
    for (int i = 1; i <= 8; ++i) graph_.add(make_control(ControlKind::text, "Text" + std::to_string(i)));
}

bool MainWindow::history_window_refused() const {
    return entry_mode_ == 1 || report_on_ || kaiten_mode_ || history_state_ == 1 || graph_.visible ||
           summary_.visible;
}

void MainWindow::open_graph(int mode) {
    if (history_window_refused()) return;
    hide_year_list();
    // No usable history (none yet for the year, or a file that could not be used): build it.
    if (history_state_ != 2) rireki_make();
    hist_.graph.graph_mode = mode;
    graph_Form_Load();
    graph_.visible = true;
}

void MainWindow::graph_Form_Load() {
    GraphState& g = hist_.graph;
    Control& bar = graph_.at("HScroll1");
    bar.scroll_min = 1;
    bar.scroll_max = kGraphFirstMax;
    bar.scroll_value = 1;
    g.graph_league = 1;
    g.graph_all = 1;
    g.graph_ready = 0;
    const GraphMode mode = mode_of(g);
    graph_.caption = mode == GraphMode::rank ? U"順位履歴グラフ" : U"勝率履歴グラフ";
    graph_.scale_height = graph_height(mode);
    for (int i = 0; i < 6; ++i) {
        Control& box = graph_.at("Check1", i);
        box.caption = season_->clubs.form(ClubForm::graph, i + 1);
        box.value = true;
    }
    graph_.at("Option1", 0).value = true;
    graph_.at("Option1", 1).value = false;
    draw_league_graph(1);
    g.graph_ready = 1;
}

void MainWindow::graph_clear() {
    graph_.drawing.clear();
    for (int i = 1; i <= 6; ++i) graph_.at("Text" + std::to_string(i)).text.clear();
}

void MainWindow::graph_dates() {
    const int first_day = graph_.at("HScroll1").scroll_value;
    graph_.at("Text7").text = graph_left_date(first_day);
    graph_.at("Text8").text = graph_right_date(first_day);
}

void MainWindow::draw_league_graph(int first) {
    graph_clear();
    const GraphPicture picture =
        tev::draw_league_graph(season_->history, mode_of(hist_.graph), graph_.at("HScroll1").scroll_value, first,
                       season_->clubs);
    graph_.drawing = segments_of(picture);
    for (int p = 0; p < 6; ++p) graph_.at("Text" + std::to_string(p + 1)).text = picture.place_names[p];
    graph_dates();
}

void MainWindow::draw_club_line(int team) {
    GraphPicture picture;
    tev::draw_club_line(picture, season_->history, mode_of(hist_.graph), graph_.at("HScroll1").scroll_value, team);
    const std::vector<LineSegment> lines = segments_of(picture);
    graph_.drawing.insert(graph_.drawing.end(), lines.begin(), lines.end());
}

void MainWindow::graph_Option1_Click(int index) {
    GraphState& g = hist_.graph;
    g.graph_ready = 0;
    for (int i = 0; i < 2; ++i) graph_.at("Option1", i).value = i == index;
    g.graph_league = index == 0 ? 1 : 7;
    for (int i = 0; i < 6; ++i) {
        Control& box = graph_.at("Check1", i);
        box.caption = season_->clubs.form(ClubForm::graph, g.graph_league + i);
        box.value = true;
    }
    // graph_all keeps its value: after an unchecked box, scrolling draws the clubs one by one
    // until a check-box click sets it back.
    graph_.at("HScroll1").scroll_value = 1;
    draw_league_graph(g.graph_league);
    g.graph_ready = 1;
}

void MainWindow::graph_Check1_Click(int index) {
    GraphState& g = hist_.graph;
    Control& clicked = graph_.at("Check1", index);
    clicked.value = !clicked.value;  // the box's own toggle, before its Click
    if (g.graph_ready == 0) return;
    const auto boxes = graph_.array("Check1");
    g.graph_all = std::all_of(boxes.begin(), boxes.end(), [](const Control* c) { return c->value; }) ? 1 : 2;
    graph_clear();
    for (int i = 0; i < 6; ++i)
        if (graph_.at("Check1", i).value) draw_club_line(g.graph_league + i);
    graph_dates();
}

void MainWindow::graph_HScroll1_Change() {
    GraphState& g = hist_.graph;
    Control& bar = graph_.at("HScroll1");
    bar.scroll_value = std::clamp(bar.scroll_value, bar.scroll_min, bar.scroll_max);
    if (g.graph_all == 1) {
        draw_league_graph(g.graph_league);
        return;
    }
    graph_clear();
    for (int i = 0; i < 6; ++i)
        if (graph_.at("Check1", i).value) draw_club_line(g.graph_league + i);
    graph_dates();
}

void MainWindow::graph_Form_Unload() {
    graph_.visible = false;
    graph_.drawing.clear();
}

}  // namespace tev::ui
