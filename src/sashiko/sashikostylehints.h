#pragma once

#include <frameworkhints.h>

namespace Quilt::Quick
{
class StyleHints;
}

// Hands each change of the framework's style hints of an object on to the
// Quick items library's attached StyleHints of the same object.
class SashikoStyleHints : public Sashiko::Platform::FrameworkHints
{
public:
    explicit SashikoStyleHints(QObject* parent);
    ~SashikoStyleHints() override;

    // The maker that the framework calls for an object's hints.
    static Sashiko::Platform::FrameworkHints* make(QObject* object);

protected:
    void hintChanged(int index) override;

private:
    Quilt::Quick::StyleHints* m_styleHints = nullptr;
};
