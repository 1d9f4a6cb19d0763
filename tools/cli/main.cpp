// mirandel-cli: Mirandel's sessions on the command line.
#include "CliMain.h"

int main(int argc, char *argv[])
{
    return runCli(argc, argv);
}
