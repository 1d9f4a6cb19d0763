#pragma once

#include "compiler/SessionImage.h"

#include <QString>

class Prompter;
struct Session;

// Turns columns 0 to segmentCount - 1 of the session into segment records,
// written from record image.nextRecord on (the caller sets it first, to 2
// for a download), and marks the last one as the end of the session.
//
// A cell that matches nothing in its list shows "No match segment %d ..." and
// sets image.encodeFailed; the image must then not be sent. A session longer
// than the records left in the image is refused with a message before
// anything is written. A time, Loop Segs or Loop Times text that is not a
// number throws ConversionError. Returns image.encodeFailed.
int encodeSession(const Session &session, Prompter &prompter, SessionImage &image, int segmentCount);

// Something the encoder meets in a cell, with the text the program shows for
// it: "No match segment %d ...", "Tone group change segment %d", "Float
// convert error on %s", or the conversion error of a text that is not a number.
struct EncoderFinding
{
    enum Kind { NoMatch, ToneGroupChange, FloatConvertError, NotANumber };
    Kind kind = NoMatch;
    int segment = 0; // from 1
    int row = 0;
    QString text;
};

// Told each finding as the encoder meets it, in the encoder's order.
class EncoderFindings
{
public:
    virtual ~EncoderFindings() = default;
    virtual void found(const EncoderFinding &finding) = 0;
};

// Encodes one column into record, as EncodeSession does, telling findings
// instead of showing or throwing. Where the encoding would stop on a text
// that is not a number, it goes on as if the number were 0.
void EncodeSegment(const Session &session, int column, SessionImage::Record &record, EncoderFindings &findings);

// The refusal of a session whose segmentCount segments do not fit the image
// from record firstRecord on; empty when they fit.
QString SessionLengthRefusal(int segmentCount, int firstRecord = SessionImage::FirstSegmentRecord);
