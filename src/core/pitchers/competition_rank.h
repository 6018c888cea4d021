// Competition ranks for the ranked lists of pitchers and home runs: a row equal to the row before
// it shares that row's place, and the next different row takes its own position (1, 1, 3, 4, 4,
// 4, 7). What makes two rows equal is the list's business.
#pragma once

namespace tev {

class CompetitionRank {
  public:
    // The rank of the next row in list order; `same_as_previous` is ignored for the first row.
    int next(bool same_as_previous) {
        ++position_;
        if (position_ == 1 || !same_as_previous) rank_ = position_;
        return rank_;
    }

  private:
    int position_ = 0;
    int rank_ = 0;
};

}  // namespace tev
