#pragma once

// Everything mirandel-cli does with its arguments: the overview, --version,
// a command's --help, or the command itself. Returns the exit status.
int runCli(int argc, char **argv);
