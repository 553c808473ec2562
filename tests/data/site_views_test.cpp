// The SQL Server script and the demo schema must define the same eight site views: a site
// running the script gets what the lot search joins.
#include "tests/support/test_company.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QStringList>

#include <gtest/gtest.h>

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
    company.addItem("A100", "Peas", "KG", "B");
    for (const auto& [value, date] : cases) {
        company.addLot("L" + value, "A100", "WH1", 1);
        company.addLotField("L" + value, "PRODDATE", value);
    }
    auto connection =
        qv::platform::Connection::open(qv::platform::connectionString("TEST"), company.setting());
    for (const auto& [value, date] : cases) {
        qv::platform::Recordset rs(
            *connection,
            "SELECT LOTNUM, PRODDATE FROM OPTPRODDATE WHERE LOTNUM = 'l" + value + "'");
        ASSERT_FALSE(rs.eof()) << value.toStdString();
        EXPECT_EQ(rs.field("LOTNUM").toString(), ("L" + value).leftJustified(15));  // CHAR(15)
        EXPECT_EQ(rs.field("PRODDATE").isNull() ? "NULL" : rs.field("PRODDATE").toString(), date)
            << value.toStdString();
    }
}

}  // namespace
