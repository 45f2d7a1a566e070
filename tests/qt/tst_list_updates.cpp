// The list widgets follow the contract's lists row by row: recording or
// taking back a pair changes only the rows it moves, and no list widget is
// filled again from scratch.
#include "harness.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

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

class ListUpdatesTest : public zqt::BindingFixture {
    Q_OBJECT

    QListWidget* list(int i) { return widget<QListWidget>(zol->Slowo[i]); }
    void press(int button)
    {
        widget<QPushButton>(zol->Uprawl[button])->click();
        QCoreApplication::processEvents();
    }
    void pick(int side, int row)
    {
        list(side)->setCurrentRow(row);
        QCoreApplication::processEvents();
    }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

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
