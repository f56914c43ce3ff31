// Runs the package archive's fuzz entry over its seed corpus, so that every
// build, the sanitizer build included, replays the seeds without libFuzzer.

#include <QDir>
#include <QFile>
#include <QTest>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

class tst_PackageArchiveCorpus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void seed_data()
    {
        QTest::addColumn<QString>("path");
        const QDir corpus(QStringLiteral(QUILT_PACKAGEARCHIVE_CORPUS));
        const QFileInfoList files = corpus.entryInfoList(QDir::Files, QDir::Name);
        QVERIFY2(!files.isEmpty(), qPrintable(corpus.path()));
        for (const QFileInfo& file : files) {
            QTest::newRow(qPrintable(file.fileName())) << file.filePath();
        }
    }

    void seed()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        QCOMPARE(LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(data.constData()), size_t(data.size())), 0);
    }
};

QTEST_GUILESS_MAIN(tst_PackageArchiveCorpus)
#include "tst_packagearchivecorpus.moc"
