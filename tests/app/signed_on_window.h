#pragma once
// The main window, offscreen, signed on to a small company that each test fills first.

#include "app/form2.h"
#include "host/signon_profile.h"
#include "tests/support/recording_ports.h"
#include "tests/support/test_company.h"

#include <QFile>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Readable failures for texts and lists of texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace qv::tests {

class SignedOnWindowTest : public ::testing::Test {
protected:
    // Signs on to the company through a sign-on profile of the test's own and loads the
    // window; call it as ASSERT_NO_FATAL_FAILURE(signOn()).
    void signOn() {
        host::writeSignonProfile(host::signonProfilePath(), "TEST", "sqlite:" + company.path(),
                                 company.folder());
        form = std::make_unique<app::Form2>(messages, clipboard);
        ASSERT_TRUE(form->Form_Load()) << messages.texts().join('|').toStdString();
    }
    void TearDown() override { QFile::remove(host::signonProfilePath()); }

    TestCompany company;
    RecordingMessagePort messages;
    RecordingClipboardPort clipboard;
    std::unique_ptr<app::Form2> form;  // last: it goes before the ports it holds
};

}  // namespace qv::tests
