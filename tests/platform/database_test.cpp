#include "platform/database.h"
#include "data/company_writer.h"
#include "tests/support/odbc_data_source.h"
#include "tests/support/thrown_text.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <iostream>

namespace {

using qv::platform::Connection;
using qv::platform::connectionString;
using qv::platform::DatabaseSetting;
using qv::platform::DbError;
using qv::platform::Recordset;

const auto errorOf = [](auto&& call) { return qv::tests::thrownText<DbError>(call); };

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The sqlite: path form is read by every sign-on profile test; here the default, the unknown
// kind and the company's data source.
TEST(DatabaseSetting, ParsesTheProfileFormsAndNamesTheCompany) {
    for (const char* odbc : {"", "ODBC"})
        EXPECT_EQ(DatabaseSetting::parse(odbc).kind, DatabaseSetting::Kind::Odbc);
    EXPECT_FALSE(errorOf([] { DatabaseSetting::parse("sqlite:"); }).isEmpty());
    EXPECT_TRUE(errorOf([] { DatabaseSetting::parse("mysql:x"); }).contains("mysql:x"));
    EXPECT_EQ(connectionString("ABC"),
              "Provider=MSDASQL.1;Persist Security Info=true;Data Source=ABC");
    EXPECT_EQ(qv::platform::dataSourceOf(connectionString("SAM INC")), "SAM INC");
    EXPECT_EQ(qv::platform::dataSourceOf("Data Source=X;User Id=y"), "X");
}

// The same company file as an SQLite file and, through the unixODBC driver manager with the
// SQLite ODBC driver standing in for SQL Server, as a data source named like a company.
class Database : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir;
        // Three items, one NOTE null and one empty.
        qv::data::execSql(
            qv::data::openWritableCompany(file()).get(),
            "CREATE TABLE ICITEM (ITEMNO CHAR(24), [DESC] CHAR(60), NOTE TEXT, QTY DECIMAL(19,4)); "
            "INSERT INTO ICITEM VALUES ('A100    ', 'Flour', NULL, 12.75), ('B200', 'Salt', '', "
            "3.5), ('C300', 'Rye', 'x', 1);");
        odbc_ = !qv::tests::registeredSqlite3Driver(skipReason_).isEmpty();
        if (odbc_) {
            qv::tests::addOdbcDataSource(dir_->path(), "BRISVALE", file());
            qv::tests::addOdbcDataSource(dir_->path(), "NOFILE", dir_->filePath("missing.sqlite"));
        }
    }
    static void TearDownTestSuite() { delete dir_; }
    static QString file() { return dir_->filePath("brisvale.sqlite"); }
    static std::unique_ptr<Connection> open(const DatabaseSetting& setting) {
        return Connection::open(connectionString("BRISVALE"), setting);
    }
    static std::vector<DatabaseSetting> settings() {
        if (!odbc_)
            std::cout << "No ODBC test, only SQLite: " << skipReason_ << '\n';
        std::vector<DatabaseSetting> all{DatabaseSetting::sqlite(file())};
        if (odbc_)
            all.push_back(DatabaseSetting{});
        return all;
    }

    static inline bool odbc_ = false;
    static inline std::string skipReason_;
    static inline QTemporaryDir* dir_ = nullptr;
};

TEST_F(Database, ReadsFieldsByNameKeepingNullApartFromEmpty) {
    const QStringList before = QSqlDatabase::connectionNames();
    for (const DatabaseSetting& setting : settings()) {
        auto connection = open(setting);
        auto other = open(setting);  // connections are separate
        EXPECT_EQ(connection->isSqlite(), setting.kind == DatabaseSetting::Kind::Sqlite);
        other.reset();
        Recordset rs(*connection,
                     "SELECT ITEMNO, [DESC] AS ItemDesc, NOTE FROM ICITEM WHERE QTY > 2");
        EXPECT_EQ(rs.fieldCount(), 3);
        ASSERT_FALSE(rs.eof());
        EXPECT_EQ(rs.field("itemno").toString() + rs.field("ITEMDESC").toString(), "A100    Flour");
        EXPECT_TRUE(rs.field("note").isNull());
        rs.moveNext();
        ASSERT_FALSE(rs.eof());
        EXPECT_FALSE(rs.field("NOTE").isNull());
        EXPECT_EQ(rs.value(rs.fieldIndex("Note")).toString(), "");
        rs.moveNext();
        EXPECT_TRUE(rs.eof());
        EXPECT_TRUE(errorOf([&] {
                        Recordset(*connection, "SELECT NOSUCH FROM ICITEM");
                    }).contains("NOSUCH"));
    }
    EXPECT_EQ(QSqlDatabase::connectionNames(), before);
}

// Whatever reaches either kind of connection is one SELECT, a write followed by COMMIT on
// the same connection included; past that check, the SQLite file is open read-only and what
// the ODBC driver takes is rolled back when the connection goes.
TEST_F(Database, NothingIsWrittenThroughEitherKind) {
    const QByteArray before = contents(file());
    // The forms a write can take are the statement guard's own test.
    const QString statements[] = {
        "INSERT INTO ICITEM VALUES ('D400', 'Sugar', NULL, 1, 0)",
        "COMMIT",
        "SELECT COUNT(*) FROM ICITEM; DELETE FROM ICITEM",
    };
    const auto itemCount = [](Connection& c) {
        return Recordset(c, "SELECT COUNT(*) AS N FROM ICITEM").field("n").toInt();
    };
    for (const DatabaseSetting& setting : settings()) {
        {
            auto connection = open(setting);
            for (const QString& sql : statements) {
                const QString text = errorOf([&] { Recordset(*connection, sql); });
                EXPECT_TRUE(text.startsWith("Only a single SELECT statement can be run: this one "))
                    << sql.toStdString() << " -> " << text.toStdString();
            }
            QSqlQuery write(connection->database());
            const bool written = write.exec("DELETE FROM ICITEM");
            EXPECT_EQ(written, !connection->isSqlite());
            EXPECT_EQ(qv::platform::errorText(write.lastError()).contains("readonly"), !written);
            EXPECT_EQ(itemCount(*connection), written ? 0 : 3);
        }
        EXPECT_EQ(itemCount(*open(setting)), 3);
    }
    EXPECT_TRUE(contents(file()) == before) << "the company file changed";
}

TEST_F(Database, AMissingCompanyIsNamedAndNeverCreated) {
    const QString missing = dir_->filePath("none.sqlite");
    EXPECT_TRUE(
        errorOf([&] { Connection::open("", DatabaseSetting::sqlite(missing)); }).contains(missing));
    EXPECT_FALSE(QFile::exists(missing));
    if (!odbc_)
        GTEST_SKIP() << "No ODBC test: " << skipReason_;
    QString text = errorOf([] { Connection::open(connectionString("NOCOMPANY"), {}); });
    EXPECT_TRUE(text.contains("NOCOMPANY")) << text.toStdString();
    EXPECT_TRUE(text.contains("not found", Qt::CaseInsensitive)) << text.toStdString();
    text = errorOf([] { Connection::open(connectionString("NOFILE"), {}); });
    EXPECT_TRUE(text.contains("NOFILE")) << text.toStdString();
    EXPECT_FALSE(QFile::exists(dir_->filePath("missing.sqlite")));
}

}  // namespace
