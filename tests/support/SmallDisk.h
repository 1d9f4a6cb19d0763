#pragma once

#include <QTemporaryDir>

// A small tmpfs of its own, so that a full disk can be made for real.
// Mounting needs root; mounted says whether it worked.
class SmallDisk
{
public:
    explicit SmallDisk(const char *options);
    ~SmallDisk();
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    // A second file, which takes all the room left when asked to.
    void addFiller(bool takeAllRoom) const;

    QTemporaryDir dir;
    bool mounted = false;
};
