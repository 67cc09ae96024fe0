#include "support/TestMain.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#include <cstring>
#include <vector>

namespace testsupport {

namespace {
struct Entry {
    const char *name;
    Factory factory;
};
std::vector<Entry> &entries()
{
    static std::vector<Entry> list;
    return list;
}
} // namespace

bool registerTest(const char *name, Factory factory)
{
    entries().push_back({name, std::move(factory)});
    return true;
}

} // namespace testsupport

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Settings the application remembers go to a place of the tests' own.
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
    QApplication::setApplicationName(QStringLiteral("Velmora"));

    // "tst_x ClassName ..." runs that class only, with the remaining arguments.
    const char *only = nullptr;
    std::vector<char *> args(argv, argv + argc);
    if (argc > 1) {
        for (const auto &e : testsupport::entries()) {
            if (std::strcmp(argv[1], e.name) == 0) {
                only = e.name;
                args.erase(args.begin() + 1);
                break;
            }
        }
    }
    int failures = 0;
    for (const auto &e : testsupport::entries()) {
        if (only && std::strcmp(only, e.name) != 0)
            continue;
        std::unique_ptr<QObject> test = e.factory();
        failures += QTest::qExec(test.get(), int(args.size()), args.data());
    }
    return failures == 0 ? 0 : 1;
}
