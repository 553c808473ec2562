#include "host/finder_dialog.h"

#include "host/finder_model.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace qv::host {

FinderDialog::FinderDialog(const QString& title, FinderModel* model, int currentRecord,
                           QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName(QStringLiteral("LookupFinderDialog"));
    setWindowTitle(title);
    setAccessibleName(title);

    auto* searchLabel = new QLabel(QStringLiteral("&Search:"), this);
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("finderSearch"));
    search_->setAccessibleName(QStringLiteral("Search"));
    search_->setClearButtonEnabled(true);
    searchLabel->setBuddy(search_);
    search_->installEventFilter(this);

    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("finderTable"));
    table_->setAccessibleName(title);
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    // Fixed row heights and column widths measured on the first rows keep large lists quick.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->horizontalHeader()->setResizeContentsPrecision(200);
    table_->resizeColumnsToContents();
    connect(table_, &QTableView::doubleClicked, this, &FinderDialog::choose);
    connect(search_, &QLineEdit::textChanged, this, &FinderDialog::search);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Select"));
    connect(buttons, &QDialogButtonBox::accepted, this, &FinderDialog::choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &FinderDialog::reject);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(search_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(table_, 1);
    layout->addWidget(buttons);

    // Wide enough for every column beside the vertical scroll bar, so none is cut off.
    const QMargins margins = layout->contentsMargins();
    int width = margins.left() + margins.right() + 2 * table_->frameWidth() +
                table_->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < model_->columnCount(); ++column)
        width += table_->columnWidth(column);
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    resize(std::clamp(width, 400, screen.width() * 9 / 10), std::min(480, screen.height() * 4 / 5));

    makeCurrent(currentRecord);
    search_->setFocus();
}

void FinderDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        choose();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool FinderDialog::eventFilter(QObject* watched, QEvent* event) {
    // Moving through the list works from the search box, so the user need not change focus.
    if (watched == search_ && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
                QApplication::sendEvent(table_, event);
                return true;
            default:
                break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

int FinderDialog::currentRecord() const {
    const QModelIndex current = table_->currentIndex();
    return current.isValid() ? model_->recordAt(current.row()) : -1;
}

void FinderDialog::choose() {
    const int record = currentRecord();
    if (record < 0)
        return;
    chosen_ = record;
    accept();
}

void FinderDialog::search(const QString& text) {
    const int previous = currentRecord();
    model_->setSearch(text);
    makeCurrent(previous);
}

void FinderDialog::makeCurrent(int record) {
    int row = record >= 0 ? model_->rowOf(record) : -1;
    if (row < 0)
        row = 0;  // the record is not shown: the first row becomes current
    if (row >= model_->rowCount())
        return;
    const QModelIndex index = model_->index(row, 0);
    table_->setCurrentIndex(index);
    table_->selectRow(row);
    table_->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

}  // namespace qv::host
