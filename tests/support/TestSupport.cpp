#include "TestSupport.h"

#include "core/session/NewSession.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

QString testDataPath(const QString &name)
{
    return QString::fromUtf8(MIRANDEL_TEST_DATA) + u'/' + name;
}

QString builtProgramPath(const QString &name)
{
    return QString::fromUtf8(MIRANDEL_BIN_DIR) + u'/' + name;
}

void writeFileBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size()) << path.toStdString();
}

QByteArray readFileBytes(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

Session sessionWithTimes(SessionKind kind, std::initializer_list<const char *> times)
{
    Session session;
    session.kind = kind;
    session.cells.setColumnCount(int(times.size()));
    int column = 0;
    for (const char *time : times) {
        SessionGrid::Column cells = newSessionColumn(kind);
        cells[0] = QString::number(column + 1);
        cells[1] = QString::fromLatin1(time);
        session.cells.setColumn(column++, cells);
    }
    return session;
}
