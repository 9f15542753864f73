#pragma once

#include "cliargs.h"

#include <ostream>
#include <string>
#include <vector>

namespace quorled::cli {

// A command of quorled-cli: its name, its usage line (shown by --help and
// "help COMMAND"), the options it takes with a value (`valued`) and without
// one (`flags`), besides the common --force and --no-backup, and what it
// does. `run` gets the words after the command name read with those
// options and writes its result to `out`; it throws UsageError for a bad
// call and ImageError for anything the user must be told.
struct Command {
    const char* name = "";
    const char* usage = "";
    std::vector<std::string> valued;
    std::vector<std::string> flags;
    int (*run)(const CliArgs& args, std::ostream& out) = nullptr;
};

// Each command's file registers it with one of these at namespace scope:
//     const CommandRegistration kDemoCommand({.name = "demo", ...});
class CommandRegistration {
public:
    explicit CommandRegistration(Command command);
};

// Every registered command, in the order of their names.
const std::vector<Command>& commands();

// Runs quorled-cli with its arguments (without the program name): prints
// errors as one line "quorled-cli: MESSAGE" on `err` and returns the exit
// code (0 done, 1 failed, 2 usage error).
int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace quorled::cli
