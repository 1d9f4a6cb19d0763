// Beds kept beside the session file: saved, opened, moved, removed, damaged,
// checked, undone and carried by templates; the session file never changes.
#include "RecordingView.h"
#include "ScriptedPrompter.h"
#include "core/beds/BedAudition.h"
#include "core/beds/BedFile.h"
#include "core/check/SessionCheck.h"
#include "core/files/SessionFileReader.h"
#include "core/files/SessionFileWriter.h"
#include "core/session/NewSession.h"
#include "core/session/SessionContext.h"
#include "core/session/SessionDocument.h"
#include "core/templates/TemplateLibrary.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("RIFF") == 4;
}

class BedsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(touch(path(u"music/rain.flac"_s)));
        session = defaultSession(PulsedSession);
        session.fileName = path(u"Relax.LSS"_s);
        Bed rain;
        rain.path = path(u"music/rain.flac"_s);
        rain.gain = -12.5;
        rain.start = 30;
        rain.fadeIn = 4;
        rain.fadeOut = 8;
        rain.loop = true;
        rain.crossfade = 40;
        Bed noise;
        noise.kind = Bed::PinkNoise;
        noise.gain = -35;
        session.beds = {rain, noise};
    }

    QString path(const QString &name) const { return dir.filePath(name); }
    // The session as the program opens it from path.
    Session opened(const QString &sessionPath)
    {
        SessionDocument document;
        RecordingView view{document};
        EXPECT_TRUE(readSessionFile({document, prompter, view}, sessionPath));
        return document.session();
    }

    QTemporaryDir dir;
    ScriptedPrompter prompter;
    Session session;
};
} // namespace

TEST_F(BedsTest, SavedBedsOpenAgainBesideASessionFileOfTheSameBytes)
{
    ASSERT_TRUE(writeSessionFile(session, prompter));
    Session without = session;
    without.beds.clear();
    without.fileName = path(u"Plain.LSS"_s);
    ASSERT_TRUE(writeSessionFile(without, prompter));

    EXPECT_EQ(fileBytes(session.fileName), fileBytes(without.fileName));
    EXPECT_TRUE(QFileInfo::exists(path(u"Relax.LSS.beds"_s)));
    EXPECT_FALSE(QFileInfo::exists(path(u"Plain.LSS.beds"_s)));
    EXPECT_EQ(opened(session.fileName).beds, session.beds);
    EXPECT_TRUE(opened(without.fileName).beds.empty());
    EXPECT_TRUE(prompter.log.isEmpty()) << prompter.log.join(u'\n').toStdString();
}

TEST_F(BedsTest, AMovedSessionFindsItsFilesBesideItOrWhereTheyWere)
{
    ASSERT_TRUE(writeSessionFile(session, prompter));
    const struct
    {
        const char *name;
        bool musicMoves;
        const char *expected; // relative to the temporary folder
    } cases[] = {{"with its music", true, "moved/music/rain.flac"}, {"alone", false, "music/rain.flac"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QDir(path(u"moved"_s)).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(path(u"moved"_s)));
        ASSERT_TRUE(QFile::copy(session.fileName, path(u"moved/Relax.LSS"_s)));
        ASSERT_TRUE(QFile::copy(bedFilePath(session.fileName), path(u"moved/Relax.LSS.beds"_s)));
        if (c.musicMoves)
            ASSERT_TRUE(touch(path(u"moved/music/rain.flac"_s)));
        const Session moved = opened(path(u"moved/Relax.LSS"_s));
        ASSERT_EQ(moved.beds.size(), size_t(2));
        EXPECT_EQ(moved.beds[0].path, path(QString::fromLatin1(c.expected)));
    }
}

TEST_F(BedsTest, WithoutBedsTheirFileGoesUnlessItCouldNotBeRead)
{
    const struct
    {
        const char *name;
        QByteArray bedFile;
        bool kept;
        bool reported;
    } cases[] = {{"readable", bedFileBytes(session.beds, session.fileName), false, false},
                 {"damaged", "{\"mirandel-beds\": 1, \"beds\": [", true, true},
                 {"newer", "{\"mirandel-beds\": 9, \"beds\": []}", true, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        prompter.errors.clear();
        QFile file(bedFilePath(session.fileName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bedFile);
        file.close();
        Session plain = session;
        plain.beds.clear();
        ASSERT_TRUE(writeSessionFile(plain, prompter));
        const Session reopened = opened(session.fileName);
        EXPECT_EQ(fileBytes(bedFilePath(session.fileName)), c.kept ? c.bedFile : QByteArray());
        EXPECT_TRUE(reopened.beds.empty());
        EXPECT_EQ(prompter.errors.size(), c.reported ? 1 : 0);
        EXPECT_EQ(reopened.cells, session.cells);
    }
}

TEST_F(BedsTest, AMissingOrUnreadableFileIsANoteAndNoProblem)
{
    ASSERT_TRUE(touch(path(u"locked.wav"_s)));
    QFile(path(u"locked.wav"_s)).setPermissions(QFileDevice::WriteOwner);
    const bool rootReadsAnything = QFileInfo(path(u"locked.wav"_s)).isReadable();
    session.beds[0].path = path(u"gone.wav"_s);
    Bed locked = session.beds[0];
    locked.path = path(u"locked.wav"_s);
    session.beds.push_back(locked);
    QList<SessionProblem> notes;
    for (const SessionProblem &problem : checkSession(session)) {
        if (problem.text.startsWith(u"Bed "_s))
            notes.append(problem);
    }
    ASSERT_EQ(notes.size(), rootReadsAnything ? 1 : 2);
    EXPECT_EQ(notes[0].severity, SessionProblem::Note);
    EXPECT_TRUE(notes[0].text.contains(QDir::toNativeSeparators(path(u"gone.wav"_s))));
    EXPECT_TRUE(notes[0].text.startsWith(u"Bed 1:"_s));
    EXPECT_EQ(problemSummary(checkSession(session)), u"No problems"_s);
}

TEST_F(BedsTest, ABedEditIsOneUndoStepThatIsAnnounced)
{
    SessionDocument document(session);
    QSignalSpy changed(&document, &SessionDocument::bedsChanged);
    document.edit({u"Change Bed Gain"_s}, [](Session &edited) { edited.beds[0].gain = -3; });
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(document.undoText(), u"Change Bed Gain"_s);
    document.undo();
    EXPECT_EQ(document.session().beds, session.beds);
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(changed.count(), 2);
}

TEST_F(BedsTest, TemplatesCarryTheirBeds)
{
    const QString own = path(u"templates"_s);
    prompter.answerInput(u"Rainy"_s);
    ASSERT_TRUE(TemplateLibrary(path(u"none"_s), own).saveAsTemplate(session, prompter));
    const TemplateLibrary library(path(u"none"_s), own);
    const SessionTemplate *rainy = library.find(u"Rainy"_s);
    ASSERT_NE(rainy, nullptr);
    EXPECT_EQ(sessionFromTemplate(*rainy).beds, session.beds);
}

TEST(BedAudition, MutedBedsAreLeftOutAndSoloBedsAloneAreHeard)
{
    BedList beds(4);
    for (size_t i = 0; i < beds.size(); ++i)
        beds[i].gain = double(i);
    const struct
    {
        const char *name;
        std::vector<int> muted, solo, removed;
        std::vector<double> heard; // the gains of the beds heard
    } cases[] = {{"all", {}, {}, {}, {0, 1, 2, 3}},
                 {"muted", {1, 3}, {}, {}, {0, 2}},
                 {"solo over mute", {0, 2}, {2}, {}, {2}},
                 {"moved up by a removal", {3}, {}, {1}, {0, 2}}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        BedAudition audition;
        BedList now = beds;
        for (int bed : c.muted)
            audition.setMuted(bed, true);
        for (int bed : c.solo)
            audition.setSolo(bed, true);
        for (int bed : c.removed) {
            audition.remove(bed);
            now.erase(now.begin() + bed);
        }
        std::vector<double> heard;
        for (const Bed &bed : audition.heard(now))
            heard.push_back(bed.gain);
        EXPECT_EQ(heard, c.heard);
    }
}
