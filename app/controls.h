#pragma once
// Makers of the window's controls and the layout helpers its panels share. Every control is
// named as the rest of the program knows it (objectName) and for screen readers (accessible
// name), so tests and automation find it too.

#include <QString>
#include <QStringList>

#include <vector>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QTableView;
class QWidget;

namespace qv::app {

template <class W>
W* named(W* widget, const char* name, const QString& accessibleName) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setAccessibleName(accessibleName);
    return widget;
}

QLineEdit* textBox(const char* name, const QString& accessibleName, const QString& text = {},
                   const QString& placeholder = {});
// A summary or total box: a right-aligned read-only number.
QLineEdit* numberBox(const char* name, const QString& accessibleName, const QString& text);
// An editable drop-down whose typed text is a criterion, kept as typed: not a new entry, not
// completed to one.
QComboBox* comboBox(const char* name, const QString& accessibleName);
// A list: whole-row selection, grid lines, no editing, columns at their design widths.
QTableView* listView(const char* name, const QString& accessibleName);
// A label for buddy, which its mnemonic focuses.
QLabel* caption(const QString& text, QWidget* buddy);

// A captioned row of a grid: label | field | optional number box.
void addRow(QGridLayout* grid, int row, int column, QWidget* label, QWidget* field,
            QWidget* number = nullptr);

// Compact fixed rows for the list's own font.
void setRowHeight(QTableView* view);
void setColumnWidthsTwips(QTableView* view, const std::vector<int>& twips);
// Widens columns whose texts in the rows now in view (or header) do not fit, and brings
// the others back to their design widths; the first (check-box) column keeps its width. Only
// the rows in view are measured: a search can list a million.
void fitColumnsToRowsInView(QTableView* view, const std::vector<int>& designTwips);

// Adds entries without touching the combo's text (an editable combo would otherwise show
// its first entry).
void addEntries(QComboBox* combo, const QStringList& entries);

}  // namespace qv::app
