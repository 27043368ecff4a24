#include "assets/picture_paths.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

const QStringList kOutputs = {
    QStringLiteral("image1.png"),   QStringLiteral("image2.png"),   QStringLiteral("image3.png"),
    QStringLiteral("mossaline.svg"), QStringLiteral("icon-16.png"),  QStringLiteral("icon-24.png"),
    QStringLiteral("icon-32.png"),  QStringLiteral("icon-48.png"),  QStringLiteral("icon-64.png"),
    QStringLiteral("icon-128.png"), QStringLiteral("icon-256.png"),
};

bool run_generator(const QString& dir)
{
    QProcess gen;
    gen.start(QStringLiteral(MOSSALINE_ASSET_GENERATOR), {dir});
    return gen.waitForFinished(60000) && gen.exitStatus() == QProcess::NormalExit && gen.exitCode() == 0;
}

int brightest(const QImage& image, const QRect& area)
{
    int best = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            best = std::max({best, qRed(p), qGreen(p), qBlue(p)});
        }
    }
    return best;
}

// The outermost ring of pixels, where a picture meets the black window.
int brightest_edge(const QImage& image)
{
    const int w = image.width();
    const int h = image.height();
    return std::max({brightest(image, QRect(0, 0, w, 1)), brightest(image, QRect(0, h - 1, w, 1)),
                     brightest(image, QRect(0, 0, 1, h)), brightest(image, QRect(w - 1, 0, 1, h))});
}

} // namespace

/// Checks the generated pictures the way the game and the desktop will use them.
class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(first_.isValid());
        QVERIFY(second_.isValid());
        QVERIFY2(run_generator(first_.path()), "the generator failed");
    }

    void generator_is_deterministic()
    {
        QVERIFY2(run_generator(second_.path()), "the generator failed");
        for (const QString& name : kOutputs) {
            QFile a(QDir(first_.path()).filePath(name));
            QFile b(QDir(second_.path()).filePath(name));
            QVERIFY2(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly), qPrintable(name));
            QVERIFY2(a.readAll() == b.readAll(), qPrintable(name + QStringLiteral(" differs between runs")));
        }
    }

    void embedded_pictures_load_at_their_sizes_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("banner") << QString::fromLatin1(mossaline::pictures::kBanner) << QSize(671, 191);
        QTest::newRow("left") << QString::fromLatin1(mossaline::pictures::kLeftOfTitle) << QSize(145, 205);
        QTest::newRow("right") << QString::fromLatin1(mossaline::pictures::kRightOfTitle) << QSize(145, 205);
    }

    void embedded_pictures_load_at_their_sizes()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path + QStringLiteral(" is not linked in")));
        QCOMPARE(image.size(), size);
        QVERIFY(mossaline::pictures::available());
    }

    void pictures_melt_into_black_and_show_something_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("banner") << QStringLiteral("image1.png");
        QTest::newRow("left") << QStringLiteral("image2.png");
        QTest::newRow("right") << QStringLiteral("image3.png");
    }

    void pictures_melt_into_black_and_show_something()
    {
        QFETCH(QString, name);
        const QImage image(QDir(first_.path()).filePath(name));
        QVERIFY(!image.isNull());
        QVERIFY2(brightest_edge(image) < 24, "the edge would show as a frame on the black window");
        QVERIFY2(brightest(image, image.rect()) > 200, "nothing bright was drawn");
    }

    void icons_are_square_with_a_transparent_surround()
    {
        for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
            const QImage icon(QDir(first_.path()).filePath(QStringLiteral("icon-%1.png").arg(size)));
            QCOMPARE(icon.size(), QSize(size, size));
            QVERIFY(icon.hasAlphaChannel());
            // The board is a cross: its corners are empty and its middle is solid.
            QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(icon.pixel(size - 1, size - 1)), 0);
            QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
        }
    }

    void svg_icon_is_well_formed()
    {
        QFile file(QDir(first_.path()).filePath(QStringLiteral("mossaline.svg")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name(), QStringLiteral("svg"));
        QCOMPARE(xml.attributes().value(QStringLiteral("viewBox")), QStringLiteral("0 0 256 256"));
        int paths = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QStringLiteral("path")) {
                ++paths;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(paths > 10);
    }

private:
    QTemporaryDir first_;
    QTemporaryDir second_;
};

QTEST_GUILESS_MAIN(PicturesTest)
#include "pictures_test.moc"
