#include "units.h"

#include "platformplugin.h"
#include "styleregistry.h"

#include <algorithm>
#include <climits>
#include <cmath>

Units::Units(QObject* parent)
    : Sashiko::Platform::Timings(parent)
{
    if (auto platform = Quilt::StyleRegistry::instance()->platform()) {
        connect(platform.get(), &Quilt::PlatformPlugin::animationSpeedMultiplierChanged, this, &Units::update);
    }
    update();
}

Units::~Units() = default;

int Units::scaledDuration(int base, double multiplier)
{
    const double duration = base * multiplier;
    if (std::isnan(duration)) {
        return 0;
    }
    return int(std::clamp(duration, double(INT_MIN), double(INT_MAX)));
}

void Units::update()
{
    const auto platform = Quilt::StyleRegistry::instance()->platform();
    const double multiplier = platform ? platform->animationSpeedMultiplier() : 1.0;
    setVeryShortDuration(scaledDuration(50, multiplier));
    setShortDuration(scaledDuration(100, multiplier));
    setLongDuration(scaledDuration(200, multiplier));
    setVeryLongDuration(scaledDuration(400, multiplier));
}
