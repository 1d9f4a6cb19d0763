#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QString>
#include <optional>

class QPrinter;

// The printer as a text output, inside margins of at least 10 mm with the
// page number in a footer: each line is written at the left margin, one
// line height below the last. Tabs move to the next stop (every eight average
// character widths), a line wider than the page continues on the next line,
// and a line that no longer fits on the page starts a new one. Every step is
// checked; after a failure nothing more is written.
class PrinterTextOutput
{
public:
    PrinterTextOutput(QPrinter &printer, const QFont &font);
    ~PrinterTextOutput();

    // Starts the print job. False when the printer cannot be opened.
    bool open();
    // Writes one line and moves to the next. False when the output failed.
    bool writeLine(const QString &line);
    // Ends the job and sends it to the printer. False when that failed.
    bool close();
    // Ends a failed job without sending more.
    void abort();

    // Where the output goes, for messages: the output file or the printer.
    QString destination() const;
    int pageCount() const { return mPageCount; }

private:
    bool startLine();
    bool healthy() const;
    void writeFooter();

    QPrinter &mPrinter;
    QFont mFont;
    QFont mFooterFont;
    QPainter mPainter;
    std::optional<QFontMetricsF> mMetrics;
    qreal mLineHeight = 0;
    qreal mAscent = 0;
    qreal mTabWidth = 0;
    qreal mPageWidth = 0;
    qreal mPageHeight = 0;
    qreal mTop = 0;          // top of the current line
    int mPageCount = 0;
};
