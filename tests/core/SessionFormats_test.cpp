#include "DefaultSegments.h"
#include "TestSupport.h"

#include "core/exchange/SessionFormats.h"
#include "core/help/HelpTopics.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
QString nameOf(const std::optional<FileFormat> &format)
{
    return format ? format->name : u"-"_s;
}
} // namespace

TEST(SessionFormats, APathFindsItsFormatByExtensionInAnyCase)
{
    struct Case
    {
        QString path;
        QString openable;   // what Recent Files opens it as
        bool dropped;       // a drop takes it
        QString importable; // what File > Import reads it as
        QString exportable; // what Export Session As writes it as
    } const cases[] = {
        {u"/a/b.LSS"_s, u"Light/Sound Source (LSS)"_s, true, u"-"_s, u"-"_s},
        {u"b.lss"_s, u"Light/Sound Source (LSS)"_s, true, u"-"_s, u"-"_s},
        {u"b.Sbg"_s, u"SBaGen schedules"_s, true, u"SBaGen schedules"_s, u"SBaGen schedules"_s},
        {u"b.gnaural"_s, u"Gnaural schedules"_s, true, u"Gnaural schedules"_s, u"Gnaural schedules"_s},
        {u"b.TXT"_s, u"Cells as text"_s, false, u"Cells as text"_s, u"-"_s},
        {u"b.tsv"_s, u"Cells as text"_s, false, u"Cells as text"_s, u"-"_s},
        {u"b.wav"_s, u"-"_s, false, u"-"_s, u"-"_s},
        {u"sbg"_s, u"-"_s, false, u"-"_s, u"-"_s},
        {u"b.sbg.bak"_s, u"-"_s, false, u"-"_s, u"-"_s},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(nameOf(SessionFormats::openableFormatOf(c.path)), c.openable) << c.path.toStdString();
        EXPECT_EQ(SessionFormats::droppedFormatOf(c.path).has_value(), c.dropped) << c.path.toStdString();
        EXPECT_EQ(nameOf(SessionFormats::formatOf(c.path, SessionFormats::importable())), c.importable)
            << c.path.toStdString();
        EXPECT_EQ(nameOf(SessionFormats::formatOf(c.path, SessionFormats::exportable())), c.exportable)
            << c.path.toStdString();
    }
}

TEST(SessionFormats, FiltersAndListsNameEveryFormatInOrder)
{
    EXPECT_EQ(SessionFormats::importFilter(),
              u"Schedules and cells|*.sbg;*.gnaural;*.tsv;*.txt|SBaGen schedules|*.sbg|Gnaural schedules|*.gnaural|"
              u"Cells as text|*.tsv;*.txt"_s);
    EXPECT_EQ(SessionFormats::exportFilter(),
              u"SBaGen schedules|*.sbg|Gnaural schedules|*.gnaural"_s);
    EXPECT_EQ(SessionFormats::sessionFile().dialogFilter(), u"Light/Sound Source (LSS)|*.LSS"_s);
    EXPECT_EQ(SessionFormats::extensionList(SessionFormats::importable()), u".sbg, .gnaural, .tsv or .txt"_s);
    EXPECT_EQ(SessionFormats::extensionList(SessionFormats::exportable()), u".sbg or .gnaural"_s);
    EXPECT_EQ(SessionFormats::extensionList({SessionFormats::sessionFile()}), u".LSS"_s);
    EXPECT_EQ(SessionFormats::importable().last().nameFilter(), u"Cells as text (*.tsv *.txt)"_s);
}

// A format's writer and reader belong together: what one writes, the other
// reads back as the same number of segments, and the losses are laid out as
// the format says.
TEST(SessionFormats, EachExportedFileImportsBackThroughItsOwnFormat)
{
    QTemporaryDir dir;
    const Session session = sessionOfDefaultSegments(PulsedSession, 3);
    for (const FileFormat &format : SessionFormats::exportable()) {
        SCOPED_TRACE(format.name.toStdString());
        const QString path = dir.filePath(u"out."_s + format.extensions.first());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(format.exportTo(session).bytes);
        file.close();
        const SessionImport imported = format.import(path);
        ASSERT_TRUE(imported.session) << imported.error.toStdString();
        EXPECT_EQ(imported.session->cells.columnCount(), 3);
        EXPECT_EQ(format.exportLosses, FileFormat::Losses::ByRow);
        EXPECT_EQ(format.importLosses, FileFormat::Losses::ByChange);
    }
}

// The help page on import and export names every format the program
// exchanges.
TEST(SessionFormats, TheHelpPageNamesEveryExchangedExtension)
{
    const QString helpSources = QDir(QStringLiteral(MIRANDEL_TEST_DATA)).filePath(u"../../help"_s);
    QFile page(HelpTopics::topicFile(helpSources, u"Import_and_export"_s));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << page.fileName().toStdString();
    const QString text = QString::fromUtf8(page.readAll());
    for (const FileFormat &format : SessionFormats::importable() + SessionFormats::exportable()) {
        for (const QString &extension : format.extensions)
            EXPECT_TRUE(text.contains(u"<tt>."_s + extension + u"</tt>"_s)) << extension.toStdString();
    }
}
