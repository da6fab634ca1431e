#include <string>
#include <vector>

#include <GL/gl.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include "image/ImageFile.h"
#include "image/ImageHeader.h"
#include "tests/image/ImageTestSupport.h"
#include "tests/support/OffscreenContext.h"

namespace {

ImageHeader HeaderOf(const Bytes& bytes, bool tgaName = true)
{
    return ReadImageHeader(bytes.data(), bytes.size(), tgaName);
}

// A grey 5 x 3 JPEG made of markers: an application segment, the frame, `scans` scans with a
// few bytes of data each (a stuffed 0xFF among them), the end.
Bytes Jpeg(int scans, unsigned char frame = 0xC0)
{
    Bytes bytes = {0xFF, 0xD8, 0xFF, 0xE0, 0, 4, 0, 0};
    bytes = Concat(bytes, {0xFF, frame, 0, 11, 8, 0, 3, 0, 5, 1, 1, 0x11, 0});
    for (int i = 0; i < scans; ++i)
        bytes = Concat(bytes, {0xFF, 0xDA, 0, 8, 1, 1, 0, 0, 63, 0, 0x12, 0xFF, 0x00, 0x34, 0xFF, 0xD0, 0x56});
    return Concat(bytes, {0xFF, 0xD9});
}

// A 4 x 2 colour-mapped TGA with a map of `mapLength` 24-bit entries and the given indices.
Bytes ColourMappedTga(unsigned mapLength, const Bytes& indices)
{
    Bytes bytes = TgaHeader(4, 2, 1, 8);
    bytes[1] = 1;
    bytes[5] = static_cast<unsigned char>(mapLength);
    bytes[7] = 24;
    return Concat(Concat(bytes, Bytes(mapLength * 3, 0x80)), indices);
}

struct Expected {
    ILenum type;
    unsigned width, height;
    bool decodable;
};

void ExpectHeader(const Bytes& bytes, const Expected& expected, const std::string& what)
{
    const ImageHeader header = HeaderOf(bytes);
    EXPECT_EQ(header.type, expected.type) << what;
    if (expected.type != IL_TYPE_UNKNOWN) {
        EXPECT_EQ(header.width, expected.width) << what;
        EXPECT_EQ(header.height, expected.height) << what;
    }
    EXPECT_EQ(header.type != IL_TYPE_UNKNOWN && IsImageDataSound(bytes.data(), bytes.size(), header), expected.decodable)
        << what;
}

const Expected kUnknown{IL_TYPE_UNKNOWN, 0, 0, false};

struct HeaderCase {
    std::string what;
    Bytes bytes;
    Expected expected;
};

} // namespace

TEST(ImageHeader, RealImagesAreKnownByTheirContentsAndTgaOnlyByItsName)
{
    OffscreenContext context(8, 8);
    TempDir dir;
    const struct {
        const char* name;
        ILenum saveAs;
        ILenum expected;
    } cases[] = {
        {"a.jpg", IL_JPG, IL_JPG}, {"a.png", IL_PNG, IL_PNG}, {"a.tga", IL_TGA, IL_TGA}, {"a.bmp", IL_BMP, IL_TYPE_UNKNOWN}};
    for (const auto& c : cases) {
        ASSERT_TRUE(SaveSolidImage(dir.File(c.name), c.saveAs, IL_RGB, 5, 3, {1, 2, 3}));
        const Bytes bytes = ReadImageBytes(dir.File(c.name));
        ExpectHeader(bytes, {c.expected, 5, 3, c.expected != IL_TYPE_UNKNOWN}, c.name);
        // Without a TGA name only the signatures count.
        EXPECT_EQ(HeaderOf(bytes, false).type, c.expected == IL_TGA ? IL_TYPE_UNKNOWN : c.expected) << c.name;
    }
}

TEST(ImageHeader, TgaMustHoldEveryPixelItDeclares)
{
    const Bytes rgb = Concat(TgaHeader(4, 2), Bytes(4 * 2 * 3, 7));
    // Run-length packets: 5 repeated pixels, then 3 raw ones.
    const Bytes packets = Bytes{0x84, 1, 2, 3, 0x02, 1, 2, 3, 1, 2, 3, 1, 2, 3};
    Bytes badDepth = rgb;
    badDepth[16] = 20;
    Bytes interleaved = rgb;
    interleaved[17] = 0x40;
    const HeaderCase cases[] = {
        {"uncompressed", rgb, {IL_TGA, 4, 2, true}},
        {"one byte short", Bytes(rgb.begin(), rgb.end() - 1), {IL_TGA, 4, 2, false}},
        {"header only, huge", TgaHeader(65535, 65535), {IL_TGA, 65535, 65535, false}},
        {"run-length", Concat(TgaHeader(4, 2, 10), packets), {IL_TGA, 4, 2, true}},
        {"run-length, packet past the last pixel", Concat(TgaHeader(4, 2, 10), {0x85, 1, 2, 3, 0x82, 1, 2, 3}),
         {IL_TGA, 4, 2, false}},
        {"run-length, data cut", Concat(TgaHeader(4, 2, 10), Bytes(packets.begin(), packets.end() - 1)), {IL_TGA, 4, 2, false}},
        {"grey", Concat(TgaHeader(4, 2, 3, 8), Bytes(8, 0)), {IL_TGA, 4, 2, true}},
        {"colour map, indices inside", ColourMappedTga(3, {0, 1, 2, 2, 1, 0, 0, 1}), {IL_TGA, 4, 2, true}},
        {"colour map, index past it", ColourMappedTga(3, {0, 1, 2, 3, 1, 0, 0, 1}), {IL_TGA, 4, 2, false}},
        {"unknown image type", Concat(TgaHeader(4, 2, 32), Bytes(24, 0)), kUnknown},
        {"pixel depth 20", badDepth, kUnknown},
        {"interleaved rows", interleaved, kUnknown},
        {"no width", Concat(TgaHeader(0, 2), Bytes(24, 0)), kUnknown},
        {"short header", Bytes(rgb.begin(), rgb.begin() + 17), kUnknown},
    };
    for (const HeaderCase& c : cases)
        ExpectHeader(c.bytes, c.expected, c.what);
}

TEST(ImageHeader, JpegSegmentsAndScansAreWalkedToTheEnd)
{
    const Bytes good = Jpeg(1);
    const HeaderCase cases[] = {
        {"one scan", good, {IL_JPG, 5, 3, true}},
        {"64 scans", Jpeg(64), {IL_JPG, 5, 3, true}},
        {"65 scans", Jpeg(65), {IL_JPG, 5, 3, false}},
        {"no scan", Jpeg(0), {IL_JPG, 5, 3, false}},
        {"cut inside the scan data", Bytes(good.begin(), good.end() - 4), {IL_JPG, 5, 3, true}},
        {"cut inside the frame", Bytes(good.begin(), good.begin() + 15), kUnknown},
        {"lossless frame", Jpeg(1, 0xC3), kUnknown},
        {"second frame", Concat(Bytes(good.begin(), good.begin() + 21), Bytes(good.begin() + 8, good.end())),
         {IL_JPG, 5, 3, false}},
        {"signature alone", Bytes{0xFF, 0xD8}, kUnknown},
    };
    for (const HeaderCase& c : cases)
        ExpectHeader(c.bytes, c.expected, c.what);
}

TEST(ImageHeader, PngHeaderChunkMustBeWellFormed)
{
    Bytes notFirst = PngHeader(5, 3);
    notFirst[12] = 'i';
    const HeaderCase cases[] = {
        {"RGB, header only", PngHeader(5, 3), {IL_PNG, 5, 3, false}},
        {"huge, header only", PngHeader(30000, 30000), {IL_PNG, 30000, 30000, false}},
        {"palette of 16 bits", PngHeader(5, 3, 16, 3), kUnknown},
        {"colour type 5", PngHeader(5, 3, 8, 5), kUnknown},
        {"no height", PngHeader(5, 0), kUnknown},
        {"side beyond 2^31 - 1", PngHeader(0x80000000u, 3), kUnknown},
        {"other chunk first", notFirst, kUnknown},
        {"cut", Bytes(notFirst.begin(), notFirst.end() - 5), kUnknown},
    };
    for (const HeaderCase& c : cases)
        ExpectHeader(c.bytes, c.expected, c.what);
}

TEST(ImageHeader, PngDataMustInflateToTheDeclaredRows)
{
    // 3 x 2 RGB: each row a filter byte and 9 bytes.
    const Bytes rows = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    const Bytes good = PngFile(3, 2, 8, 2, rows);
    Bytes badChecksum = good;
    badChecksum[good.size() - 13] ^= 1; // inside the image data chunk's checksum
    Bytes badFilter = rows;
    badFilter[10] = 5;
    const Bytes palette = {255, 0, 0, 0, 255, 0};
    // 8 x 2, 2 bits per index: "1" everywhere, then an index 2 past the two colours.
    const Bytes indices = {0, 0x55, 0x55, 0, 0x55, 0x56};
    const Bytes indicesUpFiltered = {0, 0x55, 0x55, 2, 0x00, 0x01};
    Bytes afterEnd = good;
    afterEnd.insert(afterEnd.end() - 12, good.end() - 12, good.end()); // a second end chunk
    const struct {
        std::string what;
        Bytes bytes;
        bool sound;
    } cases[] = {
        {"complete", good, true},
        {"interlaced", PngFile(2, 2, 8, 0, {0, 1, 0, 2, 0, 3, 4}, {}, true), true}, // passes 1, 6 and 7
        {"checksum wrong", badChecksum, false},
        {"a row missing", PngFile(3, 2, 8, 2, Bytes(rows.begin(), rows.begin() + 10)), false},
        {"a row too many", PngFile(3, 2, 8, 2, Concat(rows, Bytes(10, 0))), false},
        {"unknown filter type", PngFile(3, 2, 8, 2, badFilter), false},
        {"palette indices inside", PngFile(8, 2, 2, 3, {0, 0x55, 0x55, 0, 0x55, 0x55}, palette), true},
        {"palette index past it", PngFile(8, 2, 2, 3, indices, palette), false},
        {"past it once unfiltered", PngFile(8, 2, 2, 3, indicesUpFiltered, palette), false},
        {"palette missing", PngFile(8, 2, 2, 3, {0, 0x55, 0x55, 0, 0x55, 0x55}), false},
        {"cut before the end chunk", Bytes(good.begin(), good.end() - 12), false},
        {"chunk after the end", afterEnd, true},
    };
    for (const auto& c : cases) {
        const ImageHeader header = HeaderOf(c.bytes);
        ASSERT_EQ(header.type, static_cast<ILenum>(IL_PNG)) << c.what;
        EXPECT_EQ(IsImageDataSound(c.bytes.data(), c.bytes.size(), header), c.sound) << c.what;
    }
}

TEST(ImageFile, ImagesTooLargeForATextureAreRefusedWithOneNoticeNamingTheFile)
{
    OffscreenContext context(8, 8);
    TempDir dir;
    InitImageLibrary();
    TakeImageNotices();
    ASSERT_TRUE(SaveSolidImage(dir.File("eight.png"), IL_PNG, IL_RGB, 8, 4, {1, 2, 3}));
    WriteImageBytes(dir.File("72-mpixel.tga"), TgaHeader(9000, 8000));
    WriteImageBytes(dir.File("broken.png"), {0x89, 'P', 'N', 'G'});
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);

    EXPECT_TRUE(LoadImageFile(dir.File("eight.png"), 8));
    EXPECT_EQ(ilGetInteger(IL_IMAGE_WIDTH), 8);
    EXPECT_TRUE(TakeImageNotices().empty());

    EXPECT_FALSE(LoadImageFile(dir.File("eight.png"), 7));
    EXPECT_FALSE(LoadImageFile(dir.File("72-mpixel.tga"), 16384)) << "sides fit, the pixels do not";
    EXPECT_FALSE(LoadImageFile(dir.File("missing.png"), 16384));
    EXPECT_FALSE(LoadImageFile(dir.File("broken.png"), 16384));
    const std::vector<std::string> notices = TakeImageNotices();
    ASSERT_EQ(notices.size(), 2u) << "only the two too large, one line each";
    EXPECT_EQ(notices[0].rfind(dir.File("eight.png") + ": ", 0), 0u) << notices[0];
    EXPECT_NE(notices[0].find("8 x 4 pixels"), std::string::npos) << notices[0];
    EXPECT_NE(notices[0].find("at most 7 x 7"), std::string::npos) << notices[0];
    EXPECT_EQ(notices[1].rfind(dir.File("72-mpixel.tga") + ": ", 0), 0u) << notices[1];
    EXPECT_TRUE(TakeImageNotices().empty()) << "taken once";
    ilDeleteImages(1, &image);
}

// A FIFO or a folder is refused without being opened: watched for opens, neither sees one. The
// test holds the FIFO open for reading and writing itself, so that a wrongful open fails the
// test instead of waiting for a writer.
TEST(ImageFile, PathsThatAreNoRegularFileAreRefusedWithoutBeingOpened)
{
    TempDir dir;
    const std::string fifo = dir.File("pipe.png"), folder = dir.File("folder.png");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    const int holder = open(fifo.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(holder, 0);
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    for (const std::string& path : {fifo, folder}) {
        ASSERT_GE(inotify_add_watch(watch, path.c_str(), IN_OPEN), 0) << path;
        EXPECT_FALSE(LoadImageFile(path, 16384)) << path;
    }
    char events[4096];
    EXPECT_LT(read(watch, events, sizeof events), 0) << "an image path was opened";
    close(watch);
    close(holder);
}
