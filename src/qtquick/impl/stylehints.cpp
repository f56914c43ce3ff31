#include "stylehints.h"

#include <QtCore/QCoreApplication>

#include "platformplugin.h"
#include "styleregistry.h"

namespace Quilt::Quick
{
int StyleHintsChangedEvent::s_type = QEvent::registerEventType();

StyleHintsChangedEvent::StyleHintsChangedEvent()
    : QEvent(QEvent::Type(s_type))
{ }

StyleHintsChangedEvent::~StyleHintsChangedEvent() = default;

StyleHints::StyleHints(QObject* attachee)
    : QObject(attachee)
{
    if (auto platform = StyleRegistry::instance()->platform()) {
        platform->installEventFilter(this);
    }
    update();
}

StyleHints::~StyleHints() = default;

StyleHints* StyleHints::qmlAttachedProperties(QObject* object)
{
    return new StyleHints(object);
}

template<typename T> void StyleHints::set(T& field, const T& value, void (StyleHints::*changed)())
{
    if (field == value) {
        return;
    }
    field = value;
    update();
    Q_EMIT(this->*changed)();
}

bool StyleHints::useAlternatingColors() const
{
    return m_useAlternatingColors;
}

void StyleHints::setUseAlternatingColors(bool use)
{
    set(m_useAlternatingColors, use, &StyleHints::useAlternatingColorsChanged);
}

bool StyleHints::showFramedBackground() const
{
    return m_showFramedBackground;
}

void StyleHints::setShowFramedBackground(bool show)
{
    set(m_showFramedBackground, show, &StyleHints::showFramedBackgroundChanged);
}

int StyleHints::tickMarkStepSize() const
{
    return m_tickMarkStepSize;
}

void StyleHints::setTickMarkStepSize(int size)
{
    set(m_tickMarkStepSize, size, &StyleHints::tickMarkStepSizeChanged);
}

QString StyleHints::iconName() const
{
    return m_iconName;
}

void StyleHints::setIconName(const QString& name)
{
    set(m_iconName, name, &StyleHints::iconNameChanged);
}

QUrl StyleHints::iconSource() const
{
    return m_iconSource;
}

void StyleHints::setIconSource(const QUrl& source)
{
    set(m_iconSource, source, &StyleHints::iconSourceChanged);
}

bool StyleHints::spellCheckEnabled() const
{
    return m_spellCheckEnabled;
}

void StyleHints::setSpellCheckEnabled(const bool& enabled)
{
    set(m_spellCheckEnabled, enabled, &StyleHints::spellCheckEnabledChanged);
}

double StyleHints::animationSpeedMultiplier() const
{
    auto platform = StyleRegistry::instance()->platform();
    return platform ? platform->animationSpeedMultiplier() : 1.0;
}

void StyleHints::update()
{
    StyleHintsChangedEvent event;
    QCoreApplication::sendEvent(this, &event);
    Q_EMIT updated();
}

bool StyleHints::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == AnimationSpeedMultiplierChangedEvent::s_type) {
        Q_EMIT animationSpeedMultiplierChanged();
        update();
        return false;
    }
    return QObject::eventFilter(watched, event);
}
} // namespace Quilt::Quick
