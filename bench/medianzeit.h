#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

// The median of `runs` timed runs of `lauf`, in milliseconds; `vorher` (if given) runs untimed
// before each run.
inline double medianMs(int runs, const std::function<void()>& lauf,
                       const std::function<void()>& vorher = {})
{
    std::vector<double> zeiten;
    for (int i = 0; i < runs; ++i) {
        if (vorher)
            vorher();
        QElapsedTimer uhr;
        uhr.start();
        lauf();
        zeiten.push_back(double(uhr.nsecsElapsed()) / 1e6);
    }
    std::sort(zeiten.begin(), zeiten.end());
    return zeiten[zeiten.size() / 2];
}

// The medians of `runs` timed runs of `lauf` and of `boden`, taken in turns so that both see
// the same state of the machine; `vorher` (if given) runs untimed before each run of `lauf`.
inline std::pair<double, double> medianPairMs(int runs, const std::function<void()>& lauf,
                                              const std::function<void()>& boden,
                                              const std::function<void()>& vorher = {})
{
    std::vector<double> zeiten;
    std::vector<double> bodenZeiten;
    for (int i = 0; i < runs; ++i) {
        zeiten.push_back(medianMs(1, lauf, vorher));
        bodenZeiten.push_back(medianMs(1, boden));
    }
    std::sort(zeiten.begin(), zeiten.end());
    std::sort(bodenZeiten.begin(), bodenZeiten.end());
    return {zeiten[zeiten.size() / 2], bodenZeiten[bodenZeiten.size() / 2]};
}
