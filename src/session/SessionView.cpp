#include "session/SessionView.h"

using namespace Qt::Literals::StringLiterals;

QString sessionCaption(const QString &sessionName, bool squareBrackets)
{
    return squareBrackets ? u"Mirandel for Ambrion/Calidor - [%1]"_s.arg(sessionName)
                          : u"Mirandel for Ambrion/Calidor - (%1)"_s.arg(sessionName);
}
