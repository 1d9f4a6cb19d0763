#include "DefaultSegments.h"
#include "ScriptedPrompter.h"

#include "core/compiler/SegmentEncoder.h"
#include "core/compiler/SessionImage.h"

#include <gtest/gtest.h>

#include <numeric>
#include <optional>
#include <vector>

namespace {
std::vector<int> asInts(const QByteArray &bytes)
{
    std::vector<int> values;
    for (const char byte : bytes)
        values.push_back(quint8(byte));
    return values;
}

} // namespace

TEST(SessionImage, OneSegmentClearDownloadToAnAmbrion)
{
    ScriptedPrompter prompter;
    std::optional<SessionImage> image = encodeSession(sessionOfDefaultSegments(PulsedSession, 1), prompter, 1);
    ASSERT_TRUE(image);
    image->setDownloadMode(SessionImage::ClearDownload);
    image->setDeviceModel(SessionImage::AmbrionModel);
    const std::vector<int> expected{0, 1, 1, 0, 0, 0, 0, 0, 13, 0, 119, 24, 19, 0, 27, 128, 180};
    EXPECT_EQ(asInts(image->downloadBytes(1)), expected);
}

TEST(SessionImage, DownloadsOfEverySizeAddUpToZero)
{
    const struct {
        SessionKind kind;
        int segments;
        SessionImage::DownloadMode mode;
        SessionImage::DeviceModel model;
    } cases[] = {
        {PulsedSession, 1, SessionImage::AppendDownload, SessionImage::CalidorModel},
        {DualBinauralSession, 2, SessionImage::ClearDownload, SessionImage::AmbrionModel},
        {DualBinauralSession, SessionImage::MaxSegments, SessionImage::AppendDownload, SessionImage::CalidorModel},
        {PulsedSession, SessionImage::MaxSegments, SessionImage::ClearDownload, SessionImage::CalidorModel},
    };
    for (const auto &c : cases) {
        ScriptedPrompter prompter;
        std::optional<SessionImage> image =
            encodeSession(sessionOfDefaultSegments(c.kind, c.segments), prompter, c.segments);
        ASSERT_TRUE(image);
        image->setDownloadMode(c.mode);
        image->setDeviceModel(c.model);
        const std::vector<int> bytes = asInts(image->downloadBytes(c.segments));
        ASSERT_EQ(int(bytes.size()), (c.segments + 1) * SessionImage::RecordSize + 1) << c.segments;
        EXPECT_EQ(std::vector<int>(bytes.begin(), bytes.begin() + 8),
                  (std::vector<int>{0, int(c.mode), int(c.model), 0, 0, 0, 0, 0}));
        EXPECT_EQ(std::accumulate(bytes.begin(), bytes.end(), 0) % 256, 0) << c.segments;
        EXPECT_GE(bytes[bytes.size() - 2], 128) << "end flag, " << c.segments;
    }
}

TEST(SessionImage, NothingOutsideTheImageIsEverSent)
{
    SessionImage image;
    for (const int segments : {-1, 0, SessionImage::MaxSegments + 1, 1000})
        EXPECT_TRUE(image.downloadBytes(segments).isEmpty()) << segments;
}

TEST(SessionImage, HeaderWritersTouchOnlyTheirBytes)
{
    SessionImage image;
    image.record(SessionImage::HeaderRecord).fill(9);
    image.setDownloadMode(SessionImage::AppendDownload);
    EXPECT_EQ(image.record(1), (SessionImage::Record{0, 2, 9, 9, 9, 9, 9, 9}));
    image.setDeviceModel(SessionImage::CalidorModel);
    EXPECT_EQ(image.record(1), (SessionImage::Record{0, 2, 2, 9, 9, 9, 9, 9}));
    EXPECT_EQ(image.record(2), SessionImage::Record{});
}
