#include <QTest>
#include <QApplication>
#include <QPushButton>
#include <QMenu>
#include <QVBoxLayout>
#include <QHBoxLayout>
#include <QFormLayout>
#include <QLineEdit>
#include "quiltstyle.h"

class tst_Scratch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void shot()
    {
        QApplication::setStyle(new QuiltStyle);
        QWidget w;
        auto* l = new QVBoxLayout(&w);
        auto* row = new QHBoxLayout;
        auto* a = new QPushButton("&Plain button");
        auto* b = new QPushButton("Default");
        b->setDefault(true);
        auto* c = new QPushButton("Flat");
        c->setFlat(true);
        auto* d = new QPushButton(QIcon::fromTheme("document-open"), "With menu");
        d->setMenu(new QMenu(d));
        auto* e = new QPushButton("Disabled");
        e->setEnabled(false);
        row->addWidget(a); row->addWidget(b); row->addWidget(c); row->addWidget(d); row->addWidget(e);
        l->addLayout(row);
        auto* f = new QFormLayout;
        f->addRow("Name:", new QLineEdit);
        l->addLayout(f);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::qWait(100);
        w.grab().save("/work/wt-widgets2/build/scratch.png");
        qDebug() << a->sizeHint() << d->sizeHint();
    }
};
QTEST_MAIN(tst_Scratch)
#include "tst_scratch.moc"
