// Replays a fuzz entry over its seed corpus (the folder QUILT_FUZZ_CORPUS),
// so that every build, the sanitizer build included, runs the seeds and the
// inputs that once broke a reader without libFuzzer. Each fuzz entry's test
// links this file beside the entry.

#include <QDir>
#include <QFile>
#include <QTest>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

class tst_FuzzCorpus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void seed_data()
    {
        QTest::addColumn<QString>("path");
        const QDir corpus(QStringLiteral(QUILT_FUZZ_CORPUS));
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
        QCOMPARE(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(data.constData()), size_t(data.size())),
                 0);
    }
};

QTEST_MAIN(tst_FuzzCorpus)
#include "fuzzcorpus.moc"
