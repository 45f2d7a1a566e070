// The list widgets follow the contract's lists row by row: recording or
// taking back a pair changes only the rows it moves, and no list widget is
// filled again from scratch.
#include "content/package.h"
#include "run/program.h"
#include "run/zol.h"
#include "toolkit/qt/binding.h"
#include "toolkit/qt/collation.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

namespace {

// What one list widget's model reported.
struct RowChanges {
    explicit RowChanges(QListWidget* list)
        : inserted(list->model(), &QAbstractItemModel::rowsInserted)
        , removed(list->model(), &QAbstractItemModel::rowsRemoved)
        , reset(list->model(), &QAbstractItemModel::modelReset)
        , relaid(list->model(), &QAbstractItemModel::layoutChanged)
    {
    }
    QSignalSpy inserted;
    QSignalSpy removed;
    QSignalSpy reset;
    QSignalSpy relaid;

    void expect(int rows_in, int rows_out) const
    {
        QCOMPARE(inserted.count(), rows_in);
        QCOMPARE(removed.count(), rows_out);
        QCOMPARE(reset.count(), 0);
        QCOMPARE(relaid.count(), 0);
    }
};

class ListUpdatesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<tk::qt::BulgarianCollation> collation;
    std::unique_ptr<tk::qt::QtScreen> screen;
    std::unique_ptr<tk::Application> app;
    std::unique_ptr<tk::qt::Binding> binding;
    std::unique_ptr<run::Program> program;
    run::ZOL* zol = nullptr;

    QListWidget* list(int i) { return qobject_cast<QListWidget*>(binding->widget_of(zol->Slowo[i])); }
    void press(int button)
    {
        qobject_cast<QPushButton*>(binding->widget_of(zol->Uprawl[button]))->click();
        QCoreApplication::processEvents();
    }
    void pick(int side, int row)
    {
        list(side)->setCurrentRow(row);
        QCoreApplication::processEvents();
    }

private slots:
    void init()
    {
        collation = std::make_unique<tk::qt::BulgarianCollation>();
        screen = std::make_unique<tk::qt::QtScreen>();
        app = std::make_unique<tk::Application>(*collation, *screen);
        binding = std::make_unique<tk::qt::Binding>(*app);
        program = std::make_unique<run::Program>(*app, content::builtin_test());
        zol = &program->start();
        QVERIFY(QTest::qWaitForWindowExposed(binding->view_of(*zol)));
    }

    void cleanup()
    {
        program.reset();
        binding.reset();
        app.reset();
    }

    void recordingMovesOneRowOutOfEachListAndOneIntoThePairs()
    {
        pick(0, 8);
        pick(1, 8);
        const RowChanges left(list(0)), right(list(1)), pairs(list(2));
        press(0); // Избрах
        left.expect(0, 1);
        right.expect(0, 1);
        pairs.expect(1, 0);
        QCOMPARE(list(0)->count(), 16);
        QCOMPARE(list(2)->count(), 1);
        QVERIFY(list(0)->selectedItems().isEmpty());
        QVERIFY(list(1)->selectedItems().isEmpty());
    }

    void takingBackAPairInTheMiddleMovesTheRowsBackAndSelectsTheNextPair()
    {
        for (int i = 0; i < 3; ++i) {
            pick(0, 0);
            pick(1, 0);
            press(0);
        }
        pick(2, 1);
        const QString next = list(2)->item(2)->text();
        const RowChanges left(list(0)), right(list(1)), pairs(list(2));
        press(1); // Върни
        left.expect(1, 0);
        right.expect(1, 0);
        pairs.expect(0, 1);
        QCOMPARE(list(2)->count(), 2);
        QCOMPARE(list(2)->currentRow(), 1);
        QCOMPARE(list(2)->selectedItems().value(0)->text(), next);
        QCOMPARE(list(0)->count(), 15);
    }
};

} // namespace

QTEST_MAIN(ListUpdatesTest)
#include "tst_list_updates.moc"
