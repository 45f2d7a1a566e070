// The colour and font dialog on real widgets: opened through the main
// window's menu, a real slider move changes the record and the strip, and
// "Запис" repaints the main window's widgets. With ZOL_SCREENSHOT_DIR set,
// the dialog and the main window are saved there as PNG images.
#include "appearance/cwiat.h"
#include "harness.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSlider>
#include <QStyleFactory>
#include <QTest>

#include <memory>

namespace {

using zqt::q;

class AppearanceTest : public zqt::BindingFixture {
    Q_OBJECT

    // The learner chooses "Color" in the main window's menu bar.
    appearance::Cwiat* choose_color()
    {
        QAction* color = menu_command(view(*zol), "Cwqt");
        if (!color)
            return nullptr;
        color->trigger();
        appearance::Cwiat* dialog = program->colour_dialog.loaded();
        if (dialog && !QTest::qWaitForWindowExposed(view(*dialog)))
            return nullptr;
        return dialog;
    }

    static QColor colour(int red, int green, int blue) { return QColor(red, green, blue); }

    // The colour a widget paints near its top right corner.
    static QColor drawn(QWidget* widget)
    {
        const QImage image = widget->grab().toImage();
        return image.pixelColor(image.width() - 2, 1);
    }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void colorOpensTheDialogOnce()
    {
        appearance::Cwiat* dialog = choose_color();
        QVERIFY(dialog);
        QMainWindow* window = view(*dialog);
        QCOMPARE(window->windowTitle(), q("Формиране на цвят/избор на шрифт"));
        QVERIFY(!window->windowIcon().isNull());
        QCOMPARE(window->centralWidget()->size(), QSize(369, 314)); // 5535 x 4710 twips
        QCOMPARE(window->centralWidget()->palette().color(QPalette::Window), colour(128, 128, 128));

        const QList<QAction*> menu = window->menuBar()->actions();
        QCOMPARE(menu.size(), 2);
        QCOMPARE(menu[0]->text(), q("Запис"));
        QCOMPARE(menu[1]->text(), q("Отказ"));

        auto* red = widget<QSlider>(dialog->Slider1[0]);
        QVERIFY(red);
        QCOMPARE(red->value(), 128);
        QCOMPARE(red->maximum(), 255);
        QCOMPARE(red->toolTip(), q("Промяна на стойн остта на червената съставка "));
        auto* sample = widget<QLineEdit>(dialog->Text_Cv[0]);
        QCOMPARE(sample->text(), q("Шрифт"));
        QCOMPARE(sample->palette().color(QPalette::Base), colour(255, 255, 255));
        QCOMPARE(sample->palette().color(QPalette::Text), colour(8, 0, 0));
        auto* sizes = widget<QListWidget>(dialog->List_font[1]);
        QCOMPARE(sizes->currentItem()->text(), q("12"));
        QCOMPARE(widget<QLabel>(dialog->Label_ST[0])->text(), q("R"));
        QCOMPARE(widget<QLabel>(dialog->Label_Cv[4])->font().pointSizeF(), 9.75);
        QCOMPARE(widget<QRadioButton>(dialog->Option1[0])->isChecked(), true);
        // The options are swatches: beside the indicator they show their slot's colour.
        QCOMPARE(drawn(widget<QRadioButton>(dialog->Option1[0])), colour(128, 0, 0));
        QCOMPARE(drawn(widget<QRadioButton>(dialog->Option1[2])), colour(8, 0, 0));
        QVERIFY(!binding->widget_of(dialog->Option1[3])); // hidden
        QVERIFY(!binding->widget_of(dialog->List_font[0]));

        // "Color" again only brings the same dialog forward.
        QCOMPARE(choose_color(), dialog);
        QCOMPARE(binding->view_of(*dialog), window);

        save_screenshot(window, "colour-dialog-opened.png");
    }

    void sliderMoveChangesTheRecordAndTheStrip()
    {
        appearance::Cwiat* dialog = choose_color();
        QVERIFY(dialog);
        auto* red = widget<QSlider>(dialog->Slider1[0]);
        auto* blue = widget<QSlider>(dialog->Slider1[2]);
        red->triggerAction(QAbstractSlider::SliderToMinimum);
        blue->triggerAction(QAbstractSlider::SliderToMaximum);

        QCOMPARE(zol->Cweta[0].List(4), std::string("0"));
        QCOMPARE(zol->Cweta[0].List(6), std::string("255"));
        QCOMPARE(zol->Cweta[0].List(3), std::string("16711680"));
        QCOMPARE(binding->widget_of(dialog->picColor)->palette().color(QPalette::Window), colour(0, 0, 255));
        QCOMPARE(drawn(binding->widget_of(dialog->picColor)), colour(0, 0, 255));
        QCOMPARE(drawn(widget<QRadioButton>(dialog->Option1[0])), colour(0, 0, 255));
        QCOMPARE(view(*dialog)->centralWidget()->palette().color(QPalette::Window), colour(0, 0, 255));
        QCOMPARE(widget<QLabel>(dialog->Label_ST[2])->text(), q("255"));
        QCOMPARE(
            widget<QLabel>(dialog->Label_Cv[3])->text(), q("Цвят в 10/16-тичен код = 16711680 /HFF0000"));
        // The main window keeps its look until "Запис".
        QCOMPARE(view(*zol)->centralWidget()->palette().color(QPalette::Window), colour(0, 128, 0));

        // A real click on the text-background option loads that slot.
        QTest::mouseClick(widget<QRadioButton>(dialog->Option1[1]), Qt::LeftButton);
        QCOMPARE(dialog->Color_Slot, std::uint8_t(1));
        QCOMPARE(red->value(), 255);
        QVERIFY(!widget<QRadioButton>(dialog->Option1[0])->isChecked());
        QVERIFY(widget<QRadioButton>(dialog->Option1[1])->isChecked());
    }

    void zapisRepaintsTheMainWindow()
    {
        appearance::Cwiat* dialog = choose_color();
        QVERIFY(dialog);
        QTest::mouseClick(widget<QRadioButton>(dialog->Option1[1]), Qt::LeftButton);
        widget<QSlider>(dialog->Slider1[1])->triggerAction(QAbstractSlider::SliderToMinimum);
        auto* sizes = widget<QListWidget>(dialog->List_font[1]);
        const QRect fourteen = sizes->visualItemRect(sizes->findItems(q("14"), Qt::MatchExactly).front());
        QTest::mouseClick(sizes->viewport(), Qt::LeftButton, {}, fourteen.center());
        QCOMPARE(zol->Cweta[0].List(2), std::string("14"));
        save_screenshot(view(*dialog), "colour-dialog-edited.png");

        menu_command(view(*dialog), "mnu_zapis")->trigger();
        QVERIFY(!program->colour_dialog.loaded());
        QVERIFY(!binding->view_of(*dialog));

        QMainWindow* main = view(*zol);
        QCOMPARE(main->centralWidget()->palette().color(QPalette::Window), colour(128, 0, 0));
        QCOMPARE(drawn(main->centralWidget()), colour(128, 0, 0));
        const QColor magenta = colour(255, 0, 255);
        for (int i = 0; i < 3; ++i) {
            auto* list = widget<QListWidget>(zol->Slowo[i]);
            QCOMPARE(list->palette().color(QPalette::Base), magenta);
            QCOMPARE(list->palette().color(QPalette::Text), colour(8, 0, 0));
            QCOMPARE(list->font().family(), q("Times New Roman"));
            QCOMPARE(list->font().pointSizeF(), 14.0);
        }
        auto* answer = widget<QPlainTextEdit>(zol->Prowerka[0]);
        QCOMPARE(answer->palette().color(QPalette::Base), magenta);
        QCOMPARE(answer->font().pointSizeF(), 14.0);
        auto* count = widget<QLabel>(zol->Ndapis);
        QCOMPARE(count->palette().color(QPalette::Window), magenta);
        QCOMPARE(count->palette().color(QPalette::WindowText), colour(8, 0, 0));
        QCOMPARE(count->font().pointSizeF(), 12.0);
        save_screenshot(main, "main-window-after-zapis.png");
    }

    void otkazAndTheCloseBoxApplyNothing()
    {
        appearance::Cwiat* dialog = choose_color();
        QVERIFY(dialog);
        widget<QSlider>(dialog->Slider1[1])->triggerAction(QAbstractSlider::SliderToMaximum);
        view(*dialog)->close(); // the close box; the dialog closes itself as with "Отказ"
        QVERIFY(!program->colour_dialog.loaded());
        QCOMPARE(view(*zol)->centralWidget()->palette().color(QPalette::Window), colour(0, 128, 0));
        QCOMPARE(zol->Cweta[0].List(3), std::string("65408"));

        dialog = choose_color(); // afresh, with the changed record
        QVERIFY(dialog);
        QCOMPARE(widget<QSlider>(dialog->Slider1[1])->value(), 255);
        QCOMPARE(widget<QLabel>(dialog->Label_ST[1])->text(), q("G"));
        menu_command(view(*dialog), "mnu_Otkaz")->trigger();
        QVERIFY(!program->colour_dialog.loaded());
        QCOMPARE(view(*zol)->centralWidget()->palette().color(QPalette::Window), colour(0, 128, 0));
    }

    void exitClosesTheOpenDialog()
    {
        appearance::Cwiat* dialog = choose_color();
        QVERIFY(dialog);
        QPointer<QWidget> window = view(*dialog);
        menu_command(view(*zol), "Izhod")->trigger();
        QVERIFY(app->ended());
        QVERIFY(!program->colour_dialog.loaded());
        QTRY_VERIFY(window.isNull() || !window->isVisible());
    }
};

} // namespace

QTEST_MAIN(AppearanceTest)
#include "tst_appearance.moc"
