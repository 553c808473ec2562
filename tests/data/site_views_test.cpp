// The SQL Server script and the demo schema must define the same eight site views: a site
// running the script gets what the lot search joins.
#include "tests/support/test_company.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QStringList>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(SiteViews, ScriptDefinesTheDemoSchemasViewsOverTheirOwnField) {
    QFile file(QV_SITE_VIEWS_SQL);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << QV_SITE_VIEWS_SQL;
    const QString script = QString::fromUtf8(file.readAll());

    QStringList scripted;
    static const QRegularExpression view(
        R"(CREATE VIEW dbo\.(\w+) AS\s+SELECT LOTNUM,.*? AS (\w+)\s+FROM dbo\.ICXLOTO )"
        R"(WHERE OPTFIELD = '(\w+)';\nGO\n)",
        QRegularExpression::DotMatchesEverythingOption);
    for (const auto& m : view.globalMatch(script)) {
        EXPECT_EQ(m.captured(1), "OPT" + m.captured(2));
        EXPECT_EQ(m.captured(3), m.captured(2));
        // Each batch first drops the view it creates, so the script can run again.
        EXPECT_TRUE(script.contains("IF OBJECT_ID('dbo." + m.captured(1) +
                                    "', 'V') IS NOT NULL DROP VIEW dbo." + m.captured(1) +
                                    ";\nGO\n"))
            << m.captured(1).toStdString();
        scripted << m.captured(1) + "(LOTNUM, " + m.captured(2) + ")";
    }

    qv::tests::TestCompany company;
    auto connection =
        qv::platform::Connection::open(qv::platform::connectionString("TEST"), company.setting());
    QStringList demo;
    QSqlQuery views("SELECT name FROM sqlite_master WHERE type = 'view'", connection->database());
    while (views.next()) {
        const QString name = views.value(0).toString();
        QSqlQuery columns("SELECT name FROM pragma_table_info('" + name + "')",
                          connection->database());
        QStringList names;
        while (columns.next())
            names << columns.value(0).toString();
        demo << name + "(" + names.join(", ") + ")";
    }
    scripted.sort();
    demo.sort();
    EXPECT_EQ(scripted.size(), 8);
    EXPECT_EQ(scripted, demo);
}

// Values stored padded as the accounting system stores them, found however they are spelled,
// and read through a site view: a production date is a date only for a valid eight-digit date.
TEST(SiteViews, TestCompanyValuesAreReadThroughTheViews) {
    const std::pair<QString, QString> cases[] = {
        {"20240229", "2024-02-29"}, {"20240507  ", "2024-05-07"},
        {"20230229", "NULL"},       {"20241301", "NULL"},
        {"2024050", "NULL"},        {"2024-5-7", "NULL"},
        {"2024050x", "NULL"},       {"", "NULL"}};
    qv::tests::TestCompany company;
    EXPECT_TRUE(QFileInfo(company.folder() + "/BMP/brisvale.bmp").isFile());
    company.addItem("A100", "Peas", "KG", "B");
    for (const auto& [value, date] : cases) {
        company.addLot("L" + value, "A100", "WH1", 1);
        company.addLotField("L" + value, "PRODDATE", value);
    }
    EXPECT_THROW(company.addLotField("NOSUCHLOT", "GRADE", "A"), std::runtime_error);
    EXPECT_THROW(company.addLot("l ", "a100", "wh1", 1), std::runtime_error);  // same key
    EXPECT_THROW(company.exec("SELECT * FROM NOSUCHTABLE"), std::runtime_error);
    auto connection =
        qv::platform::Connection::open(qv::platform::connectionString("TEST"), company.setting());
    for (const auto& [value, date] : cases) {
        // The lot's item and location went into its optional field.
        qv::platform::Recordset rs(*connection,
                                   "SELECT V.LOTNUM, PRODDATE FROM OPTPRODDATE V JOIN ICXLOTO O ON "
                                   "O.LOTNUM = V.LOTNUM AND O.ITEMNUM = 'a100' AND O.LOCATION = "
                                   "'WH1' AND O.VALUE = O.VALIFTEXT WHERE V.LOTNUM = 'l" +
                                       value + "'");
        ASSERT_FALSE(rs.eof()) << value.toStdString();
        EXPECT_EQ(rs.field("LOTNUM").toString(), ("L" + value).leftJustified(15));  // CHAR(15)
        EXPECT_EQ(rs.field("PRODDATE").isNull() ? "NULL" : rs.field("PRODDATE").toString(), date)
            << value.toStdString();
    }
}

}  // namespace
