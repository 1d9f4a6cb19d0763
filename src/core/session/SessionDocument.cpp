#include "core/session/SessionDocument.h"

#include <algorithm>
#include <utility>

namespace {
// The part of the session that undo restores: all but the file name.
void swapEditable(Session &a, Session &b)
{
    std::swap(a.cells, b.cells);
    std::swap(a.kind, b.kind);
    std::swap(a.name, b.name);
    std::swap(a.descriptionLines, b.descriptionLines);
    std::swap(a.beds, b.beds);
}

bool sameEditable(const Session &a, const Session &b)
{
    return a.kind == b.kind && a.name == b.name && a.descriptionLines == b.descriptionLines && a.cells == b.cells
        && a.beds == b.beds;
}

// Columns still shared were not written; the first and last that differ
// bound the change.
bool sameColumn(const SessionGrid &a, int i, const SessionGrid &b, int j)
{
    if (a.storedColumn(i) == b.storedColumn(j))
        return true;
    for (int row = 1; row < SessionGrid::RowCount; ++row) {
        // Most cells of a copied column still share their text.
        const QString &x = a.cell(i, row);
        const QString &y = b.cell(j, row);
        if (x.constData() != y.constData() && x != y)
            return false;
    }
    return true;
}
} // namespace

// One edit: holds the session from the other side of it and swaps it with
// the document's at every undo and redo. Columns and strings are shared, so
// a step costs little more than a pointer per segment.
struct SessionDocument::Step
{
    Session other;
    EditStep step;
};

SessionDocument::SessionDocument(Session session, QObject *parent)
    : QObject(parent)
    , mSession(std::move(session))
{
}

SessionDocument::~SessionDocument() = default;

void SessionDocument::edit(const EditStep &step, const std::function<void(Session &)> &change)
{
    const Session before = mSession;
    mEditMarked = false;
    mEditing = true;
    const auto record = [&] {
        if (!sameEditable(mSession, before)) {
            mHistory.resize(size_t(mIndex));
            if (mCleanIndex > mIndex)
                mCleanIndex = -1;
            const Step *last = mIndex > 0 ? mHistory.back().get() : nullptr;
            // A merged step keeps the older "before"; the session holds the newer "after".
            const bool merges = last && step.mergeId != EditStep::NoMerge && last->step.mergeId == step.mergeId
                && last->step.cell == step.cell && mCleanIndex != mIndex;
            if (!merges) {
                mHistory.push_back(std::make_unique<Step>(Step{before, step}));
                ++mIndex;
            }
        } else if (mEditMarked) {
            mMarkedModified = true;
        }
        syncModified();
        emit historyChanged();
        announce(before);
    };
    try {
        change(mSession);
        mEditing = false;
    } catch (...) {
        mEditing = false;
        record();
        throw;
    }
    record();
    emit edited(step);
}

void SessionDocument::markModified()
{
    if (mEditing) {
        mEditMarked = true;
        return;
    }
    mMarkedModified = true;
    syncModified();
}

void SessionDocument::replace(Session session, bool modified)
{
    const QString oldFileName = mSession.fileName;
    mSession = std::move(session);
    guardFile(QString(), QString());
    clearHistory();
    mMarkedModified = modified;
    syncModified();
    emit historyChanged();
    emit replaced();
    if (mSession.fileName != oldFileName)
        emit fileNameChanged(mSession.fileName);
}

void SessionDocument::setFileName(const QString &fileName)
{
    if (std::exchange(mSession.fileName, fileName) != fileName)
        emit fileNameChanged(fileName);
}

void SessionDocument::guardFile(const QString &path, const QString &question)
{
    mGuardedFile = path;
    mGuardedIdentity = FileIdentity::of(path);
    mOverwriteQuestion = question;
}

QString SessionDocument::overwriteQuestion(const QString &path) const
{
    if (mGuardedFile.isEmpty())
        return QString();
    const bool guarded = path == mGuardedFile || FileIdentity::of(path).sameFileAs(mGuardedIdentity);
    return guarded ? mOverwriteQuestion : QString();
}

void SessionDocument::markSaved()
{
    guardFile(QString(), QString());
    dropChanges();
    emit saved(mSession.fileName);
}

void SessionDocument::dropChanges()
{
    mMarkedModified = false;
    mCleanIndex = mIndex;
    syncModified();
}

bool SessionDocument::isModified() const
{
    return mMarkedModified || mCleanIndex != mIndex;
}

bool SessionDocument::canUndo() const
{
    return mIndex > 0;
}

bool SessionDocument::canRedo() const
{
    return mIndex < int(mHistory.size());
}

QString SessionDocument::undoText() const
{
    return canUndo() ? mHistory[size_t(mIndex - 1)]->step.text : QString();
}

QString SessionDocument::redoText() const
{
    return canRedo() ? mHistory[size_t(mIndex)]->step.text : QString();
}

void SessionDocument::undo()
{
    if (!canUndo())
        return;
    --mIndex;
    apply(*mHistory[size_t(mIndex)]);
}

void SessionDocument::redo()
{
    if (!canRedo())
        return;
    ++mIndex;
    apply(*mHistory[size_t(mIndex - 1)]);
}

void SessionDocument::apply(Step &step)
{
    swapEditable(step.other, mSession);
    syncModified();
    emit historyChanged();
    announce(step.other);
    emit edited(step.step);
}

// Says what differs from before: the segments added or removed where the
// grids stop matching from both ends, and the cells between.
void SessionDocument::announce(const Session &before)
{
    const SessionGrid &old = before.cells;
    const SessionGrid &now = mSession.cells;
    const int oldCount = old.columnCount();
    const int newCount = now.columnCount();
    const int shorter = std::min(oldCount, newCount);
    int head = 0;
    while (head < shorter && sameColumn(old, head, now, head))
        ++head;
    int tail = 0;
    while (tail < shorter - head && sameColumn(old, oldCount - 1 - tail, now, newCount - 1 - tail))
        ++tail;
    if (newCount > oldCount)
        emit segmentsInserted(head, head + newCount - oldCount - 1);
    else if (newCount < oldCount)
        emit segmentsRemoved(head, head + oldCount - newCount - 1);
    const int firstChanged = newCount > oldCount ? head + newCount - oldCount : head;
    const bool cellsDiffer = firstChanged <= newCount - 1 - tail;
    if (cellsDiffer)
        emit cellsChanged(firstChanged, newCount - 1 - tail);
    if (cellsDiffer || newCount != oldCount)
        emit gridChanged();

    if (before.kind != mSession.kind)
        emit kindChanged(mSession.kind);
    if (before.name != mSession.name)
        emit nameChanged(mSession.name);
    if (before.descriptionLines != mSession.descriptionLines)
        emit descriptionChanged(mSession.descriptionLines);
    if (before.beds != mSession.beds)
        emit bedsChanged();
}

void SessionDocument::syncModified()
{
    const bool modified = isModified();
    if (modified != std::exchange(mWasModified, modified))
        emit modifiedChanged(modified);
}

void SessionDocument::clearHistory()
{
    mHistory.clear();
    mIndex = 0;
    mCleanIndex = 0;
}
