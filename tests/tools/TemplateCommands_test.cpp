// The shipped templates as the command line sees them, and sessions made
// with mirandel-cli new.
#include "CliProcess.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
QFileInfoList shippedTemplates()
{
    return QDir(QStringLiteral(MIRANDEL_BIN_DIR) + u"/templates"_s).entryInfoList({u"*.LSS"_s}, QDir::Files);
}

// The user's own templates in a folder of the test's own.
class TemplateCommands : public ::testing::Test
{
protected:
    void SetUp() override { qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path())); }
    void TearDown() override { qunsetenv("XDG_DATA_HOME"); }

    QTemporaryDir dataHome;
    QTemporaryDir dir;
};
} // namespace

TEST_F(TemplateCommands, EveryShippedTemplateIsCleanRendersAndIsListed)
{
    const QFileInfoList files = shippedTemplates();
    ASSERT_GE(files.size(), 12);
    for (const QFileInfo &file : files) {
        // Not even a warning: no template of ours flashes at the riskiest rates.
        const CliRun check = runCli({u"check"_s, file.filePath()});
        EXPECT_EQ(check.exitCode, 0) << file.fileName().toStdString();
        EXPECT_EQ(check.out + check.err, QString()) << file.fileName().toStdString();
        const CliRun render =
            runCli({u"render"_s, file.filePath(), u"-o"_s, dir.filePath(u"t.wav"_s), u"--rate"_s, u"8000"_s});
        EXPECT_EQ(render.exitCode, 0) << file.fileName().toStdString() << render.err.toStdString();
    }
    const CliRun list = runCli({u"templates"_s});
    ASSERT_EQ(list.exitCode, 0);
    ASSERT_EQ(list.outLines().size(), files.size());
    QStringList kinds;
    for (const QString &line : list.outLines()) {
        const QStringList fields = line.split(u'\t');
        ASSERT_EQ(fields.size(), 4) << line.toStdString();
        EXPECT_TRUE(fields.at(2).contains(u':')) << line.toStdString();
        EXPECT_GT(fields.at(3).size(), 100) << line.toStdString(); // what it does and why
        kinds << fields.at(1);
    }
    kinds.removeDuplicates();
    kinds.sort();
    EXPECT_EQ(kinds, QStringList({u"dual"_s, u"pulsed"_s}));
}

TEST_F(TemplateCommands, NewWritesTheSessionOrSaysWhyNot)
{
    const QString out = dir.filePath(u"new.LSS"_s);
    const struct
    {
        QStringList arguments;
        int exitCode;
        const char *firstLine; // of the file written; of stderr otherwise
    } cases[] = {
        {{u"-o"_s, out}, 0, ";unnamed"},
        {{u"--kind"_s, u"dual"_s, u"-o"_s, out}, 0, ";unnamed"},
        {{u"--template"_s, u"first TRY"_s, u"--kind"_s, u"pulsed"_s, u"-o"_s, out}, 0, ";unnamed"},
        {{u"--template"_s, u"First try"_s, u"--kind"_s, u"dual"_s, u"-o"_s, out}, 1,
         "mirandel-cli: the template \"First try\" is a pulsed session, not dual"},
        {{u"--template"_s, u"nothing"_s, u"-o"_s, out}, 1,
         "mirandel-cli: there is no template named \"nothing\" (mirandel-cli templates lists them)"},
        {{u"-o"_s, dir.filePath(u"missing/new.LSS"_s)}, 1, "Cannot create file"},
        {{u"--kind"_s, u"both"_s, u"-o"_s, out}, 2, "usage: mirandel-cli new"},
        {{u"--kind"_s, u"dual"_s}, 2, "usage: mirandel-cli new"},
        {{u"-o"_s}, 2, "usage: mirandel-cli new"},
    };
    for (const auto &c : cases) {
        QFile::remove(out);
        const CliRun run = runCli(QStringList{u"new"_s} + c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(u' ').toStdString();
        QFile file(out);
        const QString first = file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readLine()).trimmed()
                                                             : run.errLines().value(0);
        EXPECT_TRUE(first.startsWith(QString::fromUtf8(c.firstLine))) << first.toStdString();
        if (c.exitCode == 0) {
            const CliRun check = runCli({u"check"_s, out});
            EXPECT_EQ(check.exitCode, 0) << c.arguments.join(u' ').toStdString();
        }
    }
}
