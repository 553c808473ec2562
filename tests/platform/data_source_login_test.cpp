#include "platform/data_source_login.h"
#include "platform/database.h"
#include "tests/support/odbc_data_source.h"
#include "tests/support/tds_stand_in.h"
#include "tests/support/thrown_text.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using qv::platform::DataSourceLogin;

// What QODBC appends after ";UID=" and ";PWD=": each value one attribute, the last one ended.
TEST(ConnectionAttributes, EachValueIsOneAttributeAndTheLastIsEnded) {
    const std::pair<DataSourceLogin, DataSourceLogin> cases[] = {
        {{"", ""}, {"", ""}},
        {{"quorvan", ""}, {"quorvan;", ""}},
        {{"", "s3cret"}, {"", "s3cret;"}},
        {{"a}b=c{d e", "x;Database=other"}, {"a}b=c{d e", "{x;Database=other};"}},
        {{"{brace", "semi;close}"}, {"{{brace}", "{semi;close}}};"}},
    };
    for (const auto& [login, sent] : cases) {
        const auto attributes = qv::platform::connectionAttributes(login);
        EXPECT_EQ(attributes.user.toStdString(), sent.user.toStdString());
        EXPECT_EQ(attributes.password.toStdString(), sent.password.toStdString());
    }
}

// The user's and the system's data source files, in folders of the test's own.
TEST(ReadDataSourceLogin, ReadsTheEntryTheDriverManagerConnectsWith) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("system"));
    for (const auto& [name, text] :
         {std::pair{"user.ini",
                    "[SQLLOGIN]\nDriver=FreeTDS\nUID=quorvan\nPWD=s3cret\n"
                    "[SPELLED]\nuser =  Quorvan Reader  \nPASSWORD=p;w # kept\n"
                    "[BOTH]\nUID=first\nUser=second\nPWD=\nPassword=fallback\n"
                    "[SHADOWED]\nDriver=FreeTDS\n"
                    "[UNICODE]\nUID=j\xc3\xbcrgen\nPWD=p\xc3\xa4ss\xe2\x82\xac\n"},
          std::pair{"system/odbc.ini",
                    "[SHADOWED]\nUID=system\nPWD=system\n"
                    "[SYSTEMWIDE]\nUID=everyone\nPassword=shared\n"}}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) > 0);
    }
    qputenv("ODBCINI", dir.filePath("user.ini").toUtf8());
    qputenv("ODBCSYSINI", dir.filePath("system").toUtf8());

    const std::pair<const char*, DataSourceLogin> cases[] = {
        {"SQLLOGIN", {"quorvan", "s3cret"}},
        {"SPELLED", {"Quorvan Reader", "p;w # kept"}},
        {"BOTH", {"first", "fallback"}},
        {"SHADOWED", {"", ""}},  // the user's entry hides the system's whole
        {"SYSTEMWIDE", {"everyone", "shared"}},
        {"UNICODE", {"j\xc3\xbcrgen", "p\xc3\xa4ss\xe2\x82\xac"}},
        {"NOSUCH", {"", ""}},
    };
    for (const auto& [dataSource, expected] : cases) {
        const auto login = qv::platform::readDataSourceLogin(dataSource);
        EXPECT_EQ(login.user.toStdString(), expected.user.toStdString()) << dataSource;
        EXPECT_EQ(login.password.toStdString(), expected.password.toStdString()) << dataSource;
    }
}

// FreeTDS, which reads no login from a data source itself, against a stand-in server that
// records the login it gets and refuses it as SQL Server does.
TEST(FreeTdsLogin, TheDataSourceLoginArrivesWholeAndTheRefusalNamesOnlyTheUser) {
    std::string why;
    const QString driver = qv::tests::registeredDriver("libtdsodbc", "tdsodbc", why);
    if (driver.isEmpty())
        GTEST_SKIP() << "No FreeTDS test: " << why;
    qv::tests::TdsStandIn standIn;
    QTemporaryDir dir;
    const std::pair<QStringList, DataSourceLogin> cases[] = {
        {{}, {"", ""}},  // none in the data source: none from the program either (first, so
                         // no earlier login is still recorded)
        {{"User=reader", "Password=x;Database=other"}, {"reader", "x;Database=other"}},
        {{"uid=brace", "pwd={open"}, {"brace", "{open"}},
        {{"UID=j\xc3\xbcrgen", "PWD=p\xc3\xa4ss\xe2\x82\xac"},
         {"j\xc3\xbcrgen", "p\xc3\xa4ss\xe2\x82\xac"}},
    };
    int count = 0;
    for (const auto& [lines, expected] : cases) {
        // A data source of its own per case: the driver manager keeps what it read from the
        // files for a while, by data source name.
        const QString name = QStringLiteral("BRISVALE%1").arg(++count);
        qv::tests::addDataSource(
            dir.path(), name,
            QStringList{"Driver=" + driver, "Server=127.0.0.1",
                        QStringLiteral("Port=%1").arg(standIn.port()), "Database=BRISVALEDB",
                        "TDS_Version=7.4", "ClientCharset=UTF-8"} +
                lines);
        const QString text = qv::tests::thrownText<qv::platform::DbError>(
            [&] { qv::platform::Connection::open(qv::platform::connectionString(name), {}); });
        const qv::tests::TdsLogin login = standIn.login();
        EXPECT_FALSE(text.isEmpty());
        EXPECT_EQ(login.user.toStdString(), expected.user.toStdString()) << text.toStdString();
        if (lines.isEmpty())
            continue;
        EXPECT_EQ(login.password.toStdString(), expected.password.toStdString())
            << text.toStdString();
        EXPECT_EQ(login.database.toStdString(), "BRISVALEDB");
        EXPECT_TRUE(text.contains("Login failed for user '" + expected.user + "'."))
            << text.toStdString();
        EXPECT_FALSE(text.contains(expected.password)) << text.toStdString();
    }
}

}  // namespace
