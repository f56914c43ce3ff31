#include "cssloader.h"
#include "csslogging_p.h"
#include "propertyhandlers.h"
#include "propertyhelpers.h"

#include "backgroundpropertygroup.h"
#include "imagepropertygroup.h"
#include "stylepropertygroup.h"

#include <QByteArray>
#include <QDebug>

#include <filesystem>
#include <system_error>

namespace Quilt::Css
{
using Properties::BackgroundPropertyGroup;
using Properties::ImageFlag;
using Properties::ImagePropertyGroup;
using Properties::StylePropertyGroup;

namespace
{
// The image path as a style sheet names it: absolute as written, otherwise
// relative to the folder of the main style sheet. Purely lexical: the file
// need not exist, and nothing is resolved through links.
std::filesystem::path resolveImagePath(const std::filesystem::path& mainStyleSheetPath, const std::string& url)
{
    const std::filesystem::path image(url);
    if (image.is_absolute()) {
        return image;
    }
    return mainStyleSheetPath.parent_path() / image;
}

bool pathExists(const std::filesystem::path& path, const std::string& url)
{
    // A byte 0 would cut the name short at the system call, so the test would
    // be made on another file than the one stored.
    if (url.empty() || url.find('\0') != std::string::npos) {
        return false;
    }
    std::error_code error;
    const bool exists = std::filesystem::exists(path, error);
    return exists && !error;
}

void parseBackgroundImage(const CssLoader& loader, BackgroundPropertyGroup& background,
                          const std::filesystem::path& mainStyleSheetPath, const cssparser::Property& property)
{
    const cssparser::Value* first = valueAt(property, 0);
    if (!first) {
        return;
    }
    const std::string url
        = first->kind() == cssparser::ValueKind::Url && first->text() ? *first->text() : std::string();
    const std::filesystem::path path = resolveImagePath(mainStyleSheetPath, url);
    const bool found = pathExists(path, url);
    if (!url.empty() && url.find('\0') == std::string::npos) {
        loader.recordImage(path, found);
    }
    if (!found) {
        qCWarning(lcCss) << "Could not load image" << QByteArray::fromStdString(path.native());
        return;
    }

    GroupGuard image(background, &BackgroundPropertyGroup::image, &BackgroundPropertyGroup::setImage);
    image->setSource(path);
    if (property.values.size() < 2) {
        return;
    }
    const cssparser::Value& mode = property.values[1];
    if (isKeyword(mode, QStringLiteral("mask"))) {
        image->setFlags(ImageFlag::Mask);
    } else if (isKeyword(mode, QStringLiteral("inverted-mask"))) {
        image->setFlags(ImageFlag::InvertedMask);
    }
    if (const cssparser::Value* maskColor = valueAt(property, 2)) {
        image->setMaskColor(colorFromValue(*maskColor));
    }
}

struct BackgroundContext
{
    const CssLoader& loader;
    BackgroundPropertyGroup& background;
    const std::filesystem::path& mainStyleSheetPath;
};

using BackgroundCase = PropertyCase<const BackgroundContext&, const cssparser::Property&>;

const std::array<BackgroundCase, 4>& backgroundCases()
{
    static const std::array<BackgroundCase, 4> cases { {
        { PropertyMatcher::exact(QStringLiteral("background")),
          [](const BackgroundContext& context, const cssparser::Property& property) {
              const cssparser::Value* first = valueAt(property, 0);
              if (!first) {
                  return;
              }
              if (isKeyword(*first, QStringLiteral("none"))) {
                  // Set, not absent: switches off what rules later in the
                  // merge order would draw.
                  context.background.setColor(Color());
                  context.background.setImage(ImagePropertyGroup::empty());
              } else if (first->kind() == cssparser::ValueKind::Url) {
                  parseBackgroundImage(context.loader, context.background, context.mainStyleSheetPath, property);
              } else if (first->kind() == cssparser::ValueKind::Color) {
                  context.background.setColor(colorFromValue(*first));
              }
          } },
        { PropertyMatcher::exact(QStringLiteral("background-color")),
          [](const BackgroundContext& context, const cssparser::Property& property) {
              if (const cssparser::Value* first = valueAt(property, 0)) {
                  context.background.setColor(colorFromValue(*first));
              }
          } },
        { PropertyMatcher::exact(QStringLiteral("background-image")),
          [](const BackgroundContext& context, const cssparser::Property& property) {
              const cssparser::Value* first = valueAt(property, 0);
              if (!first) {
                  return;
              }
              if (isKeyword(*first, QStringLiteral("none"))) {
                  context.background.setImage(ImagePropertyGroup::empty());
              } else {
                  parseBackgroundImage(context.loader, context.background, context.mainStyleSheetPath, property);
              }
          } },
        { PropertyMatcher::exact(QStringLiteral("background-image-mask-color")),
          [](const BackgroundContext& context, const cssparser::Property& property) {
              const cssparser::Value* first = valueAt(property, 0);
              if (!first) {
                  return;
              }
              GroupGuard image(context.background, &BackgroundPropertyGroup::image, &BackgroundPropertyGroup::setImage);
              image->setMaskColor(colorFromValue(*first));
          } },
    } };
    return cases;
}
} // namespace

void parseBackgroundProperty(const CssLoader& loader, StylePropertyGroup& style, const cssparser::Property& property)
{
    GroupGuard background(style, &StylePropertyGroup::background, &StylePropertyGroup::setBackground);
    const std::filesystem::path mainStyleSheetPath = loader.mainStyleSheetPath();
    runFirstCase(backgroundCases(), propertyName(property),
                 BackgroundContext { loader, *background, mainStyleSheetPath }, property);
}

} // namespace Quilt::Css
