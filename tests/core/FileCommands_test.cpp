// Open, Save, Save As, the modified-session prompt and the session dialogs,
// answered by a script.
#include "RecordingView.h"
#include "ScriptedPrompter.h"
#include "TestSupport.h"
#include "core/files/FileCommands.h"
#include "core/files/SessionFileWriter.h"
#include "core/session/NewSession.h"
#include "core/session/Session.h"
#include "core/session/SessionContext.h"
#include "core/session/SessionDocument.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
class FileCommandsTest : public ::testing::Test
{
protected:
    static Session unnamedSession()
    {
        Session session;
        session.name = u"unnamed"_s;
        session.cells.setColumn(0, newSessionColumn(PulsedSession));
        return session;
    }

    SessionContext context() { return {document, prompter, view}; }
    QString path(const QString &name) const { return dir.filePath(name); }
    // The session as saved in name; it becomes the session's file.
    void saveAs(const QString &name)
    {
        document.setFileName(path(name));
        ASSERT_TRUE(writeSessionFile(document.session(), prompter));
    }

    QTemporaryDir dir;
    SessionDocument document{unnamedSession()};
    RecordingView view{document};
    ScriptedPrompter prompter;
};

void expectSessionFileDialog(const FileDialogRequest &request, const QString &title, const QString &initial)
{
    EXPECT_EQ(request.title, title);
    EXPECT_EQ(request.filter, u"Light/Sound Source (LSS)|*.LSS"_s);
    EXPECT_EQ(request.defaultExtension, u"LSS"_s);
    EXPECT_EQ(request.initialFileName, initial);
}
} // namespace

TEST_F(FileCommandsTest, QuerySaveModifiedNamesTheFileWithoutItsFolder)
{
    const struct
    {
        const char *file; // empty: never saved
        const char *question;
    } cases[] = {{"", "Session  has been modified. Save it?"}, {"A.LSS", "Session A.LSS has been modified. Save it?"}};
    for (const auto &c : cases) {
        ScriptedPrompter asked;
        document.setFileName(*c.file ? path(QString::fromLatin1(c.file)) : QString());
        document.markModified();
        asked.answerYesNo(false);
        EXPECT_TRUE(FileCommands::maybeSave({document, asked, view}));
        EXPECT_EQ(asked.log, QStringList(u"confirm: "_s + QString::fromLatin1(c.question)));
        EXPECT_EQ(document.isModified(), 0);
    }
}

TEST_F(FileCommandsTest, AnUnmodifiedSessionIsNotAskedAbout)
{
    document.dropChanges();
    EXPECT_TRUE(FileCommands::maybeSave(context()));
    EXPECT_TRUE(FileCommands::maybeSave(context()));
    EXPECT_TRUE(prompter.log.isEmpty());
}

TEST_F(FileCommandsTest, CloseQueryAllowsClosingOnlyWithoutUnsavedChanges)
{
    writeFileBytes(path(u"other.LSS"_s), "x");
    const struct
    {
        const char *name;
        bool yes;
        QString saveAnswer; // the Save File As dialog; empty = Cancel
        bool mayClose;
    } cases[] = {
        {"No drops the changes", false, {}, true},
        {"Yes, Save As written", true, path(u"new.LSS"_s), true},
        {"Yes, Save As cancelled", true, {}, false},
        {"Yes, File Exists", true, path(u"other.LSS"_s), false},
        {"Yes, file cannot be created", true, path(u"missing folder/x.LSS"_s), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        document.setFileName(QString());
        document.markModified();
        prompter.answerYesNo(c.yes);
        if (c.yes)
            view.saveFileNames.push_back(c.saveAnswer);
        EXPECT_EQ(FileCommands::maybeSave(context()), c.mayClose);
        EXPECT_EQ(document.isModified(), c.mayClose ? 0 : 1);
    }
}

TEST_F(FileCommandsTest, YesToThePromptOpensSaveAsWithTheFullPath)
{
    saveAs(u"A.LSS"_s);
    document.markModified();
    prompter.answerYesNo(true);
    view.saveFileNames.push_back(path(u"A.LSS"_s));
    document.edit({}, [&](Session &edited) { edited.cells.setCell(0, 9, u"85"_s); });
    EXPECT_TRUE(FileCommands::maybeSave(context()));
    ASSERT_EQ(view.saveRequests.size(), 1);
    expectSessionFileDialog(view.saveRequests.first(), u"Save File As"_s, path(u"A.LSS"_s));
    EXPECT_EQ(readFileBytes(path(u"A.LSS"_s)), sessionFileBytes(document.session()));
}

TEST_F(FileCommandsTest, SaveAsOverwritesOnlyTheSessionsOwnFile)
{
    saveAs(u"own.LSS"_s);
    writeFileBytes(path(u"other.LSS"_s), "other");
    writeFileBytes(path(u"OWN.LSS"_s), "case");
    const struct
    {
        const char *name;
        const char *chosen;
        bool written;
    } cases[] = {{"own file", "own.LSS", true},
                 {"another existing file", "other.LSS", false},
                 {"own name in other letter case", "OWN.LSS", false},
                 {"a new file", "new.LSS", true}};
    int volume = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        prompter.errors.clear();
        document.setFileName(path(u"own.LSS"_s));
        document.dropChanges();
        document.edit({}, [&](Session &edited) { edited.cells.setCell(0, 9, QString::number(volume += 14)); });
        const QString chosen = path(QString::fromLatin1(c.chosen));
        const QByteArray before = QFile::exists(chosen) ? readFileBytes(chosen) : QByteArray();
        view.saveFileNames.push_back(chosen);
        FileCommands::saveFileAs(context());
        if (c.written) {
            EXPECT_TRUE(prompter.errors.isEmpty());
            EXPECT_EQ(readFileBytes(chosen), sessionFileBytes(document.session()));
            EXPECT_EQ(document.session().fileName, chosen);
            EXPECT_EQ(document.isModified(), 0);
        } else {
            EXPECT_EQ(prompter.errors, QStringList(u"File Exists"_s));
            EXPECT_EQ(readFileBytes(chosen), before);
            EXPECT_EQ(document.session().fileName, path(u"own.LSS"_s));
            EXPECT_EQ(document.isModified(), 1);
        }
    }
}

TEST_F(FileCommandsTest, CancelledSaveAsMarksTheSessionModified)
{
    saveAs(u"A.LSS"_s);
    view.saveFileNames.push_back(QString());
    FileCommands::saveFileAs(context());
    EXPECT_EQ(document.isModified(), 1);
    EXPECT_EQ(document.session().fileName, path(u"A.LSS"_s));
}

TEST_F(FileCommandsTest, SaveWritesTheOwnFileAndAsksOnlyWithoutOne)
{
    view.saveFileNames.push_back(path(u"first.LSS"_s));
    document.markModified();
    FileCommands::saveFile(context());
    EXPECT_EQ(view.saveRequests.size(), 1);
    EXPECT_EQ(view.saveRequests.first().initialFileName, QString());
    EXPECT_EQ(document.session().fileName, path(u"first.LSS"_s));

    document.edit({}, [&](Session &edited) { edited.cells.setCell(0, 9, u"14"_s); });
    document.markModified();
    FileCommands::saveFile(context());
    EXPECT_EQ(view.saveRequests.size(), 1);
    EXPECT_EQ(document.isModified(), 0);
    EXPECT_EQ(readFileBytes(path(u"first.LSS"_s)), sessionFileBytes(document.session()));
}

TEST_F(FileCommandsTest, SaveAsThatCannotWriteKeepsTheNewNameAndTheFlag)
{
    document.dropChanges();
    const QString unwritable = path(u"missing folder/x.LSS"_s);
    view.saveFileNames.push_back(unwritable);
    FileCommands::saveFileAs(context());
    ASSERT_EQ(prompter.errors.size(), 1);
    EXPECT_TRUE(prompter.errors.first().startsWith(u"Cannot create file"_s));
    EXPECT_EQ(document.session().fileName, unwritable);
    EXPECT_EQ(document.isModified(), 0);
}

TEST_F(FileCommandsTest, AFileReadWithFormatErrorsIsReplacedOnlyAfterAYes)
{
    const QByteArray faulty = readFileBytes(testDataPath(u"format_errors.LSS"_s));
    const QString question = u"confirm: faulty.LSS was read with format errors; saving replaces it with what could "
                             u"be read. Replace it?"_s;
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes);
        writeFileBytes(path(u"faulty.LSS"_s), faulty);
        QString file = path(u"faulty.LSS"_s);
        ASSERT_TRUE(FileCommands::openStartupFile(context(), file));
        prompter.log.clear();
        prompter.answerYesNo(yes);
        FileCommands::saveFile(context());
        EXPECT_EQ(prompter.log, QStringList(question));
        EXPECT_EQ(readFileBytes(path(u"faulty.LSS"_s)), yes ? sessionFileBytes(document.session()) : faulty);
        EXPECT_EQ(document.isModified(), yes ? 0 : 1);
        // Another name, or the same file once replaced, is saved unasked.
        view.saveFileNames.push_back(path(yes ? u"faulty.LSS"_s : u"rescued.LSS"_s));
        FileCommands::saveFileAs(context());
        EXPECT_EQ(prompter.log, QStringList(question));
        EXPECT_EQ(document.isModified(), 0);
    }
}

// A cut is a loss as format errors are: Save asks, naming it.
TEST_F(FileCommandsTest, AFileReadWithACutNameIsReplacedOnlyAfterAYes)
{
    const QByteArray segments = readFileBytes(testDataPath(u"new_pulsed.LSS"_s)).mid(10); // after ";unnamed"
    const QByteArray longName = ';' + QByteArray(60, 'n') + "\r\n" + segments;
    writeFileBytes(path(u"long.LSS"_s), longName);
    QString file = path(u"long.LSS"_s);
    ASSERT_TRUE(FileCommands::openStartupFile(context(), file));
    prompter.answerYesNo(false);
    FileCommands::saveFile(context());
    EXPECT_EQ(prompter.log, QStringList(u"confirm: long.LSS was read with losses; saving replaces it with what could be "
                                        u"read, without the end of the name after 40 characters. Replace it?"_s));
    EXPECT_EQ(readFileBytes(path(u"long.LSS"_s)), longName);
}

TEST_F(FileCommandsTest, OpenReadsTheChosenFile)
{
    document.dropChanges();
    document.setFileName(path(u"current.LSS"_s));
    view.openFileNames.push_back(testDataPath(u"new_dual.LSS"_s));
    FileCommands::openFile(context());
    ASSERT_EQ(view.openRequests.size(), 1);
    expectSessionFileDialog(view.openRequests.first(), u"Select File to Read"_s, path(u"current.LSS"_s));
    EXPECT_EQ(document.session().fileName, testDataPath(u"new_dual.LSS"_s));
    EXPECT_EQ(document.session().kind, DualBinauralSession);
    EXPECT_TRUE(prompter.log.isEmpty());
}

TEST_F(FileCommandsTest, OpenOfNothingOrOfAMissingFileChangesNothing)
{
    for (const QString &answer : {QString(), path(u"missing.LSS"_s)}) {
        prompter.errors.clear();
        document.dropChanges();
        view.openFileNames.push_back(answer);
        FileCommands::openFile(context());
        EXPECT_EQ(prompter.errors, answer.isEmpty() ? QStringList() : QStringList(u"No Such File"_s));
        EXPECT_EQ(document.session().name, u"unnamed"_s);
        EXPECT_FALSE(view.sessionShown);
    }
}

TEST_F(FileCommandsTest, OpenStopsWhenTheChangesCouldNotBeSaved)
{
    document.markModified();
    prompter.answerYesNo(true);
    view.saveFileNames.push_back(QString());
    FileCommands::openFile(context());
    EXPECT_TRUE(view.openRequests.isEmpty());
    EXPECT_EQ(document.isModified(), 1);

    prompter.answerYesNo(false);
    view.openFileNames.push_back(testDataPath(u"new_pulsed.LSS"_s));
    FileCommands::openFile(context());
    EXPECT_EQ(view.openRequests.size(), 1);
    EXPECT_EQ(document.session().fileName, testDataPath(u"new_pulsed.LSS"_s));
}

TEST_F(FileCommandsTest, OnlyFilesReadOrWrittenInFullAreNamedForRecentFiles)
{
    const QString existing = testDataPath(u"new_pulsed.LSS"_s);
    view.openFileNames = {existing, path(u"missing.LSS"_s)};
    FileCommands::openFile(context());
    FileCommands::openFile(context());
    FileCommands::openNamedFile(context(), path(u"gone.LSS"_s));
    QString unreadable = dir.path();
    FileCommands::openStartupFile(context(), unreadable);
    view.saveFileNames = {path(u"missing folder/x.LSS"_s), path(u"saved.LSS"_s)};
    FileCommands::saveFileAs(context());
    FileCommands::saveFileAs(context());
    FileCommands::openNamedFile(context(), existing);
    EXPECT_EQ(view.filesOpenedOrSaved, (QStringList{existing, path(u"saved.LSS"_s), existing}));
}

TEST_F(FileCommandsTest, StartupFileIsReadOnceWithoutAPrompt)
{
    document.markModified();
    QString startup = testDataPath(u"described.LSS"_s);
    FileCommands::openStartupFile(context(), startup);
    EXPECT_TRUE(startup.isEmpty());
    EXPECT_EQ(document.cells().columnCount(), 3);
    EXPECT_TRUE(prompter.log.isEmpty());

    document.edit({}, [&](Session &edited) { edited.cells.setColumnCount(1); });
    FileCommands::openStartupFile(context(), startup);
    EXPECT_EQ(document.cells().columnCount(), 1);
}

TEST_F(FileCommandsTest, UnreadableStartupFileIsReportedOnce)
{
    QString startup = dir.path();
    FileCommands::openStartupFile(context(), startup);
    FileCommands::openStartupFile(context(), startup);
    EXPECT_EQ(prompter.errors.size(), 1);
    EXPECT_FALSE(view.sessionShown);
}

TEST_F(FileCommandsTest, NameSession)
{
    const struct
    {
        const char *name;
        std::optional<QString> answer;
        int modifiedBefore;
        QString nameAfter;
        int modifiedAfter;
    } cases[] = {{"OK", u"Alpha waves"_s, 0, u"Alpha waves"_s, 1},
                 {"OK with an empty name", QString(), 0, QString(), 1},
                 {"Cancel keeps the name and the flag", std::nullopt, 0, u"unnamed"_s, 0},
                 {"Cancel of a modified session", std::nullopt, 1, u"unnamed"_s, 1}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        document.edit({}, [&](Session &edited) { edited.name = u"unnamed"_s; });
        if (c.modifiedBefore)
            document.markModified();
        else
            document.dropChanges();
        view.sessionNames.push_back(c.answer);
        FileCommands::renameSession(context());
        EXPECT_EQ(view.nameEntries.last(), u"unnamed"_s);
        EXPECT_EQ(document.session().name, c.nameAfter);
        EXPECT_EQ(document.isModified(), c.modifiedAfter);
    }
    EXPECT_TRUE(sessionFileBytes(document.session()).startsWith(";unnamed\r\n"));
}

TEST_F(FileCommandsTest, EmptyNameIsWrittenAsASemicolonAlone)
{
    view.sessionNames.push_back(QString());
    FileCommands::renameSession(context());
    EXPECT_TRUE(sessionFileBytes(document.session()).startsWith(";\r\n1\t"));
}

TEST_F(FileCommandsTest, SessionDescriptionIsTakenOnlyWhenChangedAndConfirmed)
{
    const QStringList before{u"one"_s, u"two"_s};
    const QStringList edited{u"one"_s, QString(), u"three"_s};
    const struct
    {
        const char *name;
        SessionDescriptionAnswer answer;
        QStringList after;
        int modifiedAfter;
    } cases[] = {{"OK after a change", {true, true, edited}, edited, 1},
                 {"OK without a change", {true, false, before}, before, 0},
                 {"Cancel after a change", {false, true, edited}, before, 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        document.edit({}, [&](Session &edited) { edited.descriptionLines = before; });
        document.dropChanges();
        view.descriptionAnswers.push_back(c.answer);
        FileCommands::editDescription(context());
        EXPECT_EQ(view.descriptionsShown.last(), before);
        EXPECT_EQ(document.session().descriptionLines, c.after);
        EXPECT_EQ(document.isModified(), c.modifiedAfter);
    }
}
