#pragma once

#include "color.h"

#include <QStringList>

#include <optional>

namespace Quilt
{

class RgbaData final : public ColorData
{
public:
    RgbaData(quint8 r, quint8 g, quint8 b, quint8 a);
    explicit RgbaData(const Quilt::Rgba& value);

    ColorData* toRgba() const override;
    QString toString() const override;
    bool equals(const ColorData* other) const override;

    Quilt::Rgba value;
};

class CustomData final : public ColorData
{
public:
    CustomData(const QString& source, const QStringList& arguments);

    ColorData* toRgba() const override;
    QString toString() const override;
    bool equals(const ColorData* other) const override;

    QString source;
    QStringList arguments;
};

// The binary operations share their operands, their lifetime and their equality.
class ColorOperationData : public ColorData
{
public:
    ColorOperationData(int type, const Color& color, const Color& other);
    ~ColorOperationData() override;

    bool equals(const ColorData* other) const override;

    Color color;
    Color other;
};

class AddOperationData final : public ColorOperationData
{
public:
    AddOperationData(const Color& color, const Color& other);

    ColorData* toRgba() const override;
    QString toString() const override;
};

class SubtractOperationData final : public ColorOperationData
{
public:
    SubtractOperationData(const Color& color, const Color& other);

    ColorData* toRgba() const override;
    QString toString() const override;
};

class MultiplyOperationData final : public ColorOperationData
{
public:
    MultiplyOperationData(const Color& color, const Color& other);

    ColorData* toRgba() const override;
    QString toString() const override;
};

class SetOperationData final : public ColorData
{
public:
    SetOperationData(const Color& color, std::optional<quint8> r, std::optional<quint8> g, std::optional<quint8> b,
                     std::optional<quint8> a);

    ColorData* toRgba() const override;
    QString toString() const override;
    bool equals(const ColorData* other) const override;

    Color color;
    std::optional<quint8> r;
    std::optional<quint8> g;
    std::optional<quint8> b;
    std::optional<quint8> a;
};

class MixOperationData final : public ColorData
{
public:
    // The amount is kept within [0, 1] (NaN becomes 0), so the weighted sum of
    // two channels always lies within 0..255.
    MixOperationData(const Color& color, const Color& other, double amount);

    ColorData* toRgba() const override;
    QString toString() const override;
    bool equals(const ColorData* other) const override;

    Color color;
    Color other;
    double amount;
};

} // namespace Quilt
