// The user's own templates: kept, found again by a new library (as after a
// restart), renamed and deleted, with the questions the user answers.
#include "RecordingView.h"
#include "ScriptedPrompter.h"
#include "core/session/NewSession.h"
#include "core/session/SessionContext.h"
#include "core/session/SessionDocument.h"
#include "core/templates/TemplateLibrary.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
class TemplateLibraryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Session shipped = defaultSession(PulsedSession);
        shipped.name = u"Shipped"_s;
        ASSERT_TRUE(library().saveAsTemplate(shipped, answering(u"Shipped"_s)));
        ASSERT_TRUE(QFile::rename(own.filePath(u"templates/Shipped.LSS"_s), this->shipped.filePath(u"Shipped.LSS"_s)));
        mine = defaultSession(DualBinauralSession);
        mine.descriptionLines = {u"Line one"_s, QString(), u"Line three"_s};
        prompter.log.clear();
    }

    TemplateLibrary library() const { return TemplateLibrary(shipped.path(), own.path() + u"/templates"_s); }
    ScriptedPrompter &answering(const QString &name)
    {
        prompter.answerInput(name);
        return prompter;
    }

    QTemporaryDir shipped;
    QTemporaryDir own;
    ScriptedPrompter prompter;
    Session mine;
};
} // namespace

TEST_F(TemplateLibraryTest, OwnTemplateSurvivesARestartIsRenamedAndDeleted)
{
    ASSERT_TRUE(library().saveAsTemplate(mine, answering(u"Mine"_s)));
    const TemplateLibrary restarted = library();
    ASSERT_EQ(restarted.templates().size(), 2);
    const SessionTemplate *kept = restarted.find(u"mine"_s);
    ASSERT_NE(kept, nullptr);
    EXPECT_TRUE(kept->own);
    EXPECT_FALSE(restarted.find(u"Shipped"_s)->own);
    EXPECT_EQ(kept->kind, DualBinauralSession);
    EXPECT_EQ(kept->totalSeconds, 60);
    EXPECT_EQ(kept->cells.column(0), mine.cells.column(0));
    EXPECT_EQ(kept->summary(), u"Line one"_s);
    EXPECT_EQ(kept->oneLineDescription(), u"Line one Line three"_s);

    TemplateLibrary renaming = library();
    ASSERT_TRUE(renaming.rename(*renaming.find(u"Mine"_s), answering(u"Ours"_s)));
    EXPECT_EQ(library().find(u"Mine"_s), nullptr);

    TemplateLibrary deleting = library();
    prompter.answerYesNo(false);
    EXPECT_FALSE(deleting.remove(*deleting.find(u"Ours"_s), prompter));
    prompter.answerYesNo(true);
    EXPECT_TRUE(deleting.remove(*deleting.find(u"Ours"_s), prompter));
    EXPECT_EQ(library().find(u"Ours"_s), nullptr);
    EXPECT_TRUE(QDir(own.path() + u"/templates"_s).isEmpty());
    EXPECT_EQ(prompter.log, QStringList({u"input: Save as Template|Name of the template:|"_s,
                                         u"input: Rename Template|New name of the template:|Mine"_s,
                                         u"confirm: Delete your template Ours?"_s,
                                         u"confirm: Delete your template Ours?"_s}));
}

TEST_F(TemplateLibraryTest, NamesThatCannotBeTaken)
{
    ASSERT_TRUE(library().saveAsTemplate(mine, answering(u"Mine"_s)));
    prompter.log.clear();
    const struct
    {
        QString name;
        QString shown; // after the input box
    } cases[] = {
        {QString(), QString()}, // Cancel
        {u"shipped"_s, u"error: Shipped is the name of a template that comes with Mirandel."_s},
        {QString(41, u'x'), u"error: A template name has at most 40 characters."_s},
        {u"MINE"_s, u"confirm: Replace your template Mine?"_s}, // answered No
        {u"Calm\nShipped"_s, u"error: A template name holds no control characters such as a line break."_s},
        {u"a/b"_s, u"error: A template name holds no / or \\."_s},
        {u"a\\b"_s, u"error: A template name holds no / or \\."_s},
        {u".hidden"_s, u"error: A template name does not start with a dot."_s},
    };
    prompter.answerYesNo(false);
    for (const auto &c : cases) {
        const bool refused = c.shown.startsWith(u"error"_s);
        // A refused name is offered again; Cancel there gives it back unchanged.
        if (refused)
            prompter.answerInput(c.name);
        EXPECT_FALSE(library().saveAsTemplate(mine, answering(c.name))) << c.name.toStdString();
        QStringList shown = c.shown.isEmpty() ? QStringList() : QStringList{c.shown};
        if (refused)
            shown << u"input: Save as Template|Name of the template:|"_s + c.name;
        EXPECT_EQ(prompter.log.mid(1), shown);
        prompter.log.clear();
    }
    EXPECT_EQ(library().templates().size(), 2);
}

TEST_F(TemplateLibraryTest, ARefusedNameIsAskedAgainAndAnOwnDescriptionChanges)
{
    prompter.answerInput(u"Shipped"_s);
    ASSERT_TRUE(library().saveAsTemplate(mine, answering(u"Shipped too"_s)));
    EXPECT_EQ(prompter.errors, QStringList{u"Shipped is the name of a template that comes with Mirandel."_s});

    TemplateLibrary describing = library();
    const SessionTemplate *kept = describing.find(u"Shipped too"_s);
    ASSERT_NE(kept, nullptr);
    EXPECT_FALSE(describing.describe(*describing.find(u"Shipped"_s), {u"Not mine"_s}, prompter));
    EXPECT_TRUE(describing.describe(*kept, {u"My own words"_s}, prompter));
    EXPECT_EQ(library().find(u"Shipped too"_s)->descriptionLines, QStringList{u"My own words"_s});

    // Opened and left as it was, a template needs no saving; edited, it does.
    const TemplateLibrary templates = library();
    Session opened = sessionFromTemplate(*templates.find(u"Shipped too"_s));
    EXPECT_TRUE(templates.isUnchangedTemplate(opened));
    opened.cells.setCell(0, VolumeRow, u"14"_s);
    EXPECT_FALSE(templates.isUnchangedTemplate(opened));
}

TEST_F(TemplateLibraryTest, OpensAsANewModifiedSession)
{
    const TemplateLibrary templates = library();
    Session session = defaultSession(DualBinauralSession);
    session.fileName = u"/somewhere/old.LSS"_s;
    SessionDocument document(session);
    RecordingView view(document);
    newSessionFromTemplate({document, prompter, view}, *templates.find(u"Shipped"_s));
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(document.session().name, u"unnamed"_s);
    EXPECT_TRUE(document.session().fileName.isEmpty());
    EXPECT_EQ(document.session().kind, PulsedSession);
}

// Two instances that both found the name free: only the first keeps it.
TEST_F(TemplateLibraryTest, TwoSavesOfOneNameAreNeverBothKept)
{
    TemplateLibrary first = library();
    TemplateLibrary second = library();
    ASSERT_TRUE(first.saveAsTemplate(mine, answering(u"Calm"_s)));
    prompter.log.clear();
    EXPECT_FALSE(second.saveAsTemplate(mine, answering(u"Calm"_s)));
    EXPECT_EQ(prompter.log.mid(1), QStringList(u"error: There is a template named Calm already."_s));
    EXPECT_EQ(QDir(own.path() + u"/templates"_s).entryList(QDir::Files), QStringList(u"Calm.LSS"_s));
}

TEST_F(TemplateLibraryTest, TheFoldersAndFilesAreTheUsersAlone)
{
    QTemporaryDir home;
    const QString data = home.filePath(u"data"_s);
    TemplateLibrary fresh(shipped.path(), data + u"/templates"_s);
    ASSERT_TRUE(fresh.saveAsTemplate(mine, answering(u"Mine"_s)));
    const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
    const struct
    {
        QString path;
        QFile::Permissions expected;
    } cases[] = {{data, ownerOnly | QFile::ExeOwner},
                 {data + u"/templates"_s, ownerOnly | QFile::ExeOwner},
                 {data + u"/templates/Mine.LSS"_s, ownerOnly}};
    for (const auto &c : cases)
        EXPECT_EQ(QFileInfo(c.path).permissions() & 0x7077, c.expected) << c.path.toStdString();
}
