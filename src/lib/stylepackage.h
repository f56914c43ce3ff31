#pragma once

#include "quiltglobal.h"

#include <QDebug>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <filesystem>
#include <memory>

namespace Quilt
{
class Style;
class StylePackagePrivate;

// One style package folder: `metadata.json` and `contents/`. The shape is
// checked when the object is made; metadata and sources are checked through
// the package's input plug-in on first need. Copies are independent.
class QUILT_EXPORT StylePackage
{
public:
    // Input plug-ins may return codes of their own beside these.
    enum Error : int
    {
        NoError = 0,
        NotFound = 1,
        MissingFiles = 2,
        InvalidMetadata = 3,
        UnknownInputType = 4,
    };

    StylePackage();
    explicit StylePackage(const std::filesystem::path& path);
    StylePackage(const StylePackage& other);
    // The moved-from package may only be destroyed or assigned to.
    StylePackage(StylePackage&& other) noexcept;
    ~StylePackage();

    StylePackage& operator=(const StylePackage& other);
    StylePackage& operator=(StylePackage&& other) noexcept;

    std::filesystem::path path() const;
    // The folder's name, which is the style's name.
    QString id() const;
    // The current error; starts no validation.
    int error() const;
    // Validates on first call.
    bool isValid() const;
    // Empty while the package has an error; validates on first call.
    QString inputType() const;

    // For the current locale, else for "en_US", else empty.
    QString name() const;
    QString description() const;
    QString version() const;
    QString license() const;
    QUrl url() const;
    QStringList authors() const;
    bool isHidden() const;

    // A new style for a valid package, not loaded yet; null otherwise.
    std::shared_ptr<Style> load() const;

private:
    void validate() const;
    void loadMetadata() const;

    std::unique_ptr<StylePackagePrivate> d;
};

QUILT_EXPORT QDebug operator<<(QDebug debug, const StylePackage& package);
} // namespace Quilt
