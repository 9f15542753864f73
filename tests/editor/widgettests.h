#pragma once

namespace quorled::widgettests {

// Each test file runs its Qt Test class; the result is QTest::qExec's.
int runKeyMappingTests(int argc, char** argv);
int runDialogTests(int argc, char** argv);
int runMainWindowTests(int argc, char** argv);
int runStartupTests(int argc, char** argv);
int runAreaEditingTests(int argc, char** argv);
int runTableDialogTests(int argc, char** argv);
int runUnsavedGuardTests(int argc, char** argv);
int runSpaceDialogTests(int argc, char** argv);
int runGameDialogTests(int argc, char** argv);
int runWorkbenchCommandTests(int argc, char** argv);
int runWorkbenchTests(int argc, char** argv);
int runDesktopTests(int argc, char** argv);
int runGameViewTests(int argc, char** argv);
int runWindowTextsTests(int argc, char** argv);

} // namespace quorled::widgettests
