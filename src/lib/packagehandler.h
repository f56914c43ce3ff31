#pragma once

#include "quiltglobal.h"
#include "stylepackage.h"

#include <QFlags>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

namespace Quilt
{
class PlatformPlugin;
class PackageHandlerPrivate;

// Finds, lists, creates, installs, removes and updates style packages in the
// folders that the platform plug-in names. Every operation reads the folders
// afresh. The changing operations report through a std::error_code: one of
// the codes of PackageErrorCategory, or the code of the file operation that
// failed.
class QUILT_EXPORT PackageHandler
{
    Q_GADGET

public:
    enum class OperationFlag
    {
        IncludeHidden = 1,
        SkipVersionCheck = 2,
    };
    Q_DECLARE_FLAGS(OperationFlags, OperationFlag)
    Q_FLAG(OperationFlags)

    enum Error : int
    {
        InvalidPackage = 1,
        AlreadyInstalled = 2,
        NotInstalled = 3,
        NotAnUpdate = 4,
        AlreadyExists = 5,
        UnknownInputType = 6,
    };

    class QUILT_EXPORT PackageErrorCategory : public std::error_category
    {
    public:
        ~PackageErrorCategory() override;

        const char* name() const noexcept override;
        std::error_condition default_error_condition(int value) const noexcept override;
        std::string message(int value) const override;

        static const PackageErrorCategory& instance();
        static std::error_code make_package_error(Error error);

    private:
        PackageErrorCategory() = default;
    };

    // What create() writes into the new package's metadata.json.
    struct CreateInfo
    {
        std::filesystem::path path; // the folder to create
        QString inputType;
        QString name;
        QString description;
        QString version;
        QString license;
        QUrl url;
        QStringList authors;
    };

    explicit PackageHandler(std::shared_ptr<PlatformPlugin> platform);
    ~PackageHandler();

    PackageHandler(const PackageHandler&) = delete;
    PackageHandler& operator=(const PackageHandler&) = delete;

    // The first valid package of that name in folder order; an invalid package
    // (error 1) when there is none or the name is no plain folder name.
    StylePackage package(const QString& name) const;
    // Every valid package once, the first of each id in folder order; hidden
    // ones only with IncludeHidden.
    QList<StylePackage> allPackages(OperationFlags flags = {}) const;

    // `package` is set once the folder and its metadata have been written.
    bool create(StylePackage& package, const CreateInfo& info, std::error_code& error) const;
    bool install(const StylePackage& package, std::error_code& error) const;
    bool uninstall(const StylePackage& package, std::error_code& error) const;
    // The installed package of the same id is replaced only once the new one
    // has been copied completely; on failure it stays as it was.
    bool update(const StylePackage& package, std::error_code& error, OperationFlags flags = {}) const;

private:
    std::unique_ptr<PackageHandlerPrivate> d;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(PackageHandler::OperationFlags)
} // namespace Quilt
