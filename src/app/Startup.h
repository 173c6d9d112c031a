#pragma once

// The whole program: from the command line to the end of the message loop.
int gorvinMain(int argc, char* argv[]);
