#include "app/search_commands.h"

#include "app/clickable_label.h"
#include "app/form2.h"
#include "app/search_run.h"
#include "app/window_texts.h"
#include "host/field_edit_control.h"
#include "platform/messages.h"
#include "platform/twips.h"
#include "search/lot_list_model.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>

#include <cmath>

namespace qv::app {

namespace {

const QString& everythingQuestion() {
    static const QString kText = QStringLiteral(
        "          You Have Not Selected Anything \n\n"
        "    This will Return All Items in the Database \n"
        "       and Could Take a While (2-3 minutes)    \n\n"
        "              Do You Want to Continue ? \n");
    return kText;
}

}  // namespace

void GoButton1_Click(Form2& form) {
    if (readCriteria(form).isEmpty() &&
        !form.messages().askYesNo(QStringLiteral("Quorvan"), everythingQuestion()))
        return;
    resetSearchResults(form);
    runSearch(form);
}

void resetSearchResults(Form2& form) {
    for (QLineEdit* box : {form.txtQtyCustCode, form.txtQtyGrade, form.txtQtyItem,
                           form.txtQtyLocation, form.txtQtyPalletStatus, form.txtQtyProdCode,
                           form.txtQtyTotal, form.txtQtyHold, form.txtCountLots})
        box->setText(QStringLiteral("0"));
    form.lblNoLotsLocation->clear();
    form.lblStatus->clear();
    form.lotList->clear();
}

void feditClearCount_ButtonEvent(Form2& form, int& status) {
    for (host::FieldEditControl* field :
         {form.feditLocation2, form.feditLotNum2, form.feditItemNum2})
        field->field().empty();
    for (host::FieldEditControl* field :
         {form.feditBCustomer2, form.feditProdCode2, form.feditOrder})
        field->setValue(QString());
    for (QComboBox* combo : {form.feditGrade2, form.cboCategory, form.cboPalletStatus})
        combo->setEditText(QString());
    for (QLabel* label : {form.lblfeditItemDesc, form.lblfeditCustCode})
        label->clear();
    for (QLineEdit* box : {form.txtName, form.txtAddress1, form.txtAddress2, form.txtCity,
                           form.txtState, form.txtZip, form.txtCountry, form.txtFOB,
                           form.txtReference, form.txtHeaderDesc, form.txtShipVia})
        box->clear();
    form.txtComments->clear();
    resetSearchResults(form);
    status = 1;
}

void feditClearDropDown_ButtonEvent(Form2& form, int& status) {
    for (QComboBox* combo : {form.cboPalletStatus, form.feditGrade2, form.cboCategory})
        combo->setEditText(QString());
    status = 1;
}

void emptyLocation(Form2& form) {
    form.feditLocation2->setValue(QString());
}

void emptyItemNumber(Form2& form) {
    form.feditItemNum2->setValue(QString());
    form.lblfeditItemDesc->clear();
}

void emptyLotNumber(Form2& form) {
    form.feditLotNum2->setValue(QString());
}

void emptyCustomerCode(Form2& form) {
    form.feditBCustomer2->setValue(QString());
    form.lblfeditCustCode->clear();
}

void emptyProductCode(Form2& form) {
    form.feditProdCode2->setValue(QString());
}

void emptyGrade(Form2& form) {
    form.feditGrade2->setEditText(QString());
}

void ListView1_ColumnClick(Form2& form, int column) {
    form.lotList->sortByHeaderClick(column);
}

void rememberListMouse(Form2& form, QPointF viewportPosition) {
    form.ListMouseX = float(viewportPosition.x() * platform::kTwipsPerPixel);
    form.ListMouseY = float(viewportPosition.y() * platform::kTwipsPerPixel);
}

QPoint listMousePixels(const Form2& form) {
    // Twips to a whole number, halves to even, then whole pixels by integer division.
    const auto pixels = [](float twips) {
        return static_cast<int>(std::lrint(twips)) / platform::kTwipsPerPixel;
    };
    return {pixels(form.ListMouseX), pixels(form.ListMouseY)};
}

void showSelectedLine(Form2& form) {
    const QModelIndexList selected = form.ListView1->selectionModel()->selectedRows();
    if (!selected.isEmpty())
        form.lblFocusedIndex->setText(QStringLiteral("Line: ") +
                                      QString::number(selected.first().row() + 1));
}

void ListView1_Click(Form2& form) {
    if (form.ListView1->indexAt(listMousePixels(form)).isValid())
        showSelectedLine(form);
}

}  // namespace qv::app
