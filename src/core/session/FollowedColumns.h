#pragma once

#include "core/session/SessionGrid.h"

#include <QtGlobal>
#include <algorithm>
#include <memory>
#include <vector>

// Something worked out from each column of a grid, kept beside the column it
// came from. A held column is never written in place (the grid copies a
// shared column before it writes), so the same column pointer means the same
// cells: following a grid compares pointers and works out anew only the
// columns an edit changed or inserted. A column that moved keeps what was
// worked out at its old place.
template <typename Result>
class FollowedColumns
{
public:
    // Brings the results up to cells: make(cells, column) works out one.
    template <typename Make>
    std::vector<Result> &follow(const SessionGrid &cells, Make &&make)
    {
        if (cells.revision() != mRevision)
            followChanges(cells, make);
        return mResults;
    }

    // The results are those of cells.
    bool follows(const SessionGrid &cells) const { return cells.revision() == mRevision; }
    const std::vector<Result> &results() const { return mResults; }

    void clear()
    {
        mHeld.clear();
        mResults.clear();
        mRevision = 0;
    }

private:
    template <typename Make>
    void followChanges(const SessionGrid &cells, Make &make)
    {
        const size_t count = size_t(cells.columnCount());
        // Most edits change one place: the columns before it are passed quickly.
        size_t i = 0;
        for (const size_t same = std::min(count, mHeld.size()); i < same && mHeld[i].get() == cells.storedColumn(int(i));)
            ++i;
        for (; i < count; ++i) {
            const SessionGrid::Column *now = cells.storedColumn(int(i));
            if (i < mHeld.size() && mHeld[i].get() == now)
                continue;
            // A segment removed or inserted here moves the rest, which keep
            // their results.
            if (i + 1 < mHeld.size() && mHeld[i + 1].get() == now) {
                mHeld.erase(mHeld.begin() + qsizetype(i));
                mResults.erase(mResults.begin() + qsizetype(i));
                continue;
            }
            const bool inserted = i < mHeld.size() && i + 1 < count && cells.storedColumn(int(i + 1)) == mHeld[i].get();
            Result result = make(cells, int(i));
            if (inserted) {
                mHeld.insert(mHeld.begin() + qsizetype(i), cells.sharedColumn(int(i)));
                mResults.insert(mResults.begin() + qsizetype(i), std::move(result));
            } else if (i < mHeld.size()) {
                mHeld[i] = cells.sharedColumn(int(i));
                mResults[i] = std::move(result);
            } else {
                mHeld.push_back(cells.sharedColumn(int(i)));
                mResults.push_back(std::move(result));
            }
        }
        mHeld.resize(count);
        mResults.resize(count);
        mRevision = cells.revision();
    }

    quint64 mRevision = 0;
    std::vector<std::shared_ptr<const SessionGrid::Column>> mHeld;
    std::vector<Result> mResults;
};
