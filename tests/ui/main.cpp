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
    for (const auto& make : tarnel::testFactories()) {
        const std::unique_ptr<QObject> test(make());
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
