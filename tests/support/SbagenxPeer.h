#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The peer program the exchange tests compare with, in the peers' folder
// the build was configured with (../shared/peers beside the sources, as CI
// lays it out): its folder, and its program when it is there.
QString sbagenxFolder();
QString sbagenxPath();
// Why there is none: the place searched.
QString sbagenxMissingReason();

struct PeerRun
{
    int exitCode = -1; // -1 when it crashed or did not finish in 120 s
    QByteArray out;
    QByteArray err;
};
// Runs the peer with the arguments and the extra environment ("NAME=value").
PeerRun runSbagenx(const QStringList &arguments, const QStringList &environment = {});
