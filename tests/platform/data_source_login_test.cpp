#include "platform/data_source_login.h"
#include "platform/database.h"
#include "tests/support/odbc_data_source.h"
#include "tests/support/tds_stand_in.h"
#include "tests/support/thrown_text.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using qv::platform::Connection;
using qv::platform::connectionString;
using qv::platform::DatabaseSetting;
using qv::platform::DbError;

// Opens the company's data source and returns the error it gives.
QString openingError(const QString& company) {
    return qv::tests::thrownText<DbError>(
        [&] { Connection::open(connectionString(company), DatabaseSetting{}); });
}

// What QODBC appends after ";UID=" and ";PWD=": each value one attribute, the last one ended.
TEST(ConnectionAttributes, EachValueIsOneAttributeAndTheLastIsEnded) {
    const struct {
        qv::platform::DataSourceLogin login, sent;
    } cases[] = {
        {{"", ""}, {"", ""}},
        {{"quorvan", "s3cret"}, {"quorvan", "s3cret;"}},
        {{"quorvan", ""}, {"quorvan;", ""}},
        {{"", "s3cret"}, {"", "s3cret;"}},
        {{"a}b=c{d e", "x;Database=other"}, {"a}b=c{d e", "{x;Database=other};"}},
        {{"{brace", "semi;close}"}, {"{{brace}", "{semi;close}}};"}},
    };
    for (const auto& c : cases) {
        const auto sent = qv::platform::connectionAttributes(c.login);
        EXPECT_EQ(sent.user.toStdString(), c.sent.user.toStdString());
        EXPECT_EQ(sent.password.toStdString(), c.sent.password.toStdString());
    }
}

// The user's and the system's data source files, in folders of the test's own.
TEST(ReadDataSourceLogin, ReadsTheEntryTheDriverManagerConnectsWith) {
    QTemporaryDir dir;
    const auto write = [&](const QString& name, const char* text) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) > 0);
    };
    ASSERT_TRUE(QDir(dir.path()).mkdir("system"));
    write("user.ini",
          "[SQLLOGIN]\nDriver=FreeTDS\nUID=quorvan\nPWD=s3cret\n"
          "[SPELLED]\nuser =  Quorvan Reader  \nPASSWORD=p;w # kept\n"
          "[BOTH]\nUID=first\nUser=second\nPWD=\nPassword=fallback\n"
          "[KERBEROS]\nDriver=FreeTDS\nTrusted_Connection=yes\n"
          "[SHADOWED]\nDriver=FreeTDS\n"
          "[UNICODE]\nUID=j\xc3\xbcrgen\nPWD=p\xc3\xa4ss\xe2\x82\xac\n");
    write("system/odbc.ini",
          "[SHADOWED]\nUID=system\nPWD=system\n[SYSTEMWIDE]\nUID=everyone\nPassword=shared\n");
    qputenv("ODBCINI", dir.filePath("user.ini").toUtf8());
    qputenv("ODBCSYSINI", dir.filePath("system").toUtf8());

    const struct {
        const char* dataSource;
        QString user;
        QString password;
    } cases[] = {
        {"SQLLOGIN", "quorvan", "s3cret"},
        {"SPELLED", "Quorvan Reader", "p;w # kept"},
        {"BOTH", "first", "fallback"},
        {"KERBEROS", "", ""},
        {"SHADOWED", "", ""},  // the user's entry hides the system's whole
        {"SYSTEMWIDE", "everyone", "shared"},
        {"UNICODE", QString::fromUtf8("j\xc3\xbcrgen"),
         QString::fromUtf8("p\xc3\xa4ss\xe2\x82\xac")},
        {"NOSUCH", "", ""},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        const auto login = qv::platform::readDataSourceLogin(c.dataSource);
        EXPECT_EQ(login.user.toStdString(), c.user.toStdString()) << c.dataSource;
        EXPECT_EQ(login.password.toStdString(), c.password.toStdString()) << c.dataSource;
    }
}

// The SQLite ODBC driver takes a login and does without it (it reads no braces, so it is
// given none to read).
TEST(DataSourceLoginOverOdbc, ALoginIsPassedAsItIsAndNeverShown) {
    std::string why;
    if (qv::tests::registeredSqlite3Driver(why).isEmpty())
        GTEST_SKIP() << "No ODBC test: " << why;
    QTemporaryDir dir;
    const QString file = dir.filePath("brisvale.sqlite");
    {
        QFile create(file);  // an empty file is an empty SQLite database
        ASSERT_TRUE(create.open(QIODevice::WriteOnly));
    }
    qv::tests::addOdbcDataSource(dir.path(), "BRISVALE", file, {"UID=quorvan", "PWD=s3cret"});
    qv::tests::addOdbcDataSource(dir.path(), "NOFILE", dir.filePath("missing.sqlite"),
                                 {"User=quorvan", "Password=Hush-5ecret"});

    EXPECT_EQ(openingError("BRISVALE"), "");
    const QString text = openingError("NOFILE");
    EXPECT_TRUE(text.contains("NOFILE")) << text.toStdString();
    EXPECT_FALSE(text.contains("Hush")) << text.toStdString();
}

// FreeTDS, which reads no login from a data source itself, against a stand-in server that
// records the login it gets and refuses it as SQL Server does.
class FreeTdsLogin : public ::testing::Test {
protected:
    void SetUp() override {
        std::string why;
        driver_ = qv::tests::registeredDriver("libtdsodbc", "tdsodbc", why);
        if (driver_.isEmpty())
            GTEST_SKIP() << "No FreeTDS test: " << why;
        standIn_ = std::make_unique<qv::tests::TdsStandIn>();
    }
    // A data source of its own per call: the driver manager keeps what it read from the
    // files for a while, by data source name.
    QString open(const QStringList& login) {
        const QString name = QStringLiteral("BRISVALE%1").arg(++count_);
        qv::tests::addDataSource(
            dir_.path(), name,
            QStringList{"Driver=" + driver_, "Server=127.0.0.1",
                        QStringLiteral("Port=%1").arg(standIn_->port()), "Database=BRISVALEDB",
                        "TDS_Version=7.4", "ClientCharset=UTF-8"} +
                login);
        return openingError(name);
    }

    QString driver_;
    QTemporaryDir dir_;
    std::unique_ptr<qv::tests::TdsStandIn> standIn_;
    int count_ = 0;
};

TEST_F(FreeTdsLogin, TheDataSourceLoginArrivesWholeAndTheRefusalNamesOnlyTheUser) {
    const struct {
        QStringList lines;
        QString user;
        QString password;
    } cases[] = {
        {{"UID=quorvan", "PWD=s3cret"}, "quorvan", "s3cret"},
        {{"User=reader", "Password=x;Database=other"}, "reader", "x;Database=other"},
        {{"uid=brace", "pwd={open"}, "brace", "{open"},
        {{"UID=j\xc3\xbcrgen", "PWD=p\xc3\xa4ss\xe2\x82\xac"},
         QString::fromUtf8("j\xc3\xbcrgen"),
         QString::fromUtf8("p\xc3\xa4ss\xe2\x82\xac")},
    };
    for (const auto& c : cases) {
        const QString text = open(c.lines);
        const qv::tests::TdsLogin login = standIn_->login();
        EXPECT_TRUE(login.arrived) << text.toStdString();
        EXPECT_EQ(login.user.toStdString(), c.user.toStdString());
        EXPECT_EQ(login.password.toStdString(), c.password.toStdString());
        EXPECT_EQ(login.database.toStdString(), "BRISVALEDB");
        EXPECT_TRUE(text.contains("Login failed for user '" + c.user + "'.")) << text.toStdString();
        EXPECT_FALSE(text.contains(c.password)) << text.toStdString();
    }
}

TEST_F(FreeTdsLogin, ADataSourceWithoutALoginGetsNoneFromTheProgram) {
    const QString text = open({});
    EXPECT_FALSE(text.isEmpty());
    EXPECT_EQ(standIn_->login().user.toStdString(), "") << text.toStdString();
}

}  // namespace
