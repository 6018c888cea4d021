// The graph window: the season history drawn as one line per club over a 40-day window that
// the scroll bar moves, for one league at a time, with a check box per club. The drawing is
// kept as the window's line segments; the names of the clubs sit in the boxes of their places.
#include <algorithm>

#include "core/history/history_graph.h"
#include "ui/history/history_presenter.h"
#include "core/platform/utf8_path.h"

namespace tev::ui {

namespace {

std::vector<LineSegment> segments_of(const GraphPicture& picture) {
    std::vector<LineSegment> out;
    out.reserve(picture.lines.size());
    for (const GraphLine& l : picture.lines) out.push_back({l.x1, l.y1, l.x2, l.y2, l.rgb, l.width});
    return out;
}

std::string place_box(int place) { return "Text" + std::to_string(place); }

}  // namespace

void HistoryPresenter::bind() {
    build_graph_window();
    build_summary_window();
    on_click("mnurank_make", [this](int) { open_graph(1); });
    on_click("mnurire2", [this](int) { open_graph(2); });
    on_click("mnuseedat", [this](int) { mnuseedat_Click(); });

    graph_.on("Option1", Event::click, [this](int i) { graph_Option1_Click(i); });
    graph_.on("Check1", Event::click, [this](int i) { graph_Check1_Click(i); });
    graph_.on("HScroll1", Event::change, [this](int) { graph_HScroll1_Change(); });
    graph_.on(kFormName, Event::close, [this](int) { graph_Form_Unload(); });

    summary_.on("Command1", Event::click, [this](int) { summary_Command1_Click(); });
    // The frame's close button unloads the window as 戻る does, without touching the status line.
    summary_.on(kFormName, Event::close, [this](int) { summary_.visible = false; });
}

bool HistoryPresenter::windows_refused() const {
    return modes_.entering || modes_.report_open || modes_.inning_totals || modes_.history_building() ||
           graph_.visible || summary_.visible;
}

void HistoryPresenter::build_graph_window() {
    graph_.add(make_control(ControlKind::option, "Option1", U"ｾﾝﾄﾗﾙ", 0));
    graph_.add(make_control(ControlKind::option, "Option1", U"ﾊﾟｼﾌｨｯｸ", 1));
    for (int i = 0; i < 6; ++i)
        graph_.add(make_control(ControlKind::check, "Check1", season().clubs.form(ClubForm::graph, i + 1), i));
    Control bar = make_control(ControlKind::scrollbar, "HScroll1");
    bar.scroll_min = 1;
    bar.scroll_max = kGraphFirstMax;
    bar.scroll_value = 1;
    graph_.add(bar);
    for (int i = 1; i <= 8; ++i) graph_.add(make_control(ControlKind::text, "Text" + std::to_string(i)));
}

void HistoryPresenter::open_graph(int mode) {
    if (windows_refused()) return;
    hide_year_list();
    // No usable history (none yet for the year, or a file that could not be used): build it.
    if (modes_.history != HistoryState::ready) document_.rebuild_history();
    graph_state_.mode = mode == 2 ? GraphMode::pct : GraphMode::rank;
    graph_Form_Load();
    graph_.visible = true;
}

void HistoryPresenter::graph_Form_Load() {
    Control& bar = graph_.at("HScroll1");
    bar.scroll_min = 1;
    bar.scroll_max = kGraphFirstMax;
    bar.scroll_value = 1;
    graph_state_.first_team = 1;
    graph_state_.every_club = true;
    graph_state_.ready = false;
    graph_.caption = graph_state_.mode == GraphMode::rank ? U"順位履歴グラフ" : U"勝率履歴グラフ";
    graph_.scale_height = graph_height(graph_state_.mode);
    for (int i = 0; i < 6; ++i) {
        Control& box = graph_.at("Check1", i);
        box.caption = season().clubs.form(ClubForm::graph, i + 1);
        box.value = true;
    }
    graph_.at("Option1", 0).value = true;
    graph_.at("Option1", 1).value = false;
    draw_every_club(1);
    graph_state_.ready = true;
}

void HistoryPresenter::clear_graph() {
    graph_.drawing.clear();
    for (int place = 1; place <= 6; ++place) graph_.at(place_box(place)).text.clear();
}

void HistoryPresenter::show_graph_dates() {
    const int first_day = graph_.at("HScroll1").scroll_value;
    graph_.at("Text7").text = graph_left_date(first_day);
    graph_.at("Text8").text = graph_right_date(first_day);
}

void HistoryPresenter::draw_every_club(int first_team) {
    clear_graph();
    const GraphPicture picture = tev::draw_league_graph(season().history, graph_state_.mode,
                                                graph_.at("HScroll1").scroll_value, first_team, season().clubs);
    graph_.drawing = segments_of(picture);
    for (int p = 0; p < 6; ++p) graph_.at(place_box(p + 1)).text = picture.place_names[p];
    show_graph_dates();
}

void HistoryPresenter::draw_club(int team) {
    GraphPicture picture;
    tev::draw_club_line(picture, season().history, graph_state_.mode, graph_.at("HScroll1").scroll_value, team);
    const std::vector<LineSegment> lines = segments_of(picture);
    graph_.drawing.insert(graph_.drawing.end(), lines.begin(), lines.end());
}

void HistoryPresenter::draw_checked_clubs() {
    clear_graph();
    for (int i = 0; i < 6; ++i)
        if (graph_.at("Check1", i).value) draw_club(graph_state_.first_team + i);
    show_graph_dates();
}

void HistoryPresenter::graph_Option1_Click(int index) {
    graph_state_.ready = false;
    for (int i = 0; i < 2; ++i) graph_.at("Option1", i).value = i == index;
    graph_state_.first_team = index == 0 ? 1 : 7;
    for (int i = 0; i < 6; ++i) {
        Control& box = graph_.at("Check1", i);
        box.caption = season().clubs.form(ClubForm::graph, graph_state_.first_team + i);
        box.value = true;
    }
    // every_club keeps its value: after an unchecked box, scrolling draws the clubs one by one
    // until a check-box click sets it back.
    graph_.at("HScroll1").scroll_value = 1;
    draw_every_club(graph_state_.first_team);
    graph_state_.ready = true;
}

void HistoryPresenter::graph_Check1_Click(int index) {
    Control& clicked = graph_.at("Check1", index);
    clicked.value = !clicked.value;  // the box's own toggle, before its Click
    if (!graph_state_.ready) return;
    const auto boxes = graph_.array("Check1");
    graph_state_.every_club = std::all_of(boxes.begin(), boxes.end(), [](const Control* c) { return c->value; });
    draw_checked_clubs();
}

void HistoryPresenter::graph_HScroll1_Change() {
    Control& bar = graph_.at("HScroll1");
    bar.scroll_value = std::clamp(bar.scroll_value, bar.scroll_min, bar.scroll_max);
    if (graph_state_.every_club) return draw_every_club(graph_state_.first_team);
    draw_checked_clubs();
}

void HistoryPresenter::save_graph_picture() {
    if (!graph_.visible) return;
    const Text graph = graph_state_.mode == GraphMode::rank ? U"順位履歴" : U"勝率履歴";
    const Text league = graph_state_.first_team == 1 ? U"セ" : U"パ";
    const std::filesystem::path file = services_.choose_save_file(
        U"画像を保存", {U"PNG (*.png)"}, to_utf8(graph + U"_" + league) + "_" + season().disp_year + ".png");
    if (file.empty()) return;
    if (!services_.write_graph_picture(file)) {
        services_.message(U"画像を保存できませんでした。\r\n" + from_utf8(utf8_string(file)), U"Tevardin", Icon::exclamation);
        return;
    }
    status(saved_status(file));
}

void HistoryPresenter::graph_Form_Unload() {
    graph_.visible = false;
    graph_.drawing.clear();
}

}  // namespace tev::ui
