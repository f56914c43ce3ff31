#include <shadermaterial_p.h>

#include <QFile>
#include <QtGui/rhi/qshader.h>
#include <QtTest/QtTest>

using namespace Quilt::Quick;

namespace
{
const QString prefix = QStringLiteral(":/qt/qml/org/vyr/quilt/impl/shaders/");

const QStringList rectanglePacks = { QStringLiteral("rectangle"), QStringLiteral("rectangle-texture"),
                                     QStringLiteral("rectangle-mask"), QStringLiteral("rectangle-invertedmask") };

const QStringList styledRectanglePacks = {
    QStringLiteral("styledrectangle"),
    QStringLiteral("styledrectangle-border"),
    QStringLiteral("styledrectangle-outline"),
    QStringLiteral("styledrectangle-border-outline"),
    QStringLiteral("styledrectangle-texture"),
    QStringLiteral("styledrectangle-mask"),
    QStringLiteral("styledrectangle-invertedmask"),
    QStringLiteral("styledrectangle-texture-mask"),
    QStringLiteral("styledrectangle-texture-invertedmask"),
    QStringLiteral("styledrectangle-border-texture"),
    QStringLiteral("styledrectangle-border-texture-mask"),
    QStringLiteral("styledrectangle-border-texture-invertedmask"),
    QStringLiteral("styledrectangle-outline-texture"),
    QStringLiteral("styledrectangle-border-outline-texture"),
    QStringLiteral("styledrectangle-border-outline-texture-mask"),
    QStringLiteral("styledrectangle-border-outline-texture-invertedmask"),
};

QShader loadPack(const QString& fileName)
{
    QFile file(prefix + fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QShader::fromSerialized(file.readAll());
}

using Members = QList<QPair<QString, int>>;
using Inputs = QList<QPair<QString, int>>;
} // namespace

class tst_ShaderPacks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void packs_data();
    void packs();
    void unrequestedPacksMatchTheirPrograms();
};

void tst_ShaderPacks::initTestCase()
{
    // The packs live in the library's resources.
    QVERIFY(ShaderMaterial::typeForName(QStringLiteral("rectangle")));
}

void tst_ShaderPacks::packs_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Members>("members");
    QTest::addColumn<Inputs>("inputs");
    QTest::addColumn<bool>("sampler");

    const Members rectangleMembers = { { "matrix", 0 }, { "opacity", 64 },   { "aspect", 72 },
                                       { "color", 80 }, { "maskColor", 96 }, { "radius", 112 } };
    const Inputs rectangleInputs = { { "in_vertex", 0 }, { "in_uv0", 1 }, { "in_uv1", 2 } };
    for (const QString& name : rectanglePacks) {
        QTest::newRow(qPrintable(name)) << name << rectangleMembers << rectangleInputs
                                        << (name != QLatin1String("rectangle"));
    }

    QTest::newRow("rectangleshadow") << QStringLiteral("rectangleshadow")
                                     << Members { { "matrix", 0 },  { "opacity", 64 }, { "aspect", 72 },
                                                  { "spread", 80 }, { "blur", 84 },    { "radius", 96 },
                                                  { "color", 112 } }
                                     << Inputs { { "in_vertex", 0 }, { "in_uv", 1 } } << false;

    const Members styledMembers = { { "matrix", 0 },       { "opacity", 64 },      { "aspect", 72 },
                                    { "borderWidth", 80 }, { "outlineWidth", 96 }, { "radius", 112 } };
    const Inputs styledInputs
        = { { "in_vertex", 0 }, { "in_uv0", 1 }, { "in_border_color", 2 }, { "in_outline_color", 3 } };
    for (const QString& name : styledRectanglePacks) {
        QTest::newRow(qPrintable(name)) << name << styledMembers << styledInputs << false;
    }
}

void tst_ShaderPacks::packs()
{
    QFETCH(QString, name);
    QFETCH(Members, members);
    QFETCH(Inputs, inputs);
    QFETCH(bool, sampler);

    const QList<QShaderKey> standard = {
        { QShader::SpirvShader, QShaderVersion(100) },
        { QShader::GlslShader, QShaderVersion(100, QShaderVersion::GlslEs) },
        { QShader::GlslShader, QShaderVersion(120) },
        { QShader::GlslShader, QShaderVersion(150) },
        { QShader::HlslShader, QShaderVersion(50) },
        { QShader::MslShader, QShaderVersion(12) },
    };

    for (const QString& stage : { QStringLiteral("vert"), QStringLiteral("frag") }) {
        const QShader shader = loadPack(name + u'.' + stage + QLatin1String(".qsb"));
        QVERIFY2(shader.isValid(), qPrintable(name + u'.' + stage));
        const bool vertex = stage == QLatin1String("vert");
        QCOMPARE(shader.stage(), vertex ? QShader::VertexStage : QShader::FragmentStage);

        for (const QShaderKey& key : standard) {
            QVERIFY2(shader.availableShaders().contains(key), qPrintable(stage));
            const QShaderKey batchable(key.source(), key.sourceVersion(), QShader::BatchableVertexShader);
            QCOMPARE(shader.availableShaders().contains(batchable), vertex);
        }

        const QShaderDescription description = shader.description();
        const auto blocks = description.uniformBlocks();
        QCOMPARE(blocks.size(), 1);
        QCOMPARE(blocks.first().binding, 0);
        QCOMPARE(blocks.first().size, 128);
        Members actual;
        for (const auto& member : blocks.first().members) {
            actual.append({ QString::fromLatin1(member.name), member.offset });
        }
        QCOMPARE(actual, members);

        const auto samplers = description.combinedImageSamplers();
        if (!vertex && sampler) {
            QCOMPARE(samplers.size(), 1);
            QCOMPARE(samplers.first().name, QByteArray("textureSource"));
            QCOMPARE(samplers.first().binding, 1);
        } else {
            QCOMPARE(samplers.size(), 0);
        }

        if (vertex) {
            Inputs actualInputs;
            for (const auto& input : description.inputVariables()) {
                actualInputs.append({ QString::fromLatin1(input.name), input.location });
            }
            std::sort(actualInputs.begin(), actualInputs.end(),
                      [](const auto& a, const auto& b) { return a.second < b.second; });
            // The batchable variant adds its order input at location 7, which
            // the attributes leave free.
            QCOMPARE(actualInputs, inputs + Inputs({ { "_qt_order", 7 } }));
        }
    }
}

void tst_ShaderPacks::unrequestedPacksMatchTheirPrograms()
{
    // Image variants of the border family ship and draw what their plain
    // border program draws.
    const QList<QPair<QString, QString>> equal = {
        { "styledrectangle-texture", "styledrectangle" },
        { "styledrectangle-texture-invertedmask", "styledrectangle" },
        { "styledrectangle-border-texture-mask", "styledrectangle-border" },
        { "styledrectangle-outline-texture", "styledrectangle-outline" },
        { "styledrectangle-border-outline-texture-invertedmask", "styledrectangle-border-outline" },
    };
    const QShaderKey spirv(QShader::SpirvShader, QShaderVersion(100));
    for (const auto& [variant, program] : equal) {
        const QShader a = loadPack(variant + QLatin1String(".frag.qsb"));
        const QShader b = loadPack(program + QLatin1String(".frag.qsb"));
        QVERIFY(a.isValid() && b.isValid());
        QCOMPARE(a.shader(spirv).shader(), b.shader(spirv).shader());
    }
    const QShader border = loadPack(QStringLiteral("styledrectangle-border.frag.qsb"));
    const QShader outline = loadPack(QStringLiteral("styledrectangle-outline.frag.qsb"));
    QVERIFY(border.shader(spirv).shader() != outline.shader(spirv).shader());
}

QTEST_MAIN(tst_ShaderPacks)
#include "tst_shaderpacks.moc"
