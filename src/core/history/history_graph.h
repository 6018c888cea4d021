// The history graphs as plain data: the line segments of one club's polyline over the 40-day
// window, the full drawing of a league (polylines, each line's tail to its name box, the 0.500
// reference line, the names by place) and the dates at the window's ends. Coordinates are the
// graph's own units: x in twips from the left, y in the vertical scale of the graph's mode
// (6,195 units high for places, 15,000 for percentages), growing downwards.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/history/history.h"
#include "core/store/club_names.h"
#include "core/text/text.h"

namespace tev {

enum class GraphMode { rank = 1, pct = 2 };

inline constexpr int kGraphDays = 40;            // days shown in one window
inline constexpr int kGraphFirstMax = 185;       // the last window shows days 185..224
inline constexpr int kGraphLineWidth = 2;
inline constexpr int kGraphRankHeight = 6195;    // vertical units of the rank graph
inline constexpr int kGraphPctHeight = 15000;    // vertical units of the percentage graph
inline constexpr int kGraphTailX = 8300;         // where the percentage lines end at their names

struct GraphLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::uint32_t rgb = 0;  // 0xRRGGBB
    int width = kGraphLineWidth;

    friend bool operator==(const GraphLine&, const GraphLine&) = default;
};

// What the graph window shows: its segments in drawing order and the names of the boxes of
// places 1..6 (empty when no club ends there).
struct GraphPicture {
    std::vector<GraphLine> lines;
    std::array<Text, 6> place_names;
};

// Colour k (0..15) of the standard 16-colour palette as 0xRRGGBB.
std::uint32_t palette_color(int k);

// The vertical units of the drawing area of `mode`.
int graph_height(GraphMode mode);

// The y of the name box of place 1..6: where the percentage lines' tails end, and the level of
// the rank graph's lines.
int graph_place_y(GraphMode mode, int place);

// Appends the polyline of `team` for the window starting at day `first_day`, in the colour of its
// place in its league; in the rank graph days whose place is 0 are skipped.
void draw_club_line(GraphPicture& picture, const History& history, GraphMode mode, int first_day, int team);

// The full drawing of the six clubs from `first_team` (1 or 7) for the window starting at
// `first_day`: the picture is cleared, then each club's polyline (as `draw_club_line` draws it),
// and in the percentage graph its tail and the reference line, then its name at its place of the
// last day.
GraphPicture draw_league_graph(const History& history, GraphMode mode, int first_day,
                               int first_team, const ClubNames& clubs = default_club_names());

// The date at the window's left end: month, "/", day in two characters ("3/20", "4/ 1").
Text graph_left_date(int first_day);

// The date at the window's right end (day first_day + 39): month and day in two characters
// each (" 4/28", "10/29").
Text graph_right_date(int first_day);

}  // namespace tev
