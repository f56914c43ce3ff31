#include "sashikostylehints.h"

#include "stylehints.h"

#include <QtQml/qqml.h>

SashikoStyleHints::SashikoStyleHints(QObject* parent)
    : Sashiko::Platform::FrameworkHints(parent)
{ }

SashikoStyleHints::~SashikoStyleHints() = default;

Sashiko::Platform::FrameworkHints* SashikoStyleHints::make(QObject* object)
{
    auto* hints = new SashikoStyleHints(object);
    const auto function
        = reinterpret_cast<QQmlAttachedPropertiesFunc>(&Quilt::Quick::StyleHints::qmlAttachedProperties);
    hints->m_styleHints = qobject_cast<Quilt::Quick::StyleHints*>(qmlAttachedPropertiesObject(object, function, true));
    return hints;
}

void SashikoStyleHints::hintChanged(int index)
{
    if (!m_styleHints) {
        return;
    }
    switch (index) {
    case UseAlternateBackgroundColor:
        m_styleHints->setUseAlternatingColors(useAlternateBackgroundColor());
        break;
    case ShowFramedBackground:
        m_styleHints->setShowFramedBackground(showFramedBackground());
        break;
    case TickMarkStepSize:
        m_styleHints->setTickMarkStepSize(tickMarkStepSize());
        break;
    case IconName:
        m_styleHints->setIconName(iconName());
        break;
    case IconSource:
        m_styleHints->setIconSource(iconSource());
        break;
    default:
        break;
    }
}
