#pragma once

#include <QtQml/QQmlEngine>
#include <QtQuickControls2/QQuickAttachedPropertyPropagator>

namespace Quilt::Quick::detail
{
// The key under which the QML engine files the attached objects of T: the
// same function pointer that QML_ATTACHED registers, so that lookups from C++
// find the objects a document created and the other way round.
template<typename T> QQmlAttachedPropertiesFunc attachedFunction()
{
    return reinterpret_cast<QQmlAttachedPropertiesFunc>(&T::qmlAttachedProperties);
}

template<typename T> T* attachedObject(QObject* object, bool create)
{
    if (!object) {
        return nullptr;
    }
    return qobject_cast<T*>(qmlAttachedPropertiesObject(object, attachedFunction<T>(), create));
}

// Without an attached ancestor the propagator falls back to an object it
// attaches to the QML engine. That object describes nothing: it must not head
// chains, hand out styles or count as anyone's parent.
inline bool isEngineAttached(const QObject* attached)
{
    return attached && qobject_cast<const QQmlEngine*>(attached->parent());
}

template<typename T> T* attachedParent(const QQuickAttachedPropertyPropagator* attached)
{
    QQuickAttachedPropertyPropagator* parent = attached->attachedParent();
    if (!parent || isEngineAttached(parent)) {
        return nullptr;
    }
    return qobject_cast<T*>(parent);
}
} // namespace Quilt::Quick::detail
