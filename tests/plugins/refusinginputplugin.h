#pragma once

#include "inputplugin.h"
#include "stylepackage.h"

// An input plug-in, input type "refusinginput", that finds every package
// invalid with a code of its own, as an input plug-in may: 7, beyond the
// codes that packages name.
class RefusingInputPlugin : public Quilt::InputPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuiltInputPlugin_iid FILE "quilt-plugin.json")

public:
    static constexpr int refusal = 7;

    explicit RefusingInputPlugin(QObject* parent = nullptr)
        : Quilt::InputPlugin(parent)
    { }

    int validatePackage(const Quilt::StylePackage&) override { return refusal; }
    bool createPackage(Quilt::StylePackage&, std::error_code& error) override
    {
        error = std::make_error_code(std::errc::operation_not_supported);
        return false;
    }
    std::shared_ptr<Quilt::Style> createStyle(const Quilt::StylePackage&) override { return nullptr; }
};
