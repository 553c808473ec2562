#include "tests/support/tds_stand_in.h"

#include <QByteArray>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace qv::tests {
namespace {

constexpr char kPreLogin = 0x12, kLogin7 = 0x10, kReply = 0x04;

// One packet's type and payload; type 0 when the driver hung up or took too long.
std::pair<char, QByteArray> receivePacket(int socket) {
    const auto receive = [socket](QByteArray& data) {
        for (qsizetype got = 0, now = 0; got < data.size(); got += now) {
            if ((now = recv(socket, data.data() + got, data.size() - got, 0)) <= 0)
                return false;
        }
        return true;
    };
    QByteArray header(8, '\0');
    if (!receive(header))
        return {0, {}};
    QByteArray payload(std::max(0, (uchar(header[2]) << 8 | uchar(header[3])) - 8), '\0');
    return receive(payload) ? std::pair{header[0], payload} : std::pair<char, QByteArray>{0, {}};
}

QByteArray littleEndian(quint64 value, int bytes) {
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out += char((value >> (8 * i)) & 0xff);
    return out;
}

// Packet headers and the pre-login table put the high byte first.
QByteArray bigEndian16(int value) {
    return QByteArray(1, char(value >> 8)) + char(value & 0xff);
}

void sendReply(int socket, const QByteArray& payload) {
    // The whole reply in one packet: end of message, no session, packet 1.
    const QByteArray packet = QByteArray(1, kReply) + char(0x01) +
                              bigEndian16(int(payload.size()) + 8) + QByteArray("\0\0\x01\0", 4) +
                              payload;
    send(socket, packet.constData(), packet.size(), MSG_NOSIGNAL);
}

QByteArray utf16(const QString& text, int lengthBytes) {
    QByteArray out = littleEndian(quint64(text.size()), lengthBytes);
    for (QChar c : text)
        out += littleEndian(c.unicode(), 2);
    return out;
}

// Version 15, no encryption (so the login comes in clear), no instance, no MARS.
QByteArray preLoginReply() {
    const QByteArray options[] = {QByteArray("\x0f\0\x07\xd0\0\0", 6), QByteArray(1, '\x02'),
                                  QByteArray(1, '\0'), QByteArray(), QByteArray(1, '\0')};
    QByteArray table, data;
    const int start = 5 * 5 + 1;
    for (int token = 0; token < 5; ++token) {
        const int offset = start + int(data.size()), size = int(options[token].size());
        table += char(token) + bigEndian16(offset) + bigEndian16(size);
        data += options[token];
    }
    return table + '\xff' + data;
}

// SQL Server's refusal: error 18456, state 1, class 14, then DONE with its error bit.
QByteArray loginFailedReply(const QString& user) {
    QByteArray error = littleEndian(18456, 4) + char(1) + char(14);
    error += utf16(QStringLiteral("Login failed for user '%1'.").arg(user), 2);
    error += utf16(QStringLiteral("stand-in"), 1) + utf16(QString(), 1) + littleEndian(1, 4);
    return '\xaa' + littleEndian(quint64(error.size()), 2) + error + '\xfd' + littleEndian(2, 2) +
           littleEndian(0, 2) + littleEndian(0, 8);
}

// The n-th offset and length pair of the login record, as text; the password comes with
// each byte's halves swapped and XORed with 0xA5, which is undone.
QString loginField(const QByteArray& login, int n, bool password = false) {
    const auto word = [&](int at) { return uchar(login[at]) | uchar(login[at + 1]) << 8; };
    const int pair = 36 + 4 * n;
    if (login.size() < pair + 4)
        return {};
    const int offset = word(pair), characters = word(pair + 2);
    if (login.size() < offset + 2 * characters)
        return {};
    QString text;
    for (int i = 0; i < 2 * characters; i += 2) {
        uchar bytes[2] = {uchar(login[offset + i]), uchar(login[offset + i + 1])};
        for (uchar& b : bytes)
            b = password ? uchar((b ^ 0xa5) << 4 | (b ^ 0xa5) >> 4) : b;
        text += QChar(char16_t(bytes[0] | bytes[1] << 8));
    }
    return text;
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
    thread_ = std::thread([this] { serve(); });
}

TdsStandIn::~TdsStandIn() {
    stop_ = true;
    thread_.join();
    close(listener_);
}

TdsLogin TdsStandIn::login() const {
    std::lock_guard lock(mutex_);
    return login_;
}

void TdsStandIn::serve() {
    while (!stop_) {
        pollfd waiting{listener_, POLLIN, 0};
        if (poll(&waiting, 1, 50) <= 0)
            continue;
        const int client = accept(listener_, nullptr, nullptr);
        if (client < 0)
            continue;
        // A driver that stops talking is given up on, never waited for.
        const timeval timeout{5, 0};
        setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
        answer(client);
        close(client);
    }
}

void TdsStandIn::answer(int client) {
    if (receivePacket(client).first != kPreLogin)
        return;
    sendReply(client, preLoginReply());
    const auto [type, login] = receivePacket(client);
    if (type != kLogin7)
        return;
    TdsLogin received{true, loginField(login, 1), loginField(login, 2, true), loginField(login, 8)};
    {
        std::lock_guard lock(mutex_);
        login_ = received;
    }
    sendReply(client, loginFailedReply(received.user));
}

}  // namespace qv::tests
