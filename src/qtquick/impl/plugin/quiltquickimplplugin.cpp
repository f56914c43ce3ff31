// The QML plug-in of org.vyr.quilt.impl. A document that imports the items
// library (run by the `qml` tool, say) or the style module, which imports it,
// may have nobody to load the style registry for it, and every value it binds
// would read undefined: the first import loads it. An application that loaded
// the registry itself finds it done.

#include <QtQml/qqmlextensionplugin.h>

#include "styleregistry.h"

extern void qml_register_types_org_vyr_quilt_impl();
Q_GHS_KEEP_REFERENCE(qml_register_types_org_vyr_quilt_impl)

class org_vyr_quilt_implPlugin : public QQmlEngineExtensionPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QQmlEngineExtensionInterface_iid)

public:
    explicit org_vyr_quilt_implPlugin(QObject* parent = nullptr)
        : QQmlEngineExtensionPlugin(parent)
    {
        // Keeps the module's registration, and with it the library, linked.
        volatile auto registration = &qml_register_types_org_vyr_quilt_impl;
        Q_UNUSED(registration)
    }

    void initializeEngine(QQmlEngine* engine, const char* uri) override
    {
        Q_UNUSED(engine)
        Q_UNUSED(uri)
        Quilt::StyleRegistry::instance()->load();
    }
};

#include "quiltquickimplplugin.moc"
