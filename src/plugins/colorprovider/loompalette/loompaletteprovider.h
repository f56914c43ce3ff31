#pragma once

#include "colorprovider.h"

#include <memory>

class LoomPaletteProviderPrivate;

// The colour provider "loompalette": a custom colour names a colour of the
// desktop colour scheme by four strings, colour group, colour set, kind and
// role. Results are kept until the application palette changes, which also
// makes the provider read the scheme again.
class LoomPaletteProvider : public Quilt::ColorProvider
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuiltColorProvider_iid FILE "loompalette.json")

public:
    explicit LoomPaletteProvider(QObject* parent = nullptr);
    ~LoomPaletteProvider() override;

    std::optional<Quilt::Rgba> resolveColor(const QStringList& arguments) override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<LoomPaletteProviderPrivate> d;
};
