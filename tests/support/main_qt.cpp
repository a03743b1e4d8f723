// Entry point of the widget tests: a QApplication on the offscreen platform, then GoogleTest.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    // Set before QApplication exists: the test listing run gets no environment from CTest.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // No test ever reaches the machine's printers: CUPS is asked at a socket that does not exist.
    qputenv("CUPS_SERVER", "/nonexistent/palmora-tests-cups.sock");
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", "20000");
    // A private runtime folder (0700, as Qt requires), removed at the end.
    std::string execution =
        (std::filesystem::temp_directory_path() / "palmora-xdg-XXXXXX").string();
    const bool executionCree = ::mkdtemp(execution.data()) != nullptr;
    if (executionCree) qputenv("XDG_RUNTIME_DIR", execution.c_str());

    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int resultat = RUN_ALL_TESTS();
    std::error_code erreur;
    if (executionCree) std::filesystem::remove_all(execution, erreur);
    return resultat;
}
