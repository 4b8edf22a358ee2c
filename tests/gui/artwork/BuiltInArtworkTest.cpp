// Every built-in bitmap is embedded and loads at the size the skins cut it by.

#include "BuiltInArtwork.h"

#include <QTest>

using namespace kanavo::artwork;

class BuiltInArtworkTest : public QObject {
    Q_OBJECT

private slots:
    void loadsAtItsSize_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        for (const BitmapSpec& spec : kBuiltInBitmaps) {
            const QString name = QString::fromUtf8(spec.name.data(), qsizetype(spec.name.size()));
            QTest::newRow(qPrintable(name)) << name << QSize(spec.width, spec.height);
        }
    }

    void loadsAtItsSize() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QByteArray utf8 = name.toUtf8();
        const QPixmap pixmap = builtInBitmap(std::string_view(utf8.constData(), std::size_t(utf8.size())));
        QVERIFY2(!pixmap.isNull(), "not among the resources");
        QCOMPARE(pixmap.size(), size);
    }

    // A skin's missing file falls back to a resource by name; a name that is no resource
    // must give a null pixmap rather than something else.
    void unknownNameGivesNull() {
        QVERIFY(builtInBitmap("no such bitmap").isNull());
        QVERIFY(builtInImage("canals.png").isNull());
    }
};

QTEST_MAIN(BuiltInArtworkTest)
#include "BuiltInArtworkTest.moc"
