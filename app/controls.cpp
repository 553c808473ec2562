#include "app/controls.h"

#include "platform/twips.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

#include <algorithm>

namespace qv::app {

using platform::twipsToPixels;

QLineEdit* textBox(const char* name, const QString& accessibleName, const QString& text,
                   const QString& placeholder) {
    auto* box = named(new QLineEdit(text), name, accessibleName);
    box->setPlaceholderText(placeholder);
    return box;
}

QLineEdit* numberBox(const char* name, const QString& accessibleName, const QString& text) {
    auto* box = textBox(name, accessibleName, text);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    box->setMaximumWidth(90);
    return box;
}

QComboBox* comboBox(const char* name, const QString& accessibleName) {
    auto* combo = named(new QComboBox, name, accessibleName);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // The search reads the text as typed: no inline completion to a list entry, and without a
    // completer the box matches entries case-sensitively when the focus leaves, so "hold" is
    // not turned into "HOLD". Choosing an entry from the list still sets its text.
    combo->setCompleter(nullptr);
    combo->lineEdit()->setPlaceholderText(accessibleName);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(10);
    return combo;
}

QTableView* listView(const char* name, const QString& accessibleName) {
    auto* view = named(new QTableView, name, accessibleName);
    view->setShowGrid(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setStretchLastSection(false);
    // Column widths are the design's, the narrow check-box column included.
    view->horizontalHeader()->setMinimumSectionSize(1);
    return view;
}

QLabel* caption(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

void addRow(QGridLayout* grid, int row, int column, QWidget* label, QWidget* field,
            QWidget* number) {
    if (label)
        grid->addWidget(label, row, column);
    grid->addWidget(field, row, column + 1);
    if (number)
        grid->addWidget(number, row, column + 2);
}

void setRowHeight(QTableView* view) {
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
}

void setColumnWidthsTwips(QTableView* view, const std::vector<int>& twips) {
    for (int i = 0; i < static_cast<int>(twips.size()); ++i)
        view->horizontalHeader()->resizeSection(i, twipsToPixels(twips[static_cast<size_t>(i)]));
}

void fitColumnsToRowsInView(QTableView* view, const std::vector<int>& designTwips) {
    const int first = view->rowAt(0);
    if (first < 0)
        return;
    int last = view->rowAt(view->viewport()->height() - 1);
    if (last < 0)
        last = view->model()->rowCount() - 1;
    QHeaderView* header = view->horizontalHeader();
    // The grid line takes a pixel of every cell.
    const int gridLine = view->showGrid() ? 1 : 0;
    for (int column = 1; column < static_cast<int>(designTwips.size()); ++column) {
        int width = std::max(twipsToPixels(designTwips[static_cast<size_t>(column)]),
                             header->sectionSizeHint(column));
        for (int row = first; row <= last; ++row) {
            const QModelIndex cell = view->model()->index(row, column);
            width = std::max(width, view->sizeHintForIndex(cell).width() + gridLine);
        }
        header->resizeSection(column, width);
    }
}

void addEntries(QComboBox* combo, const QStringList& entries) {
    const QString text = combo->currentText();
    combo->addItems(entries);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

}  // namespace qv::app
