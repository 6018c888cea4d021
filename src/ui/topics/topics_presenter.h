// トピックス: the season's digest in the report pane List1, lengthened for the long page, shown
// until 窓消去 closes it.
#pragma once

#include "ui/app/presenter.h"

namespace tev::ui {

class TopicsPresenter : public Presenter {
public:
    explicit TopicsPresenter(const Context& context) : Presenter(context) {}

    void bind() override;

private:
    void mnutopic_Click();
};

}  // namespace tev::ui
