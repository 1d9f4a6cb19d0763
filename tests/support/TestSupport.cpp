#include "TestSupport.h"

#include "session/NewSession.h"

using namespace Qt::Literals::StringLiterals;

QString testDataPath(const QString &name)
{
    return QString::fromUtf8(MIRANDEL_TEST_DATA) + u'/' + name;
}

QString builtProgramPath(const QString &name)
{
    return QString::fromUtf8(MIRANDEL_BIN_DIR) + u'/' + name;
}

Session sessionWithTimes(int dualSession, std::initializer_list<const char *> times)
{
    Session session;
    session.DualSession = dualSession;
    session.cells.setColumnCount(int(times.size()));
    int column = 0;
    for (const char *time : times) {
        SessionGrid::Column cells = NewSessionColumn(dualSession);
        cells[0] = QString::number(column + 1);
        cells[1] = QString::fromLatin1(time);
        session.cells.setColumn(column++, cells);
    }
    return session;
}
