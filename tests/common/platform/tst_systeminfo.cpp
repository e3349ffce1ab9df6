#include <platform/SystemInfo.h>

#include <QtTest>

// The system's description comes from files that report no size: they are
// read to their end, not to the size they claim.
class TestSystemInfo : public QObject
{
    Q_OBJECT
private slots:
    void describesTheRunningSystem();
};

void TestSystemInfo::describesTheRunningSystem()
{
    const oc::platform::SystemInfo info = oc::platform::systemInfo();
    QVERIFY(!info.kernelType.isEmpty());
    QVERIFY(!info.kernelVersion.isEmpty());
    QVERIFY(!info.cpuArchitecture.isEmpty());
    QVERIFY(info.memInfo.startsWith("MemTotal:"));
    QVERIFY(info.cpuInfo.contains(':'));
    QVERIFY(info.cpuInfo.endsWith('\n'));
}

QTEST_MAIN(TestSystemInfo)
#include "tst_systeminfo.moc"
