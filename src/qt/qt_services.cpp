#include "qt/qt_services.h"

#include <QApplication>
#include <QBuffer>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QInputDialog>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>

#include "core/platform/utf8_path.h"
#include "core/text/data_file.h"
#include "core/text/pdf_unicode.h"
#include "qt/help_window.h"
#include "qt/page_painter.h"
#include "qt/qt_text.h"
#include "ui/shell/file_patterns.h"

namespace tev::qt {

namespace {

QMessageBox::Icon box_icon(ui::Icon icon) {
    switch (icon) {
        case ui::Icon::stop:
            return QMessageBox::Critical;
        case ui::Icon::question:
            return QMessageBox::Question;
        case ui::Icon::exclamation:
            return QMessageBox::Warning;
        case ui::Icon::information:
            return QMessageBox::Information;
        case ui::Icon::none:
            break;
    }
    return QMessageBox::NoIcon;
}

// A box without a title of its own carries the program's name, as the original's did.
QString box_title(const Text& title) {
    return title.empty() ? QStringLiteral("Tevardin") : to_qstring(title);
}

}  // namespace

QString filter_extension(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\*(\\.[A-Za-z0-9]+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

std::filesystem::path QtServices::choose_save_file(const Text& title, const std::vector<Text>& filters,
                                                   const std::string& suggested) {
    QStringList types;
    for (const Text& filter : filters) types << to_qstring(filter);
    QString chosen_type = types.isEmpty() ? QString() : types.front();
    QString file = QFileDialog::getSaveFileName(dialog_parent(), to_qstring(title), path_text(dir_ / utf8_path(suggested)),
                                                types.join(QStringLiteral(";;")), &chosen_type);
    if (file.isEmpty()) return {};
    if (QFileInfo(file).suffix().isEmpty()) file += filter_extension(chosen_type);
    return text_path(file);
}

std::filesystem::path QtServices::choose_open_file(const Text& title, const std::vector<Text>& filters) {
    QStringList types;
    for (const Text& filter : filters) types << to_qstring(filter);
    const QString file = QFileDialog::getOpenFileName(dialog_parent(), to_qstring(title), path_text(dir_),
                                                      types.join(QStringLiteral(";;")));
    if (file.isEmpty()) return {};
    return text_path(file);
}

bool QtServices::print_page(const ui::PanePage& page) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, dialog_parent());
    if (dialog.exec() != QDialog::Accepted) return false;
    return paint_pane_page(printer, page);
}

bool QtServices::write_graph_picture(const std::filesystem::path& file) {
    return picture_writer_ && picture_writer_(path_text(file));
}

bool QtServices::write_pdf(const ui::PanePage& page, const std::filesystem::path& file) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                         QPageLayout::Millimeter));
        writer.setResolution(300);
        writer.setCreator(QStringLiteral("Tevardin"));
        if (!page.caption.empty()) writer.setTitle(to_qstring(page.caption.front()).trimmed());
        if (!paint_pane_page(writer, page)) return false;
    }
    // Copied or searched, the text reads as the characters drawn (see pdf_unicode.h).
    const std::string bytes = with_drawn_characters(buffer.data().toStdString(), glyph_twins_drawn(page));
    return write_files_atomically(file.parent_path(), {{utf8_string(file.filename()), bytes}}).ok();
}

QSize window_frame(const QWidget& window) { return window.frameGeometry().size() - window.geometry().size(); }

QSize window_chrome(const QWidget* window) {
    const QStyle* style = window != nullptr ? window->style() : QApplication::style();
    QSize frame = window != nullptr ? window_frame(*window) : QSize(0, 0);
    if (frame.isNull()) {
        // Not framed yet (the window system frames a window once it is shown): the style's
        // title bar stands in.
        const int border = style->pixelMetric(QStyle::PM_DefaultFrameWidth);
        frame = QSize(2 * border, style->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * border);
    }
    const auto* main = qobject_cast<const QMainWindow*>(window);
    const int menu = main != nullptr ? main->menuBar()->sizeHint().height() : 0;
    return frame + QSize(0, menu);
}

int twips_per_pixel(double logical_dpi) {
    return logical_dpi >= 120 ? 12 : 15;
}

QtServices::QtServices(std::filesystem::path data_dir) : dir_(std::move(data_dir)) {}

QtServices::~QtServices() = default;

QWidget* QtServices::dialog_parent() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (owner_ && owner_->isVisible()) return owner_;
    return nullptr;
}

void QtServices::message(const Text& text, const Text& title, ui::Icon icon) {
    QMessageBox box(box_icon(icon), box_title(title), to_qstring(text), QMessageBox::Ok,
                    dialog_parent());
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

bool QtServices::ask(const Text& title, const Text& text, ui::Icon icon, bool default_yes) {
    QMessageBox box(box_icon(icon), box_title(title), to_qstring(text),
                    QMessageBox::Yes | QMessageBox::No, dialog_parent());
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("はい(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("いいえ(&N)"));
    box.setDefaultButton(default_yes ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

ui::Answer QtServices::ask_yes_no_cancel(const Text& title, const Text& text, ui::Icon icon) {
    QMessageBox box(box_icon(icon), box_title(title), to_qstring(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, dialog_parent());
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("はい(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("いいえ(&N)"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("キャンセル"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    const int pressed = box.exec();
    if (pressed == QMessageBox::Yes) return ui::Answer::yes;
    return pressed == QMessageBox::No ? ui::Answer::no : ui::Answer::cancel;
}

Text QtServices::input(const Text& prompt, const Text& title, const Text& default_text, int x,
                       int y) {
    QInputDialog box(dialog_parent());
    box.setInputMode(QInputDialog::TextInput);
    box.setWindowTitle(box_title(title));
    box.setLabelText(to_qstring(prompt));
    box.setTextValue(to_qstring(default_text));
    box.setOkButtonText(QStringLiteral("OK"));
    box.setCancelButtonText(QStringLiteral("キャンセル"));
    if (x >= 0 && y >= 0) {
        const int tpp = screen().twips_per_pixel_x;
        const QPoint origin = QGuiApplication::primaryScreen() != nullptr
                                  ? QGuiApplication::primaryScreen()->geometry().topLeft()
                                  : QPoint();
        box.move(origin + QPoint(x / tpp, y / tpp));
    }
    if (box.exec() != QDialog::Accepted) return Text();
    return box.textValue().toStdU32String();
}

void QtServices::process_events(const Text&) {
    if (refresh_) refresh_();
    QCoreApplication::processEvents();
}

void QtServices::beep() {
    QApplication::beep();
}

ui::ScreenMetrics QtServices::screen() const {
    ui::ScreenMetrics metrics;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary == nullptr) return metrics;
    const int tpp_x = twips_per_pixel(primary->logicalDotsPerInchX());
    const int tpp_y = twips_per_pixel(primary->logicalDotsPerInchY());
    metrics.width_twips = primary->size().width() * tpp_x;
    metrics.height_twips = primary->size().height() * tpp_y;
    metrics.twips_per_pixel_x = tpp_x;
    metrics.twips_per_pixel_y = tpp_y;
    const QSize room = primary->availableGeometry().size() - window_chrome(owner_);
    metrics.room_width_twips = std::max(0, room.width()) * tpp_x;
    metrics.room_height_twips = std::max(0, room.height()) * tpp_y;
    return metrics;
}

ui::DateTime QtServices::now() const {
    const QDateTime t = QDateTime::currentDateTime();
    return ui::DateTime{t.date().year(), t.date().month(),  t.date().day(),
                        t.time().hour(), t.time().minute(), t.time().second()};
}

void QtServices::open_help(const std::filesystem::path& file, const std::string& anchor) {
    if (!help_) help_ = std::make_unique<HelpWindow>();
    help_->open(file, anchor);
}

bool QtServices::acquire_single_instance() {
    const bool taken = lock_.acquire(dir_);
    if (!lock_.unavailable_reason().empty())
        message(ui::lock_unavailable_text(lock_.unavailable_reason()), U"Tevardin", ui::Icon::exclamation);
    return taken;
}

void QtServices::delete_files(const std::filesystem::path& dir, const std::string& pattern) {
    ui::delete_matching_files(dir, pattern);
}

}  // namespace tev::qt
