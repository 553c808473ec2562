#pragma once
// The what() text of the E a call throws, or "" when it throws none; any other exception
// passes through and fails the test.
#include <QString>

namespace qv::tests {

template <typename E, typename F>
QString thrownText(F&& call) {
    try {
        call();
    } catch (const E& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

}  // namespace qv::tests
