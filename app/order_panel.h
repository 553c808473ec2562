#pragma once
// The sales-order panel at the right of the main window, shown while the window is wide: the
// order header boxes and the order-lines list with its totals. The order-number field and its
// caption belong to the panel but stand with the criteria, where the narrow window shows them.

#include <QWidget>

#include <utility>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTableView;

namespace qv::host {
class FieldEditControl;
}

namespace qv::orders {
class OrderLinesModel;
}

namespace qv::app {

class HandlerGuard;

class OrderPanel : public QWidget {
    Q_OBJECT
public:
    // guard runs the panel's own handlers, as it runs the main window's.
    explicit OrderPanel(HandlerGuard& guard, QWidget* parent = nullptr);

    // As wide as the order lines' columns; narrower only where the screen leaves less room.
    QSize sizeHint() const override;

    // Start-up: the order-lines columns the window opens with, rows at the list's font height.
    void prepareOrderLines();

    host::FieldEditControl* feditOrder;
    QLineEdit *txtOrdUniq, *txtCustomer, *txtBilName, *txtOrderDate, *txtExpDate, *txtShipVia,
        *txtViaDesc, *txtFOB, *txtPONumber, *txtReference, *txtHeaderDesc;
    QPlainTextEdit* txtComments;
    QLineEdit *txtShipTo, *txtName, *txtAddress1, *txtAddress2, *txtCity, *txtState, *txtZip,
        *txtCountry;
    QTableView* ListView2;
    QLineEdit *txtOrdLineCount, *txtOrdLineQtyTotal, *txtOrdLineTotal;
    QLabel *Label6, *lblOrddate, *Label7, *Label5, *Label8, *Label9, *Label10, *Label11, *Label12,
        *Label13;

    // The model behind ListView2.
    orders::OrderLinesModel* orderLines;

private:
    void createControls();
    void layOutControls();
    static QGroupBox* group(const QString& title,
                            const std::vector<std::pair<QLabel*, std::vector<QWidget*>>>& rows);
};

}  // namespace qv::app
