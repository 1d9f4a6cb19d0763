#pragma once

#include <QByteArray>
#include <QImage>
#include <vector>

struct png_struct_def;
struct png_info_def;

// A PNG file made a band of rows at a time, with deflate's fastest level and
// every row filtered "up": pictures of lines and flat areas compress about
// as well as with the filters chosen row by row, in a fraction of the time.
// Rows come as Format_Indexed8 when the writer was made with a palette, as
// Format_RGB32 when without, or Format_ARGB32 when made with alpha.
class PngWriter
{
public:
    enum Pixels { Opaque, WithAlpha };
    PngWriter(QSize size, Pixels pixels);
    PngWriter(QSize size, const QList<QRgb> &palette);
    ~PngWriter();
    PngWriter(const PngWriter &) = delete;
    PngWriter &operator=(const PngWriter &) = delete;

    // False when memory ran out; the writer takes no more rows then.
    bool addRows(const QImage &band);
    // The file's bytes once every row was added; empty after a failure.
    QByteArray finish();

    // A whole picture as a PNG file; empty when memory runs out.
    static QByteArray png(const QImage &image);

private:
    bool start(QSize size, int colourType, const QList<QRgb> &palette);

    int mBitsPerIndex = 8; // of a palette's pixels
    std::vector<uchar> mPacked;
    png_struct_def *mPng = nullptr;
    png_info_def *mInfo = nullptr;
    QByteArray mBytes;
    bool mFailed = false;
};
