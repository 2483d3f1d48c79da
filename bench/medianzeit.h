#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <functional>
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
