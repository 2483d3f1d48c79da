#pragma once

#include <QElapsedTimer>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

// One timed run of `lauf`, in milliseconds; `vorher` (if given) runs untimed before it.
inline double einmalMs(const std::function<void()>& lauf, const std::function<void()>& vorher)
{
    if (vorher)
        vorher();
    QElapsedTimer uhr;
    uhr.start();
    lauf();
    return double(uhr.nsecsElapsed()) / 1e6;
}

// The medians of a measured step and of its floor, timed in turn (step, floor, step, ...) so
// that both see the same state of a shared machine. Each `vorher` runs untimed before its own
// run.
struct Paarzeit {
    double ms = 0;
    double boden = 0;
};

inline Paarzeit abwechselndMs(int runs, const std::function<void()>& lauf,
                              const std::function<void()>& boden,
                              const std::function<void()>& vorherLauf = {},
                              const std::function<void()>& vorherBoden = {})
{
    std::vector<double> laeufe;
    std::vector<double> boeden;
    for (int i = 0; i < runs; ++i) {
        laeufe.push_back(einmalMs(lauf, vorherLauf));
        boeden.push_back(einmalMs(boden, vorherBoden));
    }
    std::sort(laeufe.begin(), laeufe.end());
    std::sort(boeden.begin(), boeden.end());
    return {laeufe[laeufe.size() / 2], boeden[boeden.size() / 2]};
}

// One row of the table that tools/bench.sh gathers from every benchmark: fields apart by " | ".
inline void tabellenzeile(const char* bench, const QString& was, long long groesse,
                          const Paarzeit& zeit, const QString& boden)
{
    std::printf("%-15s | %-44s | %7lld | %10.3f ms | %-44s | %10.3f ms | %7.2fx\n", bench,
                qPrintable(was), groesse, zeit.ms, qPrintable(boden), zeit.boden,
                zeit.boden > 0 ? zeit.ms / zeit.boden : 0.0);
    std::fflush(stdout);
}
