#include "paintcounters.h"

PaintCounters& paintCounters()
{
    static PaintCounters counters;
    return counters;
}
