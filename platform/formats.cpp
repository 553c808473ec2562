#include "platform/formats.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace qv::platform {

namespace {

enum class Half { AwayFromZero, ToEven };

// Rounds to a whole number. Quantities come from decimal columns that may arrive as
// doubles (SQLite), so a fraction within a few units in the last place of one half is
// taken as the half the decimal stood for: 1.005 x 100 rounds up like the decimal does.
double roundWhole(double x, Half half) {
    const double a = std::abs(x);
    const double whole = std::floor(a);
    const double fraction = a - whole;
    const double tolerance = a * 4 * std::numeric_limits<double>::epsilon();
    double rounded;
    if (std::abs(fraction - 0.5) <= tolerance) {
        const bool up = half == Half::AwayFromZero || std::fmod(whole, 2.0) != 0;
        rounded = up ? whole + 1 : whole;
    } else {
        rounded = fraction < 0.5 ? whole : whole + 1;
    }
    return std::copysign(rounded, x);
}

bool isPlaceholder(QChar c) {
    return c == u'#' || c == u'0';
}
bool isNumberChar(QChar c) {
    return isPlaceholder(c) || c == u'.' || c == u',';
}

constexpr int kMaxDecimals = 9;
constexpr int kMaxIntegerDigits = 18;
constexpr quint64 kPow10[kMaxDecimals + 1] = {1,      10,      100,      1000,      10000,
                                              100000, 1000000, 10000000, 100000000, 1000000000};

void putDigits(char16_t* out, int value, int count) {
    for (int i = count - 1; i >= 0; --i) {
        out[i] = char16_t(u'0' + value % 10);
        value /= 10;
    }
}

// The number of `count` ASCII digits at pos, or -1 when they are not all digits.
int digitsAt(QStringView text, qsizetype pos, qsizetype count) {
    if (count <= 0 || pos + count > text.size()) {
        return -1;
    }
    int value = 0;
    for (qsizetype i = pos; i < pos + count; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') {
            return -1;
        }
        value = value * 10 + (c - u'0');
    }
    return value;
}

// What may follow "yyyy-MM-dd": nothing, or " hh:mm:ss" ("T" also) with optional fraction.
bool isTimeTail(QStringView tail) {
    if (tail.isEmpty()) {
        return true;
    }
    if (tail.size() < 9 || (tail[0] != u' ' && tail[0] != u'T') || tail[3] != u':' ||
        tail[6] != u':') {
        return false;
    }
    const int h = digitsAt(tail, 1, 2), m = digitsAt(tail, 4, 2), s = digitsAt(tail, 7, 2);
    if (h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59) {
        return false;
    }
    if (tail.size() == 9) {
        return true;
    }
    const qsizetype fraction = tail.size() - 10;
    return tail[9] == u'.' && fraction <= 9 && digitsAt(tail, 10, fraction) >= 0;
}

QDate slashDate(QStringView text) {
    const qsizetype first = text.indexOf(u'/');
    const qsizetype second = first < 0 ? -1 : text.indexOf(u'/', first + 1);
    if (second < 0 || first > 2 || second - first - 1 > 2 || text.size() - second - 1 != 4) {
        return {};
    }
    const int month = digitsAt(text, 0, first);
    const int day = digitsAt(text, first + 1, second - first - 1);
    const int year = digitsAt(text, second + 1, 4);
    if (month < 0 || day < 0 || year < 0) {
        return {};
    }
    return QDate(year, month, day);
}

}  // namespace

NumberFormat::NumberFormat(QStringView pattern) {
    qsizetype begin = 0;
    while (begin < pattern.size() && !isNumberChar(pattern[begin])) {
        ++begin;
    }
    qsizetype end = pattern.size();
    while (end > begin && !isNumberChar(pattern[end - 1])) {
        --end;
    }
    const auto refuse = [&pattern] {
        throw std::invalid_argument("Unsupported number pattern \"" +
                                    pattern.toString().toStdString() + "\"");
    };
    prefix_ = pattern.left(begin).toString();
    suffix_ = pattern.mid(end).toString();

    int integerPlaceholders = 0;
    bool zeroSeen = false;
    for (qsizetype i = begin; i < end; ++i) {
        const QChar c = pattern[i];
        if (!isNumberChar(c)) {
            refuse();
        }
        if (c == u'.') {
            if (point_) {
                refuse();
            }
            point_ = true;
        } else if (c == u',') {
            if (point_) {
                refuse();
            }
            grouped_ = true;
        } else if (point_) {
            ++maxDecimals_;
            if (c == u'0') {
                minDecimals_ = maxDecimals_;
            }
        } else {
            ++integerPlaceholders;
            zeroSeen = zeroSeen || c == u'0';
            minIntegerDigits_ += zeroSeen ? 1 : 0;
        }
    }
    if (integerPlaceholders + maxDecimals_ == 0 || maxDecimals_ > kMaxDecimals ||
        minIntegerDigits_ > kMaxIntegerDigits) {
        refuse();
    }
}

QString NumberFormat::format(double value) const {
    const quint64 scale = kPow10[maxDecimals_];
    const double scaled = roundWhole(std::abs(value) * double(scale), Half::AwayFromZero);
    if (!(scaled < 1e18)) {
        // Beyond any quantity the database holds (or not a number): show it plainly.
        return QString::number(value, 'g', 17);
    }
    const auto n = quint64(scaled);
    quint64 whole = n / scale;
    quint64 fraction = n % scale;

    // Thousands separator "," and decimal point "." are fixed, not taken from the locale:
    // the texts are read back as numbers elsewhere and must look the same on every desktop.
    char16_t integer[32];
    int start = 32;
    for (int digits = 0; whole > 0 || digits < minIntegerDigits_; ++digits) {
        if (grouped_ && digits > 0 && digits % 3 == 0) {
            integer[--start] = u',';
        }
        integer[--start] = char16_t(u'0' + whole % 10);
        whole /= 10;
    }
    char16_t decimals[kMaxDecimals];
    for (int i = maxDecimals_ - 1; i >= 0; --i) {
        decimals[i] = char16_t(u'0' + fraction % 10);
        fraction /= 10;
    }
    int shown = maxDecimals_;
    while (shown > minDecimals_ && decimals[shown - 1] == u'0') {
        --shown;
    }

    QString out;
    out.reserve(prefix_.size() + suffix_.size() + (32 - start) + shown + 2);
    if (value < 0 && n != 0) {
        out += u'-';
    }
    out += prefix_;
    out += QStringView(integer + start, 32 - start);
    if (point_) {
        out += u'.';
        out += QStringView(decimals, shown);
    }
    out += suffix_;
    return out;
}

QString formatNumber(double value, QStringView pattern) {
    return NumberFormat(pattern).format(value);
}

QString formatDate(QDate date) {
    if (!date.isValid()) {
        return {};
    }
    if (date.year() < 0 || date.year() > 9999) {
        // Not four digits: Qt's ISO form would be empty, so the pattern spells it out.
        return date.toString(u"yyyy-MM-dd");
    }
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);  // one calendar conversion instead of three
    char16_t text[10] = {0, 0, 0, 0, u'-', 0, 0, u'-', 0, 0};
    putDigits(text, year, 4);
    putDigits(text + 5, month, 2);
    putDigits(text + 8, day, 2);
    return QString(reinterpret_cast<const QChar*>(text), 10);
}

QString formatTime(QTime time) {
    if (!time.isValid()) {
        return {};
    }
    char16_t text[8] = {0, 0, u':', 0, 0, u':', 0, 0};
    putDigits(text, time.hour(), 2);
    putDigits(text + 3, time.minute(), 2);
    putDigits(text + 6, time.second(), 2);
    return QString(reinterpret_cast<const QChar*>(text), 8);
}

std::optional<QDate> dateFromText(QStringView text) {
    text = text.trimmed();
    QDate date;
    if (text.size() >= 10 && text[4] == u'-' && text[7] == u'-') {
        const int year = digitsAt(text, 0, 4), month = digitsAt(text, 5, 2),
                  day = digitsAt(text, 8, 2);
        if (year >= 0 && month >= 0 && day >= 0 && isTimeTail(text.mid(10))) {
            date = QDate(year, month, day);
        }
    } else {
        date = slashDate(text);
    }
    if (!date.isValid()) {
        return std::nullopt;
    }
    return date;
}

bool readsAsDate(QStringView text) {
    return dateFromText(text).has_value();
}

std::optional<QDate> dateOf(const QVariant& value) {
    QDate date;
    switch (value.isNull() ? QMetaType::UnknownType : value.typeId()) {
        case QMetaType::QDate:
            date = value.toDate();
            break;
        case QMetaType::QDateTime:
            date = value.toDateTime().date();
            break;
        case QMetaType::QString:
            return dateFromText(value.toString());
        default:
            // Numbers are not dates: a stored yyyymmdd number is shown as its digits.
            break;
    }
    if (!date.isValid()) {
        return std::nullopt;
    }
    return date;
}

QString valueText(const QVariant& value) {
    const int type = value.metaType().id();
    if (type == QMetaType::Double || type == QMetaType::Float) {
        // Doubles hold whole numbers exactly up to 2^53; beyond that the digits are guesses.
        constexpr double kExact = 9007199254740992.0;
        const double number = value.toDouble();
        if (std::floor(number) == number && std::abs(number) <= kExact)
            return QString::number(static_cast<qint64>(number));
    }
    return value.toString();
}

double roundHalfEven(double value, int places) {
    const auto scale = double(kPow10[std::clamp(places, 0, kMaxDecimals)]);
    return roundWhole(value * scale, Half::ToEven) / scale;
}

qint32 addRounded(qint32 total, double qty, const char* what) {
    const double sum = roundWhole(double(total) + qty, Half::ToEven);
    if (!(sum >= std::numeric_limits<qint32>::min() && sum <= std::numeric_limits<qint32>::max())) {
        throw std::overflow_error(
            QStringLiteral("The %1 leaves the range of a 32-bit whole number: %2 + %3")
                .arg(QString::fromUtf8(what), QString::number(total), QString::number(qty, 'g', 15))
                .toStdString());
    }
    return qint32(sum);
}

}  // namespace qv::platform
