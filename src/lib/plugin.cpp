#include "plugin.h"
#include "plugin_p.h"

namespace Quilt
{
Plugin::Plugin(QObject* parent)
    : QObject(parent)
    , d(std::make_unique<PluginPrivate>())
{ }

Plugin::~Plugin() = default;

std::filesystem::path Plugin::path() const
{
    return d->path;
}

QString Plugin::type() const
{
    return d->type;
}

QString Plugin::name() const
{
    return d->name;
}

QJsonObject Plugin::metadata() const
{
    return d->metadata;
}
} // namespace Quilt
