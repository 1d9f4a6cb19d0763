#pragma once

#include "core/compiler/SessionImage.h"

#include <QString>
#include <optional>

class Prompter;
struct Session;

// An image whose segment records, from record 2 on, hold columns 0 to
// segmentCount - 1 of the session, the last one marked as the end of the
// session; its header is left zero for the caller to set.
//
// A cell that matches nothing in its list shows "No match segment %d ..."; the
// other cells are still encoded, for their messages, but no image is given.
// Nor is one for a session longer than an image holds, refused with a message
// before any segment is read. A time, Loop Segs or Loop Times text that is
// not a number throws ConversionError.
std::optional<SessionImage> encodeSession(const Session &session, Prompter &prompter, int segmentCount);

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
void encodeSegment(const Session &session, int column, SessionImage::Record &record, EncoderFindings &findings);

// The refusal of a session whose segmentCount segments do not fit an image;
// empty when they fit.
QString sessionLengthRefusal(int segmentCount);
