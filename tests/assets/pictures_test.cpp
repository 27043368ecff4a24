#include "assets/game_icon.h"
#include "assets/picture_paths.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

const QStringList kOutputs = {
    QStringLiteral("image1.png"),
    QStringLiteral("image2.png"),
    QStringLiteral("image3.png"),
    QStringLiteral("picture_pixels.cpp"),
    QStringLiteral("mossaline.svg"),
    QStringLiteral("icon-16.png"),
    QStringLiteral("icon-24.png"),
    QStringLiteral("icon-32.png"),
    QStringLiteral("icon-48.png"),
    QStringLiteral("icon-64.png"),
    QStringLiteral("icon-128.png"),
    QStringLiteral("icon-256.png"),
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

// One generator run shared by the tests that only read its output.
class GeneratedPictures : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = new QTemporaryDir;
        ran_ = dir_->isValid() && run_generator(dir_->path());
    }
    static void TearDownTestSuite()
    {
        delete dir_;
        dir_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(ran_) << "the generator failed"; }

    static QString file(const QString& name) { return QDir(dir_->path()).filePath(name); }

    static inline QTemporaryDir* dir_ = nullptr;
    static inline bool ran_ = false;
};

} // namespace

TEST_F(GeneratedPictures, SecondRunWritesTheSameBytes)
{
    QTemporaryDir again;
    ASSERT_TRUE(again.isValid());
    ASSERT_TRUE(run_generator(again.path()));
    for (const QString& name : kOutputs) {
        QFile a(file(name));
        QFile b(QDir(again.path()).filePath(name));
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_EQ(a.readAll(), b.readAll()) << name.toStdString() << " differs between runs";
    }
}

TEST_F(GeneratedPictures, PicturesMeltIntoBlackAndShowSomething)
{
    for (const char* name : {"image1.png", "image2.png", "image3.png"}) {
        const QImage image(file(QString::fromLatin1(name)));
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_LT(brightest_edge(image), 24) << name << ": the edge would show as a frame on the black window";
        EXPECT_GT(brightest(image, image.rect()), 200) << name << ": nothing bright was drawn";
    }
}

TEST_F(GeneratedPictures, IconsAreCrossesOnTransparentSquares)
{
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage icon(file(QStringLiteral("icon-%1.png").arg(size)));
        ASSERT_EQ(icon.size(), QSize(size, size)) << size;
        ASSERT_TRUE(icon.hasAlphaChannel()) << size;
        // The board is a cross: its corners are empty and its middle is solid.
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
    }
}

TEST_F(GeneratedPictures, TheWindowIconIsTheDesktopEntrysInEverySmallSize)
{
    // Faults: the icon not linked in (the toolkit's generic one shows), a size missing (a
    // blurred scaling in the title bar), or a picture other than the installed one.
    int argc = 1;
    char name[] = "pictures_tests";
    char* argv[] = {name, nullptr};
    const QGuiApplication app(argc, argv); // an icon's pictures are pixmaps
    const QIcon icon = mossaline::pictures::game_icon();
    ASSERT_FALSE(icon.isNull());
    QList<QSize> sizes = icon.availableSizes();
    std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    EXPECT_EQ(sizes, (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}}));
    for (const QSize size : sizes) {
        const QImage installed(file(QStringLiteral("icon-%1.png").arg(size.width())));
        EXPECT_EQ(icon.pixmap(size).toImage().convertToFormat(installed.format()), installed) << size.width();
    }
}

TEST_F(GeneratedPictures, SvgIconIsWellFormed)
{
    QFile svg(file(QStringLiteral("mossaline.svg")));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    ASSERT_TRUE(xml.readNextStartElement());
    EXPECT_EQ(xml.name(), QStringLiteral("svg"));
    EXPECT_EQ(xml.attributes().value(QStringLiteral("viewBox")), QStringLiteral("0 0 256 256"));
    int paths = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QStringLiteral("path")) {
            ++paths;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(paths, 10);
}

namespace {

// The program keeps its pictures once, as pixels; what the generator wrote as PNGs beside them
// is the reference.
QImage built_picture(const char* path)
{
    const QString name = QString::fromLatin1(path).section(QLatin1Char('/'), -1);
    return QImage(QDir(QStringLiteral(MOSSALINE_BUILT_PICTURES)).filePath(name));
}

} // namespace

TEST(EmbeddedPictures, StoredAtTheDesignsPathsAtTheirSizesAndOnlyThere)
{
    // Faults: a picture not linked in, one of the wrong size, or the PNGs linked in again
    // beside the pixels, the same pictures twice in the program.
    const std::pair<const char*, QSize> expected[] = {
        {mossaline::pictures::kBanner, QSize(671, 191)},
        {mossaline::pictures::kLeftOfTitle, QSize(145, 205)},
        {mossaline::pictures::kRightOfTitle, QSize(145, 205)},
    };
    for (const auto& [path, size] : expected) {
        const QImage image = mossaline::pictures::stored(QString::fromLatin1(path));
        ASSERT_FALSE(image.isNull()) << path << " is not linked in";
        EXPECT_EQ(image.size(), size) << path;
        EXPECT_FALSE(QFile::exists(QString::fromLatin1(path))) << path << " is linked in twice, as a resource too";
    }
    EXPECT_TRUE(mossaline::pictures::available());
}

TEST(EmbeddedPictures, ThePixelsLinkedInAreThePicturesPixelForPixel)
{
    // Faults: a stride, channel order or size slip in the pixels painted, or pixels written
    // from other pictures than the PNGs the same generator run wrote.
    for (const char* path :
        {mossaline::pictures::kBanner, mossaline::pictures::kLeftOfTitle, mossaline::pictures::kRightOfTitle}) {
        const QImage ready = mossaline::pictures::stored(QString::fromLatin1(path));
        ASSERT_FALSE(ready.isNull()) << path << " is not linked in as pixels";
        const QImage written = built_picture(path);
        ASSERT_FALSE(written.isNull()) << path << ": the generator's PNG is not in " MOSSALINE_BUILT_PICTURES;
        EXPECT_EQ(ready, written.convertToFormat(QImage::Format_RGB32)) << path;
    }
    EXPECT_TRUE(mossaline::pictures::stored(QStringLiteral(":/pictures/image4.png")).isNull());
    EXPECT_TRUE(mossaline::pictures::stored(QStringLiteral("image1.png")).isNull());
}
