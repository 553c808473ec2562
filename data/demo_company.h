#pragma once
// The embedded demo company: schema, generated content, and its creation on first use.

#include <QDate>
#include <QString>

#include <cstdint>

struct sqlite3;

namespace qv::data {

// Creates the tables and site views of data/schema.sql on a writable handle on which the
// T-SQL functions are registered. Throws std::runtime_error with SQLite's text.
void createCompanySchema(sqlite3* db);

struct DemoOptions {
    int lots = 3000;
    std::uint32_t seed = 1;
    QDate today = QDate::currentDate();  // order dates fall within 30 days of it, and older
};

// Writes a new demo company database at path (replacing any file there).
void generateDemoCompany(const QString& path, const DemoOptions& options);

// The day the demo company at path was generated; an invalid date when the file is missing
// or not a demo company of this build's schema.
QDate demoGeneratedOn(const QString& path);

struct DemoCompany {
    QString databasePath;  // $XDG_DATA_HOME/quorvan/DEMO.sqlite
    QString folder;        // $XDG_DATA_HOME/quorvan/DEMO, holding BMP/brisvale.bmp
};

// Draws the company logo, "BRISVALE" on a 200 x 60 24-bit BMP, written atomically. Needs a
// QGuiApplication (fonts); throws std::runtime_error naming the file when it cannot write.
void writeDemoLogo(const QString& path);

// The demo company, created on first use and generated again once its orders have aged
// (it keeps the day it was generated), so the order finder always has recent orders.
// Reused as it is otherwise. Throws std::runtime_error naming what failed.
DemoCompany ensureDemoCompany();

}  // namespace qv::data
