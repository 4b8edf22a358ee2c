// The committed PNGs are what the generator draws now: a change to the drawing without the
// regenerated output fails here, and so does a stray PNG nobody draws any more.

#include "Artwork.h"
#include "ArtworkFonts.h"
#include "ArtworkNames.h"

#include <QDir>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace kanavo::artwork;

namespace {

QString nameOf(std::string_view name) {
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

} // namespace

class ArtworkUpToDateTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_drawn;

private slots:
    void initTestCase() {
        QString error;
        QVERIFY2(loadArtworkFonts(&error), qPrintable(error));
        QVERIFY(m_drawn.isValid());
        error = writeArtwork(drawAllArtwork(), m_drawn.path());
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

    void committedMatchesDrawn_data() {
        QTest::addColumn<QString>("name");
        for (const BitmapSpec& spec : kBuiltInBitmaps) {
            QTest::newRow(qPrintable(nameOf(spec.name))) << nameOf(spec.name);
        }
    }

    void committedMatchesDrawn() {
        QFETCH(QString, name);
        const QString file = name + QStringLiteral(".png");
        const QImage committed = QImage(QDir(QStringLiteral(KANAVO_ARTWORK_DIR)).filePath(file))
                                     .convertToFormat(QImage::Format_ARGB32);
        const QImage drawn =
            QImage(QDir(m_drawn.path()).filePath(file)).convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!committed.isNull(), "missing from resources/artwork");
        QCOMPARE(drawn.size(), committed.size());
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                if (drawn.pixel(x, y) != committed.pixel(x, y)) {
                    QFAIL(qPrintable(QStringLiteral("differs first at (%1, %2): drawn %3, committed %4; "
                                                    "run kanavo_artwork --out resources/artwork")
                                         .arg(x)
                                         .arg(y)
                                         .arg(drawn.pixel(x, y), 8, 16, QLatin1Char('0'))
                                         .arg(committed.pixel(x, y), 8, 16, QLatin1Char('0'))));
                }
            }
        }
    }

    void noStrayFiles() {
        QSet<QString> expected;
        for (const BitmapSpec& spec : kBuiltInBitmaps) {
            expected.insert(nameOf(spec.name) + QStringLiteral(".png"));
        }
        const QStringList present = QDir(QStringLiteral(KANAVO_ARTWORK_DIR)).entryList(QDir::Files);
        QCOMPARE(QSet<QString>(present.begin(), present.end()), expected);
    }
};

QTEST_MAIN(ArtworkUpToDateTest)
#include "ArtworkUpToDateTest.moc"
