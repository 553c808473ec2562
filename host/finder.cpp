#include "host/finder.h"

#include "host/finder_dialog.h"
#include "host/finder_model.h"
#include "host/host_error.h"
#include "host/session.h"
#include "host/view.h"
#include "host/view_catalog.h"

namespace qv::host {

void LookupFinder::setFieldLists(const QList<int>& display, const QList<int>& search,
                                 const QList<int>& returned) {
    display_ = display;
    search_ = search;
    returnFields_ = returned;
}

void LookupFinder::show(QWidget* parent) {
    returned_.clear();
    if (!session_)
        throw HostError(QStringLiteral("finder on %1: no host session").arg(viewId_));
    if (display_.isEmpty())
        throw HostError(QStringLiteral("finder on %1: no fields to show").arg(viewId_));
    std::unique_ptr<View> view = session_->openDbLink(1, 0)->openView(viewId_);
    view->browse(filter_, true);
    // Declared before the dialog, so the dialog's table lets go of it first.
    const auto model = std::make_unique<FinderModel>(*view, display_, returnFields_);
    view->release();

    const ViewDefinition* definition = findViewDefinition(viewId_);
    FinderDialog dialog(QStringLiteral("Finder - %1").arg(definition ? definition->title : viewId_),
                        model.get(), model->findRecord(initialValue_), parent);
    if (dialog.exec() == QDialog::Accepted)
        returned_ = model->returnedValues(dialog.chosenRecord());
}

}  // namespace qv::host
