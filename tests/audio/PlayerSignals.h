#pragma once

#include <functional>

class SessionPlayer;

// Waits, signal by signal of the player, until done() holds: however slowly
// a loaded machine starts the sound, the test sees each step it reports.
// False when the player stopped or failed first, or after guardMs without
// a step, so a broken player cannot hang the run.
bool waitForPlayer(const SessionPlayer &player, const std::function<bool()> &done, int guardMs = 30000);
