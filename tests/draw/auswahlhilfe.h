#pragma once

#include "draw/logic/auswahldatei.h"

#include <QString>
#include <QStringList>
#include <QTest>

// "Spieler 001", "Spieler 002", ...
inline QString spielerName(int i)
{
    return QStringLiteral("Spieler %1").arg(i, 3, 10, QLatin1Char('0'));
}

// Writes a selection of n players as the selection dialog does.
inline void auswahlVon(int n)
{
    QStringList namen;
    for (int i = 1; i <= n; ++i)
        namen << spielerName(i);
    QVERIFY(auswahlSchreiben(auswahldatei2(), namen));
}
