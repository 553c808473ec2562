#include "host/finder.h"
#include "host/finder_model.h"
#include "host/view.h"
#include "tests/host/sample_company.h"
#include "tests/support/model_checker.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace qv::host {
namespace {

class FinderTest : public tests::SampleCompanyTest {
protected:
    void SetUp() override {
        SampleCompanyTest::SetUp();
        finder.setSession(session.get());
        finder.setViewId("IC0810");
        finder.setFilter(R"((LOTNUM LIKE "%%" AND QTYLEVEL = 1))");
        finder.setSetting(3);
        finder.setFieldLists({1, 2, 3, 4}, {1, 2, 3, 4}, {2, 1});
    }

    // Shows the finder and lets drive() act on the open dialog.
    QStringList run(const std::function<void(QDialog*, QTableView*, QLineEdit*)>& drive) {
        bool driven = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            ASSERT_EQ(dialog->objectName(), "LookupFinderDialog");
            driven = true;
            drive(dialog, dialog->findChild<QTableView*>("finderTable"),
                  dialog->findChild<QLineEdit*>("finderSearch"));
            if (dialog->isVisible())
                dialog->reject();
        });
        finder.show();
        EXPECT_TRUE(driven);
        return finder.returnedValues();
    }

    static QString currentLot(QTableView* table) {
        return table->currentIndex().siblingAtColumn(0).data().toString().trimmed();
    }

    // A model over every lot of the sample company, as a finder reads it.
    std::unique_ptr<View> browsed(const QString& viewId) {
        auto view = session->openDbLink(1, 0)->openView(viewId);
        view->browse(QString(), true);
        return view;
    }

    LookupFinder finder;
};

TEST_F(FinderTest, InitialValueIsPreselectedAndTheSearchBoxNarrowsTheRows) {
    finder.setInitialValue("  lot2 ");
    const QStringList values = run([](QDialog*, QTableView* table, QLineEdit* search) {
        EXPECT_EQ(table->model()->rowCount(), 3);  // LOT120 is on quantity level 0
        EXPECT_EQ(currentLot(table), "LOT2");
        QTest::keyClicks(search, "xa1");
        EXPECT_EQ(table->model()->rowCount(), 1);
        search->clear();
        EXPECT_EQ(table->model()->rowCount(), 3);
        EXPECT_EQ(currentLot(table), "LOT2");  // the current record stays current
        QTest::keyClick(search, Qt::Key_Down);
        EXPECT_EQ(currentLot(table), "LOT3");
        QTest::keyClick(search, Qt::Key_Return);
    });
    // In the return list's order, untrimmed, as stored.
    EXPECT_EQ(values, (QStringList{QString("A100").leftJustified(24), "LOT3" + QString(11, ' ')}));
}

TEST_F(FinderTest, EveryColumnShowsInFullBesideTheScrollBar) {
    for (int i = 0; i < 60; ++i)
        company.addLot(QString("000000000%1-01").arg(i, 3, 10, QChar('0')), "A100", "A1",
                       1234.5678);
    run([](QDialog*, QTableView* table, QLineEdit*) {
        EXPECT_EQ(currentLot(table), "000000000000-01");  // no initial value: the first
        EXPECT_TRUE(table->verticalScrollBar()->isVisible());
        EXPECT_EQ(table->horizontalScrollBar()->maximum(), 0);
    });
}

TEST_F(FinderTest, AnEmptyListReturnsNothing) {
    finder.setFilter(R"((LOTNUM LIKE "%NONE%"))");
    EXPECT_TRUE(run([](QDialog* dialog, QTableView* table, QLineEdit*) {
                    EXPECT_EQ(table->model()->rowCount(), 0);
                    QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
                    EXPECT_TRUE(dialog->isVisible());  // nothing to choose
                }).isEmpty());
}

// Narrowing rebuilds the shown rows; the item-model tester checks views are told so.
TEST_F(FinderTest, SearchMatchesWithinOneCellAndFollowsEveryChangeOfTheText) {
    // A lot number filling its column, and a quantity a short number format would round.
    company.addLot("ABCDEFGHIJKLM-2", "A100", "A1", 1234.5678);
    const auto view = browsed("IC0810");
    FinderModel model(*view, {1, 2, 3}, {4, 1});  // the quantity returned, not shown
    tests::ModelChecker checker(&model);
    const auto shownLots = [&] {
        QStringList lots;
        for (int row = 0; row < model.rowCount(); ++row)
            lots << model.index(row, 0).data().toString().trimmed();
        return lots.join(u' ');
    };
    // Each text narrows from the one before it, or starts again when it is no longer in it.
    const std::pair<QString, QString> steps[] = {
        {"a1", "ABCDEFGHIJKLM-2 LOT12 LOT2 LOT3"},
        {" a10 ", "ABCDEFGHIJKLM-2 LOT12 LOT3"},
        {"m-2A1", ""},  // the end of one cell and the start of the next are not one text
        {"m-2", "ABCDEFGHIJKLM-2"},
        {"12", "LOT12 LOT120"},
        {"12.5", ""},  // only shown fields are searched
        {"", "ABCDEFGHIJKLM-2 LOT12 LOT120 LOT2 LOT3"},
    };
    for (const auto& [text, lots] : steps) {
        model.setSearch(text);
        EXPECT_EQ(shownLots(), lots) << text.toStdString();
    }
    EXPECT_EQ(model.returnedValues(model.recordAt(0)),
              (QStringList{"1234.5678", "ABCDEFGHIJKLM-2"}));
    EXPECT_EQ(checker.findings().join(u'\n').toStdString(), "");
}

TEST_F(FinderTest, PreselectsAnEqualShownValueElseOneStartingWithIt) {
    company.addOptionValue("CUSTCODE", "B", "Depot B");
    const auto view = browsed("CS0012");
    const FinderModel model(*view, {1, 2, 4}, {2});
    // In key order: CUSTCODE B (Depot B), C (Cafe), CX (Cafe express), D (Depot), then
    // PALLETSTATUS HOLD and OK.
    const std::pair<QString, QString> cases[] = {
        {" d ", "D"}, {"depot", "D"}, {"cafe e", "CX"}, {"pallet", "HOLD"}, {"zz", ""}, {"", ""},
    };
    for (const auto& [initial, value] : cases) {
        const int record = model.findRecord(initial);
        EXPECT_EQ(record < 0 ? QString() : model.returnedValues(record)[0].trimmed(), value)
            << initial.toStdString();
    }
}

}  // namespace
}  // namespace qv::host
