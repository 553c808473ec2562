#include "host/option_lists.h"

#include "host/session.h"
#include "host/view.h"

namespace qv::host {

namespace {

QString categoryEntry(const QString& code, const QString& description) {
    return code.trimmed() + QStringLiteral(" - ") + description.trimmed();
}

}  // namespace

QStringList readPalletStatuses(DbLink& link) {
    const auto view = link.openView(QStringLiteral("CS0012"));
    view->browse(QStringLiteral("(OPTFIELD = \"PALLETSTATUS\")"), true);
    QStringList values;
    while (view->fetch())
        values << view->field(QStringLiteral("VALUE")).toString().trimmed();
    view->release();
    return values;
}

QStringList readCategories(DbLink& link) {
    const auto view = link.openView(QStringLiteral("IC0210"));
    QStringList entries;
    while (view->fetch())
        entries << categoryEntry(view->field(QStringLiteral("CATEGORY")).toString(),
                                 view->field(QStringLiteral("DESC")).toString());
    view->release();
    return entries;
}

}  // namespace qv::host
