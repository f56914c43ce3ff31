#include "loompalette.h"

#include "loomsettingsgroup.h"
#include "loomsettingsgui.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr int setCount = 7;
constexpr int roleCount = 8;
constexpr qreal defaultFrameContrast = 0.28;

const char* const setNames[setCount]
    = { "View", "Window", "Button", "Selection", "Tooltip", "Complementary", "Header" };
const char* const backgroundKeys[roleCount]
    = { "BackgroundNormal",  "BackgroundAlternate", "BackgroundActive",  "BackgroundLink",
        "BackgroundVisited", "BackgroundNegative",  "BackgroundNeutral", "BackgroundPositive" };
const char* const foregroundKeys[roleCount]
    = { "ForegroundNormal",  "ForegroundInactive", "ForegroundActive",  "ForegroundLink",
        "ForegroundVisited", "ForegroundNegative", "ForegroundNeutral", "ForegroundPositive" };
const char* const decorationKeys[2] = { "DecorationFocus", "DecorationHover" };

// The default scheme: the colours of the style "halcyon".
struct SetDefaults
{
    QRgb normalBackground;
    QRgb alternateBackground;
    QRgb text;
    QRgb inactiveText;
};

constexpr SetDefaults setDefaults[setCount] = {
    { 0xfffcfcfc, 0xfff7f7f8, 0xff232629, 0xff7f8285 }, // View
    { 0xffeff0f1, 0xffe4e5e7, 0xff232629, 0xff7f8285 }, // Window
    { 0xfffcfcfc, 0xfff3f4f4, 0xff232629, 0xff7f8285 }, // Button
    { 0xff3daee9, 0xff2980b9, 0xffffffff, 0xffd6ecf8 }, // Selection
    { 0xfffcfcdc, 0xfff5f6f6, 0xff232629, 0xff7f8285 }, // Tooltip
    { 0xff2a2e32, 0xff1b1e20, 0xfffcfcfc, 0xffa0a2a4 }, // Complementary
    { 0xfff5f6f6, 0xffeff0f1, 0xff232629, 0xff7f8285 }, // Header
};

// Backgrounds and foregrounds of the roles after the first two, alike in
// every set.
constexpr QRgb commonBackgrounds[roleCount]
    = { 0, 0, 0xffcde6f5, 0xffe3f2fb, 0xffeff0f1, 0xfff3c6c4, 0xfff8e6c4, 0xffc8ebd4 };
constexpr QRgb commonForegrounds[roleCount]
    = { 0, 0, 0xff3daee9, 0xff2980b9, 0xff7f8c8d, 0xffa21c16, 0xffb65f00, 0xff27ae60 };
constexpr QRgb decorationDefaults[2] = { 0xff3daee9, 0xff93cee9 };
constexpr QRgb disabledText = 0xffa0a2a4;

QString groupSuffix(QPalette::ColorGroup group)
{
    switch (group) {
    case QPalette::Disabled:
        return QStringLiteral(":Disabled");
    case QPalette::Inactive:
        return QStringLiteral(":Inactive");
    default:
        return QString();
    }
}
} // namespace

LoomPalette::LoomPalette(QPalette::ColorGroup group, ColorSet set, std::shared_ptr<const LoomSettingsFile> settings)
    : m_group(group == QPalette::Disabled || group == QPalette::Inactive ? group : QPalette::Active)
    , m_set(set >= View && set <= Header ? set : View)
    , m_settings(std::move(settings))
{ }

QColor LoomPalette::lookup(const char* key, const QColor& activeDefault, const QColor& disabledDefault) const
{
    const QString set = QStringLiteral("Colors:") + QLatin1StringView(setNames[m_set]);
    if (m_settings && m_group != QPalette::Active) {
        const QColor own
            = LoomSettingsGui::readColor(LoomSettingsGroup(m_settings, set + groupSuffix(m_group)), key, QColor());
        if (own.isValid()) {
            return own;
        }
    }
    if (m_group == QPalette::Disabled && disabledDefault.isValid()) {
        return disabledDefault;
    }
    if (!m_settings) {
        return activeDefault;
    }
    return LoomSettingsGui::readColor(LoomSettingsGroup(m_settings, set), key, activeDefault);
}

QBrush LoomPalette::background(BackgroundRole role) const
{
    const int index = role >= 0 && role < roleCount ? role : NormalBackground;
    const SetDefaults& defaults = setDefaults[m_set];
    const QRgb fallback = index == NormalBackground ? defaults.normalBackground
        : index == AlternateBackground              ? defaults.alternateBackground
                                                    : commonBackgrounds[index];
    return QBrush(lookup(backgroundKeys[index], QColor::fromRgba(fallback), QColor()));
}

QBrush LoomPalette::foreground(ForegroundRole role) const
{
    const int index = role >= 0 && role < roleCount ? role : NormalText;
    const SetDefaults& defaults = setDefaults[m_set];
    const QRgb fallback = index == NormalText ? defaults.text
        : index == InactiveText               ? defaults.inactiveText
                                              : commonForegrounds[index];
    return QBrush(lookup(foregroundKeys[index], QColor::fromRgba(fallback), QColor::fromRgba(disabledText)));
}

QBrush LoomPalette::decoration(DecorationRole role) const
{
    const int index = role == HoverColor ? HoverColor : FocusColor;
    return QBrush(lookup(decorationKeys[index], QColor::fromRgba(decorationDefaults[index]), QColor()));
}

qreal LoomPalette::frameContrast(const std::shared_ptr<const LoomSettingsFile>& settings)
{
    const double value
        = LoomSettingsGroup(settings, QStringLiteral("Scheme")).readEntry("FrameContrast", defaultFrameContrast);
    return std::isnan(value) ? defaultFrameContrast : std::clamp(value, 0.0, 1.0);
}
