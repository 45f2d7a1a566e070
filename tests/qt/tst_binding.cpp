// The Qt binding on real widgets: clicks reach the handlers, and what the
// handlers change shows in the widgets.
#include "harness.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>

#include <memory>

namespace {

using zqt::q;

class BindingTest : public zqt::BindingFixture {
    Q_OBJECT

    QMainWindow* main_view() { return view(*zol); }

    void click_row(QListWidget* list, int row)
    {
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void designReachesTheWidgets()
    {
        QMainWindow* view = main_view();
        QCOMPARE(view->windowTitle(), q(content::publisher_address) + q(" ZOL по ИТ - армейки чинове"));
        QVERIFY(!view->windowIcon().isNull());
        // 11250 twips outer width less the 90 twips frame, at 15 twips a pixel.
        QCOMPARE(view->centralWidget()->size(), QSize(744, 467));
        QCOMPARE(view->centralWidget()->palette().color(QPalette::Window), QColor(0, 128, 0));

        auto* left = widget<QListWidget>(zol->Slowo[0]);
        QVERIFY(left);
        QCOMPARE(left->geometry(), QRect(75, 32, 209, 137)); // 1120, 480, 3135, 2055 twips
        QCOMPARE(left->count(), 17);
        QCOMPARE(left->item(0)->text(), q("бригаден генерал"));
        QCOMPARE(left->currentRow(), 0);
        QCOMPARE(left->font().family(), q("Times New Roman"));
        QCOMPARE(left->font().pointSizeF(), 12.0);
        QCOMPARE(left->toolTip(), q("Посочете елемента в релацията"));

        auto* choose = widget<QPushButton>(zol->Uprawl[0]);
        QCOMPARE(choose->text(), q("Избрах"));
        QCOMPARE(choose->palette().color(QPalette::Button), QColor(255, 128, 0));
        QVERIFY(!widget<QPushButton>(zol->Uprawl[2])->isEnabled());

        auto* label = widget<QLabel>(zol->Ndapis);
        QCOMPARE(label->text(), q("Оставащи:"));
        QCOMPARE(label->palette().color(QPalette::Window), QColor(255, 192, 128));

        auto* text = widget<QPlainTextEdit>(zol->Prowerka[0]);
        QVERIFY(text->toPlainText().startsWith(q("Това е релационен тест.\nТрябва")));
        QVERIFY(text->isReadOnly());
        QVERIFY(!binding->widget_of(zol->Prowerka[1])); // hidden: no widget until it is shown
        QVERIFY(!binding->widget_of(zol->dum_N[0]));
        QVERIFY(!binding->view_of(program->picture_window())); // loaded, never shown

        const QList<QAction*> menu = view->menuBar()->actions();
        QCOMPARE(menu.size(), 2);
        QCOMPARE(menu[0]->text(), q("Exit"));
        QCOMPARE(menu[1]->text(), q("Color"));
    }

    void clickOnARowSelectsAndMirrorsIntoTheTwin()
    {
        auto* left = widget<QListWidget>(zol->Slowo[0]);
        const int row = left->row(left->findItems(q("сержант"), Qt::MatchExactly).front());
        click_row(left, row);
        QCOMPARE(zol->Slowo[0].ListIndex(), row);
        QCOMPARE(zol->dum_N[0].ListIndex(), row);
        QCOMPARE(zol->dum_N[0].List(row), std::string("4"));
        QCOMPARE(zol->Current_Left, std::int16_t(4));
    }

    void recordedPairLeavesBothListsWithoutSelectionEvenOnFocus()
    {
        auto* left = widget<QListWidget>(zol->Slowo[0]);
        auto* right = widget<QListWidget>(zol->Slowo[1]);
        QTest::mouseClick(widget<QPushButton>(zol->Uprawl[0]), Qt::LeftButton);
        QCOMPARE(widget<QListWidget>(zol->Slowo[2])->count(), 1);
        QCOMPARE(widget<QListWidget>(zol->Slowo[2])->item(0)->text(), q("бригаден генерал адмирал"));
        QCOMPARE(left->count(), 16);
        QCOMPARE(right->count(), 16);
        QCOMPARE(widget<QLabel>(zol->Ndapis)->text(), q("Остават: 16"));

        left->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        QVERIFY(left->selectedItems().isEmpty());
        QCOMPARE(zol->Slowo[0].ListIndex(), -1);

        // The arrow key selects, as the learner expects, and reaches the handler.
        QTest::keyClick(left, Qt::Key_Down);
        QCOMPARE(zol->Slowo[0].ListIndex(), left->currentRow());
        QVERIFY(zol->Slowo[0].ListIndex() >= 0);
    }

    void listChangesUpdateTheirRowsOnly()
    {
        auto* pairs = widget<QListWidget>(zol->Slowo[2]);
        zol->Uprawl[0].learner_click();
        QListWidgetItem* first = pairs->item(0);
        zol->Slowo[2].SetList(0, "нов текст");
        QCOMPARE(pairs->item(0), first); // the same row, not a rebuilt list
        QCOMPARE(first->text(), q("нов текст"));
        auto* left = widget<QListWidget>(zol->Slowo[0]);
        zol->Slowo[0].AddItem("аааа");
        QCOMPARE(left->count(), 17);
        QCOMPARE(left->item(0)->text(), q("аааа"));
    }

    void tabFollowsTheDesignedOrder()
    {
        main_view()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main_view()));
        widget<QWidget>(zol->Slowo[0])->setFocus(Qt::TabFocusReason);
        QStringList visited;
        for (int i = 0; i < 7; ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // "Оцени" is disabled and the verdict box hidden: the focus passes them by.
        QCOMPARE(visited,
            QStringList({ "Slowo(0)", "Slowo(1)", "Slowo(2)", "Uprawl(0)", "Uprawl(1)", "Prowerka(0)",
                "Uprawl(3)" }));
    }

    void enterOnTheFocusedButtonPressesIt()
    {
        auto* choose = widget<QPushButton>(zol->Uprawl[0]);
        choose->setFocus();
        QTest::keyClick(choose, Qt::Key_Return);
        QTRY_COMPARE(zol->Slowo[2].ListCount(), 1);
    }

    void exitClosesEveryWindow()
    {
        zol->Grafika[0].learner_click(); // nothing to show in the built-in test
        QMainWindow* view = main_view();
        view->menuBar()->actions().at(0)->trigger();
        QVERIFY(app->ended());
        QVERIFY(!view->isVisible());
        QVERIFY(!binding->view_of(*zol));
        for (const tk::Window* window : app->windows())
            QVERIFY(!window->Visible());
    }

    void closeButtonEndsTheProgramLikeExit()
    {
        main_view()->close();
        QVERIFY(app->ended());
        QVERIFY(zol->closed());
    }
};

} // namespace

QTEST_MAIN(BindingTest)
#include "tst_binding.moc"
