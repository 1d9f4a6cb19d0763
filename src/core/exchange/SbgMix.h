#pragma once

#include "core/beds/Bed.h"
#include "core/exchange/ExchangeNote.h"
#include "core/exchange/SessionImport.h"

#include <QByteArray>
#include <QList>

// SBaGen's mix input: the sound file of "-m FILE" plays under the tones at
// the amplitude of the tone-sets' "mix/NN" (100 when none says). It is a bed
// here: one sound file, at one level, from the start, not looped.

// The mix of an SBaGen sequence file as a bed, a relative file name taken
// from the sequence file's folder; with notes of what the bed cannot keep.
struct SbgMix
{
    BedList beds;
    QList<ExchangeNote> notes;
};
SbgMix readSbgMix(QByteArrayView bytes, const QString &folder);

// Puts the mix of the sequence file into what its import made: the bed in
// the session, and its notes in place of the reader's for the mix input.
void addSbgMix(SessionImport &imported, QByteArrayView bytes, const QString &folder);

// The sequence file with the session's first sound file as its mix input:
// "-m FILE" after the options, "mix/NN" in every tone-set. Losses name every
// bed, or part of one, the format cannot keep.
QByteArray withSbgMix(const QByteArray &sequence, const BedList &beds, QList<ExchangeNote> &losses);
