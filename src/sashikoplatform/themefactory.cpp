#include "themefactory.h"

namespace Sashiko::Platform
{
ThemeFactory::ThemeFactory(QObject* parent)
    : QObject(parent)
{ }

ThemeFactory::~ThemeFactory() = default;
} // namespace Sashiko::Platform
