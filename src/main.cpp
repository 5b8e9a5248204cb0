// main.cpp: Eldmere, a solitaire quest.
#include "shell/Program.hpp"

int main(int argc, char** argv)
{
    shell::runMain(argc, argv);
}
