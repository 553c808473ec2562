#include "platform/database.h"
#include "platform/sqlite_tsql.h"
#include "tests/support/odbc_data_source.h"
#include "tests/support/thrown_text.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using qv::platform::Connection;
using qv::platform::DatabaseSetting;
using qv::platform::DbError;
using qv::platform::Recordset;

// Writes a SQLite file from a script, with the T-SQL functions available to it.
void writeDatabase(const QString& path, const char* script) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    ASSERT_EQ(qv::platform::registerTsqlFunctions(db), SQLITE_OK);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, script, nullptr, nullptr, &error);
    EXPECT_EQ(rc, SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

const auto errorOf = [](auto&& call) { return qv::tests::thrownText<DbError>(call); };

constexpr const char* kCompany = R"(
    CREATE TABLE ICXLOT (LOTNUM CHAR(15) COLLATE TSQL_CI, ITEMNUM CHAR(24) COLLATE TSQL_CI,
                         QTYAVAIL DECIMAL(19,4), STOCKDATE DECIMAL(9,0), NOTE TEXT);
    INSERT INTO ICXLOT VALUES ('L1             ', 'A100', 12.75, 20240507, NULL),
                              ('L2', 'B200', 3.5, 20240101, ''),
                              ('L3', 'A100', 1, 0, 'x');
)";

TEST(DatabaseSetting, ParsesTheProfileForms) {
    EXPECT_EQ(DatabaseSetting::parse("").kind, DatabaseSetting::Kind::Odbc);
    EXPECT_EQ(DatabaseSetting::parse("ODBC").kind, DatabaseSetting::Kind::Odbc);
    const auto s = DatabaseSetting::parse("sqlite:/data/co.sqlite");
    EXPECT_EQ(s.kind, DatabaseSetting::Kind::Sqlite);
    EXPECT_EQ(s.sqlitePath, "/data/co.sqlite");
    EXPECT_TRUE(errorOf([] { DatabaseSetting::parse("mysql:x"); }).contains("mysql:x"));
    EXPECT_FALSE(errorOf([] { DatabaseSetting::parse("sqlite:"); }).isEmpty());
}

TEST(DatabaseSetting, ConnectionStringNamesTheCompany) {
    EXPECT_EQ(qv::platform::connectionString("ABC"),
              "Provider=MSDASQL.1;Persist Security Info=true;Data Source=ABC");
    EXPECT_EQ(qv::platform::dataSourceOf(qv::platform::connectionString("SAM INC")), "SAM INC");
    EXPECT_EQ(qv::platform::dataSourceOf("Data Source=X;User Id=y"), "X");
}

class SqliteDatabase : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        path_ = dir_.filePath("co.sqlite");
        writeDatabase(path_, kCompany);
    }
    std::unique_ptr<Connection> open() {
        return Connection::open(qv::platform::connectionString("CO"),
                                DatabaseSetting::sqlite(path_));
    }

    QTemporaryDir dir_;
    QString path_;
};

TEST_F(SqliteDatabase, ReadsFieldsByNameKeepingNullApartFromEmpty) {
    auto connection = open();
    EXPECT_TRUE(connection->isSqlite());
    Recordset rs(*connection,
                 "SELECT dbo.ICXLOT.LOTNUM, Note, CAST(QTYAVAIL AS INT) AS Qty FROM dbo.ICXLOT "
                 "WHERE ITEMNUM = 'a100   ' AND LOTNUM LIKE '%l_%'");
    EXPECT_EQ(rs.recordCount(), -1);
    EXPECT_EQ(rs.fieldCount(), 3);
    ASSERT_FALSE(rs.eof());
    EXPECT_EQ(rs.field("lotnum").toString(), "L1             ");
    EXPECT_TRUE(rs.field("NOTE").isNull());
    EXPECT_EQ(rs.value(rs.fieldIndex("qty")).toInt(), 12);
    rs.moveNext();
    ASSERT_FALSE(rs.eof());
    EXPECT_EQ(rs.field("Note").toString(), "x");
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_TRUE(errorOf([&] { rs.fieldIndex("NOSUCH"); }).contains("NOSUCH"));

    Recordset empty(*connection, "SELECT NOTE FROM ICXLOT WHERE LOTNUM = 'l2'");
    ASSERT_FALSE(empty.eof());
    EXPECT_FALSE(empty.field("NOTE").isNull());
    EXPECT_EQ(empty.field("NOTE").toString(), "");
}

TEST_F(SqliteDatabase, ErrorsCarryTheServerText) {
    auto connection = open();
    EXPECT_TRUE(errorOf([&] {
                    Recordset(*connection, "SELECT NOSUCH FROM ICXLOT");
                }).contains("no such column: NOSUCH"));
    EXPECT_TRUE(
        errorOf([&] { Recordset(*connection, "SELECT TOP 1 * FROM ICXLOT"); }).contains("TOP"));
    // The third row's date is 0: the first two rows arrive, then the error. (No ORDER BY: a
    // sort would evaluate every row before the first one.)
    Recordset rs(*connection,
                 "SELECT CONVERT(DATETIME, CONVERT(CHAR(8), STOCKDATE)) AS D FROM ICXLOT");
    EXPECT_EQ(rs.field("D").toString(), "2024-05-07 00:00:00.000");
    rs.moveNext();
    EXPECT_EQ(rs.field("D").toString(), "2024-01-01 00:00:00.000");
    EXPECT_EQ(errorOf([&] { rs.moveNext(); }),
              "Conversion failed when converting date and/or time from character string.");
    EXPECT_TRUE(rs.eof());
}

TEST_F(SqliteDatabase, OpensReadOnlyAndNeverCreatesAMissingFile) {
    QFile file(path_);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    {
        // Past the statement check, the file itself is open read-only.
        auto connection = open();
        for (const char* sql : {"DELETE FROM ICXLOT", "CREATE TABLE T (A)"}) {
            QSqlQuery write(connection->database());
            EXPECT_FALSE(write.exec(sql));
            EXPECT_TRUE(qv::platform::errorText(write.lastError()).contains("readonly")) << sql;
        }
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);

    const QString missing = dir_.filePath("none.sqlite");
    EXPECT_TRUE(
        errorOf([&] { Connection::open("", DatabaseSetting::sqlite(missing)); }).contains(missing));
    EXPECT_FALSE(QFile::exists(missing));
}

TEST_F(SqliteDatabase, ConnectionsAreSeparateAndRemovedWhenGone) {
    const QStringList before = QSqlDatabase::connectionNames();
    {
        auto first = open();
        auto second = open();
        EXPECT_NE(first->database().connectionName(), second->database().connectionName());
        first.reset();
        Recordset rs(*second, "SELECT COUNT(*) AS N FROM ICXLOT");
        EXPECT_EQ(rs.field("n").toInt(), 3);
    }
    EXPECT_EQ(QSqlDatabase::connectionNames(), before);
}

// The ODBC road through the unixODBC driver manager, with the SQLite ODBC driver standing in
// for SQL Server and a data source named like a company. The driver is the one the driver
// manager has registered, wherever its library lies.
class OdbcDatabase : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        driver_ = qv::tests::registeredSqlite3Driver(skipReason_);
        if (driver_.isEmpty())
            return;
        dir_ = new QTemporaryDir;
        writeDatabase(file(),
                      "CREATE TABLE ICITEM (ITEMNO CHAR(24), [DESC] CHAR(60), NOTE TEXT);"
                      "INSERT INTO ICITEM VALUES ('A100', 'Flour', NULL), ('B200', 'Salt', '');");
        qv::tests::addOdbcDataSource(dir_->path(), "BRISVALE", file());
        qv::tests::addOdbcDataSource(dir_->path(), "NOFILE", dir_->filePath("missing.sqlite"));
    }
    static void TearDownTestSuite() { delete dir_; }
    void SetUp() override {
        if (driver_.isEmpty())
            GTEST_SKIP() << "No ODBC test: " << skipReason_;
    }
    static QString file() { return dir_->filePath("brisvale.sqlite"); }

    static inline QString driver_;
    static inline std::string skipReason_;
    static inline QTemporaryDir* dir_ = nullptr;
};

TEST_F(OdbcDatabase, ReadsThroughTheDataSourceNamedLikeTheCompanyAndNamesAMissingOne) {
    auto connection =
        Connection::open(qv::platform::connectionString("BRISVALE"), DatabaseSetting{});
    EXPECT_FALSE(connection->isSqlite());
    const QString sql = "SELECT ITEMNO, [DESC] AS ItemDesc, NOTE FROM ICITEM ORDER BY ITEMNO";
    EXPECT_EQ(connection->prepareStatement(sql), sql);
    Recordset rs(*connection, sql);
    ASSERT_FALSE(rs.eof());
    EXPECT_EQ(rs.field("itemno").toString(), "A100");
    EXPECT_EQ(rs.field("ITEMDESC").toString(), "Flour");
    EXPECT_TRUE(rs.field("note").isNull());
    rs.moveNext();
    ASSERT_FALSE(rs.eof());
    EXPECT_FALSE(rs.field("NOTE").isNull());
    EXPECT_EQ(rs.field("NOTE").toString(), "");
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_TRUE(
        errorOf([&] { Recordset(*connection, "SELECT NOSUCH FROM ICITEM"); }).contains("NOSUCH"));

    const QString text = errorOf(
        [] { Connection::open(qv::platform::connectionString("NOCOMPANY"), DatabaseSetting{}); });
    EXPECT_TRUE(text.contains("NOCOMPANY")) << text.toStdString();
    EXPECT_TRUE(text.contains("not found", Qt::CaseInsensitive)) << text.toStdString();
}

TEST_F(OdbcDatabase, WritesAreRolledBackWhenTheConnectionGoes) {
    const auto itemCount = [](Connection& connection) {
        return Recordset(connection, "SELECT COUNT(*) AS N FROM ICITEM").field("N").toInt();
    };
    {
        // Past the statement check, a write the driver takes is rolled back.
        auto connection =
            Connection::open(qv::platform::connectionString("BRISVALE"), DatabaseSetting{});
        QSqlQuery(connection->database()).exec("DELETE FROM ICITEM");
        EXPECT_EQ(itemCount(*connection), 0);
    }
    auto connection =
        Connection::open(qv::platform::connectionString("BRISVALE"), DatabaseSetting{});
    EXPECT_EQ(itemCount(*connection), 2);
}

TEST_F(OdbcDatabase, ADataSourceWhoseFileIsMissingFailsAndCreatesNone) {
    const QString text = errorOf(
        [] { Connection::open(qv::platform::connectionString("NOFILE"), DatabaseSetting{}); });
    EXPECT_TRUE(text.contains("NOFILE")) << text.toStdString();
    EXPECT_FALSE(QFile::exists(dir_->filePath("missing.sqlite")));
}

// Whatever reaches either kind of connection is one SELECT: the same company file through
// the data source and as an SQLite file, a write followed by COMMIT on the same connection
// included.
TEST_F(OdbcDatabase, EitherKindRunsNothingButASingleSelect) {
    const auto contents = [] {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray before = contents();
    const QString attached = dir_->filePath("attached.sqlite"),
                  copy = dir_->filePath("copy.sqlite");
    const QString statements[] = {
        "INSERT INTO ICITEM VALUES ('C300', 'Sugar', NULL)",
        "UPDATE ICITEM SET NOTE = 'changed'",
        "DELETE FROM ICITEM WHERE ITEMNO = 'A100'",
        "COMMIT",
        "ATTACH DATABASE '" + attached + "' AS other",
        "PRAGMA user_version = 7",
        "VACUUM INTO '" + copy + "'",
        "SELECT COUNT(*) FROM ICITEM; DELETE FROM ICITEM",
    };
    for (const DatabaseSetting& setting : {DatabaseSetting{}, DatabaseSetting::sqlite(file())}) {
        auto connection = Connection::open(qv::platform::connectionString("BRISVALE"), setting);
        for (const QString& sql : statements) {
            const QString text = errorOf([&] { Recordset(*connection, sql); });
            EXPECT_TRUE(text.startsWith("Only a single SELECT statement can be run: this one "))
                << sql.toStdString() << " -> " << text.toStdString();
        }
        EXPECT_EQ(Recordset(*connection, "SELECT COUNT(*) AS N FROM ICITEM").field("N").toInt(), 2);
    }
    EXPECT_TRUE(contents() == before) << "the company file changed";
    EXPECT_FALSE(QFile::exists(attached));
    EXPECT_FALSE(QFile::exists(copy));
}

}  // namespace
