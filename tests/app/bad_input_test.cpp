// Awkward typed text on the real window, offscreen: every criteria field, the order field,
// every finder's search box, and a printout of such a search. Each gives the search the text
// means (literally, but for LIKE's wildcards in what reaches a statement) or a message, and
// the company file is never written. Summaries of such values are the summaries' own tests.
#include "app/order_panel.h"
#include "app/report_commands.h"
#include "app/search_commands.h"
#include "host/go_button.h"
#include "platform/clock.h"
#include "report/printout.h"
#include "tests/app/signed_on_window.h"
#include "tests/support/recording_spreadsheet_app.h"
#include "tests/support/workbook_reader.h"

#include <QJsonObject>
#include <QPushButton>

namespace qv::app {
namespace {

using host::FieldEditControl;

// Each is stored in every text field of one lot (its lot number too), of its item,
// location and option values, and as the number of one open order.
const QStringList kStored = {"O'Bri", "5\" pin", "9%1", "901",          "A_C",
                             "ABC",   "[Q",      "[Z]", u"B\u0001C"_qs, u"倉Ωé🍎"_qs};

QStringList sorted(QStringList texts) {
    texts.sort();
    return texts;
}

class BadInputTest : public tests::SignedOnWindowTest {
protected:
    void SetUp() override {
        for (const QString& value : kStored) {
            company.addItem(value, "Item", "EA", value);
            company.addLocation(value, "Store");
            company.addLot(value, value, value, 1);
            for (const char* field : {"GRADE", "PRODCODE", "CUSTCODE", "PALLETSTATUS"})
                company.addLotField(value, field, value);
            company.addOptionValue("CUSTCODE", value);
            company.addOrder({.ordUniq = kStored.indexOf(value) + 1,
                              .orderNumber = value,
                              .customer = "10927",
                              .ordDate = 20261201});
        }
        ASSERT_NO_FATAL_FAILURE(signOn());
        form->findChild<ReportCommands*>()->setSpreadsheetApp(spreadsheet);
        form->show();
        before = company.checksum();
    }

    // Presses a field's finder button; returns the rows the finder lists (the product-code
    // finder's second column: its first holds the field's name), then those left once `search`
    // is typed into its search box, choosing the current row then when `choose`.
    std::pair<QStringList, QStringList> finderRows(FieldEditControl* field, const QString& search,
                                                   bool choose) {
        const int column = field == form->feditProdCode2 ? 1 : 0;
        QStringList narrowed;
        const QStringList all =
            tests::withFinder([&] { field->pressButton(FieldEditControl::kFinderButton); },
                              [&](QDialog* dialog, QTableView* table) {
                                  dialog->findChild<QLineEdit*>("finderSearch")->setText(search);
                                  narrowed = sorted(tests::columnTexts(table, column));
                                  if (choose && !narrowed.isEmpty())
                                      QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
                              },
                              column);
        return {sorted(all), narrowed};
    }

    const platform::FixedToday today{QDate(2026, 12, 5)};
    tests::RecordingSpreadsheetApp spreadsheet;
    QByteArray before;
};

TEST_F(BadInputTest, TypedTextIsSearchedForAsMeantAndNothingIsWritten) {
    const QString lone = u"A"_qs + QChar(0xD800);
    const struct {
        QString typed;
        QStringList found;    // through a statement: LIKE's % _ [ ] stay wildcards
        QStringList literal;  // in a finder's search box
        bool inCriteria = true;
    } cases[] = {
        {"O'Br", {"O'Bri"}, {"O'Bri"}},
        {"5\"", {"5\" pin"}, {"5\" pin"}},
        {"9%1", {"9%1", "901"}, {"9%1"}},
        {"A_C", {"ABC", "A_C"}, {"A_C"}},
        {"[Q", {"[Q"}, {"[Q"}},
        {"[Z]", {"[Z]"}, {"[Z]"}},
        {QString(10000, u'x'), {}, {}},
        {u"B\u0001C"_qs, {u"B\u0001C"_qs}, {u"B\u0001C"_qs}},
        {u"ωÉ"_qs, {u"倉Ωé🍎"_qs}, {u"倉Ωé🍎"_qs}},
        {u"🍎"_qs, {u"倉Ωé🍎"_qs}, {u"倉Ωé🍎"_qs}},
        {QString(QChar(0)), {}, {}, false},
        {lone, {}, {}, false},
    };
    FieldEditControl* const order = form->orderPanel->feditOrder;
    const QList<FieldEditControl*> fields = {form->feditLocation2,  form->feditItemNum2,
                                             form->feditLotNum2,    form->feditProdCode2,
                                             form->feditBCustomer2, order};
    QList<QWidget*> criteria(fields.begin(), fields.end() - 1);
    criteria << form->feditGrade2 << form->cboPalletStatus << form->cboCategory;
    const QString nothing = "0 Records - Nothing Available for this selection ";
    const QString noRecords = QString::fromUtf16(report::kNoRecordsFound);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.left(20).toStdString());
        const QStringList none = c.found.isEmpty() ? QStringList{nothing} : QStringList{};
        messages.entries.clear();
        if (c.inCriteria) {
            // Every criterion alone.
            for (QWidget* control : criteria) {
                SCOPED_TRACE(control->objectName().toStdString());
                tests::controlTexts({control}, c.typed.toUtf8().constData());
                form->GoButton1->click();
                EXPECT_EQ(sorted(tests::columnTexts(form->ListView1, 3)), c.found);
                EXPECT_EQ(messages.texts(), none);
                messages.entries.clear();
                tests::controlTexts({control}, "");
            }
            // Then a printout of the last search: its rows, or why there are none. Control
            // characters are written in the format's own escape, which spreadsheet
            // applications read back as the character.
            spreadsheet.shown.clear();
            form->cmdPrint2->click();
            const QJsonObject cells =
                spreadsheet.shown.isEmpty()
                    ? QJsonObject()
                    : tests::readWorkbook(spreadsheet.shown[0])["cells"].toObject();
            QStringList printed;
            for (const QJsonValue& cell : cells)
                printed << cell["value"].toString().trimmed().replace("_x0001_", QChar(1));
            for (const QString& lot : c.found)
                EXPECT_TRUE(printed.contains(lot)) << printed.join('|').toStdString();
            EXPECT_EQ(messages.texts(), c.found.isEmpty() ? QStringList{noRecords} : QStringList{});
            emptyCriteriaAndSummaries(*form);
            messages.entries.clear();
        }
        // The finders: the field's text filters what they list, their search box the rest. The
        // order field takes even what the criteria refuse; a chosen order shows.
        for (FieldEditControl* field : fields) {
            SCOPED_TRACE(field->objectName().toStdString());
            const bool typed = c.inCriteria || field == order;
            field->setValue(typed ? c.typed : QString());
            const auto [all, narrowed] = finderRows(field, c.typed, field == order);
            EXPECT_EQ(all, typed ? c.found : sorted(kStored));
            EXPECT_EQ(narrowed, c.literal);
            if (field == order && !c.literal.isEmpty()) {
                EXPECT_EQ(order->value().trimmed(), c.literal.first());
            }
            field->setValue({});
        }
        EXPECT_EQ(messages.texts(), QStringList{}) << messages.texts().join('|').toStdString();
    }
    EXPECT_EQ(company.checksum(), before);
}

}  // namespace
}  // namespace qv::app
