#include "app/printing/PrinterTextOutput.h"

#include <QPainterPath>
#include <QPrinter>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr qreal LeastMarginMillimetres = 10;
constexpr qreal FooterPoints = 9;

// At least 10 mm on every side, and never less than the printer can print.
void keepMargins(QPrinter &printer)
{
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF current = layout.margins();
    const QMarginsF least = layout.minimumMargins();
    const auto side = [](qreal now, qreal minimum) { return std::max({now, minimum, LeastMarginMillimetres}); };
    printer.setPageMargins(QMarginsF(side(current.left(), least.left()), side(current.top(), least.top()),
                                     side(current.right(), least.right()), side(current.bottom(), least.bottom())),
                           QPageLayout::Millimeter);
}
} // namespace

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
    keepMargins(mPrinter);
    if (!mPainter.begin(&mPrinter))
        return false;
    mPainter.setFont(mFont);
    mMetrics.emplace(mPainter.font(), mPainter.device());
    mLineHeight = mMetrics->lineSpacing();
    mAscent = mMetrics->ascent();
    mTabWidth = 8 * mMetrics->averageCharWidth();
    mPageWidth = mPrinter.width();
    mFooterFont = mFont;
    mFooterFont.setPixelSize(std::max(1, qRound(FooterPoints * mPrinter.resolution() / 72.0)));
    // The footer's line and a blank line's worth above it.
    mPageHeight = mPrinter.height() - 2 * QFontMetricsF(mFooterFont).lineSpacing();
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
        writeFooter();
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

void PrinterTextOutput::writeFooter()
{
    const QString text = u"Page %1"_s.arg(mPageCount);
    const QFontMetricsF metrics(mFooterFont);
    const QPointF baseline((mPageWidth - metrics.horizontalAdvance(text)) / 2, mPrinter.height() - metrics.descent());
    // As outlines: the page's text, as a reader copies it out, stays the
    // listing's lines alone.
    QPainterPath outline;
    outline.addText(baseline, mFooterFont, text);
    mPainter.fillPath(outline, Qt::black);
}

bool PrinterTextOutput::close()
{
    if (!mPainter.isActive())
        return false;
    writeFooter();
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
