#pragma once

// Stand-ins for the desktop framework's widgets, which the style recognises
// by class name only. They carry the framework's exact class names and
// nothing of its behaviour beyond what the style looks at.

#include <QFrame>
#include <QListView>
#include <QTreeView>
#include <QWidget>

// A side tab bar: a frame that paints itself as a plain widget.
class LoomSideTabBar : public QFrame
{
    Q_OBJECT

public:
    explicit LoomSideTabBar(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A meter: a plain widget, since a frame would be caught as a "Frame" first.
class LoomMeterBar : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;
};

class LoomSuggestBox : public QFrame
{
    Q_OBJECT

public:
    using QFrame::QFrame;
};

namespace VYRPrivate
{
class LoomPageList : public QListView
{
    Q_OBJECT

public:
    using QListView::QListView;
};

class LoomPageTree : public QTreeView
{
    Q_OBJECT

public:
    using QTreeView::QTreeView;
};
} // namespace VYRPrivate
