#include "CliProcess.h"
#include "DefaultSegments.h"
#include "SessionFileFolder.h"

#include "core/timeline/TimelineGeometry.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString Usage = u"usage: mirandel-cli timeline FILE -o OUT.png|OUT.svg [--width W --height H]\n"_s;

// Three minutes at 7.83 Hz, full light, then one at 20 Hz without light.
Session twoLights()
{
    Session session = sessionOfDefaultSegments(PulsedSession, 4);
    for (int column = 0; column < 3; ++column)
        session.cells.setCell(column, TimeRow, u"1:00.0"_s);
    session.cells.setCell(3, StartFreqRow, u"20.0"_s);
    session.cells.setCell(3, IntensityRow, u"0"_s);
    return session;
}
} // namespace

TEST(TimelineCommand, DrawsThePictureTheGeometryPredicts)
{
    SessionFileFolder folder;
    const QString file = folder.write(twoLights());
    const QString png = folder.filePath(u"timeline.png"_s);
    const CliRun run = runCli({u"timeline"_s, file, u"-o"_s, png, u"--width"_s, u"644"_s, u"--height"_s, u"300"_s});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage picture(png);
    ASSERT_EQ(picture.size(), QSize(644, 300));

    const TimelineGeometry geometry(644, 300, 240);
    const auto beatAt = [&](double seconds, double hertz) {
        return picture.pixelColor(int(geometry.x(seconds)), int(geometry.beatY(hertz)));
    };
    // The beat line (blue), nothing where the other beat would be.
    EXPECT_GT(beatAt(90, 7.83).blue() - beatAt(90, 7.83).red(), 100);
    EXPECT_EQ(beatAt(90, 20).rgb(), beatAt(150, 20).rgb());
    EXPECT_GT(beatAt(210, 20).blue() - beatAt(210, 20).red(), 100);
    // Light on is bright, light off dark, between label and hatching.
    const int lightY = geometry.lightLane().top() + 18;
    EXPECT_GT(picture.pixelColor(int(geometry.x(90)), lightY).lightness(), 150);
    EXPECT_LT(picture.pixelColor(int(geometry.x(210)), lightY).lightness(), 60);

    const QString svg = folder.filePath(u"timeline.svg"_s);
    ASSERT_EQ(runCli({u"timeline"_s, file, u"-o"_s, svg}).exitCode, 0);
    QFile svgFile(svg);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svgFile.readAll().contains("<svg"));
}

TEST(TimelineCommand, SizesFromTheSmallestToTheLargest)
{
    SessionFileFolder folder;
    const QString file = folder.write(twoLights());
    const QString png = folder.filePath(u"size.png"_s);
    struct Case
    {
        QString width;
        QString height;
        int exitCode;
    } cases[] = {{u"200"_s, u"100"_s, 0},   {u"16384"_s, u"4096"_s, 0}, {u"199"_s, u"100"_s, 2},
                 {u"200"_s, u"99"_s, 2},    {u"16385"_s, u"100"_s, 2},  {u"200"_s, u"4097"_s, 2},
                 {u"wide"_s, u"100"_s, 2}};
    for (const Case &c : cases) {
        QFile::remove(png);
        const CliRun run = runCli({u"timeline"_s, file, u"-o"_s, png, u"--width"_s, c.width, u"--height"_s, c.height});
        EXPECT_EQ(run.exitCode, c.exitCode) << c.width.toStdString() << "x" << c.height.toStdString();
        if (c.exitCode == 0)
            EXPECT_EQ(QImageReader(png).size(), QSize(c.width.toInt(), c.height.toInt()));
        else
            EXPECT_EQ(run.err, Usage);
    }
}
