#include "data/demo_company.h"

#include "data/company_writer.h"
#include "data/demo_content.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cstdint>
#include <filesystem>
#include <stdexcept>

namespace qv::data {
namespace {

// Marks a file as a demo company of this build's schema: a hash of the schema text, so a
// demo company made by an older build, with other tables or views, is made again.
// user_version holds the day it was generated.
int demoApplicationId() {
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (const char* c = schemaSql; *c; ++c)
        hash = (hash ^ std::uint8_t(*c)) * 16777619u;
    return int(hash & 0x7fffffff);
}
// Orders older than 30 days drop out of the order finder; regenerate well before that.
constexpr int kDemoMaxAgeDays = 7;

int pragmaInt(sqlite3* db, const char* pragma) {
    sqlite3_stmt* stmt = nullptr;
    int value = 0;
    if (sqlite3_prepare_v2(db, pragma, -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        value = sqlite3_column_int(stmt, 0);
    sqlite3_finalize(stmt);
    return value;
}

// The CREATE INDEX statements of the schema's own indexes, which it drops: an index built
// once over all rows costs a fraction of one kept up to date while millions are written.
std::string dropIndexes(sqlite3* db) {
    sqlite3_stmt* stmt = nullptr;
    std::string create, drop;
    sqlite3_prepare_v2(db,
                       "SELECT name, sql FROM sqlite_master WHERE type = 'index' AND sql NOT NULL",
                       -1, &stmt, nullptr);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        drop += "DROP INDEX [" +
                std::string(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0))) + "];";
        create += reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)) + std::string(";");
    }
    sqlite3_finalize(stmt);
    execSql(db, drop);
    return create;
}

}  // namespace

void generateDemoCompany(const QString& path, const DemoOptions& options) {
    // Built under a temporary name beside the target and renamed when complete, so a crash
    // never leaves a half-written company under the real name.
    QTemporaryFile part(path + ".XXXXXX.part");
    if (!part.open())
        throw std::runtime_error("Cannot create " + part.fileTemplate().toStdString() + ": " +
                                 part.errorString().toStdString());
    part.close();
    // QTemporaryFile makes it private to its owner; a company file is readable like any other.
    part.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    {
        SqliteHandle db = openWritableCompany(part.fileName());
        execSql(db.get(),
                "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; PRAGMA cache_size = -200000;"
                "BEGIN");
        createCompanySchema(db.get());
        const std::string createIndexes = dropIndexes(db.get());
        {
            CompanyWriter writer(db.get());
            writeDemoContent(writer, options);
        }
        execSql(db.get(), createIndexes);
        const QDate today = options.today;
        execSql(db.get(),
                "PRAGMA application_id = " + std::to_string(demoApplicationId()) +
                    "; PRAGMA user_version = " +
                    std::to_string(today.year() * 10000 + today.month() * 100 + today.day()) +
                    "; COMMIT");
    }
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(part.fileName()).toStdString(),
                            QFile::encodeName(path).toStdString(), error);
    if (error)
        throw std::runtime_error("Cannot write the demo company " + path.toStdString() + ": " +
                                 error.message());
    part.setAutoRemove(false);
}

QDate demoGeneratedOn(const QString& path) {
    if (!QFileInfo(path).isFile())
        return {};
    sqlite3* raw = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
    SqliteHandle db(raw);
    if (!db || pragmaInt(db.get(), "PRAGMA application_id") != demoApplicationId())
        return {};
    const int day = pragmaInt(db.get(), "PRAGMA user_version");
    return QDate(day / 10000, day / 100 % 100, day % 100);
}

DemoCompany ensureDemoCompany() {
    const QString base =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/quorvan";
    const DemoCompany demo{base + "/DEMO.sqlite", base + "/DEMO"};
    const QString bmpFolder = demo.folder + "/BMP";
    if (!QDir().mkpath(bmpFolder))
        throw std::runtime_error("Cannot create the demo company folder " +
                                 bmpFolder.toStdString());

    const QDate today = QDate::currentDate();
    const QDate generated = demoGeneratedOn(demo.databasePath);
    if (!generated.isValid() || generated > today || generated.daysTo(today) > kDemoMaxAgeDays) {
        DemoOptions options;
        options.today = today;
        generateDemoCompany(demo.databasePath, options);
    }
    const QString logo = bmpFolder + "/brisvale.bmp";
    if (!QFileInfo::exists(logo))
        writeDemoLogo(logo);
    return demo;
}

}  // namespace qv::data
