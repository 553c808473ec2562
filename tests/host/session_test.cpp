#include "host/host_error.h"
#include "host/signon_profile.h"
#include "host/view.h"
#include "tests/host/sample_company.h"
#include "tests/support/lock_holder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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

    // The folder the profile names, read back.
    QString folderIn(const QByteArray& profile) {
        writeProfile(profile);
        const auto read = readSignonProfile(signonProfilePath());
        EXPECT_TRUE(read.has_value()) << profile.toStdString();
        return read ? read->folder : "(none)";
    }

    QTemporaryDir config, data;
};

TEST_F(SessionTest, WithoutProfileTheDemoCompanyOpens) {
    int signonId = 0;
    auto session = create(signonId);
    ASSERT_TRUE(session->isOpened()) << session->failure().toStdString();
    EXPECT_EQ(session->companyId(), "DEMO");
    int second = 0;
    create(second);
    EXPECT_GT(signonId, 0);
    EXPECT_NE(second, signonId);
    EXPECT_TRUE(session->openDbLink(1, 1)->openView("IC0210")->fetch());

    session->close();
    EXPECT_FALSE(session->isOpened());
    EXPECT_THROW(session->openDbLink(1, 1), HostError);
    SignonManager().signoff(signonId);
    EXPECT_THROW(SignonManager().signoff(signonId), HostError);
}

TEST_F(SessionTest, BadProfileOrCompanyGivesASessionNotOpenedWithTheReason) {
    // A file that is no database, and one (empty) without the company's tables.
    QTemporaryDir files;
    for (const auto& [name, content] : {std::pair{"notes.txt", "not a company\n"}, {"empty", ""}}) {
        QFile file(files.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const QByteArray company = "[signon]\ncompany = X\ndatabase = sqlite:";

    // A missing file or company is the window's start-up test, an unknown database kind the
    // platform's.
    const std::pair<QByteArray, QString> cases[] = {
        {"[signon]\ncompany = X\njunk\n", "line 3"},
        {"[signon]\ncompny = X\n", "compny"},
        {"company = X\n", "[signon]"},
        {company + files.filePath("notes.txt").toUtf8(), "file is not a database"},
        {company + files.filePath("empty").toUtf8(),
         "cannot read the database of company X: no such table: ICXLOT"},
    };
    for (const auto& [profile, reason] : cases) {
        writeProfile(profile);
        int signonId = 0;
        const auto session = create(signonId);
        EXPECT_FALSE(session->isOpened()) << profile.toStdString();
        EXPECT_TRUE(session->failure().contains(reason)) << session->failure().toStdString();
    }
    // Locked by another process: the driver's words, not a missing table.
    if (!tests::LockHolder::available())
        GTEST_SKIP() << "no sqlite3 shell to hold a lock";
    tests::TestCompany locked;
    const tests::LockHolder lock(locked.path());
    writeProfile(company + locked.path().toUtf8());
    int signonId = 0;
    EXPECT_EQ(create(signonId)->failure().toStdString(),
              "cannot read the database of company X: database is locked");
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
    EXPECT_FALSE(readSignonProfile(signonProfilePath()).has_value());
    const std::pair<const char*, const char*> cases[] = {
        {"folder=/srv/a ; the host folder; logo below", "/srv/a"},
        {"folder=/srv/a\t;tab", "/srv/a"},
        {"folder=/srv/a;b", "/srv/a;b"},
        {"folder=\"/srv/a ;b\"   ; quoted", "/srv/a ;b"},
        {"folder=\"say \"hi\"\" ; x \"y\"", "say \"hi\""},
        {"folder= ; none", ""},
    };
    for (const auto& [line, folder] : cases)
        EXPECT_EQ(folderIn("; site\n[other]\nx = 1\n[SignOn]\nCompany=B\n" + QByteArray(line)),
                  folder);

    // What the writer writes reads back as it was, blanks and " ;" included.
    writeSignonProfile(signonProfilePath(), "BRISVL", "sqlite:/data/a ;b.sqlite", " /srv/a ;b ");
    const auto written = readSignonProfile(signonProfilePath());
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(written->database.sqlitePath, "/data/a ;b.sqlite");
    EXPECT_EQ(written->folder, " /srv/a ;b ");
}

}  // namespace
}  // namespace qv::host
