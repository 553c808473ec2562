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

struct DemoCompany {
    QString databasePath;  // $XDG_DATA_HOME/quorvan/DEMO.sqlite
    QString folder;        // $XDG_DATA_HOME/quorvan/DEMO, holding BMP/brisvale.bmp
};

// The demo company, created on first use. Throws std::runtime_error naming what failed.
DemoCompany ensureDemoCompany();

}  // namespace qv::data
