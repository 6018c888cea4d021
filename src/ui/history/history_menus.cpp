// The history subsystem's windows and menu items: the graph window (順位履歴表示, 勝率履歴表示)
// and the past-years summary (データ閲覧(&K)), built and bound once with the main window.
#include "ui/main_window.h"

namespace tev::ui {

void MainWindow::bind_history() {
    build_graph_window();
    build_summary_window();
    main_.on("mnurank_make", Event::click, [this](int) { open_graph(1); });
    main_.on("mnurire2", Event::click, [this](int) { open_graph(2); });
    main_.on("mnuseedat", Event::click, [this](int) { mnuseedat_Click(); });

    graph_.on("Option1", Event::click, [this](int i) { graph_Option1_Click(i); });
    graph_.on("Check1", Event::click, [this](int i) { graph_Check1_Click(i); });
    graph_.on("HScroll1", Event::change, [this](int) { graph_HScroll1_Change(); });
    graph_.on(kFormName, Event::close, [this](int) { graph_Form_Unload(); });

    summary_.on("Command1", Event::click, [this](int) { summary_Command1_Click(); });
    // The frame's close button unloads the window as 戻る does, without touching the status line.
    summary_.on(kFormName, Event::close, [this](int) { summary_.visible = false; });
}

}  // namespace tev::ui
