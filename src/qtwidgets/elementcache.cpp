#include "elementcache.h"

ElementCache& elementCache()
{
    static ElementCache cache;
    return cache;
}
