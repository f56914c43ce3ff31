#include "cssplugin.h"

#include "cssloader.h"

#include "style.h"
#include "stylepackage.h"

#include <QByteArray>
#include <QDate>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string_view>

namespace fs = std::filesystem;

namespace
{
fs::path mainStyleSheet(const fs::path& packagePath)
{
    return packagePath / "contents" / "css" / "style.css";
}

// A text that goes into a /* ... */ comment on one line: a "*/" would end the
// comment early and let the rest through as style sheet text, and a line
// break would spread it over lines that the header does not expect.
QByteArray commentText(const QString& text)
{
    QByteArray bytes = text.toLocal8Bit();
    bytes.replace('\r', ' ');
    bytes.replace('\n', ' ');
    bytes.replace("*/", "* /");
    return bytes;
}

// The error of a stream that failed: errno where the failing call set one,
// otherwise a plain I/O error, so that a failure never reads as success.
std::string_view bytes(const QByteArray& text)
{
    return std::string_view(text.constData(), size_t(text.size()));
}

std::error_code streamError()
{
    const int code = errno;
    return code != 0 ? std::error_code(code, std::system_category()) : std::make_error_code(std::errc::io_error);
}
} // namespace

CssPlugin::CssPlugin(QObject* parent)
    : Quilt::InputPlugin(parent)
{ }

CssPlugin::~CssPlugin() = default;

int CssPlugin::validatePackage(const Quilt::StylePackage& package)
{
    std::error_code error;
    const fs::file_status status = fs::status(mainStyleSheet(package.path()), error);
    if (!error && fs::exists(status)) {
        return Quilt::StylePackage::NoError;
    }
    return Quilt::StylePackage::MissingFiles;
}

bool CssPlugin::createPackage(Quilt::StylePackage& package, std::error_code& error)
{
    const fs::path contents = package.path() / "contents";
    fs::create_directories(contents / "css", error);
    if (error) {
        return false;
    }

    const QStringList authors = package.authors();
    const QByteArray year = QByteArray::number(QDate::currentDate().year());
    const QByteArray author = authors.isEmpty() ? QByteArray("Unknown") : commentText(authors.constFirst());
    const QByteArray license = package.license().isEmpty() ? QByteArray("Unknown") : commentText(package.license());
    const QByteArray name = commentText(package.name());

    {
        errno = 0;
        std::ofstream out(mainStyleSheet(package.path()), std::ios::out | std::ios::trunc | std::ios::binary);
        out << "/* SPDX-License-Identifier: " << bytes(license) << " */\n"
            << "/* SPDX-FileCopyrightText: " << bytes(year) << " " << bytes(author) << " */\n"
            << "\n"
            << "/* This is the main CSS file for the Quilt style " << bytes(name) << " */\n"
            << "\n"
            << "/* It is recommended to not place any style rules in this file, but instead\n"
            << "   create separate files for different categories of rules and use @import\n"
            << "   here to include them in the style. */\n";
        out.flush();
        if (!out) {
            error = streamError();
            return false;
        }
        out.close();
        if (!out) {
            error = streamError();
            return false;
        }
    }

    fs::create_directories(contents / "images", error);
    if (error) {
        return false;
    }

    errno = 0;
    std::ofstream readme(contents / "images" / "README", std::ios::out | std::ios::trunc | std::ios::binary);
    readme << "This directory should contain any images your style uses.\n";
    readme.flush();
    if (!readme) {
        error = streamError();
        return false;
    }
    readme.close();
    if (!readme) {
        error = streamError();
        return false;
    }
    error.clear();
    return true;
}

std::shared_ptr<Quilt::Style> CssPlugin::createStyle(const Quilt::StylePackage& package)
{
    return Quilt::Style::create(package.path(), std::make_unique<Quilt::Css::CssLoader>());
}
