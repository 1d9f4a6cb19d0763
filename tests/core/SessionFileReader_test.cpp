// The reader's rules and its handling of malformed files, one table row per case.
#include "RecordingView.h"
#include "ScriptedPrompter.h"
#include "TestSupport.h"
#include "core/files/SessionFileReader.h"
#include "core/files/SessionFileParser.h"
#include "core/session/Session.h"
#include "core/session/SessionContext.h"
#include "core/session/SessionDocument.h"
#include "core/session/ValueLists.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>
#include <tuple>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {
const QByteArray Pulsed = "1\t1:00.0\tPFr\t7.83\t240\t\t\tIN\t50\t100\t100\tnone\tnone\t\t0\t0\t";
const QByteArray Dual = "1\t1:00.0\tdbb\t7.83\t240\t15.0\t480\tIRH\t50\t100\t100\tnone\tnone\tjump\t0\t0\t";

// line with its field replaced by value.
QByteArray with(const QByteArray &line, int field, const QByteArray &value)
{
    QList<QByteArray> fields = line.split('\t');
    fields[field] = value;
    return fields.join('\t');
}

QByteArray lines(std::initializer_list<QByteArray> all)
{
    QByteArray text;
    for (const QByteArray &line : all)
        text += line + "\r\n";
    return text;
}

struct Cell
{
    int column;
    int row;
    QString text;
};

struct ReaderCase
{
    const char *name;
    QByteArray file;
    int columns;
    std::vector<Cell> cells = {};
    QStringList errors = {};
    SessionKind kind = PulsedSession;
    std::optional<QString> sessionName = {};
    std::optional<QStringList> description = {};
};

const QString FormatErrors = u"Format errors in file"_s;
const QString NulByte = u"The file holds a NUL byte; the text after it was not read."_s;

std::vector<ReaderCase> readerCases()
{
    const QByteArray longName(50, 'n');
    const QByteArray longDescription(300, 'd');
    return {
        {"CR LF line ends", lines({";two", Pulsed, Pulsed}), 2, {{1, 0, u"2"_s}}, {}, PulsedSession, u"two"_s},
        {"lone CR line ends", ";two\r" + Pulsed + "\r" + Pulsed, 2, {{1, 0, u"2"_s}}, {}, PulsedSession, u"two"_s},
        {"lone LF line ends", ";two\n" + Pulsed + "\n" + Pulsed + "\n", 2, {}, {}, PulsedSession, u"two"_s},
        {"NUL ends the text", lines({";n", Pulsed}) + QByteArray(1, '\0') + lines({Pulsed, ";late"}), 1, {},
         {NulByte}, PulsedSession, u"n"_s, QStringList()},
        {"NUL ends a line", lines({";n", Pulsed}) + QByteArray(";half\0rest\r\n", 13), 1, {}, {NulByte},
         PulsedSession, u"n"_s, QStringList{u"half"_s}},
        {"line beyond 64 KiB is faulty", lines({Pulsed, with(Pulsed, 7, QByteArray(70000, 'x'))}), 1, {},
         {FormatErrors}},
        {"description lines beyond 10000 are left out", lines({";n", Pulsed}) + QByteArray(";d\r\n").repeated(10001),
         1, {}, {u"The file holds more than 10000 description lines; only the first 10000 were read."_s}},
        {"no name line", lines({Pulsed, ";d"}), 1, {{0, 2, u"PFr"_s}}, {}, PulsedSession, u"unnamed"_s,
         QStringList{u"d"_s}},
        {"name cut to 40", lines({";" + longName, Pulsed}), 1, {}, {}, PulsedSession, QString(40, u'n')},
        {"description cut to 256", lines({";n", Pulsed, ";" + longDescription, ";"}), 1, {}, {}, PulsedSession,
         u"n"_s, QStringList{QString(256, u'd'), QString()}},
        {"empty lines are passed over", "\r\n;n\r\n\r\n\n" + Pulsed + "\r\n\r\r\n" + Pulsed + "\r\n\r\n", 2,
         {{1, 0, u"2"_s}}, {}, PulsedSession, u"n"_s, QStringList()},
        {"description between segments leaves no gap", lines({";n", Pulsed, ";between", with(Pulsed, 9, "14")}), 2,
         {{1, 0, u"2"_s}, {1, 9, u"14"_s}}, {}, PulsedSession, u"n"_s, QStringList{u"between"_s}},
        {"no trailing TAB", lines({Pulsed.chopped(1)}), 1, {{0, 14, u"0"_s}}},
        {"extra fields are ignored", lines({Pulsed + "x\ty\tz"}), 1, {{0, 14, u"0"_s}}},
        {"line longer than 119 characters", lines({Pulsed + QByteArray(200, 'x')}), 1, {{0, 13, u"0"_s}}},
        {"end after the TAB of field 14", lines({"1\t1:00.0\tPFr\t7.83\t240\t\t\tIN\t50\t100\t100\tnone\tnone\t\t0\t"}),
         1, {{0, 13, u"0"_s}, {0, 14, QString()}}},
        {"field 14 without TAB stands alone", lines({"1\t1:00.0\tPFr\t7.83\t240\t\t\tIN\t50\t100\t100\tnone\tnone\t\t3"}),
         1, {{0, 13, u"3"_s}, {0, 14, u"0"_s}}, {FormatErrors}},
        {"field 14 without TAB at the end is dropped",
         lines({Pulsed, "2\t1:00.0\tPFr\t7.83\t240\t\t\tIN\t50\t100\t100\tnone\tnone\t\t3"}), 1, {}, {FormatErrors}},
        {"faulty middle line costs no other segment",
         lines({Pulsed, "2\t0:10.0\tPSu", with(with(Pulsed, 0, "3"), 1, "0:20.0")}), 2,
         {{1, 0, u"2"_s}, {1, 1, u"0:20.0"_s}, {1, 2, u"PFr"_s}}, {FormatErrors}},
        {"faulty PCh line ending before its chord", lines({"1\t0:10.0\tPCh\t7.83"}), 1, {{0, 2, u"PCh"_s}, {0, 6, u"1"_s}},
         {FormatErrors}},
        {"time snapping", lines({with(Pulsed, 1, "1:30.5"), with(Pulsed, 1, "1:37.5"), with(Pulsed, 1, "0:00.0"),
                                 with(Pulsed, 1, "12:00.0"), with(Pulsed, 1, "20:50.5"),
                                 with(Pulsed, 1, "99999999:00.0"), with(Pulsed, 1, "-5:00.0")}),
         7,
         {{0, 1, u"1:30.0"_s}, {1, 1, u"1:30.0"_s}, {2, 1, u"0:00.5"_s}, {3, 1, u"10:00.0"_s}, {4, 1, u"10:00.0"_s},
          {5, 1, u"10:00.0"_s}, {6, 1, u"0:00.5"_s}}},
        {"time without integer minutes or seconds", lines({with(Pulsed, 1, "1:00"), with(Pulsed, 1, "x:00.0"),
                                                           with(Pulsed, 1, "1:xx.0"), with(Pulsed, 9, "14")}),
         1, {{0, 9, u"14"_s}}, {FormatErrors}},
        {"duty snapping", lines({with(Pulsed, 8, "45"), with(Pulsed, 8, ""), with(Pulsed, 8, "5000"),
                                 with(Pulsed, 8, "-5000"), with(Pulsed, 8, "abc")}),
         5, {{0, 8, u"50"_s}, {1, 8, u"50"_s}, {2, 8, u"87"_s}, {3, 8, u"12"_s}, {4, 8, u"12"_s}},
         {u"Float convert error on abc"_s}},
        {"old aliases", lines({with(with(with(Pulsed, 2, "bbP"), 3, "21.0"), 5, "21.0"),
                               with(with(with(Pulsed, 2, "F-S"), 4, "136"), 11, "8 sec"), with(Pulsed, 4, "FSL")}),
         3,
         {{0, 2, u"bb"_s}, {0, 3, u"20.0"_s}, {0, 5, u"20.0"_s}, {1, 2, u"PSu"_s}, {1, 4, u"144"_s},
          {1, 11, u"seg"_s}, {2, 4, u"256"_s}}},
        {"dual session rules", lines({with(Dual, 6, "ABC"), with(with(Dual, 6, "136"), 13, "ramp"),
                                      with(with(with(Pulsed, 6, "R-3"), 13, "jump"), 0, "3")}),
         3,
         {{0, 6, u"abc"_s}, {1, 6, u"144"_s}, {1, 12, u"ramp"_s}, {2, 6, u"r-3"_s}, {2, 12, u"jump"_s}}, {},
         DualBinauralSession},
        {"pulsed session rules", lines({with(with(Pulsed, 6, "7"), 13, "ramp"), with(with(Pulsed, 2, "PCh"), 6, ""),
                                        with(with(Pulsed, 2, "PCh"), 6, "4"), with(Dual, 6, "480")}),
         4,
         {{0, 6, QString()}, {0, 12, QString()}, {1, 6, u"1"_s}, {2, 6, u"4"_s}, {3, 2, u"dbb"_s}, {3, 6, QString()},
          {3, 12, QString()}}},
        {"kind from the first segment after a description", lines({";n", ";first", Dual}), 1, {{0, 12, u"jump"_s}},
         {}, DualBinauralSession, u"n"_s, QStringList{u"first"_s}},
        {"name line only", lines({";only"}), 1, {{0, 2, u"PFr"_s}}, {FormatErrors}, PulsedSession, u"only"_s},
        {"a line whose time alone reads", lines({"1\t2:00.0"}), 1, {{0, 1, u"2:00.0"_s}, {0, 2, u"PFr"_s}},
         {FormatErrors}},
        {"loop fields that are no numbers", lines({with(Pulsed, 14, "x")}), 1, {{0, 13, u"x"_s}},
         {u"'x' is not a valid integer value"_s}},
    };
}

struct ReadResult
{
    SessionDocument document;
    const Session &session = document.session();
    RecordingView view{document};
    ScriptedPrompter prompter;
    bool opened = false;
};

// A session that held something else, so that nothing of it may survive.
void fillWithOtherSession(SessionDocument &document)
{
    Session session;
    session.cells.setColumnCount(3);
    for (int column = 0; column < 3; ++column) {
        for (int row = 0; row < SessionGrid::RowCount; ++row)
            session.cells.setCell(column, row, u"old"_s);
    }
    session.descriptionLines = {u"old"_s};
    document.replace(session, true);
}

void readBytes(ReadResult &result, const QByteArray &bytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"case.LSS"_s);
    writeFileBytes(path, bytes);
    result.opened = readSessionFile({result.document, result.prompter, result.view}, path);
    EXPECT_EQ(result.session.fileName, path);
}
} // namespace

TEST(SessionFileReader, ReadsEveryCaseIntoACompleteSession)
{
    for (const ReaderCase &c : readerCases()) {
        SCOPED_TRACE(c.name);
        ReadResult result;
        fillWithOtherSession(result.document);
        readBytes(result, c.file);
        const Session &session = result.session;
        ASSERT_TRUE(result.opened);
        EXPECT_EQ(result.prompter.errors, c.errors);
        ASSERT_EQ(session.cells.columnCount(), c.columns);
        EXPECT_EQ(session.kind, c.kind);
        if (c.sessionName) {
            EXPECT_EQ(session.name, *c.sessionName);
        }
        if (c.description) {
            EXPECT_EQ(session.descriptionLines, *c.description);
        }
        for (const Cell &cell : c.cells)
            EXPECT_EQ(session.cells.cell(cell.column, cell.row), cell.text) << cell.column << "," << cell.row;

        // Whatever the file, the window is complete and holds nothing old.
        EXPECT_TRUE(result.view.sessionShown);
        EXPECT_EQ(result.view.selected, (CellPos{0, 1}));
        EXPECT_FALSE(result.document.isModified());
        EXPECT_NE(session.descriptionLines, QStringList{u"old"_s});
        for (int column = 0; column < session.cells.columnCount(); ++column) {
            EXPECT_EQ(session.cells.cell(column, SegmentNumberRow), QString::number(column + 1));
            EXPECT_TRUE(ValueLists::TimeList.contains(session.cells.cell(column, TimeRow))) << column;
            EXPECT_TRUE(ValueLists::DutyList.contains(session.cells.cell(column, DutyCycleRow))) << column;
            for (int row = 0; row < SessionGrid::RowCount; ++row)
                EXPECT_NE(session.cells.cell(column, row), u"old"_s) << column << "," << row;
        }
    }
}

TEST(SessionFileReader, ReadsTheSameInPiecesAsAtOnce)
{
    for (const ReaderCase &c : readerCases()) {
        SCOPED_TRACE(c.name);
        ScriptedPrompter prompter;
        const SessionFileContent whole = parseSessionFile(c.file, PulsedSession, prompter);
        SessionFileParser parser(PulsedSession, prompter);
        for (qsizetype i = 0; i < c.file.size() && parser.feed(QByteArrayView(c.file).sliced(i, 1)); ++i) {
        }
        const SessionFileContent pieces = parser.finish();
        EXPECT_EQ(pieces.name, whole.name);
        EXPECT_EQ(pieces.descriptionLines, whole.descriptionLines);
        EXPECT_EQ(std::tie(pieces.formatErrors, pieces.cut, pieces.endedAtNul, pieces.kind),
                  std::tie(whole.formatErrors, whole.cut, whole.endedAtNul, whole.kind));
        ASSERT_EQ(pieces.cells.columnCount(), whole.cells.columnCount());
        for (int column = 0; column < whole.cells.columnCount(); ++column)
            EXPECT_EQ(pieces.cells.column(column), whole.cells.column(column)) << column;
    }
}

TEST(SessionFileReader, FilesThatAreNoSessionEndInBoundedTime)
{
    QTemporaryDir dir;
    const QString huge = dir.filePath(u"huge.LSS"_s);
    QFile sparse(huge);
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.resize(65 * 1024 * 1024));
    sparse.close();
    // Opened, a FIFO would wait for a writer.
    const QString fifo = dir.filePath(u"fifo.LSS"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct
    {
        QString path;
        bool opened;
        QStringList errors;
    } cases[] = {
        {huge, false,
         {u"Cannot open file \"%1\". The file is larger than 64 MB, far larger than any session file."_s.arg(huge)}},
        {u"/dev/zero"_s, false,
         {u"Cannot open file \"/dev/zero\". Nothing in it reads as a session file."_s}},
        {fifo, false, {u"Cannot open file \"%1\". It is neither a regular file nor a character device."_s.arg(fifo)}},
    };
    for (const auto &c : cases) {
        ReadResult result;
        EXPECT_EQ(readSessionFile({result.document, result.prompter, result.view}, c.path), c.opened) << c.path;
        EXPECT_EQ(result.prompter.errors, c.errors);
    }
}

TEST(SessionFileReader, AFileWithoutAReadableLineIsRefusedAndTheSessionStays)
{
    const struct
    {
        const char *name;
        QByteArray file;
    } cases[] = {
        {"text", "Dear diary,\nto-day I renamed a letter.\n"},
        {"a line without any TAB", lines({"garbage"})},
        {"times that do not read", lines({"1\tsoon\tPFr", "2\t\t\t"})},
        {"empty", QByteArray()},
        {"random bytes", QByteArray::fromHex("8f3a09c2ff1b7e00d4")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ReadResult result;
        fillWithOtherSession(result.document);
        const Session before = result.session;
        QTemporaryDir dir;
        const QString path = dir.filePath(u"case.LSS"_s);
        writeFileBytes(path, c.file);
        EXPECT_FALSE(readSessionFile({result.document, result.prompter, result.view}, path));
        EXPECT_EQ(result.prompter.errors,
                  QStringList{u"Cannot open file \"%1\". Nothing in it reads as a session file."_s.arg(path)});
        EXPECT_EQ(result.session.cells, before.cells);
        EXPECT_EQ(result.session.fileName, before.fileName);
        EXPECT_TRUE(result.document.isModified());
    }
}

TEST(SessionFileReader, AFileOfMoreThan1000SegmentsIsCutWithAMessage)
{
    QByteArray file = ";long\r\n";
    for (int k = 1; k <= 1005; ++k)
        file += with(Pulsed, 0, QByteArray::number(k)) + "\r\n";
    file += ";kept description\r\n";
    ReadResult result;
    readBytes(result, file);
    EXPECT_EQ(result.session.cells.columnCount(), 1000);
    EXPECT_EQ(result.prompter.errors,
              QStringList(u"The file holds more than 1000 segments; only the first 1000 were read."_s));
    EXPECT_EQ(result.session.descriptionLines, QStringList(u"kept description"_s));
}

TEST(SessionFileReader, ALineWithoutTheDualKindKeepsTheKindBefore)
{
    for (const SessionKind before : {PulsedSession, DualBinauralSession}) {
        ReadResult result;
        Session kind;
        kind.kind = before;
        result.document.replace(kind, false);
        readBytes(result, lines({";n", ";no segment"}));
        EXPECT_EQ(result.session.kind, before);
        EXPECT_EQ(result.session.cells.cell(0, ToneRow), before == DualBinauralSession ? u"dbb"_s : u"PFr"_s);
    }
}

TEST(SessionFileReader, AFileThatCannotBeOpenedChangesNothing)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(u"missing.LSS"_s);
    const struct
    {
        QString path;
        QString reason;
    } cases[] = {{missing, u"No such file or directory"_s}, {dir.path(), QString()}};
    for (const auto &c : cases) {
        Session kept;
        kept.name = u"kept"_s;
        SessionDocument document(kept);
        document.markModified();
        RecordingView view(document);
        const Session &session = document.session();
        ScriptedPrompter prompter;
        EXPECT_FALSE(readSessionFile({document, prompter, view}, c.path));
        ASSERT_EQ(prompter.errors.size(), 1);
        EXPECT_TRUE(prompter.errors.first().startsWith(u"Cannot open file \"%1\". %2"_s.arg(c.path, c.reason)))
            << prompter.errors.first();
        EXPECT_EQ(session.name, u"kept"_s);
        EXPECT_TRUE(document.isModified());
        EXPECT_FALSE(view.sessionShown);
    }
}

TEST(SessionFileReader, ShowsTheSessionReadFromTheFile)
{
    SessionDocument document;
    document.markModified();
    RecordingView view(document);
    const Session &session = document.session();
    ScriptedPrompter prompter;
    const QString path = testDataPath(u"described.LSS"_s);
    ASSERT_TRUE(readSessionFile({document, prompter, view}, path));

    EXPECT_EQ(session.name, u"Café € “Theta”"_s);
    EXPECT_EQ(session.descriptionLines, QStringList({u"Line one äöü"_s, QString(), u"Line three"_s}));
    ASSERT_EQ(session.cells.columnCount(), 3);
    EXPECT_EQ(view.timing().lines(), QStringList({u"Segment 1 start time 0:0"_s, u"Session total time 6:30"_s}));
    EXPECT_EQ(view.timing().totalSeconds(), 390);
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(view.selected, (CellPos{0, 1}));
    EXPECT_TRUE(prompter.log.isEmpty());
}
