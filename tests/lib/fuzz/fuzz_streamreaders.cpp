// Fuzz entry over the stream readers of the values a style cache holds. The
// first byte picks the reader (its value modulo 3): 0 a Color, 1 a
// StylePropertyGroup, 2 a rule record; the rest is the stream (version 6.7).
// Whatever reads without error must write back, and what it writes must read
// again and, from the second write on, write the same bytes each time.

#include "fuzzapplication.h"

#include "color.h"
#include "style_p.h"
#include "stylepropertygroup.h"
#include "stylerule.h"

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace
{
enum class Reader
{
    Color,
    Group,
    RuleRecord,
};

[[noreturn]] void broken(const char* what)
{
    std::fprintf(stderr, "fuzz_streamreaders: %s\n", what);
    std::abort();
}

// Reads one value from `bytes`; when that succeeds, writes it to `written`.
bool readAndWrite(Reader reader, const QByteArray& bytes, QByteArray& written)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_7);
    QDataStream out(&written, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_7);
    switch (reader) {
    case Reader::Color: {
        Quilt::Color color;
        in >> color;
        if (in.status() != QDataStream::Ok) {
            return false;
        }
        out << color;
        break;
    }
    case Reader::Group: {
        std::unique_ptr<Quilt::Properties::StylePropertyGroup> group;
        in >> group;
        if (in.status() != QDataStream::Ok) {
            return false;
        }
        out << group.get();
        break;
    }
    case Reader::RuleRecord: {
        const std::shared_ptr<Quilt::StyleRule> rule = Quilt::StyleRule::create();
        Quilt::readRuleRecord(in, *rule);
        if (in.status() != QDataStream::Ok) {
            return false;
        }
        Quilt::writeRuleRecord(out, *rule);
        break;
    }
    }
    if (out.status() != QDataStream::Ok) {
        broken("a value that was read could not be written");
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    QuiltFuzz::ensureApplication();
    const auto reader = Reader(data[0] % 3);
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));

    QByteArray first;
    if (!readAndWrite(reader, bytes, first)) {
        return 0;
    }
    // Qt's own readers may settle a value once (a date and time at offset 0
    // reads back as UTC), so the bytes must hold still from the second write.
    QByteArray second;
    if (!readAndWrite(reader, first, second)) {
        broken("what was written does not read back");
    }
    QByteArray third;
    if (!readAndWrite(reader, second, third)) {
        broken("what was written twice does not read back");
    }
    if (second != third) {
        broken("a value read back keeps writing other bytes");
    }
    return 0;
}
