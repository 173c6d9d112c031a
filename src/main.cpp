#include "app/Startup.h"

#include <csignal>

int main(int argc, char* argv[])
{
    // A file that reaches the size limit of the session fails its write like
    // a full disk does, and the writer reports it, instead of the program
    // being killed with its work unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
    return gorvinMain(argc, argv);
}
