// The saved changes of the season that 元に戻す can take back: for each, what it was (as the menu
// names it) and the games as the files held them just before it. At most the last twenty, the
// newest last; a year switch starts afresh.
#pragma once

#include <array>
#include <deque>
#include <memory>

#include "core/store/season.h"
#include "core/text/text.h"

namespace tev::ui {

// The games of a season as its game file and interleague file hold them.
struct StoredGames {
    std::array<Text, kSlotCount> games;
    std::array<Text, kInterleagueSlotCount> interleague;
    int interleague_meetings = 0;
};

struct UndoStep {
    Text what;  // "削除 巨人 対 阪神 5回戦"
    std::unique_ptr<StoredGames> before;
};

class UndoHistory {
public:
    static constexpr std::size_t kKept = 20;

    void push(Text what, std::unique_ptr<StoredGames> before) {
        steps_.push_back(UndoStep{std::move(what), std::move(before)});
        if (steps_.size() > kKept) steps_.pop_front();
    }
    bool empty() const { return steps_.empty(); }
    const Text& last_what() const { return steps_.back().what; }
    const UndoStep& last_step() const { return steps_.back(); }
    UndoStep take_last() {
        UndoStep step = std::move(steps_.back());
        steps_.pop_back();
        return step;
    }
    void clear() { steps_.clear(); }

private:
    std::deque<UndoStep> steps_;
};

}  // namespace tev::ui
