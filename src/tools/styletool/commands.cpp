#include "styletool.h"

#include "packagearchive.h"
#include "packagehandler.h"
#include "stylepackage.h"

#include <QRegularExpression>

#include <algorithm>
#include <iostream>
#include <optional>

using namespace Qt::StringLiterals;

namespace fs = std::filesystem;

using Quilt::PackageHandler;
using Quilt::StylePackage;

namespace
{
// The characters that an id may not contain: an id becomes a folder name.
const QRegularExpression& invalidIdCharacter()
{
    static const QRegularExpression expression(u"[^a-zA-Z0-9-_]"_s);
    return expression;
}

const char idRule[] = "The ID can only contain the characters a-z A-Z 0-9 - _\n";

fs::path toPath(const QString& text)
{
    return fs::path(text.toStdString());
}

// Only commands that take exactly one path or id come here.
QString singleArgument(QCommandLineParser* parser, const QString& command)
{
    const QStringList positional = parser->positionalArguments();
    if (positional.size() != 1) {
        exitWithCommandHelp(parser, command, u"Invalid arguments for command \"%1\""_s.arg(command), 1);
    }
    return positional.constFirst();
}

std::function<void(QCommandLineParser*)> describe(const QString& description, const QString& argument = QString(),
                                                  const QString& argumentDescription = QString())
{
    return [=](QCommandLineParser* parser) {
        parser->setApplicationDescription(description);
        if (!argument.isEmpty()) {
            parser->addPositionalArgument(argument, argumentDescription, QString());
        }
    };
}

// The package that a path argument names: a package folder, or a package
// file unpacked into `extracted`, which the caller keeps until it is done.
// Returns 0, or the exit code when the file could not be unpacked (the
// message is written then).
int packageFromPath(const QString& argument, std::optional<ExtractedPackage>& extracted, StylePackage& package)
{
    const fs::path path = normalisedPath(toPath(argument));
    if (path.extension() != ".quiltstyle") {
        package = StylePackage(path);
        return 0;
    }
    std::error_code error;
    extracted.emplace(extractPackage(path, error));
    if (error) {
        return exitCodeFor(error.value());
    }
    package = StylePackage(extracted->path);
    return 0;
}

// The path to name in messages about the package an argument gave: the
// package file itself rather than the temporary folder it was unpacked to.
fs::path shownPath(const QString& argument, const std::optional<ExtractedPackage>& extracted)
{
    return extracted ? normalisedPath(toPath(argument)) : fs::path();
}

QString pathText(const fs::path& path)
{
    return printable(QString::fromStdString(path.native()));
}

// The description lines of inspect and of a detailed listing.
void printDetails(const QString& path, const StylePackage& package, const char* indent)
{
    std::cout << "Path:        " << path << '\n';
    std::cout << indent << "Input Type:  " << printable(package.inputType()) << '\n';
    std::cout << indent << "Name:        " << printable(package.name()) << '\n';
    std::cout << indent << "Description: " << printable(package.description()) << '\n';
    std::cout << indent << "Version:     " << printable(package.version()) << '\n';
    std::cout << indent << "License:     " << printable(package.license()) << '\n';
    std::cout << indent << "Authors:     " << printable(package.authors().join(u", "_s)) << '\n';
}
} // namespace

int handleInstallCommand(const QList<QString>& arguments)
{
    const auto parser
        = createCommandParser(u"install"_s, arguments,
                              describe(u"Install a new style."_s, u"<path>"_s, u"The path to the style to install."_s));
    const QString argument = singleArgument(parser.get(), u"install"_s);

    std::optional<ExtractedPackage> extracted;
    StylePackage package;
    if (const int failed = packageFromPath(argument, extracted, package)) {
        return failed;
    }
    const fs::path shown = shownPath(argument, extracted);
    if (!package.isValid()) {
        return printPackageError(package, shown);
    }
    std::error_code error;
    if (!packageHandler()->install(package, error)) {
        return printOperationError(package, error, shown);
    }
    std::cout << "Installed style " << printable(package.id()) << '\n';
    return 0;
}

int handleUpdateCommand(const QList<QString>& arguments)
{
    const auto parser = createCommandParser(u"update"_s, arguments, [](QCommandLineParser* parser) {
        describe(u"Update a style."_s, u"<path>"_s, u"The path to the style to update."_s)(parser);
        parser->addOption(QCommandLineOption(u"force"_s, u"Force update even if the style has the same version."_s));
    });
    const QString argument = singleArgument(parser.get(), u"update"_s);

    std::optional<ExtractedPackage> extracted;
    StylePackage package;
    if (const int failed = packageFromPath(argument, extracted, package)) {
        return failed;
    }
    const fs::path shown = shownPath(argument, extracted);
    if (!package.isValid()) {
        return printPackageError(package, shown);
    }
    PackageHandler::OperationFlags flags;
    if (parser->isSet(u"force"_s)) {
        flags |= PackageHandler::OperationFlag::SkipVersionCheck;
    }
    std::error_code error;
    if (!packageHandler()->update(package, error, flags)) {
        return printOperationError(package, error, shown);
    }
    std::cout << "Updated style " << printable(package.id()) << " to version " << printable(package.version()) << '\n';
    return 0;
}

int handleUninstallCommand(const QList<QString>& arguments)
{
    const auto parser
        = createCommandParser(u"uninstall"_s, arguments,
                              describe(u"Uninstall an installed style."_s, u"<style>"_s, u"The style to uninstall."_s));
    const QString id = singleArgument(parser.get(), u"uninstall"_s);

    const std::shared_ptr<PackageHandler> handler = packageHandler();
    const StylePackage package = handler->package(id);
    if (!package.isValid()) {
        std::cerr << id << " was not found.\n";
        return 1;
    }
    std::error_code error;
    if (!handler->uninstall(package, error)) {
        return printOperationError(package, error);
    }
    std::cout << "Uninstalled style " << id << '\n';
    return 0;
}

int handleInspectCommand(const QList<QString>& arguments)
{
    const auto parser
        = createCommandParser(u"inspect"_s, arguments,
                              describe(u"Inspect details of an installed Quilt style."_s, u"<path or id>"_s,
                                       u"The path of a style or the ID of an installed style to inspect."_s));
    const QString argument = singleArgument(parser.get(), u"inspect"_s);

    const fs::path path = normalisedPath(toPath(argument));
    std::error_code statusError;
    std::optional<ExtractedPackage> extracted;
    StylePackage package;
    fs::path shown;
    if (fs::exists(fs::symlink_status(path, statusError))) {
        if (const int failed = packageFromPath(argument, extracted, package)) {
            return failed;
        }
        shown = path;
    } else {
        package = packageHandler()->package(argument);
        // An id that is not installed has no path: the message names what
        // the user typed instead.
        shown = package.isValid() ? package.path() : toPath(argument);
    }
    if (!package.isValid()) {
        return printPackageError(package, shown);
    }
    printDetails(pathText(shown), package, "");
    return 0;
}

int handleListCommand(const QList<QString>& arguments)
{
    const auto parser = createCommandParser(u"list"_s, arguments, [](QCommandLineParser* parser) {
        describe(u"List all the installed Quilt styles."_s)(parser);
        parser->addOption(QCommandLineOption(u"hidden"_s, u"Include hidden packages."_s));
        parser->addOption(QCommandLineOption(u"details"_s, u"Show details information about each package."_s));
    });

    PackageHandler::OperationFlags flags;
    if (parser->isSet(u"hidden"_s)) {
        flags |= PackageHandler::OperationFlag::IncludeHidden;
    }
    QList<StylePackage> packages = packageHandler()->allPackages(flags);
    if (packages.isEmpty()) {
        std::cerr << "No styles could be found.\n";
        return 1;
    }
    // The folders are read in whatever order the file system gives.
    std::stable_sort(packages.begin(), packages.end(),
                     [](const StylePackage& a, const StylePackage& b) { return a.id() < b.id(); });

    const bool details = parser->isSet(u"details"_s);
    for (const StylePackage& package : std::as_const(packages)) {
        if (details) {
            std::cout << "- ";
            printDetails(pathText(package.path()), package, "  ");
            std::cout << '\n';
        } else {
            std::cout << "- " << printable(package.id()) << ": " << printable(package.name()) << '\n';
        }
    }
    return 0;
}

int handlePackageCommand(QList<QString> arguments)
{
    const auto parser = createCommandParser(
        u"package"_s, arguments,
        describe(u"Package a style for easy sharing."_s, u"<style>"_s, u"The style to package."_s));
    const QString argument = singleArgument(parser.get(), u"package"_s);

    StylePackage package = packageHandler()->package(argument);
    if (!package.isValid()) {
        package = StylePackage(normalisedPath(toPath(argument)));
    }
    if (!package.isValid()) {
        return printPackageError(package);
    }

    std::error_code error;
    fs::path output = fs::current_path(error);
    if (error) {
        return printOperationError(package, error);
    }
    output /= (package.id() + u".quiltstyle"_s).toStdString();

    PackageArchive archive(output);
    if (!archive.addDirectory(package.path(), error) || !archive.write(error)) {
        return printOperationError(package, error);
    }
    std::cout << "Packaged style " << quoted(package.path()) << " to " << quoted(output) << '\n';
    return 0;
}

int handleCreateCommand(const QList<QString>& arguments)
{
    const auto parser = createCommandParser(u"create"_s, arguments, [](QCommandLineParser* parser) {
        parser->setApplicationDescription(
            u"Create a new style. Any missing information will be requested interactively."_s);
        const auto withValue = [parser](const QString& name, const QString& description) {
            parser->addOption(QCommandLineOption(name, description, name));
        };
        withValue(u"name"_s, u"The name of the style."_s);
        withValue(u"id"_s, u"The ID of the style."_s);
        withValue(u"description"_s, u"The description of the style."_s);
        withValue(u"author"_s, u"The author of the style."_s);
        withValue(u"version"_s, u"The version of the style."_s);
        withValue(u"license"_s, u"The license of the style."_s);
        withValue(u"output-path"_s,
                  u"The path where the style will be created. If not supplied, the current working directory will "
                  "be used."_s);
        withValue(u"input-type"_s, u"The Quilt input type of the style to create. Currently only supports CSS"_s);
        parser->addOption(QCommandLineOption(u"install"_s, u"Install the style after creating it."_s));
    });

    PackageHandler::CreateInfo info;
    info.inputType = parser->value(u"input-type"_s);
    if (info.inputType.isEmpty()) {
        info.inputType = u"css"_s;
    }

    info.name = parser->value(u"name"_s);
    readInput(info.name, u"Enter the name of the style:", QString());

    // The output path alone names the package folder, whose name is the id.
    // With an id given as well, the output path is the folder the package is
    // made in, as the working folder is without one: the id is never lost.
    const QString outputPath = parser->value(u"output-path"_s);
    QString id;
    if (!outputPath.isEmpty() && !parser->isSet(u"id"_s)) {
        info.path = withoutTrailingSeparator(toPath(outputPath).lexically_normal());
        id = QString::fromStdString(info.path.filename().string());
    } else {
        // An id that begins with '-' would read as an option on the tool's
        // own command line: such a beginning is never offered.
        QString defaultId = info.name.toLower();
        defaultId.replace(invalidIdCharacter(), u"-"_s);
        while (defaultId.startsWith(u'-')) {
            defaultId.remove(0, 1);
        }
        id = parser->value(u"id"_s);
        if (id.contains(invalidIdCharacter())) {
            std::cout << idRule;
            id.clear();
        }
        readInput(
            id, u"Enter the ID of the style:",
            [](const QString& answer) {
                if (answer.contains(invalidIdCharacter())) {
                    std::cout << idRule;
                    return false;
                }
                return true;
            },
            defaultId);
        std::error_code error;
        const fs::path folder = outputPath.isEmpty() ? fs::current_path(error) : toPath(outputPath);
        info.path = withoutTrailingSeparator((folder / id.toStdString()).lexically_normal());
    }

    info.description = parser->value(u"description"_s);
    readInput(info.description, u"Enter the description of the style:", QString());

    QString author = parser->value(u"author"_s);
    readInput(author, u"Enter the name of the author of the style:", u"Unknown Author"_s);
    info.authors = QStringList { author };

    info.version = parser->value(u"version"_s);
    readInput(info.version, u"Enter the version of the style:", u"0.1"_s);

    info.license = parser->value(u"license"_s);
    readInput(info.license, u"Enter the license of the style:", u"BSD-2-Clause"_s);

    std::cout << "Creating style:\n"
              << "  Input Type:  " << info.inputType << '\n'
              << "  ID:          " << id << '\n'
              << "  Path:        " << pathText(info.path) << '\n'
              << "  Name:        " << info.name << '\n'
              << "  Description: " << info.description << '\n'
              << "  Author:      " << info.authors.join(u", "_s) << '\n'
              << "  License:     " << info.license << '\n'
              << "  Version:     " << info.version << '\n';

    StylePackage package;
    std::error_code error;
    if (!packageHandler()->create(package, info, error)) {
        // The handler fills the package in only once it is written.
        return printOperationError(package, error, info.path);
    }
    std::cout << "Created style " << quoted(package.path()) << '\n';
    if (parser->isSet(u"install"_s)) {
        return handleInstallCommand({ QString::fromStdString(package.path().string()) });
    }
    return 0;
}
