#include "views/forms/PrinterTextOutput.h"

#include <QPrinter>
#include <cmath>

PrinterTextOutput::PrinterTextOutput(QPrinter &printer, const QFont &font)
    : mPrinter(printer)
    , mFont(font)
{
}

PrinterTextOutput::~PrinterTextOutput()
{
    if (mPainter.isActive())
        mPainter.end();
}

bool PrinterTextOutput::open()
{
    if (!mPainter.begin(&mPrinter))
        return false;
    mPainter.setFont(mFont);
    mMetrics.emplace(mPainter.font(), mPainter.device());
    mLineHeight = mMetrics->lineSpacing();
    mAscent = mMetrics->ascent();
    mTabWidth = 8 * mMetrics->averageCharWidth();
    mPageWidth = mPrinter.width();
    mPageHeight = mPrinter.height();
    mTop = 0;
    mPageCount = 1;
    return healthy();
}

bool PrinterTextOutput::healthy() const
{
    const QPrinter::PrinterState state = mPrinter.printerState();
    return mPainter.isActive() && state != QPrinter::Error && state != QPrinter::Aborted;
}

bool PrinterTextOutput::startLine()
{
    // A new page only when something has to go on it, so a full last page
    // leaves no blank one behind.
    if (mTop > 0 && mTop + mLineHeight > mPageHeight) {
        if (!mPrinter.newPage())
            return false;
        mTop = 0;
        ++mPageCount;
    }
    return healthy();
}

bool PrinterTextOutput::writeLine(const QString &line)
{
    if (!mMetrics || !startLine())
        return false;
    qreal x = 0;
    qreal runX = 0;
    QString run;
    const auto flush = [&] {
        if (!run.isEmpty())
            mPainter.drawText(QPointF(runX, mTop + mAscent), run);
        run.clear();
    };
    for (const QChar ch : line) {
        if (ch == u'\t') {
            flush();
            x = (std::floor(x / mTabWidth) + 1) * mTabWidth;
            continue;
        }
        const qreal width = mMetrics->horizontalAdvance(ch);
        if (x > 0 && x + width > mPageWidth) {
            flush();
            mTop += mLineHeight;
            if (!startLine())
                return false;
            x = 0;
        }
        if (run.isEmpty())
            runX = x;
        run += ch;
        x += width;
    }
    flush();
    mTop += mLineHeight;
    return healthy();
}

bool PrinterTextOutput::close()
{
    if (!mPainter.isActive())
        return false;
    const bool ended = mPainter.end();
    return ended && mPrinter.printerState() != QPrinter::Error;
}

void PrinterTextOutput::abort()
{
    mPrinter.abort();
    if (mPainter.isActive())
        mPainter.end();
}

QString PrinterTextOutput::destination() const
{
    return mPrinter.outputFileName().isEmpty() ? mPrinter.printerName() : mPrinter.outputFileName();
}
