#include "app/drilldown_commands.h"

#include "app/clickable_label.h"
#include "app/event_hook.h"
#include "app/form2.h"
#include "drilldown/clipboard_transfer.h"
#include "drilldown/drilldown_plan.h"
#include "drilldown/list_hit.h"
#include "host/field_edit_control.h"
#include "host/host_error.h"
#include "platform/messages.h"
#include "search/lot_list_model.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTableView>

namespace qv::app {

namespace {

using drilldown::Criterion;
using drilldown::DrillStep;
using drilldown::Summary;

drilldown::ListGeometry geometryOf(const QTableView& list) {
    drilldown::ListGeometry geometry;
    geometry.rowCount = list.model() ? list.model()->rowCount() : 0;
    geometry.rowHeight = list.verticalHeader()->defaultSectionSize();
    geometry.firstRowTop = geometry.rowCount > 0 ? list.rowViewportPosition(0) : 0;
    const QHeaderView& header = *list.horizontalHeader();
    for (int column = 0; column < header.count(); ++column)
        geometry.columns.push_back(
            {header.sectionViewportPosition(column),
             header.isSectionHidden(column) ? 0 : header.sectionSize(column)});
    return geometry;
}

QLineEdit* summaryBox(Form2& form, Summary summary) {
    switch (summary) {
        case Summary::Location:
            return form.txtQtyLocation;
        case Summary::Item:
            return form.txtQtyItem;
        case Summary::Grade:
            return form.txtQtyGrade;
        case Summary::ProdCode:
            return form.txtQtyProdCode;
        case Summary::CustCode:
            return form.txtQtyCustCode;
        case Summary::PalletStatus:
            return form.txtQtyHold;
    }
    return nullptr;
}

void setCriterion(Form2& form, Criterion criterion, const QString& value) {
    switch (criterion) {
        case Criterion::Location:
            return form.feditLocation2->setValue(value);
        case Criterion::ItemNumber:
            return form.feditItemNum2->setValue(value);
        case Criterion::LotNumber:
            return form.feditLotNum2->setValue(value);
        case Criterion::Grade:
            return form.feditGrade2->setEditText(value);
        case Criterion::ProdCode:
            return form.feditProdCode2->setValue(value);
        case Criterion::Customer:
            return form.feditBCustomer2->setValue(value);
        case Criterion::PalletStatus:
            return form.cboPalletStatus->setEditText(value);
    }
}

// The company link start-up opened; a clear failure before it has.
host::DbLink& companyLink(const Form2& form) {
    if (!form.CompanyLink)
        throw host::HostError(QStringLiteral("the company database is not open"));
    return *form.CompanyLink;
}

void runStep(Form2& form, const DrillStep& step, const QString& cell) {
    switch (step.kind) {
        case DrillStep::Kind::SetCriterion:
            return setCriterion(form, step.criterion,
                                drilldown::criterionValue(step.criterion, cell));
        case DrillStep::Kind::ShowSummary:
            return summaryBox(form, step.summary)->setText(GetQty(form, step.summary, cell));
        case DrillStep::Kind::SetItemDescription:
            return form.lblfeditItemDesc->setText(cell);
        case DrillStep::Kind::CopyCell:
            return drilldown::ClipBoard_SetData(form.messages(), form.appTitle(), form.clipboard(),
                                                cell);
        case DrillStep::Kind::ClearClipboard:
            return drilldown::ClearClipboard(form.clipboard());
    }
}

}  // namespace

void connectDrilldownCommands(Form2& form) {
    // The mouse position comes from the press and moves the search's commands remember.
    EventHook::install(
        form.ListView1->viewport(), QEvent::MouseButtonDblClick, [&form](QEvent* event) {
            if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
                return;
            form.guard().run(Form2::tr("Drilling down"), [&form] { ListView1_DblClick(form); });
        });
}

void ListView1_DblClick(Form2& form) {
    form.lblFocusedIndex->clear();
    const drilldown::ListHit hit = listHit(form, *form.ListView1);
    if (hit.item < 0)
        return;
    const QString header =
        form.lotList->headerData(hit.subItem, Qt::Horizontal, Qt::DisplayRole).toString();
    if (header == QStringView(drilldown::kPickHeader)) {
        form.messages().inform(form.appTitle(), QString::fromUtf16(drilldown::kPickMessage));
        return;
    }
    // The hit row is the row the double-click selected.
    for (const DrillStep& step : drilldown::drillDownSteps(header))
        runStep(form, step, form.lotList->cellText(hit.item, hit.subItem + step.cellOffset));
    form.ListView1->setFocus();
}

drilldown::ListHit listHit(const Form2& form, const QTableView& list) {
    return drilldown::hitTest(drilldown::mousePixels(form.ListMouseX, form.ListMouseY),
                              geometryOf(list));
}

QString GetQty(Form2& form, Summary summary, const QString& value) {
    // The customer code is read from its field when the statement is built; the drill-down
    // has just set the field to the same text.
    const QString asked = summary == Summary::CustCode ? form.feditBCustomer2->value() : value;
    const drilldown::SummaryFigures figures =
        drilldown::querySummary(companyLink(form), summary, asked);
    if (summary == Summary::PalletStatus)
        form.txtQtyPalletStatus->setText(figures.count);
    if (summary == Summary::Location)
        form.lblNoLotsLocation->setText(figures.count);
    return figures.quantity;
}

QString GetItemDesc(Form2& form, const QString& mItemNum) {
    return drilldown::GetItemDesc(companyLink(form), mItemNum);
}

}  // namespace qv::app
