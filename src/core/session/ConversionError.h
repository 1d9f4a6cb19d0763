#pragma once

#include "core/session/CommandError.h"

// A cell text that should hold a number and does not.
class ConversionError : public CommandError
{
public:
    using CommandError::CommandError;
};
