#pragma once

#include <QTest>

// Runs a checking helper (a void function that checks with QVERIFY or
// QCOMPARE) and ends the calling function when the helper failed: the
// helper's own return would otherwise let the test go on past the failure.
#define EXIGIR(chamada)                                                                            \
    do {                                                                                           \
        chamada;                                                                                   \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)
