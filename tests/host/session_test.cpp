#include "host/host_error.h"
#include "host/signon_profile.h"
#include "host/view.h"
#include "tests/host/sample_company.h"
#include "tests/support/lock_holder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <gtest/gtest.h>

namespace qv::host {
namespace {

// Each test gets its own configuration and data folders, so profiles never leak.
class SessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        qputenv("XDG_DATA_HOME", data.path().toUtf8());
    }

    void writeProfile(const QByteArray& text) {
        QDir().mkpath(config.path() + "/quorvan");
        QFile file(config.path() + "/quorvan/host.ini");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    std::unique_ptr<HostSession> create(int& signonId) {
        SessionManager manager;
        manager.appId = "XY";
        return manager.createSession(QString(), signonId);
    }

    // Writes the profile and gives the reason the session it names did not open.
    QString failureFor(const QByteArray& profile) {
        writeProfile(profile);
        int signonId = 0;
        auto session = create(signonId);
        EXPECT_FALSE(session->isOpened()) << profile.toStdString();
        return session->failure();
    }

    QTemporaryDir config, data;
};

TEST_F(SessionTest, WithoutProfileTheDemoCompanyOpens) {
    int signonId = 0;
    auto session = create(signonId);
    ASSERT_TRUE(session->isOpened()) << session->failure().toStdString();
    EXPECT_EQ(session->companyId(), "DEMO");
    EXPECT_TRUE(session->folder().startsWith(data.path()));
    EXPECT_TRUE(session->failure().isEmpty());
    EXPECT_GT(signonId, 0);
    auto categories = session->openDbLink(1, 1)->openView("IC0210");
    EXPECT_TRUE(categories->fetch());

    session->close();
    EXPECT_FALSE(session->isOpened());
    EXPECT_THROW(session->openDbLink(1, 1), HostError);
    SignonManager().signoff(signonId);
    EXPECT_THROW(SignonManager().signoff(signonId), HostError);
}

TEST_F(SessionTest, ProfileNamesTheCompany) {
    tests::TestCompany company;
    tests::fillSampleCompany(company);
    writeProfile("; site profile\n[other]\nx = 1\n[SignOn]\nCompany = BRISVL\ndatabase = sqlite:" +
                 company.path().toUtf8() + "\nfolder = \"" + company.folder().toUtf8() + "\"\n");
    int first = 0, second = 0;
    auto session = create(first);
    create(second);
    EXPECT_NE(first, second);
    ASSERT_TRUE(session->isOpened()) << session->failure().toStdString();
    EXPECT_EQ(session->companyId(), "BRISVL");
    EXPECT_EQ(session->folder(), company.folder());
    auto view = session->openDbLink(1, 1)->openView("IC0370");
    ASSERT_TRUE(view->fetch());
    EXPECT_EQ(view->field("LOCATION").toString().trimmed(), "A1");
}

TEST_F(SessionTest, BadProfileGivesASessionNotOpenedWithTheReason) {
    EXPECT_TRUE(failureFor("[signon]\ncompany = X\ndatabase = sqlite:/no/such/dir/x.sqlite\n")
                    .contains("X"));
    EXPECT_TRUE(failureFor("[signon]\ncompany = X\njunk\n").contains("line 3"));
    EXPECT_TRUE(failureFor("[signon]\ncompny = X\n").contains("compny"));
    EXPECT_TRUE(failureFor("[signon]\nfolder = /tmp\n").contains("company"));
    EXPECT_TRUE(failureFor("company = X\n").contains("[signon]"));
    EXPECT_TRUE(failureFor("[signon]\ncompany = X\ndatabase = mysql\n").contains("database"));
}

TEST_F(SessionTest, FileThatIsNoCompanyGivesASessionNotOpened) {
    QTemporaryDir files;
    for (const auto& [name, content] : {std::pair{"notes.txt", "not a company\n"}, {"empty", ""}}) {
        QFile file(files.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(files.filePath("other.sqlite").toUtf8().constData(), &db), SQLITE_OK);
    sqlite3_exec(db, "CREATE TABLE T (A)", nullptr, nullptr, nullptr);
    sqlite3_close(db);

    const std::pair<QString, QString> cases[] = {
        {"notes.txt", "file is not a database"},
        {"empty", "cannot read the database of company X: no such table: ICXLOT"},
        {"other.sqlite", "cannot read the database of company X: no such table: ICXLOT"},
    };
    for (const auto& [name, reason] : cases) {
        const QString failure = failureFor(
            "[signon]\ncompany = X\ndatabase = sqlite:" + files.filePath(name).toUtf8() + "\n");
        EXPECT_TRUE(failure.contains(reason)) << failure.toStdString();
    }
}

TEST_F(SessionTest, LockedCompanyGivesTheLockAsTheReason) {
    if (!tests::LockHolder::available())
        GTEST_SKIP() << "no sqlite3 shell to hold a lock";
    tests::TestCompany company;
    const tests::LockHolder lock(company.path());
    const QString failure =
        failureFor("[signon]\ncompany = X\ndatabase = sqlite:" + company.path().toUtf8() + "\n");
    EXPECT_EQ(failure.toStdString(), "cannot read the database of company X: database is locked");
}

// The example in the README, copied as it stands, comments after the values included.
TEST_F(SessionTest, TheReadmesProfileExampleReadsAsPrinted) {
    QFile readme(QStringLiteral(QV_SOURCE_DIR "/README.md"));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString text = QString::fromUtf8(readme.readAll());
    const QString fence = "```ini\n";
    const qsizetype start = text.indexOf(fence) + fence.size();
    const qsizetype end = text.indexOf("```", start);
    ASSERT_TRUE(start >= fence.size() && end > start) << "no ini example in README.md";
    writeProfile(text.mid(start, end - start).toUtf8());

    const auto profile = readSignonProfile(signonProfilePath());
    ASSERT_TRUE(profile.has_value());
    EXPECT_EQ(profile->company, "BRISVALE");
    EXPECT_EQ(profile->database.kind, platform::DatabaseSetting::Kind::Odbc);
    EXPECT_EQ(profile->folder, "/srv/accounting");
}

TEST_F(SessionTest, ACommentStartsAtASemicolonAfterABlank) {
    const std::pair<const char*, const char*> cases[] = {
        {"folder=/srv/a ; the host folder; logo below", "/srv/a"},
        {"folder=/srv/a\t;tab", "/srv/a"},
        {"folder=/srv/a;b", "/srv/a;b"},
        {"folder=\"/srv/a ;b\"   ; quoted", "/srv/a ;b"},
        {"folder=\"/srv/a\"", "/srv/a"},
        {"folder=\"say \"hi\"\" ; x \"y\"", "say \"hi\""},
        {"folder= ; none", ""},
    };
    for (const auto& [line, folder] : cases) {
        SCOPED_TRACE(line);
        writeProfile(QByteArray("[signon]\ncompany=BRISVL\n") + line + "\n");
        const auto profile = readSignonProfile(signonProfilePath());
        ASSERT_TRUE(profile.has_value());
        EXPECT_EQ(profile->folder.toStdString(), folder);
    }
    // What the writer writes reads back as it was, blanks and " ;" included.
    writeSignonProfile(signonProfilePath(), "BRISVL", "sqlite:/data/a ;b.sqlite", " /srv/a ;b ");
    const auto written = readSignonProfile(signonProfilePath());
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(written->database.sqlitePath, "/data/a ;b.sqlite");
    EXPECT_EQ(written->folder, " /srv/a ;b ");
}

TEST_F(SessionTest, ProfileDefaultsToOdbc) {
    EXPECT_FALSE(readSignonProfile(signonProfilePath()).has_value());
    writeProfile("[signon]\ncompany=BRISVL\n");
    const auto profile = readSignonProfile(signonProfilePath());
    ASSERT_TRUE(profile.has_value());
    EXPECT_EQ(profile->company, "BRISVL");
    EXPECT_EQ(profile->database.kind, platform::DatabaseSetting::Kind::Odbc);
    EXPECT_TRUE(profile->folder.isEmpty());
}

}  // namespace
}  // namespace qv::host
