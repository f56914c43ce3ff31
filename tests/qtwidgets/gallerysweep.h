#pragma once

// Paints every gallery page (enabled, disabled, right to left) and sweeps the
// mouse over its widgets, hovering and pressing each: whatever the style has
// or lacks, nothing may crash, and every page must come out painted.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QWidget>

#include "gallery.h"

#include <memory>

namespace GallerySweep
{
inline void addPageRows()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("variant");
    for (const QString& page : Gallery::pageNames()) {
        for (const Gallery::Variant variant : Gallery::variants()) {
            const QString suffix = Gallery::variantName(variant);
            QTest::newRow(qPrintable(suffix.isEmpty() ? page : page + u' ' + suffix)) << page << int(variant);
        }
    }
}

// Presses that would open a popup and wait in its own event loop (a push
// button's menu) or leave a popup grabbing the mouse are left out.
inline bool pressable(const QWidget* widget)
{
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        return !button->menu();
    }
    if (const auto* tool = qobject_cast<const QToolButton*>(widget)) {
        return !tool->menu();
    }
    return !qobject_cast<const QComboBox*>(widget);
}

inline void closePopups()
{
    while (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
}

inline void sweepPage(const QString& name, Gallery::Variant variant)
{
    std::unique_ptr<QWidget> page(Gallery::createPage(name, variant));
    QVERIFY(page);
    page->resize(page->sizeHint().expandedTo(QSize(640, 480)));
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    const QImage painted = page->grab().toImage();
    QVERIFY(!painted.isNull());

    const QList<QWidget*> widgets = page->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (!widget->isVisible() || widget->width() <= 0 || widget->height() <= 0) {
            continue;
        }
        const QPoint centre = widget->rect().center();
        QTest::mouseMove(widget, centre);
        widget->grab();
        if (pressable(widget)) {
            QTest::mousePress(widget, Qt::LeftButton, {}, centre);
            widget->grab();
            QTest::mouseRelease(widget, Qt::LeftButton, {}, centre);
            closePopups();
        }
        if (widget->focusPolicy() & Qt::TabFocus) {
            widget->setFocus(Qt::TabFocusReason);
            widget->grab();
        }
    }
    closePopups();
}
} // namespace GallerySweep
