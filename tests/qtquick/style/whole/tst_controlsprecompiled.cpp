// The module's documents are found precompiled under their resource paths,
// however a qrc URL spells them, and under nothing else.

#include <QFile>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTest>

#include <private/qqmlmetatype_p.h>

#include "quicktestfixture.h"

namespace
{
// The 70 document paths, from the module's qmldir on the import path.
QStringList documentPaths()
{
    QStringList paths;
    for (const QString& folder : qEnvironmentVariable("QML_IMPORT_PATH").split(u':', Qt::SkipEmptyParts)) {
        QFile qmldir(folder + QStringLiteral("/org/vyr/quilt/qmldir"));
        if (!qmldir.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        while (!qmldir.atEnd()) {
            const QString line = QString::fromUtf8(qmldir.readLine()).trimmed();
            if (line.endsWith(QStringLiteral(".qml")))
                paths << QStringLiteral("/qt/qml/org/vyr/quilt/") + line.section(u' ', -1);
        }
        break;
    }
    return paths;
}

bool found(const QUrl& url)
{
    QQmlMetaType::CachedUnitLookupError error = QQmlMetaType::CachedUnitLookupError::NoError;
    return QQmlMetaType::findCachedCompilationUnit(url, QQmlMetaType::AcceptUntyped, &error) != nullptr;
}
} // namespace

class PrecompiledTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // Importing the module loads the library, which registers its units.
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData("import org.vyr.quilt\nimport QtQml\nQtObject {}\n", QUrl());
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
    }

    void units_data()
    {
        QTest::addColumn<QString>("path");
        const QStringList paths = documentPaths();
        QCOMPARE(paths.size(), 70);
        for (const QString& path : paths)
            QTest::newRow(qPrintable(path.section(u'/', 5))) << path;
    }

    void units()
    {
        QFETCH(QString, path);
        QVERIFY(found(QUrl(QStringLiteral("qrc:") + path)));
        // "./" inside, and no leading '/'.
        const int slash = path.lastIndexOf(u'/');
        QVERIFY(found(QUrl(QStringLiteral("qrc:") + path.left(slash) + QStringLiteral("/.") + path.mid(slash))));
        QVERIFY(found(QUrl(QStringLiteral("qrc:") + path.mid(1))));
        // Another scheme or another path finds nothing.
        QVERIFY(!found(QUrl(QStringLiteral("file://") + path)));
        QVERIFY(!found(QUrl(QStringLiteral("qrc:") + path.left(slash) + QStringLiteral("/Unknown.qml"))));
    }
};

QUILT_QUICK_TEST_MAIN(PrecompiledTest, "/* No rule. */")

#include "tst_controlsprecompiled.moc"
