#include "widgettests.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failures = 0;
    failures += quorled::widgettests::runKeyMappingTests(argc, argv);
    failures += quorled::widgettests::runDialogTests(argc, argv);
    failures += quorled::widgettests::runMainWindowTests(argc, argv);
    failures += quorled::widgettests::runStartupTests(argc, argv);
    failures += quorled::widgettests::runAreaEditingTests(argc, argv);
    failures += quorled::widgettests::runTableDialogTests(argc, argv);
    failures += quorled::widgettests::runUnsavedGuardTests(argc, argv);
    failures += quorled::widgettests::runSpaceDialogTests(argc, argv);
    failures += quorled::widgettests::runGameDialogTests(argc, argv);
    failures += quorled::widgettests::runWorkbenchCommandTests(argc, argv);
    failures += quorled::widgettests::runWorkbenchTests(argc, argv);
    failures += quorled::widgettests::runDesktopTests(argc, argv);
    failures += quorled::widgettests::runGameViewTests(argc, argv);
    failures += quorled::widgettests::runWindowTextsTests(argc, argv);
    return failures == 0 ? 0 : 1;
}
