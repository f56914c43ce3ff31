#pragma once

#include <QStylePlugin>

// The root object of the style plug-in: QStyleFactory asks it for "Quilt".
class StylePlugin : public QStylePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QStyleFactoryInterface" FILE "styleplugin.json")

public:
    QStyle* create(const QString& key) override;
};
