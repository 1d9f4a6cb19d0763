#pragma once

class Prompter;
struct Session;
struct SessionImage;

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
