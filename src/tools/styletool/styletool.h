#pragma once

#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringView>
#include <QTemporaryDir>

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <system_error>

namespace Quilt
{
class PackageHandler;
class StylePackage;
} // namespace Quilt

// A package file unpacked into a folder of its own. The folder and everything
// in it go when the record, or whoever took `directory` over, is destroyed.
struct ExtractedPackage
{
    QTemporaryDir directory;
    // The one package folder inside `directory`; empty when unpacking failed.
    std::filesystem::path path;
};

// --- What every command shares.

// Makes and runs the parser of one command. Returns only when the arguments
// parsed and no help was asked for; otherwise the process ends here.
std::unique_ptr<QCommandLineParser> createCommandParser(const QString& command, const QList<QString>& arguments,
                                                        std::function<void(QCommandLineParser*)> setUp);

// Shows the command's help, after `message` when there is one, and ends the
// process with `exitCode`.
[[noreturn]] void exitWithCommandHelp(QCommandLineParser* parser, const QString& command, const QString& message,
                                      int exitCode);

// Asks on the terminal for a value that is still empty, until the validator
// accepts a non-empty answer of at most 1,024 characters (a longer one is
// refused whole, and asked for again). At the end of standard input the process ends
// with exit code 1, since no answer can come any more.
void readInput(QString& value, QStringView prompt, QString defaultValue);
void readInput(QString& value, QStringView prompt, std::function<bool(QString)> validator, QString defaultValue);

// Report why a package is invalid, or why an operation on it failed; both
// return the exit code, never 0. `shownPath`, when given, is named instead of
// the package's path: the package file the user gave rather than the
// temporary folder it was unpacked to, which is gone by the time one reads.
int printPackageError(const Quilt::StylePackage& package, const std::filesystem::path& shownPath = {});
int printOperationError(const Quilt::StylePackage& package, const std::error_code& error,
                        const std::filesystem::path& shownPath = {});

ExtractedPackage extractPackage(const std::filesystem::path& archive, std::error_code& error);

// --- Helpers of the commands.

// QString in the local 8-bit encoding.
std::ostream& operator<<(std::ostream& stream, const QString& text);

// A path in double quotes, every double quote and backslash in it behind a
// backslash, and control characters and bidirectional overrides written as
// escapes.
std::string quoted(const std::filesystem::path& path);

// The exit code for an error: its value when a process can report it, else 1.
int exitCodeFor(int value);

// An argument as an absolute path in lexically normal form, without a
// trailing separator: "mystyle/" names the folder "mystyle", whose name is
// the package id.
std::filesystem::path normalisedPath(const std::filesystem::path& path);

// Text that came from a package (its metadata, its folder name), made safe
// to print: control characters and bidirectional overrides are written as
// escapes, so that a package cannot drive the terminal or reorder the line.
QString printable(const QString& text);

std::shared_ptr<Quilt::PackageHandler> packageHandler();

// --- The commands. Each returns the exit code.

int handleCreateCommand(const QList<QString>& arguments);
int handleInspectCommand(const QList<QString>& arguments);
int handleInstallCommand(const QList<QString>& arguments);
int handleListCommand(const QList<QString>& arguments);
int handleUpdateCommand(const QList<QString>& arguments);
int handleUninstallCommand(const QList<QString>& arguments);
int handlePackageCommand(QList<QString> arguments);
