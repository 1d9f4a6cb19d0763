#pragma once

#include <QString>

// A number as the peer formats write it: plain decimals, no exponent, no
// trailing zeros ("7.83", "240", "0.046667").
QString exchangeDecimal(double value);
