#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace quorled::cli {

// A command of quorled-cli. `run` gets the words after the command name and
// writes its result to `out`; it throws UsageError for a bad call and
// ImageError for anything the user must be told.
struct Command {
    const char* name;
    const char* usage;
    int (*run)(const std::vector<std::string>& words, std::ostream& out);
};

const std::vector<Command>& commands();

int runDemo(const std::vector<std::string>& words, std::ostream& out);
int runDirectory(const std::vector<std::string>& words, std::ostream& out);
int runArea(const std::vector<std::string>& words, std::ostream& out);
int runPalettes(const std::vector<std::string>& words, std::ostream& out);
int runRender(const std::vector<std::string>& words, std::ostream& out);
int runReadouts(const std::vector<std::string>& words, std::ostream& out);
int runSave(const std::vector<std::string>& words, std::ostream& out);
int runExport(const std::vector<std::string>& words, std::ostream& out);
int runImport(const std::vector<std::string>& words, std::ostream& out);
int runVerify(const std::vector<std::string>& words, std::ostream& out);
int runTables(const std::vector<std::string>& words, std::ostream& out);
int runSet(const std::vector<std::string>& words, std::ostream& out);
int runFree(const std::vector<std::string>& words, std::ostream& out);
int runMove(const std::vector<std::string>& words, std::ostream& out);
int runDump(const std::vector<std::string>& words, std::ostream& out);
int runInsert(const std::vector<std::string>& words, std::ostream& out);
int runSetColour(const std::vector<std::string>& words, std::ostream& out);
int runPatch(const std::vector<std::string>& words, std::ostream& out);
int runApply(const std::vector<std::string>& words, std::ostream& out);
int runFind(const std::vector<std::string>& words, std::ostream& out);
int runStats(const std::vector<std::string>& words, std::ostream& out);
int runCheck(const std::vector<std::string>& words, std::ostream& out);
int runUnpack(const std::vector<std::string>& words, std::ostream& out);
int runPack(const std::vector<std::string>& words, std::ostream& out);
int runDiff(const std::vector<std::string>& words, std::ostream& out);

// Runs quorled-cli with its arguments (without the program name): prints
// errors as one line "quorled-cli: MESSAGE" on `err` and returns the exit
// code (0 done, 1 failed, 2 usage error).
int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace quorled::cli
