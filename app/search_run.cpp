#include "app/search_run.h"

#include "app/clickable_label.h"
#include "app/form2.h"
#include "drilldown/clipboard_transfer.h"
#include "host/field_edit_control.h"
#include "host/session.h"
#include "platform/database.h"
#include "platform/messages.h"
#include "search/lot_fill.h"
#include "search/lot_list_model.h"
#include "search/lot_query.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace qv::app {

using search::LotSearchCriteria;
using search::LotTotals;

namespace {

// Lets the window repaint what the search wrote so far. Clicks and keys wait until the
// search is over: a second search started from inside this one would list other lots than
// the statement left in txtSQLQuery, which the printout reads back.
void processPendingEvents() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// The hourglass while the list fills; the pointer comes back however the fill ends.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

void writeSummaryBoxes(Form2& form, const LotTotals& totals) {
    const search::LotSummaryTexts texts = search::summaryTexts(totals);
    form.txtCountLots->setText(texts.countLots);
    form.txtQtyTotal->setText(texts.qtyTotal);
    form.txtQtyLocation->setText(texts.qtyLocation);
    form.txtQtyProdCode->setText(texts.qtyProdCode);
    form.txtQtyCustCode->setText(texts.qtyCustCode);
    form.txtQtyPalletStatus->setText(texts.qtyPalletStatus);
    form.txtQtyGrade->setText(texts.qtyGrade);
}

}  // namespace

LotSearchCriteria readCriteria(const Form2& form) {
    return LotSearchCriteria::fromControlTexts(
        form.feditLocation2->value(), form.feditItemNum2->value(), form.feditLotNum2->value(),
        form.feditGrade2->currentText(), form.feditProdCode2->value(),
        form.feditBCustomer2->value(), form.cboCategory->currentText(),
        form.cboPalletStatus->currentText());
}

void runSearch(Form2& form) {
    form.lblfeditItemDesc->clear();
    form.lblFocusedIndex->clear();
    form.lblStatus->setText(QStringLiteral("Searching ...."));

    const auto connection = platform::Connection::open(
        platform::connectionString(form.HostSession->companyId()), form.HostSession->database());
    const LotSearchCriteria criteria = readCriteria(form);
    processPendingEvents();

    const QString statement = search::buildLotStatement(criteria);
    form.txtSQLQuery->setPlainText(statement);
    drilldown::ClipBoard_SetData(form.messages(), form.appTitle(), form.clipboard(),
                                 form.txtSQLQuery->toPlainText());
    processPendingEvents();

    platform::Recordset recordset(*connection, statement);
    if (recordset.recordCount() == 0 || recordset.eof()) {
        form.messages().inform(form.appTitle(),
                               search::nothingAvailableMessage(recordset.recordCount()));
        form.lblStatus->clear();
        return;
    }

    processPendingEvents();
    form.lotList->clear();
    LotTotals totals;
    {
        const WaitCursor hourglass;
        totals = search::fillLotList(recordset, *form.lotList);
    }
    writeSummaryBoxes(form, totals);
    form.lblStatus->setText(QStringLiteral(" "));
}

}  // namespace qv::app
