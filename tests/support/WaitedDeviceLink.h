#pragma once

#include "gui/device/DeviceLink.h"

#include <functional>

// A DeviceLink whose conversations a test runs to their end: each call
// returns with the outcome, the event loop running meanwhile. A quit request
// ends the wait early; the conversation is then abandoned and false returned.
// A call refused while another conversation is under way returns false at
// once.
class WaitedDeviceLink : public DeviceLink
{
public:
    using DeviceLink::DeviceLink;

    bool checkSystem(int port, Prompter &prompter);
    bool download(bool clear, const Session &session, int comPortNumber, Prompter &prompter);

private:
    bool runToEnd(void (DeviceLink::*finished)(bool), const std::function<bool()> &start);
};
