#include "core/exchange/ExchangeNumbers.h"

#include <cmath>

QString exchangeDecimal(double value)
{
    if (!std::isfinite(value))
        value = 0;
    QString text = QString::number(value, 'f', 6);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text == u"-0" ? QString(u'0') : text;
}
