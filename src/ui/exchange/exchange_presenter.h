// ファイル → 試合結果の取り込み… and 試合結果の書き出し…: a season's games in and out as a results
// table (CSV). The import reads and checks the whole file first and shows what it would do in
// the report pane; nothing changes until the user says yes, and then the games are filed, every
// table rebuilt and the season saved at once, as one step of 元に戻す.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "ui/app/presenter.h"

namespace tev {
struct ImportPlan;
}

namespace tev::ui {

class ExchangePresenter : public Presenter {
public:
    explicit ExchangePresenter(const Context& context) : Presenter(context) {}

    void bind() override;

private:
    void mnuimport_games_Click();
    void mnuexport_games_Click();

    // The file's bytes, or nothing (the user told why).
    std::optional<std::string> read_table(const std::filesystem::path& file);
    // Asks the import's questions; false when nothing is to be filed.
    bool agreed(const ImportPlan& plan, bool& replace_differing);
    void file_games(const ImportPlan& plan, bool replace_differing);
    // A name without a folder (the driver's) is in the data folder.
    std::filesystem::path in_data_folder(const std::filesystem::path& file) const;
};

}  // namespace tev::ui
