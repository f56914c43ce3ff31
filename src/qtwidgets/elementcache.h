#pragma once

#include "lrucache.h"

#include <cstddef>
#include <memory>

class AbstractElement;

// The element objects of the widget style, one per request site, shared by
// every QuiltStyle of the process.
using ElementCache = Quilt::LruCache<std::size_t, std::shared_ptr<AbstractElement>, 500>;

ElementCache& elementCache();
