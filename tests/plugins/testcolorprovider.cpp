#include "testcolorprovider.h"

#include <QColor>

std::optional<Quilt::Rgba> TestColorProvider::resolveColor(const QStringList& arguments)
{
    ++m_calls;
    m_lastArguments = arguments;
    if (arguments.size() != 1) {
        return std::nullopt;
    }
    const QColor color = QColor::fromString(arguments.first());
    if (!color.isValid()) {
        return std::nullopt;
    }
    return Quilt::Rgba { quint8(color.red()), quint8(color.green()), quint8(color.blue()), quint8(color.alpha()) };
}
