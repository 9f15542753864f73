#include "widgettests.h"

#include <QApplication>

#include <cstring>
#include <vector>

namespace {

struct TestClass {
    const char* name;
    int (*run)(int argc, char** argv);
};

// Each class is also a ctest entry of its own (tests/editor/CMakeLists.txt).
const TestClass kClasses[] = {
    {"KeyMapping", quorled::widgettests::runKeyMappingTests},
    {"Dialogs", quorled::widgettests::runDialogTests},
    {"MainWindow", quorled::widgettests::runMainWindowTests},
    {"Startup", quorled::widgettests::runStartupTests},
    {"AreaEditing", quorled::widgettests::runAreaEditingTests},
    {"TableDialogs", quorled::widgettests::runTableDialogTests},
    {"UnsavedGuard", quorled::widgettests::runUnsavedGuardTests},
    {"SpaceDialogs", quorled::widgettests::runSpaceDialogTests},
    {"GameDialogs", quorled::widgettests::runGameDialogTests},
    {"WorkbenchCommands", quorled::widgettests::runWorkbenchCommandTests},
    {"Workbench", quorled::widgettests::runWorkbenchTests},
    {"Desktop", quorled::widgettests::runDesktopTests},
    {"GameView", quorled::widgettests::runGameViewTests},
    {"WindowTexts", quorled::widgettests::runWindowTextsTests},
};

} // namespace

// quorled_widget_tests [--class NAME] [Qt Test options]: every class, or the
// one named.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const char* only = nullptr;
    std::vector<char*> arguments(argv, argv + argc);
    if (argc > 2 && std::strcmp(argv[1], "--class") == 0) {
        only = argv[2];
        arguments.erase(arguments.begin() + 1, arguments.begin() + 3);
    }
    int failures = 0;
    bool found = false;
    for (const TestClass& testClass : kClasses) {
        if (only && std::strcmp(only, testClass.name) != 0)
            continue;
        found = true;
        failures += testClass.run(static_cast<int>(arguments.size()), arguments.data());
    }
    return found && failures == 0 ? 0 : 1;
}
