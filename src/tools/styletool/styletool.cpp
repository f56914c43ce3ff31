#include "styletool.h"

#include "packagearchive.h"
#include "packagehandler.h"
#include "printabletext.h"
#include "stylepackage.h"
#include "styleregistry.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <iostream>

using namespace Qt::StringLiterals;

namespace fs = std::filesystem;

namespace
{
// One stream for the whole run: a stream buffers what it reads ahead, and a
// second one would never see the answers that the first has buffered.
QTextStream& standardInput()
{
    static QTextStream stream(stdin);
    return stream;
}

constexpr qsizetype MaxAnswerLength = 1024;

// Reads one whole line, keeping at most one character beyond the longest
// answer, so that an overlong answer is seen as such and its rest does not
// answer the next question. False at the end of the input.
bool readAnswer(QTextStream& input, QString& line)
{
    line.clear();
    QString chunk;
    bool readAny = false;
    for (;;) {
        if (!input.readLineInto(&chunk, MaxAnswerLength)) {
            return readAny;
        }
        readAny = true;
        if (line.size() <= MaxAnswerLength) {
            line += chunk.left(MaxAnswerLength + 1 - line.size());
        }
        // A chunk of the full length may have stopped short of the line's
        // end; the next read gives the rest, or nothing but the line end.
        if (chunk.size() < MaxAnswerLength) {
            return true;
        }
    }
}
} // namespace

std::ostream& operator<<(std::ostream& stream, const QString& text)
{
    return stream << text.toLocal8Bit().constData();
}

std::string quoted(const fs::path& path)
{
    std::string out = "\"";
    quilttext::appendPrintable(out, path.native(), quilttext::Quotes::Escape);
    out += '"';
    return out;
}

std::unique_ptr<QCommandLineParser> createCommandParser(const QString& command, const QList<QString>& arguments,
                                                        std::function<void(QCommandLineParser*)> setUp)
{
    auto parser = std::make_unique<QCommandLineParser>();
    parser->addOption(QCommandLineOption(u"help"_s, u"Displays help for the current command."_s));
    setUp(parser.get());

    const QList<QString> commandLine = QList<QString> { QCoreApplication::applicationName() } + arguments;
    if (parser->parse(commandLine)) {
        if (parser->isSet(u"help"_s)) {
            exitWithCommandHelp(parser.get(), command, QString(), 0);
        }
        return parser;
    }
    const QStringList unknown = parser->unknownOptionNames();
    if (!unknown.isEmpty()) {
        exitWithCommandHelp(parser.get(), command,
                            u"Unknown option for command "_s + command + u": "_s + unknown.constFirst(), 1);
    }
    exitWithCommandHelp(parser.get(), command, QString(), 1);
}

void exitWithCommandHelp(QCommandLineParser* parser, const QString& command, const QString& message, int exitCode)
{
    // The usage line names the program as it was started; the command goes
    // right after it. The name may stand elsewhere in the text (in the
    // program's own path, say), which stays as it is.
    QString text = parser->helpText();
    const QString usage = u"Usage: "_s + QCoreApplication::arguments().value(0);
    if (text.startsWith(usage)) {
        text.insert(usage.size(), u' ' + command);
    }
    if (message.isEmpty()) {
        QCommandLineParser::showMessageAndExit(QCommandLineParser::MessageType::Information, text, exitCode);
    }
    QCommandLineParser::showMessageAndExit(QCommandLineParser::MessageType::Error, message + u'\n' + text, exitCode);
    // showMessageAndExit does not return.
    std::exit(exitCode);
}

void readInput(QString& value, QStringView prompt, QString defaultValue)
{
    readInput(value, prompt, [](const QString&) { return true; }, std::move(defaultValue));
}

void readInput(QString& value, QStringView prompt, std::function<bool(QString)> validator, QString defaultValue)
{
    if (!value.isEmpty()) {
        return;
    }
    QTextStream& input = standardInput();
    QString line;
    for (;;) {
        QString question = prompt.toString();
        if (!defaultValue.isEmpty()) {
            question += u" [Enter to use: "_s + defaultValue + u']';
        }
        std::cout << question.toUtf8().constData() << std::endl;

        if (!readAnswer(input, line)) {
            // Nothing more will come: asking again would never end.
            std::cerr << "No answer given: the input has ended.\n";
            std::exit(1);
        }
        if (line.size() > MaxAnswerLength) {
            std::cout << "The answer is too long: at most " << MaxAnswerLength << " characters.\n";
            continue;
        }
        if (line.isEmpty() && !defaultValue.isEmpty()) {
            line = defaultValue;
        }
        if (!validator(line)) {
            line.clear();
            continue;
        }
        if (!line.isEmpty()) {
            break;
        }
    }
    value = line;
}

int printPackageError(const Quilt::StylePackage& package, const std::filesystem::path& shownPath)
{
    const int error = package.error();
    std::cerr << quoted(shownPath.empty() ? package.path() : shownPath);
    switch (error) {
    case Quilt::StylePackage::NotFound:
        std::cerr << " does not exist.\n";
        return 1;
    case Quilt::StylePackage::MissingFiles:
        std::cerr << " is an invalid style because it is missing required files.\n";
        return 2;
    case Quilt::StylePackage::InvalidMetadata:
        std::cerr << " is an invalid style because its metadata could not be read.\n";
        return 3;
    case Quilt::StylePackage::UnknownInputType:
        std::cerr << " is an invalid style because it uses an unknown input type.\n";
        return 4;
    default:
        // A code of the input plug-in: the package is invalid all the same,
        // and a command must not report success for it.
        std::cerr << " is an invalid style because its input plug-in refused it (error " << error << ").\n";
        return exitCodeFor(error);
    }
}

int printOperationError(const Quilt::StylePackage& package, const std::error_code& error,
                        const std::filesystem::path& shownPath)
{
    std::cerr << "Operation on package " << quoted(shownPath.empty() ? package.path() : shownPath)
              << " failed: " << error.message() << '\n';
    return exitCodeFor(error.value());
}

ExtractedPackage extractPackage(const std::filesystem::path& archive, std::error_code& error)
{
    error.clear();
    ExtractedPackage result;
    PackageArchive packageArchive(archive);
    if (!result.directory.isValid()) {
        error = std::make_error_code(std::errc::io_error);
    } else if (packageArchive.read(error)) {
        packageArchive.extractAll(fs::path(result.directory.path().toStdString()), error);
    }
    if (error) {
        std::cerr << "Operation on package " << quoted(archive) << " failed: " << error.message() << '\n';
        return result;
    }

    std::vector<fs::path> topLevel;
    std::error_code listError;
    for (fs::directory_iterator it(fs::path(result.directory.path().toStdString()), listError), end;
         !listError && it != end; it.increment(listError)) {
        topLevel.push_back(it->path());
    }
    if (listError || topLevel.size() != 1) {
        std::cerr << "Operation on package " << quoted(archive)
                  << " failed: The package is an invalid Quilt style package.\n";
        error = std::make_error_code(std::errc::io_error);
        return result;
    }
    result.path = topLevel.front();
    return result;
}

int exitCodeFor(int value)
{
    return value >= 1 && value <= 255 ? value : 1;
}

std::filesystem::path normalisedPath(const std::filesystem::path& path)
{
    std::error_code error;
    fs::path result = fs::absolute(path, error);
    if (error) {
        result = path;
    }
    return withoutTrailingSeparator(result.lexically_normal());
}

QString printable(const QString& text)
{
    return QString::fromStdString(quilttext::printable(text.toStdString()));
}

std::shared_ptr<Quilt::PackageHandler> packageHandler()
{
    return Quilt::StyleRegistry::instance()->packageHandler();
}
