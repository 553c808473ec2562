#include "app/finder_commands.h"

#include "app/clickable_label.h"
#include "app/drilldown_commands.h"
#include "app/form2.h"
#include "app/search_commands.h"
#include "host/field_edit_control.h"

namespace qv::app {

namespace {

using host::FinderField;

host::FieldEditControl* control(Form2& form, FinderField field) {
    switch (field) {
        case FinderField::LotNumber:
            return form.feditLotNum2;
        case FinderField::Location:
            return form.feditLocation2;
        case FinderField::ItemNumber:
            return form.feditItemNum2;
        case FinderField::ProdCode:
            return form.feditProdCode2;
        case FinderField::Customer:
            return form.feditBCustomer2;
    }
    return nullptr;
}

// The label beside a field that shows the chosen record's description.
ClickableLabel* label(Form2& form, FinderField field) {
    switch (field) {
        case FinderField::ItemNumber:
            return form.lblfeditItemDesc;
        case FinderField::Customer:
            return form.lblfeditCustCode;
        default:
            return nullptr;
    }
}

void find(Form2& form, FinderField field, int& status) {
    host::FieldEditControl* edit = control(form, field);
    const QStringList returned = host::showCriteriaFinder(
        host::criteriaFinder(field), form.HostSession.get(), edit->value(), status, &form);
    const host::FinderChoice choice = host::finderChoice(field, returned);
    if (choice.fieldValue)
        edit->setValue(*choice.fieldValue);
    if (choice.label)
        label(form, field)->setText(*choice.label);
}

}  // namespace

void connectFinderCommands(Form2& form) {
    for (FinderField field :
         {FinderField::LotNumber, FinderField::Location, FinderField::ItemNumber,
          FinderField::ProdCode, FinderField::Customer}) {
        form.connectHandler(control(form, field), &host::FieldEditControl::buttonEvent,
                            Form2::tr("Finding"), [&form, field](int code, int& status) {
                                criteriaField_ButtonEvent(form, field, code, status);
                            });
    }
    form.connectHandler(form.feditItemNum2, &host::FieldEditControl::valueChanged,
                        Form2::tr("Showing the item description"),
                        [&form] { feditItemNum2_ValueChanged(form); });
}

void criteriaField_ButtonEvent(Form2& form, FinderField field, int code, int& status) {
    switch (host::buttonAction(host::criteriaFinder(field), code, status)) {
        case host::ButtonAction::Find:
            return find(form, field, status);
        case host::ButtonAction::Clear:
            emptyCriteriaAndSummaries(form);
            status = 1;
            return;
        case host::ButtonAction::None:
            return;
    }
}

void feditItemNum2_ValueChanged(Form2& form) {
    form.lblfeditItemDesc->setText(GetItemDesc(form, form.feditItemNum2->value()));
}

}  // namespace qv::app
