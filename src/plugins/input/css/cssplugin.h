#pragma once

#include "inputplugin.h"

// The input plug-in of the input type "css": packages whose sources are style
// sheets under contents/css, with images under contents/images.
class CssPlugin : public Quilt::InputPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuiltInputPlugin_iid FILE "css.json")

public:
    explicit CssPlugin(QObject* parent = nullptr);
    ~CssPlugin() override;

    // 0 when contents/css/style.css exists (of whatever type), else 2.
    int validatePackage(const Quilt::StylePackage& package) override;
    // Writes contents/css/style.css (a header of comments) and
    // contents/images/README.
    bool createPackage(Quilt::StylePackage& package, std::error_code& error) override;
    // A style over the package's folder with a new CSS loader; never null.
    std::shared_ptr<Quilt::Style> createStyle(const Quilt::StylePackage& package) override;
};
