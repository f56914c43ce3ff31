#pragma once

#include "colorprovider.h"

#include <QStringList>

// The colour-provider fixture: one argument that QColor::fromString() reads
// ("red", "#102030", "#80102030") resolves to that colour, anything else to no
// colour. The properties let a test that reaches the object through
// QPluginLoader see how it was called.
class TestColorProvider : public Quilt::ColorProvider
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuiltColorProvider_iid FILE "quilt-plugin.json")
    Q_PROPERTY(int calls READ calls)
    Q_PROPERTY(QStringList lastArguments READ lastArguments)

public:
    std::optional<Quilt::Rgba> resolveColor(const QStringList& arguments) override;

    int calls() const { return m_calls; }
    QStringList lastArguments() const { return m_lastArguments; }

private:
    int m_calls = 0;
    QStringList m_lastArguments;
};
