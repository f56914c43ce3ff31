#pragma once

// Types that the module's properties need and that have no file of their own.

#include <QtCore/QList>
#include <QtQml/qqmlregistration.h>
#include <QtQuick/QQuickItem>

#include <filesystem>

#include "element.h"
#include "pathmetatype.h"
#include "properties.h"
#include "sizes.h"

namespace Quilt::Quick
{
// The enumerations of Quilt::Element under the name ColorSet.
namespace ColorSet
{
Q_NAMESPACE
QML_FOREIGN_NAMESPACE(Quilt::Element)
QML_NAMED_ELEMENT(ColorSet)
} // namespace ColorSet

struct SizesList
{
    Q_GADGET
    QML_ANONYMOUS
    QML_FOREIGN(QList<Quilt::Quick::Sizes>)
    QML_SEQUENTIAL_CONTAINER(Quilt::Quick::Sizes)
};

struct QuickItemList
{
    Q_GADGET
    QML_ANONYMOUS
    QML_FOREIGN(QList<QQuickItem*>)
    QML_SEQUENTIAL_CONTAINER(QQuickItem*)
};
} // namespace Quilt::Quick
