#pragma once

#include "core/session/CommandError.h"

// A failure of the serial port. The four open kinds are what callers expect
// when a port cannot be opened; the others end a command in the standard
// error report.
class ComPortError : public CommandError
{
public:
    enum Kind {
        EInOutError,          // the system refused the port for another reason
        EBadId,               // the port does not exist
        EHardware,            // the port is in use
        EAlreadyOpen,         // the device is already open
        EBufferIsEmpty,       // receiveByte with nothing waiting
        EOutputBufferTooSmall // sendByte into a full transmit buffer
    };

    ComPortError(Kind kind, const QString &message)
        : CommandError(message), mKind(kind)
    {
    }

    Kind kind() const { return mKind; }
    bool isOpenError() const { return mKind <= EAlreadyOpen; }

private:
    Kind mKind;
};
