#include "core/session/TimingPanel.h"

#include "core/session/ConversionError.h"
#include "core/session/SessionDocument.h"
#include "core/session/TimingSummary.h"


TimingPanel::TimingPanel(QObject *parent)
    : QObject(parent)
{
}

void TimingPanel::refresh(const SessionGrid &cells, int s)
{
    const TimingSummary summary = computeTimingSummary(cells, s);
    mLines = summary.lines;
    if (summary.error.isEmpty())
        mTotalSeconds = summary.totalSeconds;
    emit changed();
    if (!summary.error.isEmpty())
        throw ConversionError(summary.error);
}

void TimingPanel::follow(const SessionDocument &document)
{
    connect(&document, &SessionDocument::edited, this, [this, &document](const EditStep &step) {
        if (step.timingSegment <= 0)
            return;
        try {
            refresh(document.cells(), step.timingSegment);
        } catch (const ConversionError &failure) {
            mFailure = failure.message();
        }
    });
    connect(&document, &SessionDocument::replaced, this, [this, &document] {
        try {
            refresh(document.cells(), 1);
        } catch (const ConversionError &) {
            // A total that cannot be counted is none, not the last session's.
            mTotalSeconds = 0;
        }
    });
}
