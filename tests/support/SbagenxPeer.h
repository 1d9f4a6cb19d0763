#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The peer program the exchange tests compare with: shared/peers/sbagenx
// beside the source tree, as CI lays it out, or beside one of the folders
// above it (a worktree's).
QString sbagenxPath();
// Why there is none: the places searched.
QString sbagenxMissingReason();

struct PeerRun
{
    int exitCode = -1; // -1 when it crashed or did not finish in 120 s
    QByteArray out;
    QByteArray err;
};
// Runs the peer with the arguments and the extra environment ("NAME=value").
PeerRun runSbagenx(const QStringList &arguments, const QStringList &environment = {});
