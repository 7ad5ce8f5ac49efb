// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tests.h"

#include <QApplication>
#include <QTest>
#include <memory>

namespace tarnel {

QList<std::function<QObject*()>>& testFactories() {
    static QList<std::function<QObject*()>> factories;
    return factories;
}

} // namespace tarnel

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    int failures = 0;
    for (const auto& make : tarnel::testFactories())
        failures += QTest::qExec(std::unique_ptr<QObject>(make()).get(), argc, argv);
    return failures == 0 ? 0 : 1;
}
