#include "commands.h"

#include "romdata/heaptuning.h"

#include <iostream>

int main(int argc, char** argv)
{
    quorled::keepHeapPages();
    quorled::offerLargeHeapPages();
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const int code = quorled::cli::runCli(arguments, std::cout, std::cerr);
    std::cout.flush();
    if (!std::cout)
        return 1;
    return code;
}
