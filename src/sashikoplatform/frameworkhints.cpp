#include "frameworkhints.h"

namespace Sashiko::Platform
{
namespace
{
FrameworkHints::MakeFunction& maker()
{
    static FrameworkHints::MakeFunction function;
    return function;
}

template<typename T> bool store(T& field, const T& value)
{
    if (field == value) {
        return false;
    }
    field = value;
    return true;
}
} // namespace

FrameworkHints::FrameworkHints(QObject* parent)
    : QObject(parent)
{ }

FrameworkHints::~FrameworkHints() = default;

void FrameworkHints::setMakeStyleHintsFunction(const MakeFunction& make)
{
    maker() = make;
}

FrameworkHints* FrameworkHints::hintsFor(QObject* object)
{
    if (!object) {
        return nullptr;
    }
    if (auto* existing = object->findChild<FrameworkHints*>(QString(), Qt::FindDirectChildrenOnly)) {
        return existing;
    }
    FrameworkHints* hints = maker() ? maker()(object) : nullptr;
    if (!hints) {
        hints = new FrameworkHints(object);
    } else if (hints->parent() != object) {
        hints->setParent(object);
    }
    return hints;
}

bool FrameworkHints::useAlternateBackgroundColor() const
{
    return m_useAlternateBackgroundColor;
}

void FrameworkHints::setUseAlternateBackgroundColor(bool use)
{
    if (store(m_useAlternateBackgroundColor, use)) {
        changed(UseAlternateBackgroundColor);
    }
}

bool FrameworkHints::showFramedBackground() const
{
    return m_showFramedBackground;
}

void FrameworkHints::setShowFramedBackground(bool show)
{
    if (store(m_showFramedBackground, show)) {
        changed(ShowFramedBackground);
    }
}

int FrameworkHints::tickMarkStepSize() const
{
    return m_tickMarkStepSize;
}

void FrameworkHints::setTickMarkStepSize(int size)
{
    if (store(m_tickMarkStepSize, size)) {
        changed(TickMarkStepSize);
    }
}

QString FrameworkHints::iconName() const
{
    return m_iconName;
}

void FrameworkHints::setIconName(const QString& name)
{
    if (store(m_iconName, name)) {
        changed(IconName);
    }
}

QUrl FrameworkHints::iconSource() const
{
    return m_iconSource;
}

void FrameworkHints::setIconSource(const QUrl& source)
{
    if (store(m_iconSource, source)) {
        changed(IconSource);
    }
}

void FrameworkHints::hintChanged(int index)
{
    Q_UNUSED(index);
}

void FrameworkHints::changed(Hint hint)
{
    hintChanged(int(hint));
}
} // namespace Sashiko::Platform
