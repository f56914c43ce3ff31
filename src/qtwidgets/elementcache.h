#pragma once

#include "lrucache.h"

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <cstddef>
#include <memory>

class AbstractElement;
class QStyleOption;

// What an element was made for, kept beside it: keys are hash values, so a
// hit is checked against the request before its element is used.
struct ElementCacheEntry
{
    std::shared_ptr<AbstractElement> element;
    int kind = 0;
    int enumerator = 0;
    int optionType = -1;
    int optionVersion = -1;
    const QStyleOption* option = nullptr;
    const QWidget* widget = nullptr;
    // Follows the widget's life: a new widget may be given the address of a
    // destroyed one, and the element made for the old one must not serve it.
    QPointer<const QWidget> widgetGuard;
    QSize contents;
    QRect place;
};

// The element objects of the widget style, one per request site, shared by
// every QuiltStyle of the process.
using ElementCache = Quilt::LruCache<std::size_t, ElementCacheEntry, 500>;

ElementCache& elementCache();
