#pragma once

#include "core/session/Session.h"

#include <random>

// A session of 1 to 30 segments of either kind: values from the lists, cells
// empty where their rows are empty by rule, loops anywhere but over the last
// segment.
Session randomSession(std::mt19937 &random);
