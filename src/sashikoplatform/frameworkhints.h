#pragma once

#include "sashikoplatformglobal.h"

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

namespace Sashiko::Platform
{
// The framework's style hints of one object. A platform may make its own
// subclass, through the maker it registers, to pass the hints on.
class SASHIKO_PLATFORM_EXPORT FrameworkHints : public QObject
{
    Q_OBJECT

public:
    enum Hint
    {
        UseAlternateBackgroundColor = 0,
        ShowFramedBackground = 1,
        TickMarkStepSize = 2,
        IconName = 3,
        IconSource = 4,
    };
    Q_ENUM(Hint)

    using MakeFunction = std::function<FrameworkHints*(QObject* object)>;

    explicit FrameworkHints(QObject* parent = nullptr);
    ~FrameworkHints() override;

    // The maker of every hints object made from now on; an empty one makes
    // plain hints objects.
    static void setMakeStyleHintsFunction(const MakeFunction& make);
    // The hints of `object`: made once, as a child of the object, through the
    // registered maker.
    static FrameworkHints* hintsFor(QObject* object);

    bool useAlternateBackgroundColor() const;
    void setUseAlternateBackgroundColor(bool use);
    bool showFramedBackground() const;
    void setShowFramedBackground(bool show);
    int tickMarkStepSize() const;
    void setTickMarkStepSize(int size);
    QString iconName() const;
    void setIconName(const QString& name);
    QUrl iconSource() const;
    void setIconSource(const QUrl& source);

protected:
    // Called after a hint took a new value, with the hint's index.
    virtual void hintChanged(int index);

private:
    void changed(Hint hint);

    bool m_useAlternateBackgroundColor = false;
    bool m_showFramedBackground = false;
    int m_tickMarkStepSize = 0;
    QString m_iconName;
    QUrl m_iconSource;
};
} // namespace Sashiko::Platform
