#pragma once

#include <functional>

class DeviceLink;

// Runs the application's event loop for the device conversation that `start`
// begins, until `finished` tells its outcome; a conversation over before
// start returns runs no loop. False too when start refuses.
bool runConversation(DeviceLink &link, void (DeviceLink::*finished)(bool), const std::function<bool()> &start);
