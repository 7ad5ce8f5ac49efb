// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <functional>

namespace tarnel {

// How a test class joins ui_tests, the one Qt Test program of the screens:
//   1. write tests/ui/<Name>Test.cpp with a QObject class whose private slots are the tests,
//      using Harness (Harness.h) for a whole program over a temporary model directory;
//   2. end the file with `static RegisterTest<NameTest> registerNameTest;` and
//      `#include "NameTest.moc"`;
//   3. list the file in tests/ui/CMakeLists.txt.
// main() runs the classes in the order they registered.
QList<std::function<QObject*()>>& testFactories();

template <class T> struct RegisterTest {
    RegisterTest() {
        testFactories().append([] { return new T; });
    }
};

} // namespace tarnel
