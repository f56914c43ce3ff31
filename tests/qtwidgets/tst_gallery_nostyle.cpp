// The gallery without any default style: the style named by QUILT_STYLE_NAME
// is missing and no data folder holds halcyon.

#include "gallerysweep.h"
#include "widgettest.h"

class tst_GalleryNoStyle : public QObject
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

QUILT_WIDGET_TEST_MAIN(tst_GalleryNoStyle)

#include "tst_gallery_nostyle.moc"
