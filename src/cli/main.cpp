#include <iostream>

#include "CliCommand.h"

int main(int argc, char** argv) {
    return sorvak::runCli(argc, argv, std::cout, std::cerr);
}
