// A short test run by real clicks on real widgets, and the picture window.
// With ZOL_SCREENSHOT_DIR set, the windows are also saved there as PNG files.
#include "harness.h"
#include "pictures/zol_graphika.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>

#include <memory>

namespace {

using zqt::q;

// The built-in test with a picture of 3000 x 2000 twips for left expression 3.
std::shared_ptr<const content::Package> with_picture_for_left_3()
{
    content::Content c = content::builtin_content();
    auto picture = tk::Picture::filled(200, 133, 0);
    picture->width_twips = 3000;
    picture->height_twips = 2000;
    for (int y = 0; y < 133; ++y)
        for (int x = 0; x < 200; ++x)
            picture->put(x, y,
                0xFF000000u | (x * 255 / 199) << 16 | 0x40u << 8 | static_cast<unsigned>(y * 255 / 132));
    c.spis_graf[3] = std::string(1, '1'); // a plain "1" trips a false GCC 12 -Wrestrict warning
    c.graphika[3] = picture;
    return std::make_shared<const content::Package>(std::move(c));
}

class SessionTest : public zqt::BindingFixture {
    Q_OBJECT

    void pick(const tk::ListBox& list, const char* text)
    {
        auto* rows = widget<QListWidget>(list);
        const auto found = rows->findItems(q(text), Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), text);
        rows->scrollToItem(found.front());
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rows->visualItemRect(found.front()).center());
    }
    void press(const tk::CommandButton& button)
    {
        QTest::mouseClick(widget<QPushButton>(button), Qt::LeftButton);
    }

private slots:
    void cleanup() { stop(); }

    void pairEvaluateAndSeeTheVerdict()
    {
        start(content::builtin_test());
        pick(zol->Slowo[0], "сержант");
        pick(zol->Slowo[1], "капрал");
        press(zol->Uprawl[0]);
        auto* pairs = widget<QListWidget>(zol->Slowo[2]);
        QCOMPARE(pairs->count(), 1);
        QCOMPARE(pairs->item(0)->text(), q("сержант капрал"));
        QCOMPARE(widget<QLabel>(zol->Ndapis)->text(), q("Остават: 16"));

        // Twelve right pairs more make "Оцени" clickable (13 pairs against 4 left over).
        const char* const right_pairs[][2] = { { "редник", "матрос" }, { "ефрейтор", "старши матрос" },
            { "старши сержант", "главен старшина" }, { "старшина", "мичман" },
            { "офицерски кандидат", "прапорщик, warrant officer " }, { "лейтенант ", "подпоручик" },
            { "старши лейтенант", "поручик" }, { "капитан", "капитан-лейтенант" },
            { "майор", "капитан III ранг " }, { "подполковник", "капитан II ранг " },
            { "полковник", "капитан I ранг " }, { "бригаден генерал", "комодор" } };
        for (const auto& pair : right_pairs) {
            pick(zol->Slowo[0], pair[0]);
            pick(zol->Slowo[1], pair[1]);
            press(zol->Uprawl[0]);
        }
        QCOMPARE(pairs->count(), 13);
        auto* evaluate = widget<QPushButton>(zol->Uprawl[2]);
        QVERIFY(evaluate->isEnabled());
        press(zol->Uprawl[2]);

        QCOMPARE(widget<QLabel>(zol->Ndapis)->text(), q("Верни: 71%")); // 12 of 17
        QVERIFY(!widget<QPushButton>(zol->Uprawl[0])->isEnabled());
        QVERIFY(!evaluate->isEnabled());
        auto* verdict = widget<QLineEdit>(zol->Prowerka[1]);
        QVERIFY(verdict && verdict->isVisible());
        QCOMPARE(verdict->text(), q("НЕ")); // the first pair, сержант with капрал
        QCOMPARE(verdict->palette().color(QPalette::Base), QColor(255, 0, 0));

        QTest::mouseClick(
            pairs->viewport(), Qt::LeftButton, {}, pairs->visualItemRect(pairs->item(1)).center());
        QCOMPARE(verdict->text(), q("ДА"));
        QCOMPARE(verdict->palette().color(QPalette::Base), QColor(0, 255, 0));

        press(zol->Uprawl[3]);
        QCOMPARE(widget<QPlainTextEdit>(zol->Prowerka[0])->toPlainText(),
            q("\n\"редник\" е във връзка с \"матрос\""));
        save_screenshot(view(*zol), "evaluated-window.png");
    }

    void thumbnailOpensThePictureWindowSizedToThePicture()
    {
        start(with_picture_for_left_3());
        pick(zol->Slowo[0], "младши сержант");
        auto* thumbnail = qobject_cast<QLabel*>(binding->widget_of(zol->Grafika[0]));
        QVERIFY(thumbnail);
        QCOMPARE(thumbnail->pixmap().size(), QSize(200, 133));
        QCOMPARE(thumbnail->size(), QSize(105, 89)); // 1575 x 1335 twips: the box keeps its size

        QTest::mouseClick(thumbnail, Qt::LeftButton);
        pictures::ZOL_Graphika& picture_window = program->picture_window();
        QCOMPARE(picture_window.Width(), 3100);
        QCOMPARE(picture_window.Height(), 2250);
        QMainWindow* window = view(picture_window);
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->centralWidget()->size(), QSize(200, 133));
        auto* shown = qobject_cast<QLabel*>(binding->widget_of(picture_window.Graphika[0]));
        QCOMPARE(shown->geometry(), QRect(0, 0, 200, 133));
        QCOMPARE(shown->pixmap().size(), QSize(200, 133));
        save_screenshot(window, "picture-window.png");

        pick(zol->Slowo[0], "сержант");
        QVERIFY(!window->isVisible());
        QVERIFY(thumbnail->pixmap().isNull());
    }
};

} // namespace

QTEST_MAIN(SessionTest)
#include "tst_session.moc"
