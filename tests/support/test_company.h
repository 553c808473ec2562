#pragma once
// An empty company for tests: the demo schema without content, in a temporary folder that
// goes with the object, and helpers that store values padded as the accounting system
// stores them. Every helper throws std::runtime_error with SQLite's text on failure.

#include "data/company_writer.h"
#include "platform/database.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <map>
#include <memory>
#include <stdexcept>
#include <utility>

namespace qv::tests {

class TestCompany {
public:
    TestCompany();
    TestCompany(const TestCompany&) = delete;
    TestCompany& operator=(const TestCompany&) = delete;

    QString path() const { return dir_.filePath("TEST.sqlite"); }  // the database file
    QByteArray checksum() const;  // of the database file, to show that nothing wrote to it
    // The company folder, holding BMP/brisvale.bmp.
    QString folder() const { return dir_.filePath("TEST"); }
    qv::platform::DatabaseSetting setting() const {
        return qv::platform::DatabaseSetting::sqlite(path());
    }

    // Runs SQL on the writable handle (T-SQL functions registered).
    void exec(const QString& sql) { qv::data::execSql(db_.get(), sql.toStdString()); }

    void addItem(const QString& itemNo, const QString& desc, const QString& stockUnit,
                 const QString& category) {
        writer_->item(
            {.itemNo = itemNo, .desc = desc, .stockUnit = stockUnit, .category = category});
    }
    void addLot(const QString& lotNum, const QString& itemNum, const QString& location, double qty,
                int qtyLevel = 1, int stockDate = 20240101, int expiryDate = 20251231,
                int onQuart = 0, int onQuartDate = 0) {
        writer_->lot({lotNum, itemNum, location, qty, qtyLevel, stockDate, expiryDate, onQuart,
                      onQuartDate});
        lots_[lotNum] = {itemNum, location};
    }
    // The item and location are taken from the lot, which addLot must have added.
    void addLotField(const QString& lotNum, const QString& optField, const QString& value) {
        if (!lots_.contains(lotNum))
            throw std::runtime_error("addLotField: no lot " + lotNum.toStdString());
        writer_->lotField({lots_[lotNum].first, lots_[lotNum].second, lotNum, optField, value});
    }
    void addOptionValue(const QString& optField, const QString& value,
                        const QString& vdesc = QString()) {
        writer_->optionValue(optField, value, vdesc);
    }
    void addCategory(const QString& code, const QString& desc) { writer_->category(code, desc); }
    void addLocation(const QString& code, const QString& desc, int inactive = 0) {
        writer_->location(code, desc, inactive);
    }
    // Designated initialisers keep these short: addOrder({.ordUniq = 1, .orderNumber = ...}).
    void addOrder(const qv::data::OrderRecord& order) { writer_->order(order); }
    void addOrderLine(const qv::data::OrderLineRecord& line) { writer_->orderLine(line); }

private:
    QTemporaryDir dir_;
    qv::data::SqliteHandle db_;
    std::unique_ptr<qv::data::CompanyWriter> writer_;
    std::map<QString, std::pair<QString, QString>> lots_;  // the item and location of each lot
};

}  // namespace qv::tests
