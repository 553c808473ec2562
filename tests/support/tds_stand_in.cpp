#include "tests/support/tds_stand_in.h"

#include <QByteArray>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace qv::tests {
namespace {

constexpr char kPreLogin = 0x12, kLogin7 = 0x10;

// One packet's payload, or empty when it is not of the type expected, or the driver hung up
// or took too long.
QByteArray receivePacket(int socket, char type) {
    const auto receive = [socket](QByteArray& data) {
        for (qsizetype got = 0, now = 0; got < data.size(); got += now) {
            if ((now = recv(socket, data.data() + got, data.size() - got, 0)) <= 0)
                return false;
        }
        return true;
    };
    QByteArray header(8, '\0');
    if (!receive(header) || header[0] != type)
        return {};
    QByteArray payload(std::max(0, (uchar(header[2]) << 8 | uchar(header[3])) - 8), '\0');
    return receive(payload) ? payload : QByteArray();
}

// value's low `bytes` bytes; the packet header puts the high byte first, the payloads last.
QByteArray number(quint64 value, int bytes, bool highFirst = false) {
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out += char(value >> 8 * (highFirst ? bytes - 1 - i : i));
    return out;
}

QByteArray utf16(const QString& text, int lengthBytes) {
    return number(quint64(text.size()), lengthBytes) +
           QByteArray(reinterpret_cast<const char*>(text.utf16()), 2 * text.size());
}

void sendReply(int socket, const QByteArray& payload) {
    // The whole reply in one packet: a reply, end of message, no session, packet 1.
    const QByteArray packet =
        "\x04\x01" + number(payload.size() + 8, 2, true) + QByteArray("\0\0\x01\0", 4) + payload;
    send(socket, packet.constData(), packet.size(), MSG_NOSIGNAL);
}

// The options table (token, offset, length) and their data: version 15, no encryption (so the
// login comes in clear), no instance, no thread id, no MARS.
const QByteArray kPreLoginReply(
    "\0\0\x1a\0\x06"
    "\x01\0\x20\0\x01"
    "\x02\0\x21\0\x01"
    "\x03\0\x22\0\0"
    "\x04\0\x22\0\x01"
    "\xff\x0f\0\x07\xd0\0\0\x02\0\0",
    35);

// SQL Server's refusal: error 18456, state 1, class 14, then DONE with its error bit.
QByteArray loginFailedReply(const QString& user) {
    const QByteArray error = number(18456, 4) + "\x01\x0e" +
                             utf16(QStringLiteral("Login failed for user '%1'.").arg(user), 2) +
                             utf16(QStringLiteral("stand-in"), 1) + utf16({}, 1) + number(1, 4);
    return '\xaa' + number(error.size(), 2) + error + '\xfd' + number(2, 2) + QByteArray(10, '\0');
}

// The n-th offset and length pair of the login record, as text; the password comes with
// each byte's halves swapped and XORed with 0xA5, which is undone.
QString loginField(const QByteArray& login, int n, bool password = false) {
    const auto word = [&](int at) { return uchar(login[at]) | uchar(login[at + 1]) << 8; };
    const int pair = 36 + 4 * n;
    if (login.size() < pair + 4 || login.size() < word(pair) + 2 * word(pair + 2))
        return {};
    QByteArray text = login.mid(word(pair), 2 * word(pair + 2));
    for (char& b : text)
        b = password ? char(uchar(b ^ 0xa5) << 4 | uchar(b ^ 0xa5) >> 4) : b;
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(text.constData()), text.size() / 2);
}

}  // namespace

TdsStandIn::TdsStandIn() {
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        listen(listener_, 4) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        if (listener_ >= 0)
            close(listener_);
        throw std::runtime_error("the stand-in server cannot listen on the loopback interface");
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] {
        // Until the listener is shut down.
        for (int client; (client = accept(listener_, nullptr, nullptr)) >= 0; close(client)) {
            // A driver that stops talking is given up on, never waited for.
            const timeval timeout{5, 0};
            setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
            answer(client);
        }
    });
}

TdsStandIn::~TdsStandIn() {
    shutdown(listener_, SHUT_RDWR);
    thread_.join();
    close(listener_);
}

TdsLogin TdsStandIn::login() const {
    std::lock_guard lock(mutex_);
    return login_;
}

void TdsStandIn::answer(int client) {
    if (receivePacket(client, kPreLogin).isEmpty())
        return;
    sendReply(client, kPreLoginReply);
    const QByteArray login = receivePacket(client, kLogin7);
    if (login.isEmpty())
        return;
    const TdsLogin received{loginField(login, 1), loginField(login, 2, true), loginField(login, 8)};
    {
        std::lock_guard lock(mutex_);
        login_ = received;
    }
    sendReply(client, loginFailedReply(received.user));
}

}  // namespace qv::tests
