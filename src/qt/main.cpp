// tevardin [DATA_DIR]: the window program. It works on the files of DATA_DIR (default: the
// current directory).
#include <QApplication>
#include <QFile>
#include <cstdio>

#include "qt/form_view.h"
#include "qt/look.h"
#include "qt/qt_services.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();  // without the toolkit's own options
    if (args.size() > 2) {
        std::fputs("使い方: tevardin [データフォルダ]\n", stderr);
        return 2;
    }
    tev::qt::apply_application_look(app);
    const std::filesystem::path dir =
        args.size() == 2 ? std::filesystem::path(QFile::encodeName(args[1]).toStdString())
                         : std::filesystem::path(".");

    tev::qt::QtServices services(dir);
    tev::ui::MainWindow model(dir, services);
    tev::qt::FormView view(model, services);
    QObject::connect(&view, &tev::qt::FormView::finished, &app, &QCoreApplication::quit);
    if (!model.start()) return 1;  // the model has said why
    view.sync_all();
    if (model.ended()) return 0;
    return app.exec();
}
