// Fuzz entry over the package archive: the input is a package file as it
// may arrive from anyone (gzip-compressed, or plain tar, which zlib passes
// through). It is read and, when that succeeds, extracted; whatever happens,
// nothing may appear outside the extraction folder and every extracted file
// must hold its entry's data.

#include "packagearchive.h"

#include <QLoggingCategory>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace
{
struct Sandbox
{
    Sandbox()
    {
        // Refused inputs are the common case; their warnings would drown
        // the fuzzer's own output.
        QLoggingCategory::setFilterRules(QStringLiteral("quilt.styletool.warning=false"));
        std::error_code ec;
        std::string pattern = (fs::temp_directory_path(ec) / "quilt-fuzz-archive-XXXXXX").native();
        if (!mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        base = pattern;
        archive = base / "input.quiltstyle";
        out = base / "out";
    }
    ~Sandbox()
    {
        std::error_code ec;
        fs::remove_all(base, ec);
    }
    fs::path base;
    fs::path archive;
    fs::path out;
};

[[noreturn]] void fail(const char* what, const fs::path& path)
{
    std::fprintf(stderr, "fuzz_packagearchive: %s: %s\n", what, path.c_str());
    std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Sandbox box;
    std::error_code ec;
    fs::remove_all(box.out, ec);
    fs::remove(box.archive, ec);

    FILE* file = std::fopen(box.archive.c_str(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) {
        fail("cannot write the input", box.archive);
    }
    if (!fs::create_directory(box.out, ec)) {
        fail("cannot create the extraction folder", box.out);
    }

    PackageArchive archive(box.archive);
    std::error_code error;
    if (archive.read(error) && archive.extractAll(box.out, error)) {
        for (const TarEntry& entry : std::as_const(archive.entries)) {
            if (entry.typeflag() != '0') {
                continue;
            }
            const fs::path extracted = box.out / entry.name();
            struct stat st;
            if (::lstat(extracted.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size != entry.data.size()) {
                fail("an extracted file does not hold its entry's data", extracted);
            }
        }
    }

    for (const fs::directory_entry& item : fs::directory_iterator(box.base, ec)) {
        if (item.path() != box.archive && item.path() != box.out) {
            fail("something was written outside the extraction folder", item.path());
        }
    }
    return 0;
}
