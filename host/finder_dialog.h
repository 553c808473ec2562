#pragma once
// The finder's modal pick list: a search box over a table of records. Enter or a
// double-click chooses the current record, Escape cancels.

#include <QDialog>

class QLineEdit;
class QTableView;

namespace qv::host {

class FinderModel;

class FinderDialog : public QDialog {
    Q_OBJECT
public:
    // Shows the model's records with the given record current (the first one when it is -1
    // or not shown).
    FinderDialog(const QString& title, FinderModel* model, int currentRecord,
                 QWidget* parent = nullptr);
    // The chosen record; -1 until one is chosen.
    int chosenRecord() const { return chosen_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choose();
    void search(const QString& text);
    void makeCurrent(int record);  // selects and scrolls to it
    int currentRecord() const;

    FinderModel* model_;
    QLineEdit* search_;
    QTableView* table_;
    int chosen_ = -1;
};

}  // namespace qv::host
