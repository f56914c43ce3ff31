#include "timings.h"

namespace Sashiko::Platform
{
Timings::Timings(QObject* parent)
    : QObject(parent)
{ }

Timings::~Timings() = default;

void Timings::set(int& field, int value)
{
    if (field == value) {
        return;
    }
    field = value;
    Q_EMIT durationsChanged();
}
} // namespace Sashiko::Platform
