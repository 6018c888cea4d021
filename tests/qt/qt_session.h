// The window program as the offscreen view tests start it: a generated 1996 season (seed 7)
// written into a fresh folder, with any further files copied in, and the model, the services
// and the main window built on it and started.
#pragma once

#include <QtGlobal>
#include <filesystem>
#include <memory>
#include <vector>

#include "qt/form_view.h"
#include "qt/qt_services.h"
#include "season_gen.h"
#include "support/temp_dir.h"
#include "ui/main_window.h"

namespace tev::test {

struct StartedProgram {
    TempDir dir;
    std::unique_ptr<qt::QtServices> services;
    std::unique_ptr<ui::MainWindow> model;
    std::unique_ptr<qt::FormView> view;

    explicit StartedProgram(const std::vector<std::filesystem::path>& files = {}) {
        const Status written = gen::write_generated(dir.path(), gen::generate_season("1996", 7));
        if (!written) qFatal("cannot write the season: %s", written.error().describe().c_str());
        for (const std::filesystem::path& file : files) std::filesystem::copy_file(file, dir.path() / file.filename());
        services = std::make_unique<qt::QtServices>(dir.path());
        model = std::make_unique<ui::MainWindow>(dir.path(), *services);
        view = std::make_unique<qt::FormView>(*model, *services);
        if (!model->start()) qFatal("the program did not start");
        view->sync_all();
    }
};

}  // namespace tev::test
