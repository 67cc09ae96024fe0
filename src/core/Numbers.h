#pragma once

#include <QString>

namespace core {

// The leading number of a text, "." as decimal point; 0 when the text does not start
// with a number. Leading blanks and a sign are allowed ("  75kg" is 75, "-3" is -3).
double leadingNumber(const QString &text);

// leadingNumber() rounded to the nearest whole number.
int wholeNumber(const QString &text);

} // namespace core
