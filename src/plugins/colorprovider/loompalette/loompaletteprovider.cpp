#include "loompaletteprovider.h"

#include "lrucache.h"

#include <loompalette.h>
#include <loomsettingsfile.h>
#include <loomtints.h>

#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QHashSeed>
#include <QLoggingCategory>
#include <QPointer>
#include <QThread>

#include <array>

Q_LOGGING_CATEGORY(lcLoomPalette, "quilt.loompalette", QtInfoMsg)

namespace
{
constexpr char invalidArguments[] = "Invalid arguments for LoomPalette color provider,";

// The numbers of a name in a list of names, compared without regard to case.
template<std::size_t N> std::optional<int> indexOf(const std::array<QLatin1StringView, N>& names, const QString& name)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (name.compare(names[i], Qt::CaseInsensitive) == 0) {
            return int(i);
        }
    }
    return std::nullopt;
}

using namespace Qt::StringLiterals;

const std::array groups { "active"_L1, "disabled"_L1, "inactive"_L1 };
const std::array sets { "view"_L1,    "window"_L1,        "button"_L1, "selection"_L1,
                        "tooltip"_L1, "complementary"_L1, "header"_L1 };
const std::array backgroundRoles { "normal"_L1,  "alternate"_L1, "active"_L1,  "link"_L1,
                                   "visited"_L1, "negative"_L1,  "neutral"_L1, "positive"_L1 };
const std::array foregroundRoles { "text"_L1,    "inactive"_L1, "active"_L1,  "link"_L1,
                                   "visited"_L1, "negative"_L1, "neutral"_L1, "positive"_L1 };
const std::array decorationRoles { "focus"_L1, "hover"_L1 };

// The hash of the whole list as Qt's range hash combines it.
quint64 argumentsKey(const QStringList& arguments)
{
    size_t seed = QHashSeed::globalSeed();
    for (const QString& argument : arguments) {
        const size_t h = qHash(QStringView(argument), 0);
        seed ^= h + 0x9e3779b9 + (seed << 6) + (seed >> 2);
    }
    return quint64(seed);
}

quint32 pack(const QColor& color)
{
    const QRgb rgba = color.rgba();
    return quint32(qRed(rgba)) | quint32(qGreen(rgba)) << 8 | quint32(qBlue(rgba)) << 16 | quint32(qAlpha(rgba)) << 24;
}

Quilt::Rgba unpack(quint32 packed)
{
    return Quilt::Rgba { quint8(packed & 0xff), quint8((packed >> 8) & 0xff), quint8((packed >> 16) & 0xff),
                         quint8((packed >> 24) & 0xff) };
}
} // namespace

class LoomPaletteProviderPrivate
{
public:
    void openSettings()
    {
        const auto* application = QCoreApplication::instance();
        const QString path = application ? application->property("VYR_COLOR_SCHEME_PATH").toString() : QString();
        settings
            = LoomSharedSettings::openConfig(path, LoomSettingsFile::FullConfig, QStandardPaths::GenericConfigLocation);
    }

    std::optional<QColor> resolve(const QStringList& arguments) const;

    Quilt::LruCache<quint64, quint32, 100> cache;
    LoomSharedSettings::Ptr settings;
};

std::optional<QColor> LoomPaletteProviderPrivate::resolve(const QStringList& arguments) const
{
    const auto group = indexOf(groups, arguments.at(0));
    if (!group) {
        qCWarning(lcLoomPalette) << invalidArguments << "group" << arguments.at(0) << "does not exist";
        return std::nullopt;
    }
    const auto set = indexOf(sets, arguments.at(1));
    if (!set) {
        qCWarning(lcLoomPalette) << invalidArguments << "color set" << arguments.at(1) << "does not exist";
        return std::nullopt;
    }
    const LoomPalette palette(QPalette::ColorGroup(*group), LoomPalette::ColorSet(*set), settings);
    const QString& kind = arguments.at(2);
    const QString& role = arguments.at(3);

    if (kind.compare("background"_L1, Qt::CaseInsensitive) == 0) {
        const auto index = indexOf(backgroundRoles, role);
        if (!index) {
            qCWarning(lcLoomPalette) << invalidArguments << "background role" << role << "does not exist";
            return std::nullopt;
        }
        return palette.background(LoomPalette::BackgroundRole(*index)).color();
    }
    if (kind.compare("foreground"_L1, Qt::CaseInsensitive) == 0) {
        const auto index = indexOf(foregroundRoles, role);
        if (!index) {
            qCWarning(lcLoomPalette) << invalidArguments << "foreground role" << role << "does not exist";
            return std::nullopt;
        }
        return palette.foreground(LoomPalette::ForegroundRole(*index)).color();
    }
    if (kind.compare("decoration"_L1, Qt::CaseInsensitive) == 0) {
        if (role == "frame"_L1) {
            return LoomTints::mix(palette.background(LoomPalette::NormalBackground).color(),
                                  palette.foreground(LoomPalette::NormalText).color(),
                                  LoomPalette::frameContrast(settings));
        }
        if (role == "framecontrast"_L1) {
            QColor contrast(Qt::black);
            contrast.setAlphaF(float(LoomPalette::frameContrast(settings)));
            return contrast;
        }
        const auto index = indexOf(decorationRoles, role);
        if (!index) {
            qCWarning(lcLoomPalette) << invalidArguments << "decoration role" << role << "does not exist";
            return std::nullopt;
        }
        return palette.decoration(LoomPalette::DecorationRole(*index)).color();
    }
    qCWarning(lcLoomPalette) << invalidArguments << "role type" << kind << "does not exist";
    return std::nullopt;
}

LoomPaletteProvider::LoomPaletteProvider(QObject* parent)
    : Quilt::ColorProvider(parent)
    , d(std::make_unique<LoomPaletteProviderPrivate>())
{
    // Without an application there is no palette to follow: the provider
    // then serves the desktop's default scheme as it was read here.
    // The engine may first ask for a colour from a worker thread: the filter
    // is installed from the application's thread, where its events arrive.
    if (auto* application = QCoreApplication::instance()) {
        if (QThread::currentThread() == application->thread()) {
            application->installEventFilter(this);
        } else if (!parent) {
            moveToThread(application->thread());
            QMetaObject::invokeMethod(
                application,
                [self = QPointer<LoomPaletteProvider>(this), application] {
                    if (self) {
                        application->installEventFilter(self);
                    }
                },
                Qt::QueuedConnection);
        }
    }
    d->openSettings();
}

LoomPaletteProvider::~LoomPaletteProvider() = default;

std::optional<Quilt::Rgba> LoomPaletteProvider::resolveColor(const QStringList& arguments)
{
    if (arguments.size() != 4) {
        qCWarning(lcLoomPalette) << invalidArguments << "expected 4 got" << arguments.size();
        return std::nullopt;
    }
    const quint64 key = argumentsKey(arguments);
    if (const auto cached = d->cache.get(key)) {
        return unpack(*cached);
    }
    const auto color = d->resolve(arguments);
    if (!color) {
        return std::nullopt;
    }
    const quint32 packed = pack(*color);
    d->cache.put(key, packed);
    return unpack(packed);
}

bool LoomPaletteProvider::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ApplicationPaletteChange && watched == QCoreApplication::instance()) {
        d->openSettings();
        d->cache.clear();
        d->settings->reparseConfiguration();
    }
    return Quilt::ColorProvider::eventFilter(watched, event);
}
