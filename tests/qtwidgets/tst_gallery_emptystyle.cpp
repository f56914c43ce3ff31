// The gallery under a style whose sheet holds no rule at all.

#include "gallerysweep.h"
#include "widgettest.h"

class tst_GalleryEmptyStyle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sweep_data() { GallerySweep::addPageRows(); }

    void sweep()
    {
        QFETCH(QString, page);
        QFETCH(int, variant);
        GallerySweep::sweepPage(page, Gallery::Variant(variant));
    }
};

QUILT_WIDGET_TEST_MAIN(tst_GalleryEmptyStyle, QByteArray("/* no rules */\n"))

#include "tst_gallery_emptystyle.moc"
