#pragma once

#include <QString>

// The column headers of the session listing, exactly as they print.
inline const QString PulsedListingHeader =
    QStringLiteral("Seg   Time   Tone Freq  Pitch  RampTo Chord  Phase Duty Vol  Int  Viramp  Phchg    --   LSeg LRpt");
inline const QString DualListingHeader =
    QStringLiteral("Seg   Time   Tone Freq1 Pitch1 Freq2  Pitch2 Phase Duty Vol  Int  Viramp  Phchg  Framp  LSeg LRpt");
