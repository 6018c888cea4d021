// The ファイル menu's items for taking the pane on display away: saved as a table (CSV) or as
// text, printed, or saved as a PDF. They can be used only while a report pane is on display;
// the dialogs, the printer and the PDF are the services' business.
#pragma once

#include <filesystem>
#include <string>

#include "ui/app/presenter.h"
#include "ui/share/pane_export.h"

namespace tev::ui {

class SharePresenter : public Presenter {
public:
    explicit SharePresenter(const Context& context) : Presenter(context), windows_(context.windows) {}

    void bind() override;

private:
    void refresh_share_menus();
    void mnuSavePane_Click();
    void mnuPrintPane_Click();
    void mnuPdfPane_Click();
    PanePage page_of(const ShownPane& pane) const;
    void tell_not_saved(const Text& what, const std::filesystem::path& file, const std::string& why);

    Windows& windows_;
};

}  // namespace tev::ui
