// tevardin [DATA_DIR]: the window program. It works on the files of DATA_DIR (made from the
// shipped data when it is new or empty); with no folder named (as when started from the desktop
// menu) on the user's own data folder, made from the shipped data on first start.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

#include "qt/form_view.h"
#include "qt/look.h"
#include "qt/qt_services.h"
#include "qt/qt_text.h"
#include "ui/main_window.h"
#include "ui/shell/user_data_folder.h"

namespace {

std::filesystem::path shipped_data() {
    const std::filesystem::path program = tev::qt::text_path(QCoreApplication::applicationFilePath());
    return tev::ui::shipped_data_folder(program, std::getenv("TEVARDIN_SHIPPED_DATA"));
}

// `target` when `seeded` went well; empty after telling the user why not.
std::filesystem::path told_if_failed(const tev::Status& seeded, const std::filesystem::path& target) {
    if (seeded) return target;
    QMessageBox::critical(nullptr, "Tevardin", QString::fromStdString(seeded.error().describe()));
    return {};
}

// The user's data folder, filled from the shipped files it lacks; empty (after telling the user
// why) when it cannot be made.
std::filesystem::path prepare_user_data_folder() {
    const std::filesystem::path target =
        tev::ui::user_data_folder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    if (target.empty()) {
        QMessageBox::critical(nullptr, "Tevardin", "データフォルダの場所が決まりません（HOME が未設定です）。");
        return {};
    }
    return told_if_failed(tev::ui::seed_user_data(shipped_data(), target), target);
}

// A folder named on the command line, made from the shipped data when it is new or empty.
std::filesystem::path prepare_named_folder(const QString& name) {
    const std::filesystem::path target = tev::qt::text_path(name);
    return told_if_failed(tev::ui::seed_new_folder(shipped_data(), target), target);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();  // without the toolkit's own options
    if (args.size() > 2) {
        std::fputs("使い方: tevardin [データフォルダ]\n", stderr);
        return 2;
    }
    tev::qt::apply_application_look(app);
    const std::filesystem::path dir = args.size() == 2 ? prepare_named_folder(args[1]) : prepare_user_data_folder();
    if (dir.empty()) return 1;

    tev::qt::QtServices services(dir);
    tev::ui::MainWindow model(dir, services);
    tev::qt::FormView view(model, services);
    QObject::connect(&view, &tev::qt::FormView::finished, &app, &QCoreApplication::quit);
    if (!model.start()) return 1;  // the model has said why
    view.sync_all();
    if (model.ended()) return 0;
    return app.exec();
}
