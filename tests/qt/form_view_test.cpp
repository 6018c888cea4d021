// The window program's view on a generated season, offscreen: the widgets carry the model's
// captions, clicks reach the handlers, report panes fill, and the model's dialogs appear as real
// dialogs. Set TEVARDIN_SCREENSHOTS to a folder to keep pictures of the window.
#include <QAction>
#include <utility>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <functional>
#include <memory>

#include "core/store/club_file.h"
#include "core/years/year_files.h"
#include "core/text/cp932.h"
#include "qt/dialog_view.h"
#include "qt/form_layout.h"
#include "qt/form_view.h"
#include "qt/help_window.h"
#include "qt/look.h"
#include "qt/qt_services.h"
#include "qt_support.h"
#include "season_gen.h"
#include "support/season_builder.h"
#include "support/temp_dir.h"
#include "ui/main_window.h"
#include "support/interleague_season_gen.h"

namespace {

using tev::qt::FormView;

// The window program's services, noting whether the notice window was up while the season
// loaded (the model lets events run between its loading steps).
class NoticeWatchingServices : public tev::qt::QtServices {
  public:
    using QtServices::QtServices;
    FormView* view = nullptr;
    bool notice_seen = false;
    QString notice_caption;

    // The file the next open dialog answers (a real dialog when none).
    std::filesystem::path open_file;
    std::filesystem::path choose_open_file(const tev::Text& title, const std::vector<tev::Text>& filters) override {
        if (open_file.empty()) return QtServices::choose_open_file(title, filters);
        return std::exchange(open_file, {});
    }

    void process_events(const tev::Text& status) override {
        QtServices::process_events(status);
        if (view != nullptr && view->notice_view().isVisible()) {
            notice_seen = true;
            notice_caption = view->notice_view().windowTitle();
        }
    }
};

// A started program on a generated season (1996 unless told; a year from 2005 on carries the
// club file of its era) in a folder of its own.
struct Session {
    tev::test::TempDir dir;
    std::unique_ptr<NoticeWatchingServices> services;
    std::unique_ptr<tev::ui::MainWindow> model;
    std::unique_ptr<FormView> view;
    bool started = false;

    // A generated season of `year` (changed by `prepare`, when given) written and started.
    explicit Session(const std::string& year = "1996", const std::function<void(tev::Season&)>& prepare = {}) {
        tev::Season season = tev::gen::generate_season(year, 7);
        if (prepare) prepare(season);
        const tev::Status written = tev::gen::write_generated(dir.path(), season);
        if (!written)
            qFatal("cannot write the generated season: %s", written.error().describe().c_str());
        if (year != "1996") {
            const tev::ItemWriter clubs =
                tev::club_file_writer(tev::club_names_of_new_year(year), tev::club_file_name(year));
            if (!tev::commit_writers(dir.path(), {&clubs})) qFatal("cannot write the club file");
        }
        services = std::make_unique<NoticeWatchingServices>(dir.path());
        model = std::make_unique<tev::ui::MainWindow>(dir.path(), *services);
        view = std::make_unique<FormView>(*model, *services);
        services->view = view.get();
        started = model->start();
        view->sync_all();
    }

    template <typename W>
    W* widget(const char* name, int index = -1) {
        return qobject_cast<W*>(view->binder().widget(name, index));
    }
};

using tev::test::on_next_modal;
using tev::test::save_picture;

}  // namespace

class FormViewTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { tev::qt::apply_application_look(*qApp); }

    void window_carries_the_captions_of_the_main_window() {
        Session s;
        QVERIFY(s.started);
        QVERIFY(s.services->notice_seen);
        QCOMPARE(s.services->notice_caption, QStringLiteral("お知らせ！"));
        QVERIFY(!s.view->notice_view().isVisible());
        QVERIFY(s.view->isVisible());
        QCOMPARE(s.view->windowTitle(), QStringLiteral("Tevardin  1996"));
        QStringList menus;
        for (QAction* a : s.view->menuBar()->actions()) menus << a->text();
        QCOMPARE(menus, (QStringList{"ファイル(&F)", "編集(&E)", "データ操作(&D)", "ホームラン(&H)",
                                     "投手成績(&T)", "ヘルプ(&H)"}));
        QCOMPARE(s.widget<QPushButton>("Command9")->text(), QStringLiteral("成績一覧"));
        QCOMPARE(s.widget<QPushButton>("Command4", 32)->text(), QStringLiteral("X"));
        QCOMPARE(s.widget<QRadioButton>("Option5", 5)->text(), QStringLiteral("ﾀﾞｲｴｰ"));
        QCOMPARE(s.widget<QLabel>("Label10")->text(), QStringLiteral("Tevardin 1996"));
        QVERIFY(s.widget<QLineEdit>("Text1")->text().startsWith(QStringLiteral("表示サイズ＝ ")));
        save_picture(s.view.get(), "tevardin-start.png");
    }

    void every_control_has_a_place_inside_the_form() {
        Session s;
        const QRect form(QPoint(0, 0), tev::qt::form_size());
        for (auto [control, widget] : s.view->binder().widgets()) {
            const auto rect = tev::qt::form_rect(control->name, control->index);
            QVERIFY2(rect.has_value(), control->key().c_str());
            if (control->parent.empty()) QVERIFY2(form.contains(*rect), control->key().c_str());
        }
    }

    void report_text_keeps_full_width_characters_at_two_columns() {
        Session s;
        for (const char* name : {"List1", "List2", "List4", "List5", "List6", "Label6", "Label7", "Text6"}) {
            const QFont font =
                s.view->binder().widget(name, name == std::string("Text6") ? 0 : -1)->font();
            QVERIFY2(tev::qt::full_width_is_two_columns(font), name);
            QCOMPARE(QFontInfo(font).family(), QStringLiteral("Noto Sans Mono CJK JP"));
        }
    }

    // Run on a wide screen and (as its own test) on a laptop screen less its task bar.
    void the_window_fits_the_screen() {
        Session s;
        QVERIFY(s.started);
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(free.contains(s.view->frameGeometry()));
        const tev::ui::ScreenMetrics screen = s.services->screen();
        const QSize designed = tev::qt::form_size();
        const bool roomy = screen.room_width_twips >= designed.width() * screen.twips_per_pixel_x &&
                           screen.room_height_twips >= designed.height() * screen.twips_per_pixel_y;
        if (roomy) {
            QCOMPARE(s.view->form()->size(), designed);
        } else {
            QVERIFY(s.view->form()->height() < designed.height());
            QVERIFY(tev::qt::full_width_is_two_columns(s.view->binder().widget("List4")->font()));
        }
        auto* scroller = qobject_cast<QScrollArea*>(s.view->centralWidget());
        QVERIFY(scroller != nullptr);
        QCOMPARE(scroller->verticalScrollBar()->maximum(), 0);  // all of the form in sight
        QTest::mouseClick(s.widget<QPushButton>("Command11"), Qt::LeftButton);
        QTest::mouseClick(s.widget<QPushButton>("Command9"), Qt::LeftButton);
        save_picture(s.view.get(), roomy ? "tevardin-wide-screen.png" : "tevardin-laptop-screen.png");

        // Made smaller than its layout, the window scrolls the form; nothing of it is cut off.
        const QSize form = s.view->form()->size();
        s.view->resize(640, 400);
        QCoreApplication::processEvents();
        QCOMPARE(s.view->form()->size(), form);
        QVERIFY(scroller->verticalScrollBar()->maximum() > 0);
        QVERIFY(scroller->horizontalScrollBar()->maximum() > 0);
        QWidget* status = s.view->binder().widget("Text1");
        scroller->ensureWidgetVisible(status);
        QCoreApplication::processEvents();
        QVERIFY(!status->visibleRegion().isEmpty());
        save_picture(s.view.get(), roomy ? "tevardin-shrunk-wide.png" : "tevardin-shrunk-laptop.png");
    }

    void a_small_screen_shrinks_the_form_and_keeps_report_columns() {
        Session s;
        const QSize designed = s.view->form()->size();
        s.model->main().scale = 0.75;  // what the layout check sets below 10000 twips
        s.view->sync_all();
        QCOMPARE(s.view->form()->size(), designed * 0.75);
        QVERIFY(tev::qt::full_width_is_two_columns(s.view->binder().widget("List4")->font()));
        QCOMPARE(s.view->binder().widget("Command9")->geometry().topLeft(),
                 (tev::qt::form_rect("Command9")->topLeft() * 0.75));
    }

    void screen_metrics_tell_large_fonts_by_resolution() {
        QCOMPARE(tev::qt::twips_per_pixel(96), 15);
        QCOMPARE(tev::qt::twips_per_pixel(120), 12);
        tev::qt::QtServices services(".");
        const tev::ui::ScreenMetrics screen = services.screen();
        QVERIFY(screen.twips_per_pixel_x == 15 || screen.twips_per_pixel_x == 12);
        QCOMPARE(screen.width_twips,
                 QGuiApplication::primaryScreen()->size().width() * screen.twips_per_pixel_x);
    }

    void a_2026_season_names_todays_clubs_everywhere() {
        Session s("2026");
        QVERIFY(s.started);
        QCOMPARE(s.view->windowTitle(), QStringLiteral("Tevardin  2026"));
        QCOMPARE(s.widget<QRadioButton>("Option4", 2)->text(), QStringLiteral("楽天"));
        QCOMPARE(s.widget<QRadioButton>("Option5", 5)->text(), QStringLiteral("ｿﾌﾄB"));
        QCOMPARE(s.widget<QRadioButton>("Option1", 2)->text(), QStringLiteral("DeNA"));
        QTest::mouseClick(s.widget<QPushButton>("Command11"), Qt::LeftButton);
        QTest::mouseClick(s.widget<QPushButton>("Command9"), Qt::LeftButton);
        auto* list4 = s.widget<QListWidget>("List4");
        QVERIFY(list4->isVisible());
        QStringList lines;
        for (int i = 0; i < list4->count(); ++i) lines << list4->item(i)->text();
        const QString all = lines.join('\n');
        QVERIFY(all.contains(QStringLiteral("楽　天　　")));
        QVERIFY(all.contains(QStringLiteral("ソフトＢ　")));
        QVERIFY(all.contains(QStringLiteral("ＤｅＮＡ　")));
        QVERIFY(!all.contains(QStringLiteral("近　鉄")));
        save_picture(s.view.get(), "tevardin-2026-standings.png");
    }

    void the_interleague_choice_shows_for_a_year_of_interleague_play_only() {
        Session old;
        QVERIFY(!old.widget<QRadioButton>("Option3", 2)->isVisible());
        Session s("2026");
        auto* choice = s.widget<QRadioButton>("Option3", 2);
        QVERIFY(choice->isVisible());
        QCOMPARE(choice->text(), QStringLiteral("交流戦"));
        // An interleague game entered with the mouse: 交流戦, 巨人 batting first, ソフトバンク at home.
        s.view->binder().action("mnudat_in")->trigger();
        QTest::mouseClick(choice, Qt::LeftButton);
        QVERIFY(s.widget<QRadioButton>("Option1", 0)->isEnabled());
        QVERIFY(s.widget<QRadioButton>("Option4", 0)->isEnabled());
        QTest::mouseClick(s.widget<QRadioButton>("Option1", 0), Qt::LeftButton);
        QVERIFY(!s.widget<QRadioButton>("Option2", 3)->isEnabled());  // no Central home club
        QTest::mouseClick(s.widget<QRadioButton>("Option5", 5), Qt::LeftButton);
        QTest::mouseClick(s.widget<QPushButton>("Command4", 2), Qt::LeftButton);
        QCOMPARE(s.model->entry().first, 1);
        QCOMPARE(s.model->entry().second, 12);
        QCOMPARE(s.model->entry().meeting, 2);
        save_picture(s.view.get(), "tevardin-interleague-entry.png");
    }

    void the_race_table_shows_a_lit_magic_number_and_the_climax_series_column() {
        // A generated 2026 season on 10 September: both leagues' leaders have a lit magic number
        // and the Climax Series column shows the numbers for third place.
        Session s("2026", [](tev::Season& season) { season = tev::test::generate_2026_season(5); });
        QTest::mouseClick(s.widget<QPushButton>("Command11"), Qt::LeftButton);
        QTest::mouseClick(s.widget<QPushButton>("Command16"), Qt::LeftButton);
        QTest::mouseClick(s.widget<QPushButton>("Command2", 9), Qt::LeftButton);
        QTest::mouseClick(s.widget<QPushButton>("Command4", 10), Qt::LeftButton);
        s.view->binder().action("mnurace")->trigger();
        s.view->sync_all();
        auto* list4 = s.widget<QListWidget>("List4");
        QVERIFY(list4->isVisible());
        QVERIFY(s.widget<QLabel>("Label7")->text().contains(QStringLiteral("9月10日現在")));
        QVERIFY(s.widget<QLabel>("Label7")->text().contains(QStringLiteral("CS進出")));
        int lit = 0;
        for (int i = 0; i < list4->count(); ++i) lit += list4->item(i)->text().count(QStringLiteral("マジック"));
        QVERIFY2(lit >= 4, qPrintable(QString::number(lit)));
        save_picture(s.view.get(), "tevardin-race-press.png");
        list4->scrollToItem(list4->item(16), QAbstractItemView::PositionAtTop);
        save_picture(s.view.get(), "tevardin-race-press-pacific.png");
    }

    void the_interleague_table_fills_the_report_pane() {
        Session s("2026", [](tev::Season& season) {
            tev::test::add_interleague_game(season, {.first = 1, .second = 12, .meet = 1, .first_runs = 4, .second_runs = 1});
            tev::test::add_interleague_game(season, {.first = 7, .second = 4, .meet = 1, .first_runs = 2, .second_runs = 2});
        });
        s.view->binder().action("mnukouryu")->trigger();
        s.view->sync_all();
        auto* list4 = s.widget<QListWidget>("List4");
        QVERIFY(list4->isVisible());
        QCOMPARE(list4->item(1)->text().left(9), QStringLiteral(" 1] 巨　人　　"));
        QVERIFY(s.widget<QLabel>("Label7")->text().contains(QStringLiteral("交流戦成績")));
        save_picture(s.view.get(), "tevardin-interleague-table.png");
    }

    void the_club_name_window_lists_the_clubs_and_escape_cancels() {
        Session s("2026");
        bool shown = false;
        on_next_modal([&](QWidget* w) {
            auto* list = w->findChild<QListWidget*>();
            shown = list != nullptr && list->count() == 13 &&
                    list->item(8)->text() == QStringLiteral(" 9  楽　天　　  楽  天");
            save_picture(w, "tevardin-club-names.png");
            QTest::keyClick(w, Qt::Key_Escape);
        });
        s.view->binder().action("mnuclub_names")->trigger();
        QVERIFY(shown);
        QVERIFY(!s.model->clubs().visible);
    }

    void standings_fill_the_report_pane_and_a_club_line_opens_its_games() {
        Session s;
        auto* list4 = s.widget<QListWidget>("List4");
        QVERIFY(!list4->isVisible());
        QVERIFY(!s.widget<QPushButton>("Command9")->isEnabled());
        QTest::mouseClick(s.widget<QPushButton>("Command11"), Qt::LeftButton);
        QVERIFY(s.widget<QPushButton>("Command9")->isEnabled());
        QTest::mouseClick(s.widget<QPushButton>("Command9"), Qt::LeftButton);
        QVERIFY(list4->isVisible());
        QCOMPARE(list4->count(), 14);
        QCOMPARE(list4->verticalScrollBar()->maximum(), 0);  // the whole table at once
        const auto& lines = s.model->main().at("List4").lines;
        for (int i = 0; i < list4->count(); ++i)
            QCOMPARE(list4->item(i)->text(),
                     QString::fromStdU32String(lines[static_cast<std::size_t>(i)]));
        QVERIFY(s.widget<QLabel>("Label7")->isVisible());
        QCOMPARE(s.widget<QLineEdit>("Text1")->text(),
                 QStringLiteral("チーム名をクリックすると詳細が表示されます。"));
        save_picture(s.view.get(), "tevardin-standings.png");

        // The second line is the Central leader: its game list opens in the detail pane.
        auto* list2 = s.widget<QListWidget>("List2");
        QVERIFY(!list2->isVisible());
        const QRect line = list4->visualItemRect(list4->item(1));
        QTest::mouseClick(list4->viewport(), Qt::LeftButton, {}, line.center());
        QTRY_VERIFY(list2->isVisible());
        QCOMPARE(list2->count(), static_cast<int>(s.model->main().at("List2").lines.size()));
        QVERIFY(list2->count() > 100);
        save_picture(s.view.get(), "tevardin-club-games.png");

        // 窓消去 closes both panes.
        QTest::mouseClick(s.widget<QPushButton>("Command7"), Qt::LeftButton);
        QVERIFY(!list4->isVisible());
        QVERIFY(!list2->isVisible());
    }

    void topics_page_lines_up_in_the_lengthened_pane() {
        Session s;
        auto* list1 = s.widget<QListWidget>("List1");
        const QRect designed = *tev::qt::form_rect("List1");
        s.view->binder().action("mnutopic")->trigger();
        QVERIFY(list1->isVisible());
        // Longer than the other reports' pane, over the hidden captions, down to the same bottom.
        QVERIFY(list1->geometry().height() > designed.height());
        QCOMPARE(list1->geometry().bottom(), designed.bottom());
        QVERIFY(list1->geometry().top() >= s.widget<QPushButton>("Command7")->geometry().bottom());
        const auto& lines = s.model->main().at("List1").lines;
        QCOMPARE(list1->count(), static_cast<int>(lines.size()));
        // Every line is as wide as its characters' columns: a full-width character (marks and
        // blanks included) takes two half-width ones, so the page's columns line up (within a
        // pixel: the half-width advance is a fraction of a pixel short of half).
        const QFontMetricsF metrics(list1->font());
        const qreal half = metrics.horizontalAdvance(QLatin1Char('0'));
        for (int i = 0; i < list1->count(); ++i) {
            int columns = 0;
            for (const char32_t c : lines[static_cast<std::size_t>(i)])
                columns += c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F) ? 1 : 2;
            const qreal drift = metrics.horizontalAdvance(list1->item(i)->text()) - columns * half;
            QVERIFY2(std::abs(drift) < 1.0, qPrintable(list1->item(i)->text()));
        }
        save_picture(s.view.get(), "tevardin-topics.png");
        list1->scrollToItem(list1->item(30), QAbstractItemView::PositionAtTop);
        save_picture(s.view.get(), "tevardin-topics-games.png");
        list1->scrollToItem(list1->item(64), QAbstractItemView::PositionAtTop);
        save_picture(s.view.get(), "tevardin-topics-clubs.png");

        // 窓消去 closes the page and gives the pane back its own height.
        QTest::mouseClick(s.widget<QPushButton>("Command7"), Qt::LeftButton);
        QVERIFY(!list1->isVisible());
        QCOMPARE(list1->geometry(), designed);
    }

    void race_table_lines_up_in_the_report_pane() {
        Session s;
        // As of 1 September through the as-of calendar, so that the race is still open.
        QTest::mouseClick(s.widget<QPushButton>("Command11"), Qt::LeftButton);
        QTest::mouseClick(s.widget<QPushButton>("Command16"), Qt::LeftButton);
        QTest::mouseClick(s.widget<QPushButton>("Command2", 9), Qt::LeftButton);
        QTest::mouseClick(s.widget<QPushButton>("Command4", 1), Qt::LeftButton);
        s.view->binder().action("mnurace")->trigger();
        auto* list4 = s.widget<QListWidget>("List4");
        QVERIFY(list4->isVisible());
        const auto& lines = s.model->main().at("List4").lines;
        QCOMPARE(list4->count(), static_cast<int>(lines.size()));
        QVERIFY(s.widget<QLabel>("Label7")->text().contains(QStringLiteral("9月1日現在")));
        // Its columns line up: every line is as wide as its characters' columns.
        const QFontMetricsF metrics(list4->font());
        const qreal half = metrics.horizontalAdvance(QLatin1Char('0'));
        for (int i = 0; i < list4->count(); ++i) {
            int columns = 0;
            for (const char32_t c : lines[static_cast<std::size_t>(i)])
                columns += c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F) ? 1 : 2;
            const qreal drift = metrics.horizontalAdvance(list4->item(i)->text()) - columns * half;
            QVERIFY2(std::abs(drift) < 1.0, qPrintable(list4->item(i)->text()));
        }
        save_picture(s.view.get(), "tevardin-race.png");
        QTest::mouseClick(s.widget<QPushButton>("Command7"), Qt::LeftButton);
        QVERIFY(!list4->isVisible());
    }

    void pitcher_and_home_run_lists_fill_list1_from_buttons_and_menus() {
        Session s;
        auto* list1 = s.widget<QListWidget>("List1");
        QTest::mouseClick(s.widget<QPushButton>("Command11"), Qt::LeftButton);
        QTest::mouseClick(s.widget<QPushButton>("Command8"), Qt::LeftButton);
        QVERIFY(list1->isVisible());
        const auto& lines = s.model->main().at("List1").lines;
        QCOMPARE(list1->count(), static_cast<int>(lines.size()));
        QCOMPARE(list1->item(0)->text(), QString::fromStdU32String(lines[0]));
        auto* caption = s.widget<QLabel>("Label6");
        QVERIFY(caption->text().startsWith(QStringLiteral("               セントラルリーグ投手成績一覧")));
        QCOMPARE(caption->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(s.widget<QRadioButton>("Option6", 0)->isChecked());
        save_picture(s.view.get(), "tevardin-pitchers-central.png");
        QTest::mouseClick(s.widget<QRadioButton>("Option6", 1), Qt::LeftButton);
        QVERIFY(caption->text().startsWith(QStringLiteral("               パシフィックリーグ投手成績一覧")));
        QVERIFY(s.widget<QRadioButton>("Option6", 1)->isChecked());
        QVERIFY(!s.widget<QRadioButton>("Option6", 0)->isChecked());
        // A pitcher's games open over the list.
        QTest::mouseClick(list1->viewport(), Qt::LeftButton, {}, list1->visualItemRect(list1->item(0)).center());
        QTRY_VERIFY(s.widget<QListWidget>("List2")->isVisible());
        save_picture(s.view.get(), "tevardin-pitcher-games.png");
        QTest::mouseClick(s.widget<QPushButton>("Command18"), Qt::LeftButton);
        auto* side = s.widget<QPushButton>("Command19");
        QVERIFY(side->isVisible());
        QCOMPARE(side->text(), QStringLiteral("HR打者"));
        QTest::mouseClick(side, Qt::LeftButton);
        QCOMPARE(side->text(), QStringLiteral("被HR投手"));
        QTest::mouseClick(s.widget<QPushButton>("Command7"), Qt::LeftButton);
        // The club items of the menus work from the game view.
        s.view->binder().action("mnuhanshin")->trigger();
        QVERIFY(list1->isVisible());
        QVERIFY(caption->text().startsWith(QStringLiteral("             　　  阪神投手成績一覧")));
        QCOMPARE(list1->count(), static_cast<int>(s.model->main().at("List1").lines.size()));
        QVERIFY(list1->count() > 5);
        save_picture(s.view.get(), "tevardin-pitchers-hanshin.png");
        QTest::mouseClick(s.widget<QPushButton>("Command7"), Qt::LeftButton);
        s.view->binder().action("mnusei_rui")->trigger();
        QVERIFY(caption->text().startsWith(QStringLiteral("               セントラルリーグ投手成績一覧（累計）")));
        save_picture(s.view.get(), "tevardin-pitchers-cumulative.png");
    }

    void entry_boxes_labels_and_buttons_reach_their_handlers() {
        Session s;
        auto* status = s.widget<QLineEdit>("Text1");
        s.view->binder().action("mnudat_in")->trigger();
        QCOMPARE(status->text(), QStringLiteral("リーグ名を選択して下さい。"));
        QTest::mouseClick(s.widget<QRadioButton>("Option3", 0), Qt::LeftButton);
        QCOMPARE(status->text(), QStringLiteral("先攻チーム名を選択して下さい。"));
        QVERIFY(s.widget<QRadioButton>("Option3", 0)->isChecked());

        // A press on a box or a label is its click.
        QTest::mouseClick(s.widget<QLineEdit>("Text7"), Qt::LeftButton);
        QTRY_COMPARE(status->text(), QStringLiteral("先攻チームの得点を入力して下さい。"));
        QTest::mouseClick(s.widget<QPushButton>("Command4", 5), Qt::LeftButton);
        QCOMPARE(s.widget<QLineEdit>("Text7")->text(), QStringLiteral("5"));
        save_picture(s.view.get(), "tevardin-entry.png");
        QTest::mouseClick(s.widget<QLabel>("Label1"), Qt::LeftButton);
        QTRY_COMPARE(status->text(), QStringLiteral("このカードの観客数を入力して下さい。"));

        // 入力終了 hears the press before the click.
        auto* end = s.widget<QPushButton>("Command12");
        QTest::mousePress(end, Qt::LeftButton);
        QCOMPARE(status->text(), QStringLiteral("只今データー更新中、しばらくお待ち下さい。"));
        QTest::mouseRelease(end, Qt::LeftButton);
        QVERIFY(!s.model->modes().entering);
        QVERIFY(!end->isEnabled());
    }

    void home_run_entry_opens_the_batter_and_pitcher_lists_beside_the_game_list() {
        Session s;
        s.view->binder().action("mnudat_in")->trigger();
        QTest::mouseClick(s.widget<QRadioButton>("Option3", 0), Qt::LeftButton);
        QTest::mouseClick(s.widget<QRadioButton>("Option1", 0), Qt::LeftButton);
        QTest::mouseClick(s.widget<QRadioButton>("Option2", 3), Qt::LeftButton);
        QTest::mouseClick(s.widget<QPushButton>("Command4", 27), Qt::LeftButton);  // not stored yet
        auto* list6 = s.widget<QListWidget>("List6");
        QCOMPARE(list6->count(), 4);
        QTest::mouseClick(list6->viewport(), Qt::LeftButton, {}, list6->visualItemRect(list6->item(1)).center());
        auto* list5 = s.widget<QListWidget>("List5");
        QTRY_VERIFY(list5->isVisible());
        QVERIFY(s.widget<QListWidget>("List1")->isVisible());
        const auto& batters = s.model->main().at("List5").lines;
        QCOMPARE(list5->count(), static_cast<int>(batters.size()));
        QVERIFY(list5->count() > 4);  // the generated season's 巨人 batters
        QCOMPARE(list5->item(0)->text(), QStringLiteral("巨　人　　ホームラン打者名"));
        // Choose the first batter and the first pitcher, then file the home run.
        QTest::mouseClick(list5->viewport(), Qt::LeftButton, {}, list5->visualItemRect(list5->item(2)).center());
        auto* list1 = s.widget<QListWidget>("List1");
        QTest::mouseClick(list1->viewport(), Qt::LeftButton, {}, list1->visualItemRect(list1->item(0)).center());
        auto* file = s.widget<QPushButton>("Command19");
        QTRY_VERIFY(file->isEnabled());
        QTest::mouseClick(file, Qt::LeftButton);
        QCOMPARE(s.model->entry().homeruns.size(), std::size_t{1});
        QCOMPARE(list6->count(), 5);
        QCOMPARE(list6->item(2)->text(), QString::fromStdU32String(s.model->main().at("List6").lines[2]));
        // The batter list lies over the pitcher list's right half, clear of its rows.
        QVERIFY(list5->geometry().left() > list1->geometry().left() + list1->width() / 3);
        save_picture(s.view.get(), "tevardin-homerun-entry.png");
    }

    void typed_digits_press_the_keypad_and_enter_presses_return() {
        Session s;
        s.view->binder().action("mnudat_in")->trigger();
        QTest::mouseClick(s.widget<QRadioButton>("Option3", 0), Qt::LeftButton);
        auto* status = s.widget<QLineEdit>("Text1");
        QTest::mouseClick(s.widget<QLineEdit>("Text7"), Qt::LeftButton);
        QTRY_COMPARE(status->text(), QStringLiteral("先攻チームの得点を入力して下さい。"));
        QTest::keyClicks(s.view.get(), "12");  // two digits in quick succession: the key 12
        QTRY_COMPARE(s.widget<QLineEdit>("Text7")->text(), QStringLiteral("12"));
        QTest::mouseClick(s.widget<QLineEdit>("Text6", 0), Qt::LeftButton);
        QTRY_COMPARE(status->text(), QStringLiteral("先攻チームの各回の得点を入力して下さい。"));
        QTest::keyClicks(s.view.get(), "4x");  // 4 cannot take a second digit; x is the X key
        QTRY_COMPARE(s.widget<QLineEdit>("Text6", 1)->text(), QStringLiteral(" X"));
        QCOMPARE(s.widget<QLineEdit>("Text6", 0)->text(), QStringLiteral(" 4"));
        QTest::mouseClick(s.widget<QLineEdit>("Text5"), Qt::LeftButton);
        QTRY_COMPARE(status->text(), QStringLiteral("このカードの観客数を入力して下さい。"));
        QTest::keyClicks(s.view.get(), "32000");  // 3 and 2 make no key: digits one by one
        QTRY_COMPARE(s.widget<QLineEdit>("Text5")->text(), QStringLiteral("32000"));
        save_picture(s.view.get(), "tevardin-entry-typed.png");
        // Enter presses Return only when it can be used: the form is not complete.
        QTest::keyClick(s.view.get(), Qt::Key_Return);
        QVERIFY(!s.model->document().games_unsaved());
    }

    void a_message_of_the_model_is_a_real_message_box() {
        Session s;
        QString shown;
        on_next_modal([&shown](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            shown = box->text();
            save_picture(box, "tevardin-message.png");
            box->button(QMessageBox::Ok)->click();
        });
        // No pair meets a 30th time in the generated season.
        QTest::mouseClick(s.widget<QPushButton>("Command4", 30), Qt::LeftButton);
        QVERIFY2(shown.endsWith(QStringLiteral(" 30 回戦のデータはありません ")),
                 qPrintable(shown));
    }

    void options_show_what_the_model_selects() {
        Session s;
        auto* central = s.widget<QRadioButton>("Option3", 0);
        const bool before = central->isChecked();
        QCOMPARE(before, s.model->main().at("Option3", 0).value);
        // Clicking the selected league again leaves it selected, as the model keeps it.
        QVERIFY(central->isEnabled());
        QTest::mouseClick(central, Qt::LeftButton);
        QCOMPARE(central->isChecked(), s.model->main().at("Option3", 0).value);
        // Choosing another visiting club moves the mark to it alone.
        auto* hanshin = s.widget<QRadioButton>("Option1", 3);
        QVERIFY(hanshin->isEnabled());
        QTest::mouseClick(hanshin, Qt::LeftButton);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(s.widget<QRadioButton>("Option1", i)->isChecked(),
                     s.model->main().at("Option1", i).value);
    }

    void version_box_opens_as_a_dialog_until_its_button() {
        Session s;
        QAction* version = s.view->binder().action("mnuVerItem");
        QVERIFY(version != nullptr);
        QString caption;
        on_next_modal([&caption, &s](QWidget* modal) {
            QVERIFY(modal == &s.view->dialog_view());
            caption = modal->windowTitle();
            save_picture(modal, "tevardin-version.png");
            const auto buttons = modal->findChildren<QPushButton*>();
            QCOMPARE(buttons.size(), 1);
            QCOMPARE(buttons.front()->text(), QStringLiteral("ＯＫ"));
            buttons.front()->click();
        });
        version->trigger();
        QCOMPARE(caption, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
        QVERIFY(!s.model->dialog().visible);
        QVERIFY(!s.view->dialog_view().isVisible());
    }

    void closing_with_a_filed_game_asks_to_save_it_and_escape_keeps_working() {
        Session s;
        // A 0-0 draw (no pitchers of record) filed with Return as meeting 27 of 巨人 at 阪神.
        for (const auto& [name, index] : std::vector<std::pair<const char*, int>>{
                 {"mnudat_in", -1}, {"Option3", 0}, {"Option1", 0}, {"Option2", 3}, {"Command4", 27},
                 {"Text7", -1}, {"Command4", 0}, {"Text8", -1}, {"Command4", 0}, {"Text6", 0}, {"Command4", 0},
                 {"Text15", 0}, {"Command4", 0}, {"Text5", -1}, {"Command4", 3}, {"Text18", -1}, {"Command2", 9},
                 {"Text19", -1}, {"Command4", 1}, {"Command1", -1}})
            s.model->main().fire(name, index, tev::ui::Event::click);
        s.view->sync_all();
        QCOMPARE(s.model->document().pending().count(), 1);
        QString question;
        QStringList buttons;
        on_next_modal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            question = box->text();
            for (QAbstractButton* button : box->buttons()) buttons << button->text();
            save_picture(box, "tevardin-quit-pending.png");
            QTest::keyClick(box, Qt::Key_Escape);
        });
        s.view->close();
        QCOMPARE(question, QStringLiteral("保存していない試合が 1 試合あります。保存してから終了しますか？"));
        buttons.sort();
        QCOMPARE(buttons, (QStringList{QStringLiteral("いいえ(&N)"), QStringLiteral("はい(&Y)"), QStringLiteral("キャンセル")}));
        QVERIFY(!s.model->ended());
        QVERIFY(s.view->isVisible());
        QCOMPARE(s.model->document().pending().count(), 1);
    }

    void ctrl_z_takes_back_a_deleted_game_named_in_the_edit_menu() {
        Session s;
        QAction* undo = s.view->binder().action("mnuundo");
        QVERIFY(undo != nullptr);
        QVERIFY(!undo->isEnabled());
        QCOMPARE(undo->shortcut(), QKeySequence(QKeySequence::Undo));
        const auto& viewed = s.model->game_view().central;  // the game shown first
        const tev::Slot slot{viewed.team, viewed.opp, viewed.meet};
        const tev::Text shown = s.model->season().game_at(slot);
        QVERIFY(!shown.empty());
        on_next_modal([](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click(); });
        s.view->binder().action("mnudat_del")->trigger();
        s.view->sync_all();
        QVERIFY(s.model->season().game_at(slot).empty());
        QVERIFY(undo->isEnabled());
        QVERIFY(undo->text().startsWith(QStringLiteral("元に戻す(&U)　削除 巨人 対 ")));
        // The menu open on its item, as the user sees it.
        QMenu* edit = nullptr;
        for (QAction* a : s.view->menuBar()->actions())
            if (a->text() == QStringLiteral("編集(&E)")) edit = a->menu();
        QVERIFY(edit != nullptr);
        edit->popup(s.view->mapToGlobal(QPoint(60, 20)));
        edit->setActiveAction(undo);
        save_picture(s.view.get(), "tevardin-undo-menu.png");
        save_picture(edit, "tevardin-undo-menu-open.png");
        edit->hide();
        QApplication::setActiveWindow(s.view.get());
        QVERIFY(QTest::qWaitForWindowActive(s.view.get()));
        QTest::keyClick(s.view.get(), Qt::Key_Z, Qt::ControlModifier);
        s.view->sync_all();
        QCOMPARE(s.model->season().game_at(slot), shown);
        QVERIFY(!undo->isEnabled());
    }

    void an_import_shows_its_summary_in_the_window_before_it_asks() {
        Session s("2026", [](tev::Season& season) {
            season.games.fill({});
            season.interleague.fill({});
        });
        s.services->open_file = s.dir / "results.csv";
        tev::test::spit(s.dir / "results.csv",
                        "日付,先攻,後攻,先攻得点,後攻得点,観客数,天気\n2026-04-03,巨人,阪神,3,2,41000,晴れ\n"
                        "2026-04-03,ヤクルト,ジャイアンツ,1,0,,\n2026-04-04,広島,広島,2,1,,\n"
                        "2026-06-02,巨人,ソフトバンク,4,4,38000,雨\n");
        QString behind;
        on_next_modal([&](QWidget* modal) {
            const auto* list4 = s.widget<QListWidget>("List4");
            if (list4->isVisible() && list4->count() > 0) behind = list4->item(0)->text();
            save_picture(s.view.get(), "tevardin-import-summary.png");
            qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click();
        });
        s.view->binder().action("mnuimport_games")->trigger();
        s.view->sync_all();
        QVERIFY(behind.startsWith(QStringLiteral("新しい試合")));
        QVERIFY(!s.model->season().filed_game(1, 4, 1).empty());
        QVERIFY(!s.model->season().filed_game(1, 12, 1).empty());
        QCOMPARE(s.view->binder().action("mnuundo")->text(), QStringLiteral("元に戻す(&U)　取り込み 2試合"));
    }

    void closing_asks_first_and_no_keeps_the_program() {
        Session s;
        QSignalSpy finished(s.view.get(), &FormView::finished);
        QString question;
        on_next_modal([&question](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            question = box->windowTitle() + QLatin1Char('|') + box->text();
            save_picture(box, "tevardin-quit.png");
            box->button(QMessageBox::No)->click();
        });
        s.view->close();
        QCOMPARE(question, QStringLiteral("終　　了|Tevardinを終了しますか ?"));
        QVERIFY(s.view->isVisible());
        QCOMPARE(finished.count(), 0);

        on_next_modal([](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            box->button(QMessageBox::Yes)->click();
        });
        s.view->close();
        QVERIFY(s.model->ended());
        QCOMPARE(finished.count(), 1);
        QVERIFY(!s.view->isVisible());
    }

    void input_box_returns_the_typed_text_or_nothing_on_cancel() {
        tev::qt::QtServices services(".");
        on_next_modal([](QWidget* modal) {
            auto* box = qobject_cast<QInputDialog*>(modal);
            QVERIFY(box != nullptr);
            QCOMPARE(box->windowTitle(), QStringLiteral("新規作成"));
            QCOMPARE(box->labelText(), QStringLiteral("年度を入力して下さい。"));
            QCOMPARE(box->textValue(), QStringLiteral("1997"));
            box->setTextValue(QStringLiteral("1998"));
            box->accept();
        });
        QVERIFY(services.input(U"年度を入力して下さい。", U"新規作成", U"1997", -1, -1) == U"1998");
        on_next_modal([](QWidget* modal) {
            auto* box = qobject_cast<QInputDialog*>(modal);
            QVERIFY(box != nullptr);
            box->reject();
        });
        QVERIFY(
            services.input(U"年度を入力して下さい。", U"新規作成", U"1997", 1500, 1500).empty());
    }

    void help_opens_in_a_window_of_its_own() {
        Session s;
        QAction* help = s.view->binder().action("mnuHowUseItem");
        QVERIFY(help != nullptr);
        help->trigger();
        tev::qt::HelpWindow* window = s.services->help_window();
        QVERIFY(window != nullptr && window->isVisible());
        QVERIFY(window->toPlainText().contains(QStringLiteral("TEVARDIN.HLP が見つかりません")));

        // The help page may be written in UTF-8 or, like the data files, in code page 932.
        const auto page = tev::encode_cp932(
            U"<html><body><h1>使い方</h1><p>試合を入力します。</p></body></html>");
        QVERIFY(page.has_value());
        tev::test::spit(s.dir / "TEVARDIN.HLP", *page);
        help->trigger();
        QVERIFY(window->toPlainText().contains(QStringLiteral("試合を入力します。")));
    }

    void the_year_list_opens_over_the_home_run_list() {
        Session s;
        QAction* new_year = s.view->binder().action("mnuNewFileItem");
        QVERIFY(new_year != nullptr);
        new_year->trigger();
        auto* years = s.widget<QListWidget>("List3");
        auto* homeruns = s.widget<QListWidget>("List6");
        QVERIFY(years != nullptr && homeruns != nullptr);
        QVERIFY(years->isVisible());
        QVERIFY(!homeruns->isVisible());
        QVERIFY(years->geometry().contains(homeruns->geometry().topLeft()));
        // 1985 up to next year by the clock (at least 2010), without 1996, then ｷｬﾝｾﾙ.
        const int last = tev::last_offered_year(s.services->now().year);
        QCOMPARE(years->count(), last - 1985 + 1);
        QCOMPARE(years->item(years->count() - 2)->text(), QStringLiteral(" %1").arg(last));
        QCOMPARE(years->item(0)->text(), QStringLiteral(" 1985"));
        save_picture(s.view.get(), "tevardin-year-list.png");
        QTest::mouseClick(years->viewport(), Qt::LeftButton, {},
                          years->visualItemRect(years->item(0)).center());
        QTRY_VERIFY(!years->isVisible());
        QVERIFY(homeruns->isVisible());
        QCOMPARE(s.model->season().disp_year, std::string("1985"));
        QCOMPARE(s.view->windowTitle(), QStringLiteral("Tevardin  1985"));
    }

    void the_year_file_search_opens_in_the_shared_dialog() {
        Session s;
        QAction* add = s.view->binder().action("mnudat_add");
        QVERIFY(add != nullptr);
        QString caption, text;
        on_next_modal([&](QWidget* modal) {
            QVERIFY(modal == &s.view->dialog_view());
            caption = modal->windowTitle();
            for (QLabel* label : modal->findChildren<QLabel*>()) text += label->text();
            save_picture(modal, "tevardin-year-search.png");
            modal->findChildren<QPushButton*>().front()->click();
        });
        add->trigger();
        QCOMPARE(caption, QStringLiteral("ﾃﾞｰﾀﾌｧｲﾙ登録"));
        QVERIFY(text.contains(QStringLiteral("新規登録ファイルは")));
        QVERIFY(!s.view->dialog_view().isVisible());
    }

    void a_second_copy_on_the_same_folder_is_refused() {
        Session s;
        tev::qt::QtServices other(s.dir.path());
        QVERIFY(!other.acquire_single_instance());
    }
};

QTEST_MAIN(FormViewTest)
#include "form_view_test.moc"
