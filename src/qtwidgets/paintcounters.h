#pragma once

#include <QtGlobal>

// What the widget style did, counted for the benchmark. Painting happens on
// the GUI thread only, so each count is one plain increment.
struct PaintCounters
{
    quint64 elementCacheHits = 0;
    quint64 elementCacheMisses = 0;
    quint64 iconsResolved = 0;
    quint64 backgroundCacheHits = 0;
    quint64 backgroundCacheMisses = 0;
};

PaintCounters& paintCounters();
