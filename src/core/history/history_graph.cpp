#include "core/history/history_graph.h"

#include <algorithm>
#include <optional>

#include "core/history/history_make.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

constexpr int kLeftX = 300;
constexpr int kDayWidth = 200;
constexpr int kReferenceY = 8000;  // a percentage of 0.500
constexpr int kReferenceColor = 10;

struct Point {
    int x, y;
};

Point day_point(const History& h, GraphMode mode, int first_day, int i, int team) {
    const int day = first_day + i;
    const int x = kLeftX + kDayWidth * i;
    if (mode == GraphMode::rank) return {x, 840 * h.rank[day][team] + 420};
    return {x, 13000 - h.pct[day][team]};
}

bool skipped(const History& h, GraphMode mode, int day, int team) {
    return mode == GraphMode::rank && h.rank[day][team] == 0;
}

// The day shown last in the window that starts at `first_day`, kept inside the history.
int last_day(int first_day) { return std::min(first_day + kGraphDays - 1, kHistoryDays); }

}  // namespace

std::uint32_t palette_color(int k) {
    static const std::array<std::uint32_t, 16> colors = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    return colors[static_cast<std::size_t>(k & 15)];
}

int graph_height(GraphMode mode) { return mode == GraphMode::rank ? kGraphRankHeight : kGraphPctHeight; }

int graph_place_y(GraphMode mode, int place) {
    return mode == GraphMode::rank ? 840 * place + 420 : 3300 + 2000 * (place - 1);
}

namespace {

// Appends the polyline of `team` and returns where its pen ended (nothing when no day of the
// window has a place to draw).
std::optional<Point> draw_polyline(GraphPicture& picture, const History& history, GraphMode mode, int first_day,
                                   int team) {
    const std::uint32_t color = palette_color(league_index(team));
    const int days = last_day(first_day) - first_day + 1;
    // A club without a place on the window's first day starts at its first placed day.
    int i = 0;
    while (i < days && skipped(history, mode, first_day + i, team)) ++i;
    if (i == days) return std::nullopt;
    Point pen = day_point(history, mode, first_day, i, team);
    for (++i; i < days; ++i) {
        if (skipped(history, mode, first_day + i, team)) continue;
        const Point to = day_point(history, mode, first_day, i, team);
        picture.lines.push_back({pen.x, pen.y, to.x, to.y, color, kGraphLineWidth});
        pen = to;
    }
    return pen;
}

}  // namespace

void draw_club_line(GraphPicture& picture, const History& history, GraphMode mode, int first_day, int team) {
    draw_polyline(picture, history, mode, first_day, team);
}

GraphPicture draw_league_graph(const History& history, GraphMode mode, int first_day, int first_team, const ClubNames& clubs) {
    GraphPicture picture;
    const int end_day = last_day(first_day);
    for (int team = first_team; team < first_team + 6; ++team) {
        const std::optional<Point> pen = draw_polyline(picture, history, mode, first_day, team);
        const int place = history.rank[end_day][team];
        // A club without a place on the last day has no box to end at.
        const bool placed = place >= 1 && place <= 6;
        if (mode == GraphMode::pct) {
            if (placed && pen)
                picture.lines.push_back({pen->x, pen->y, kGraphTailX, graph_place_y(mode, place),
                                         palette_color(league_index(team)), kGraphLineWidth});
            // Drawn once per club, so the line lies over every club's polyline drawn before it.
            picture.lines.push_back({kLeftX, kReferenceY, kGraphTailX, kReferenceY, palette_color(kReferenceColor),
                                     kGraphLineWidth});
        }
        if (placed) picture.place_names[static_cast<std::size_t>(place - 1)] = clubs.form(ClubForm::graph, team);
    }
    return picture;
}

Text graph_left_date(int first_day) {
    const SeasonDate d = season_date(first_day);
    return plain_num(d.month) + U"/" + right_num(d.day, 2);
}

Text graph_right_date(int first_day) {
    const SeasonDate d = season_date(last_day(first_day));
    return right_num(d.month, 2) + U"/" + right_num(d.day, 2);
}

}  // namespace tev
