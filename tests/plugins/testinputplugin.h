#pragma once

#include "inputplugin.h"

// An input plug-in for the tests, input type "testinput", until a real one
// exists. Its sources are one file, `contents/rules.txt`; the format is
// described in testinputplugin.cpp.
class TestInputPlugin : public Quilt::InputPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuiltInputPlugin_iid FILE "quilt-plugin.json")

public:
    explicit TestInputPlugin(QObject* parent = nullptr);

    // 2 (missing files) when the rule file is missing.
    int validatePackage(const Quilt::StylePackage& package) override;
    // Writes an empty rule file.
    bool createPackage(Quilt::StylePackage& package, std::error_code& error) override;
    std::shared_ptr<Quilt::Style> createStyle(const Quilt::StylePackage& package) override;
};
