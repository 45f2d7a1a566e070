// A short test run by real clicks on real widgets, and the picture window.
// With ZOL_SCREENSHOT_DIR set, the windows are also saved there as PNG files.
#include "content/package.h"
#include "pictures/zol_graphika.h"
#include "run/program.h"
#include "run/zol.h"
#include "toolkit/qt/binding.h"
#include "toolkit/qt/collation.h"

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

QString q(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

void save(QWidget* window, const char* name)
{
    const QByteArray dir = qgetenv("ZOL_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        window->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromUtf8(name)));
}

// The built-in test with a picture of 3000 x 2000 twips for left expression 3.
std::shared_ptr<const content::Package> with_picture_for_left_3()
{
    content::Content c = content::builtin_content();
    auto picture = std::make_shared<tk::Picture>();
    picture->pixel_width = 200;
    picture->pixel_height = 133;
    picture->width_twips = 3000;
    picture->height_twips = 2000;
    picture->pixels.resize(200 * 133);
    for (int y = 0; y < 133; ++y)
        for (int x = 0; x < 200; ++x)
            picture->pixels[static_cast<std::size_t>(y * 200 + x)]
                = 0xFF000000u | (x * 255 / 199) << 16 | 0x40u << 8 | static_cast<unsigned>(y * 255 / 132);
    c.spis_graf[3] = std::string(1, '1'); // a plain "1" trips a false GCC 12 -Wrestrict warning
    c.graphika[3] = picture;
    return std::make_shared<const content::Package>(std::move(c));
}

class SessionTest : public QObject {
    Q_OBJECT

    std::unique_ptr<tk::qt::BulgarianCollation> collation;
    std::unique_ptr<tk::qt::QtScreen> screen;
    std::unique_ptr<tk::Application> app;
    std::unique_ptr<tk::qt::Binding> binding;
    std::unique_ptr<run::Program> program;
    run::ZOL* zol = nullptr;

    void start(std::shared_ptr<const content::Package> package)
    {
        app = std::make_unique<tk::Application>(*collation, *screen);
        binding = std::make_unique<tk::qt::Binding>(*app);
        program = std::make_unique<run::Program>(*app, std::move(package));
        zol = &program->start();
        QVERIFY(QTest::qWaitForWindowExposed(binding->view_of(*zol)));
    }

    template <class W> W* widget(const tk::Control& control)
    {
        return qobject_cast<W*>(binding->widget_of(control));
    }

    void pick(const tk::ListBox& list, const char* text)
    {
        auto* view = widget<QListWidget>(list);
        const auto found = view->findItems(q(text), Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), text);
        view->scrollToItem(found.front());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualItemRect(found.front()).center());
    }
    void press(const tk::CommandButton& button)
    {
        QTest::mouseClick(widget<QPushButton>(button), Qt::LeftButton);
    }

private slots:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        collation = std::make_unique<tk::qt::BulgarianCollation>();
        screen = std::make_unique<tk::qt::QtScreen>();
    }

    void cleanup()
    {
        program.reset();
        binding.reset();
        app.reset();
    }

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
        save(binding->view_of(*zol), "evaluated-window.png");
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
        auto* view = qobject_cast<QMainWindow*>(binding->view_of(picture_window));
        QVERIFY(view && view->isVisible());
        QCOMPARE(view->centralWidget()->size(), QSize(200, 133));
        auto* shown = qobject_cast<QLabel*>(binding->widget_of(picture_window.Graphika[0]));
        QCOMPARE(shown->geometry(), QRect(0, 0, 200, 133));
        QCOMPARE(shown->pixmap().size(), QSize(200, 133));
        save(view, "picture-window.png");

        pick(zol->Slowo[0], "сержант");
        QVERIFY(!view->isVisible());
        QVERIFY(thumbnail->pixmap().isNull());
    }
};

} // namespace

QTEST_MAIN(SessionTest)
#include "tst_session.moc"
