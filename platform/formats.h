#pragma once
// Display formats: number patterns, dates and times as text, and whole-number totals.

#include <QDate>
#include <QString>
#include <QStringView>
#include <QTime>
#include <QVariant>

#include <optional>

namespace qv::platform {

// A number pattern, parsed once and applied to many values:
//   "#"  a digit shown only when significant,  "0"  a digit always shown,
//   ","  between integer digits: group by threes,  "."  the decimal point,
// any characters before the first or after the last placeholder are copied as they stand.
// Values are rounded half away from zero to the places shown; a zero shows no "#" digits
// ("#,###" of 0 is ""), a negative value gets a leading "-".
// Throws std::invalid_argument for a pattern outside this language.
class NumberFormat {
public:
    explicit NumberFormat(QStringView pattern);
    QString format(double value) const;

private:
    QString prefix_;
    QString suffix_;
    int minIntegerDigits_ = 0;  // "0" placeholders before the point
    int maxDecimals_ = 0;       // placeholders after the point
    int minDecimals_ = 0;       // up to the last "0" after the point
    bool grouped_ = false;
    bool point_ = false;
};

// For a text made once; loops keep a NumberFormat instead.
QString formatNumber(double value, QStringView pattern);

// "yyyy-MM-dd"; the empty text for an invalid date.
QString formatDate(QDate date);
// "hh:MM:ss": 24-hour hours, minutes, seconds, two digits each.
QString formatTime(QTime time);

// The date a text reads as: "yyyy-MM-dd", "yyyy-MM-dd hh:mm:ss[.zzz]" (also with "T"
// before the time) or "M/d/yyyy", blanks around it allowed. Plain numbers such as
// "20240507" or "0" are not dates.
std::optional<QDate> dateFromText(QStringView text);
bool readsAsDate(QStringView text);
// The date a database value holds: a date or date-time value, or a text that reads as one.
std::optional<QDate> dateOf(const QVariant& value);

// A database value as text, as the database gives it: texts untouched (CHAR padding stays),
// whole numbers without a decimal point or exponent even when they arrive as doubles
// (SQLite's decimals), the empty text for NULL.
QString valueText(const QVariant& value);

// value rounded to `places` decimals (at most 9), halves to the even neighbour, taking a
// double as the decimal it stands for: 0.125 gives 0.12, 0.375 gives 0.38.
double roundHalfEven(double value, int places);

// total + qty rounded to the nearest whole number, halves to the even neighbour.
// Throws std::overflow_error naming `what` when the result leaves the 32-bit range.
qint32 addRounded(qint32 total, double qty, const char* what = "total");

}  // namespace qv::platform
