#pragma once

#include <timings.h>

// Sashiko's animation durations, scaled by the animation speed of libQuilt's
// platform plug-in and recomputed whenever it changes.
class Units : public Sashiko::Platform::Timings
{
    Q_OBJECT

public:
    explicit Units(QObject* parent);
    ~Units() override;

    void update();

    // int(base x multiplier), truncated toward zero; a product that is not a
    // number gives 0 and one beyond the range of int its nearest end.
    static int scaledDuration(int base, double multiplier);
};
