#pragma once

#include "loomsettingsfile.h"

#include <QBrush>
#include <QPalette>

#include <memory>

// The colours of the desktop colour scheme for one colour group and one
// colour set. The scheme lives in settings groups "Colors:<Set>" (the active
// colours) and "Colors:<Set>:Disabled" / "Colors:<Set>:Inactive"; what the
// settings lack is the desktop's default scheme.
class LoomPalette
{
public:
    enum ColorSet
    {
        View = 0,
        Window = 1,
        Button = 2,
        Selection = 3,
        Tooltip = 4,
        Complementary = 5,
        Header = 6,
    };

    enum BackgroundRole
    {
        NormalBackground = 0,
        AlternateBackground = 1,
        ActiveBackground = 2,
        LinkBackground = 3,
        VisitedBackground = 4,
        NegativeBackground = 5,
        NeutralBackground = 6,
        PositiveBackground = 7,
    };

    enum ForegroundRole
    {
        NormalText = 0,
        InactiveText = 1,
        ActiveText = 2,
        LinkText = 3,
        VisitedText = 4,
        NegativeText = 5,
        NeutralText = 6,
        PositiveText = 7,
    };

    enum DecorationRole
    {
        FocusColor = 0,
        HoverColor = 1,
    };

    // Without settings the default scheme alone. A set or group out of range
    // counts as View or Active.
    explicit LoomPalette(QPalette::ColorGroup group = QPalette::Active, ColorSet set = View,
                         std::shared_ptr<const LoomSettingsFile> settings = {});

    // A role out of range counts as the first role of its kind.
    QBrush background(BackgroundRole role = NormalBackground) const;
    QBrush foreground(ForegroundRole role = NormalText) const;
    QBrush decoration(DecorationRole role) const;

    // How strongly frames stand out, from 0 to 1: "FrameContrast" of the
    // settings group "Scheme".
    static qreal frameContrast(const std::shared_ptr<const LoomSettingsFile>& settings);

private:
    QColor lookup(const char* key, const QColor& activeDefault, const QColor& disabledDefault) const;

    QPalette::ColorGroup m_group;
    ColorSet m_set;
    std::shared_ptr<const LoomSettingsFile> m_settings;
};
