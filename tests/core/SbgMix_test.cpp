// SBaGen's mix input imported as a bed and written back, with what neither
// way can keep named.
#include "TestSupport.h"
#include "core/exchange/SessionExchange.h"
#include "core/session/NewSession.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {
QStringList messages(const QList<ExchangeNote> &notes)
{
    QStringList texts;
    for (const ExchangeNote &note : notes)
        texts.append(note.message);
    return texts;
}
} // namespace

TEST(SbgMix, TheMixInputIsImportedAsABedAtItsAmplitude)
{
    const struct
    {
        const char *name;
        const char *sequence;
        const char *file; // relative to the sequence's folder; empty: no bed
        double gain;
        QStringList notes; // about the mix
    } cases[] = {
        {"at mix/50", "-SE -m music/river.ogg\nts: 200+6/30 mix/50\nNOW ts\n+00:02:00 off\noff: -\n", "music/river.ogg",
         20 * std::log10(0.5), {}},
        {"without mix", "-SE\n-m river.ogg\nts: 200+6/30\nNOW ts\n+00:01:00 ts\n", "river.ogg", 0, {}},
        // "#" starts a comment, as in the peer's files.
        {"looping setup and a fade", "-SE -m river1.ogg#1\na: 200+6/30 mix/80\nb: 200+6/30 mix/20\nNOW a\n+00:01:00 b\n",
         "river1.ogg", 20 * std::log10(0.8),
         {u"mix amplitudes from mix/20 to mix/80 left out: the bed plays at mix/80"_s}},
        {"no file", "-SE\nts: 200+6/30 mix/50\nNOW ts\n+00:01:00 ts\n", "", 0, {u"mix input left out"_s}},
    };
    QTemporaryDir folder;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = folder.filePath(u"mix.sbg"_s);
        writeFileBytes(path, c.sequence);
        const SessionImport imported = importSessionFile(path);
        ASSERT_TRUE(imported.session) << imported.error.toStdString();
        QStringList notes;
        for (const QString &message : messages(imported.notes)) {
            if (message.contains(u"mix"_s))
                notes.append(message);
        }
        EXPECT_EQ(notes, c.notes);
        const BedList &beds = imported.session->beds;
        ASSERT_EQ(beds.size(), size_t(*c.file ? 1 : 0));
        if (*c.file) {
            EXPECT_EQ(beds[0].path, QDir::cleanPath(folder.filePath(QString::fromLatin1(c.file))));
            EXPECT_NEAR(beds[0].gain, c.gain, 1e-9);
            EXPECT_FALSE(beds[0].loop);
        }
    }
}

TEST(SbgMix, TheFirstSoundFileIsWrittenBackAndTheRestNamedAsLost)
{
    QTemporaryDir folder;
    Session session = defaultSession(PulsedSession);
    Bed rain;
    rain.path = folder.filePath(u"rain.ogg"_s);
    rain.gain = 20 * std::log10(0.4);
    Bed looped = rain;
    looped.path = folder.filePath(u"waves.flac"_s);
    looped.loop = true;
    Bed noise;
    noise.kind = Bed::BrownNoise;
    session.beds = {rain, looped, noise};

    const SessionExport exported = exportSession(session, ExchangeFormat::Sbg);
    const QString text = QString::fromUtf8(exported.bytes);
    EXPECT_TRUE(text.contains(u"\n-m "_s + rain.path + u'\n')) << text.toStdString();
    EXPECT_TRUE(text.contains(u" mix/40\n"_s)) << text.toStdString();
    const QStringList losses = messages(exported.losses).filter(u"bed"_s);
    EXPECT_EQ(losses, QStringList({u"bed 2 (waves.flac) left out: the format mixes in one sound file whose name has no spaces"_s,
                                   u"bed 3 (noise) left out: the format mixes in one sound file whose name has no spaces"_s}));

    const QString path = folder.filePath(u"back.sbg"_s);
    writeFileBytes(path, exported.bytes);
    const SessionImport back = importSessionFile(path);
    ASSERT_TRUE(back.session) << back.error.toStdString();
    ASSERT_EQ(back.session->beds.size(), size_t(1));
    EXPECT_EQ(back.session->beds[0].path, rain.path);
    EXPECT_NEAR(back.session->beds[0].gain, rain.gain, 0.01);

    EXPECT_EQ(messages(exportSession(session, ExchangeFormat::Gnaural).losses).filter(u"bed"_s).size(), 3);
}
