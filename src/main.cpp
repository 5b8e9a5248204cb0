// main.cpp: Eldmere, a solitaire quest.
#include "shell/Eldmere.hpp"

int main(int argc, char** argv)
{
    shell::runMain(argc, argv);
}
