#include "styleplugin.h"

#include "quiltstyle.h"

QStyle* StylePlugin::create(const QString& key)
{
    if (key.compare(QLatin1String("quilt"), Qt::CaseInsensitive) != 0) {
        return nullptr;
    }
    return new QuiltStyle;
}
