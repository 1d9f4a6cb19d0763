#pragma once

class Prompter;
class SessionView;
struct Session;

// What every session command works with: the session, the user and the
// window. Passed as const SessionContext &; the referred objects stay mutable.
struct SessionContext
{
    Session &session;
    Prompter &prompter;
    SessionView &view;
};
