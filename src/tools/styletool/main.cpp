#include "styletool.h"

#include <QCommandLineParser>
#include <QCoreApplication>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(u"6.8.3"_s);

    QCommandLineParser parser;
    // Everything from the command word on belongs to the command, its options
    // included.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    parser.addVersionOption();
    parser.addHelpOption();
    parser.addPositionalArgument(u"<command>"_s,
                                 u"The command to execute.\nAvailable commands:\n"
                                 "   create     Create a new style.\n"
                                 "   inspect    Inspect details of an installed style.\n"
                                 "   install    Install a new style.\n"
                                 "   list       List installed styles.\n"
                                 "   update     Update an installed style.\n"
                                 "   uninstall  Uninstall an installed style.\n"
                                 "   package    Package a style to a single shareable file.\n"_s);

    // Unknown options before the command word are passed over.
    if (!parser.parse(QCoreApplication::arguments()) && parser.unknownOptionNames().isEmpty()) {
        parser.showHelp(1);
    }
    if (parser.isSet(u"version"_s)) {
        parser.showVersion();
    }
    if (parser.isSet(u"help"_s)) {
        parser.showHelp(0);
    }

    QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty()) {
        parser.showHelp(1);
    }
    const QString command = arguments.takeFirst().toLower();
    if (command == "create"_L1) {
        return handleCreateCommand(arguments);
    }
    if (command == "inspect"_L1) {
        return handleInspectCommand(arguments);
    }
    if (command == "install"_L1) {
        return handleInstallCommand(arguments);
    }
    if (command == "list"_L1) {
        return handleListCommand(arguments);
    }
    if (command == "update"_L1) {
        return handleUpdateCommand(arguments);
    }
    if (command == "uninstall"_L1) {
        return handleUninstallCommand(arguments);
    }
    if (command == "package"_L1) {
        return handlePackageCommand(arguments);
    }
    QCommandLineParser::showMessageAndExit(QCommandLineParser::MessageType::Error,
                                           u"Unknown command: "_s + command + u'\n', 1);
}
