#include "host/criteria_finders.h"

#include "host/field_edit_control.h"
#include "host/finder.h"
#include "platform/quoting.h"

#include <stdexcept>

namespace qv::host {

namespace {

constexpr int kFinderSetting = 3;
constexpr int kWorkingStatus = 1;

const CriteriaFinder kFinders[] = {
    {FinderField::LotNumber,
     "IC0810",
     "(LOTNUM LIKE \"%",
     false,
     "%\" AND QTYLEVEL = 1)",
     {1, 2, 3, 4},
     true,
     std::nullopt,
     5,
     false},
    {FinderField::Location,
     "IC0370",
     "(LOCATION LIKE \"%",
     true,
     "%\") AND (INACTIVE = 0)",
     {1, 2},
     true,
     0,
     5,
     true},
    {FinderField::ItemNumber,
     "IC0310",
     "(ITEMNO LIKE \"%",
     true,
     "%\")",
     {1, 3, 8, 11, 13, 14},
     false,
     std::nullopt,
     5,
     false},
    {FinderField::ProdCode,
     "IC0812",
     "(OPTFIELD = \"PRODCODE\") AND (VALUE LIKE \"%",
     false,
     "%\") AND (VALIFTEXT > \"   \")",
     {4, 5, 1, 2, 3},
     true,
     std::nullopt,
     3,
     false},
    {FinderField::Customer,
     "CS0012",
     "(OPTFIELD = \"CUSTCODE\") AND (VALUE LIKE \"%",
     false,
     "%\")",
     {2, 4},
     true,
     std::nullopt,
     3,
     false},
};

}  // namespace

const CriteriaFinder& criteriaFinder(FinderField field) {
    for (const CriteriaFinder& finder : kFinders) {
        if (finder.field == field)
            return finder;
    }
    throw std::logic_error("no finder for this field");
}

QString finderFilter(const CriteriaFinder& finder, const QString& fieldValue) {
    const QString value = finder.trimInFilter ? fieldValue.trimmed() : fieldValue;
    return QString::fromLatin1(finder.opening) + platform::doubleQuotes(value, u'"') +
           QString::fromLatin1(finder.closing);
}

ButtonAction buttonAction(const CriteriaFinder& finder, int code, int status) {
    if (code == FieldEditControl::kClearButton && finder.clearsWhateverStatus)
        return ButtonAction::Clear;
    if (status != 0)
        return ButtonAction::None;
    if (code == FieldEditControl::kFinderButton)
        return ButtonAction::Find;
    return code == FieldEditControl::kClearButton ? ButtonAction::Clear : ButtonAction::None;
}

QString lotNumberWithoutSuffix(const QString& lotNumber) {
    return lotNumber.size() < 3 ? QString() : lotNumber.first(lotNumber.size() - 3);
}

FinderChoice finderChoice(FinderField field, const QStringList& returned) {
    if (returned.isEmpty())
        return {};
    const QString first = returned.first();
    const QString second = returned.value(1);
    switch (field) {
        case FinderField::LotNumber:
            return {lotNumberWithoutSuffix(first), std::nullopt};
        case FinderField::Location:
            return {first, std::nullopt};
        case FinderField::ItemNumber:
            return {first, second};
        case FinderField::ProdCode:
            return {second, std::nullopt};
        case FinderField::Customer:
            return {first.trimmed(), second};
    }
    return {};
}

QStringList showCriteriaFinder(const CriteriaFinder& finder, HostSession* session,
                               const QString& fieldValue, int& status, QWidget* parent) {
    LookupFinder lookup;
    lookup.setSession(session);
    lookup.setViewId(QString::fromLatin1(finder.viewId));
    lookup.setFilter(finderFilter(finder, fieldValue));
    lookup.setSetting(kFinderSetting);
    if (finder.extraSetting)
        lookup.setExtraSetting(*finder.extraSetting);
    lookup.setInitialValue(finder.trimInitialValue ? fieldValue.trimmed() : fieldValue);
    lookup.setFieldLists(finder.fieldNumbers, finder.fieldNumbers, finder.fieldNumbers);
    status = kWorkingStatus;
    lookup.setStatus(kWorkingStatus);
    lookup.show(parent);
    status = finder.statusAfter;
    return lookup.returnedValues();
}

}  // namespace qv::host
