#include "gui/graph/PngWriter.h"

#include <csetjmp>
#include <png.h>
#include <vector>

namespace {
// zlib's Z_BEST_SPEED.
constexpr int FastestDeflateLevel = 1;

int bitsPerIndex(qsizetype colours)
{
    return colours <= 2 ? 1 : colours <= 4 ? 2 : colours <= 16 ? 4 : 8;
}

// Palette indices of `Bits` bits each, the first pixel in a byte's highest bits.
template <int Bits>
void packRow(const uchar *indices, int width, uchar *packed)
{
    constexpr int PerByte = 8 / Bits;
    const int whole = width / PerByte;
    for (int i = 0; i < whole; ++i) {
        uchar byte = 0;
        for (int k = 0; k < PerByte; ++k)
            byte = uchar(byte << Bits | indices[i * PerByte + k]);
        packed[i] = byte;
    }
    if (const int rest = width % PerByte) {
        uchar byte = 0;
        for (int k = 0; k < rest; ++k)
            byte = uchar(byte << Bits | indices[whole * PerByte + k]);
        packed[whole] = uchar(byte << (Bits * (PerByte - rest)));
    }
}

void appendBytes(png_structp png, png_bytep data, png_size_t length)
{
    static_cast<QByteArray *>(png_get_io_ptr(png))->append(reinterpret_cast<const char *>(data), qsizetype(length));
}
} // namespace

PngWriter::PngWriter(QSize size, Pixels pixels)
{
    // QImage keeps a pixel as a 32-bit word: blue, green, red, alpha in
    // memory on the little-endian machines this runs on.
    if (start(size, pixels == WithAlpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, {}) && !setjmp(png_jmpbuf(mPng))) {
        png_set_bgr(mPng);
        if (pixels == Opaque)
            png_set_filler(mPng, 0, PNG_FILLER_AFTER);
    }
}

// A few colours take a few bits a pixel: less to filter and compress.
PngWriter::PngWriter(QSize size, const QList<QRgb> &palette)
    : mBitsPerIndex(bitsPerIndex(palette.size()))
{
    start(size, PNG_COLOR_TYPE_PALETTE, palette);
}

PngWriter::~PngWriter()
{
    png_destroy_write_struct(&mPng, mInfo ? &mInfo : nullptr);
}

bool PngWriter::start(QSize size, int colourType, const QList<QRgb> &palette)
{
    mPng = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    mInfo = mPng ? png_create_info_struct(mPng) : nullptr;
    if (!mInfo || setjmp(png_jmpbuf(mPng))) {
        mFailed = true;
        return false;
    }
    png_set_write_fn(mPng, &mBytes, appendBytes, nullptr);
    png_set_IHDR(mPng, mInfo, png_uint_32(size.width()), png_uint_32(size.height()), mBitsPerIndex, colourType,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(mPng, FastestDeflateLevel);
    png_set_filter(mPng, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
    // The indices come from the palette itself; checking each costs more
    // than compressing it.
    png_set_check_for_invalid_index(mPng, 0);
    if (colourType == PNG_COLOR_TYPE_PALETTE) {
        std::vector<png_color> colours;
        for (const QRgb colour : palette)
            colours.push_back({png_byte(qRed(colour)), png_byte(qGreen(colour)), png_byte(qBlue(colour))});
        png_set_PLTE(mPng, mInfo, colours.data(), int(colours.size()));
    }
    png_write_info(mPng, mInfo);
    return true;
}

bool PngWriter::addRows(const QImage &band)
{
    if (mFailed || band.isNull() || setjmp(png_jmpbuf(mPng))) {
        mFailed = true;
        return false;
    }
    if (mBitsPerIndex == 8) {
        for (int y = 0; y < band.height(); ++y)
            png_write_row(mPng, band.constScanLine(y));
        return true;
    }
    // Packed here: libpng's own packing costs more than compressing.
    const auto pack = mBitsPerIndex == 1 ? packRow<1> : mBitsPerIndex == 2 ? packRow<2> : packRow<4>;
    mPacked.resize(size_t((band.width() * mBitsPerIndex + 7) / 8));
    for (int y = 0; y < band.height(); ++y) {
        pack(band.constScanLine(y), band.width(), mPacked.data());
        png_write_row(mPng, mPacked.data());
    }
    return true;
}

QByteArray PngWriter::finish()
{
    if (mFailed || setjmp(png_jmpbuf(mPng)))
        return QByteArray();
    png_write_end(mPng, nullptr);
    return mBytes;
}

QByteArray PngWriter::png(const QImage &image)
{
    if (image.isNull())
        return QByteArray();
    if (image.format() == QImage::Format_Indexed8) {
        PngWriter writer(image.size(), image.colorTable());
        return writer.addRows(image) ? writer.finish() : QByteArray();
    }
    const bool alpha = image.hasAlphaChannel();
    const QImage::Format format = alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    PngWriter writer(image.size(), alpha ? WithAlpha : Opaque);
    return writer.addRows(image.format() == format ? image : image.convertToFormat(format)) ? writer.finish()
                                                                                            : QByteArray();
}
