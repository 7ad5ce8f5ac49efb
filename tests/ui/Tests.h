#pragma once

#include <QList>
#include <QObject>
#include <functional>

namespace tarnel {

// Every test class of ui_tests registers itself here (one RegisterTest object per class);
// main() runs them all in the order they registered.
QList<std::function<QObject*()>>& testFactories();

template <class T> struct RegisterTest {
    RegisterTest() {
        testFactories().append([] { return new T; });
    }
};

} // namespace tarnel
