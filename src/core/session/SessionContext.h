#pragma once

class Prompter;
class SessionDialogs;
class SessionDocument;

// What every session command works with: the session, through its document,
// the user's answers and the program's dialogs. Passed as
// const SessionContext &; the referred objects stay mutable.
struct SessionContext
{
    SessionDocument &document;
    Prompter &prompter;
    SessionDialogs &dialogs;
};
