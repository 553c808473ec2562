#pragma once
// LookupFinder: a modal pick list over a host view and filter. Columns are the view's
// fields in the first field list; the record matching the initial value is preselected;
// a search box narrows the rows; Enter or double-click chooses, Escape cancels. Returns the
// chosen record's values in the order of the return-field list (the third list).

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace qv::host {

class HostSession;

class LookupFinder {
public:
    void setSession(HostSession* session) { session_ = session; }
    void setViewId(const QString& id) { viewId_ = id; }
    void setFilter(const QString& filter) { filter_ = filter; }
    void setSetting(int value) { setting_ = value; }
    void setExtraSetting(int value) { extraSetting_ = value; }
    void setInitialValue(const QString& value) { initialValue_ = value; }
    // Display fields, search fields and return fields (field numbers, 1-based).
    void setFieldLists(const QList<int>& display, const QList<int>& search,
                       const QList<int>& returned);
    void setStatus(int status) { status_ = status; }
    int status() const { return status_; }

    // Shows the modal pick list; throws HostError when the view or filter fails.
    void show(QWidget* parent = nullptr);
    // Empty when nothing was chosen.
    QStringList returnedValues() const { return returned_; }

private:
    HostSession* session_ = nullptr;
    QString viewId_, filter_, initialValue_;
    int setting_ = 0, extraSetting_ = -1, status_ = 0;
    QList<int> display_, search_, returnFields_;
    QStringList returned_;
};

}  // namespace qv::host
