#pragma once

#include "abstractelement.h"

#include <array>
#include <optional>

// Arrow primitives drawn as icons, and the icon-size metrics and text cursor
// width a style sets through named metric parts. It runs no query of its own.
class IndicatorElement : public AbstractElement
{
    Q_OBJECT

public:
    IndicatorElement(const QStyleOption* option, QuiltStyle* style, const QWidget* widget);
    static constexpr bool sharesAnswers = true;
    bool retarget(const QStyleOption* option, const QWidget* widget) override;

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    double pixelMetric(QStyle::PixelMetric metric) override;
    void update() override;

protected:
    bool ownInputs(InputValues& values) const override;
    bool updatesFromDescriptionOnly() const override;

private:
    void drawArrow(QPainter* painter, const QString& iconName, const QString& elementName,
                   QStyle::PrimitiveElement fallback);

    const QStyleOption* m_indicatorOption = nullptr;
    // List view, icon view, small, large and message box icon sizes and the
    // text cursor width, as far as asked, for the last few descriptions:
    // icons and text fields ask in turn, with and without a widget.
    using Sizes = std::array<std::optional<int>, 6>;
    struct Known
    {
        Inputs inputs;
        Sizes sizes;
    };
    std::array<std::optional<Known>, 4> m_known;
    std::size_t m_current = 0;
    std::size_t m_next = 0;
};
