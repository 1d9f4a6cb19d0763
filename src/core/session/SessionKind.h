#pragma once

// The session kinds, as held in Session::kind.
enum SessionKind : int { PulsedSession = 0, DualBinauralSession = 1 };
