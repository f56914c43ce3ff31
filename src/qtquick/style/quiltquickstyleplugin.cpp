// The QML plug-in of org.vyr.quilt. An application that selects the style by
// its module name alone calls nothing of the engine, so the first import
// loads the style registry: a style selected is a style shown. Applications
// that link the library load no plug-in (it is optional) and call
// StyleRegistry::load() themselves.

#include <QtQml/qqmlextensionplugin.h>

#include "styleregistry.h"

extern void qml_register_types_org_vyr_quilt();
Q_GHS_KEEP_REFERENCE(qml_register_types_org_vyr_quilt)

class org_vyr_quiltPlugin : public QQmlEngineExtensionPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QQmlEngineExtensionInterface_iid)

public:
    explicit org_vyr_quiltPlugin(QObject* parent = nullptr)
        : QQmlEngineExtensionPlugin(parent)
    {
        // Keeps the module's registration, and with it the library, linked.
        volatile auto registration = &qml_register_types_org_vyr_quilt;
        Q_UNUSED(registration)
    }

    void initializeEngine(QQmlEngine* engine, const char* uri) override
    {
        Q_UNUSED(engine)
        Q_UNUSED(uri)
        // Does its work once per process; later engines find it done.
        Quilt::StyleRegistry::instance()->load();
    }
};

#include "quiltquickstyleplugin.moc"
