#pragma once

#include <QObject>

#include <functional>
#include <memory>

namespace testsupport {

using Factory = std::function<std::unique_ptr<QObject>()>;
bool registerTest(const char *name, Factory factory);

} // namespace testsupport

// Registers a QtTest class with the folder's test executable. Run one class with
// "tst_folder ClassName [test functions...]".
#define VELMORA_TEST(Class)                                                                        \
    static const bool Class##Registered =                                                          \
        testsupport::registerTest(#Class, [] { return std::make_unique<Class>(); });
