#include "SessionFileFolder.h"

#include "core/files/SessionFileWriter.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

QString SessionFileFolder::write(const Session &session)
{
    const QString path = mDir.filePath(u"session%1.LSS"_s.arg(++mFiles));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(sessionFileBytes(session)) >= 0) << path.toStdString();
    return path;
}
