#include <gtest/gtest.h>

#include "platform/core/TextFormat.h"

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fakes/FakeServices.h"
#include "fakes/TestPictures.h"
#include "model/BM.h"
#include "model/DibHeader.h"
#include "model/MercavoError.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

namespace {

std::vector<uint8_t> Bytes(const CMemBlock& block) {
    return {block.Lock(), block.Lock() + block.Size()};
}

std::vector<uint8_t> Store(CBM& picture) {
    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    picture.Serialize(ar);
    return stream.Bytes();
}

std::vector<uint8_t> StoredRecord(const std::vector<uint8_t>& image) {
    std::vector<uint8_t> record(4);
    uint32_t n = static_cast<uint32_t>(image.size());
    std::memcpy(record.data(), &n, 4);
    record.insert(record.end(), image.begin(), image.end());
    return record;
}

void Load(CBM& picture, const std::vector<uint8_t>& bytes) {
    CMemoryStream stream(bytes);
    CArchive ar(stream, CArchive::load);
    picture.Serialize(ar);
}

void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    std::memcpy(bytes.data() + at, &value, 4);
}

class PictureTest : public ::testing::Test {
protected:
    CDetachedAppService app;
    CFakeFrameService frame;
    CFakeNetService net;
    CScopedService<IAppService> scopedApp = ScopedApp(&app);
    CScopedService<IFrameService> scopedFrame = ScopedFrame(&frame);
    CScopedService<INetService> scopedNet = ScopedNet(&net);
};

TEST_F(PictureTest, ArchiveRoundTripIsByteExactAndFeedsCountAndSample) {
    std::vector<uint8_t> image = MakeTestImage(13, 7, 8, 20);
    std::vector<uint8_t> record = StoredRecord(image);
    CBM picture;
    Load(picture, record);
    EXPECT_EQ(Store(picture), record);
    EXPECT_EQ(picture.GetWidth(), 13);
    EXPECT_EQ(picture.GetHeight(), 7);
    EXPECT_EQ(picture.GetColorTableSize(), 80u);

    CDataChecksum expected;
    expected.Add(static_cast<int>(image.size()));
    expected.AddBlock(image.data(), static_cast<int>(image.size()));
    EXPECT_EQ(app.DataChecksum().Get(), expected.Get());
}

TEST_F(PictureTest, EmptyPictureIsFourZeroBytesAndLoadingThemClears) {
    CBM picture(MakeTestImageBlock(4, 4, 24, 0));
    ASSERT_TRUE(picture.HasImage());
    CBM empty;
    EXPECT_EQ(Store(empty), std::vector<uint8_t>(4, 0));
    Load(picture, std::vector<uint8_t>(4, 0));
    EXPECT_FALSE(picture.HasImage());
    EXPECT_FALSE(picture.HasPalette());
    EXPECT_EQ(picture.GetWidth(), 0);
}

struct Damage {
    const char* name;
    size_t offset;  // into the image; ~0 for the stored count
    uint32_t value;
};

class DamagedPictureTest : public PictureTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedPictureTest, IsRefusedWithContentsError) {
    std::vector<uint8_t> image = MakeTestImage(10, 6, 8, 16);
    std::vector<uint8_t> record = StoredRecord(image);
    const Damage& damage = GetParam();
    if (damage.offset == ~size_t{0}) {
        Put32(record, 0, damage.value);
    } else if (damage.offset == 14 || damage.offset == 12) {
        record[4 + damage.offset] = static_cast<uint8_t>(damage.value);
        record[5 + damage.offset] = static_cast<uint8_t>(damage.value >> 8);
    } else {
        Put32(record, 4 + damage.offset, damage.value);
    }
    CBM picture(MakeTestImageBlock(2, 2, 24, 0));
    try {
        Load(picture, record);
        FAIL() << "accepted " << damage.name;
    } catch (eMERCAVO_ERROR e) {
        EXPECT_EQ(e, eMERCAVO_ERROR_CONTENTS);
    }
    // The picture it had stays.
    EXPECT_EQ(picture.GetWidth(), 2);
}

// A 10 x 6 8-bit image with 16 colours: 40 + 64 + 12 x 6 = 176 bytes.
INSTANTIATE_TEST_SUITE_P(
    Faults, DamagedPictureTest,
    ::testing::Values(Damage{"header size 41", 0, 41}, Damage{"core header size", 0, 12},
                      Damage{"two planes", 12, 2}, Damage{"7 bits per pixel", 14, 7},
                      Damage{"width 0", 4, 0}, Damage{"negative width", 4, 0xFFFFFFF0},
                      Damage{"height 0", 8, 0}, Damage{"height past the block", 8, 7},
                      Damage{"width past the block", 4, 13}, Damage{"65535 colours", 32, 65535},
                      Damage{"257 colours", 32, 257}, Damage{"compressed", 16, 1},
                      Damage{"huge width", 4, 0x7FFFFFFF},
                      Damage{"negative count", ~size_t{0}, 0xFFFFFFFF},
                      Damage{"count above any picture", ~size_t{0}, 7000000}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& c : name) {
            if (!isalnum(static_cast<unsigned char>(c))) c = '_';
        }
        return name;
    });

TEST_F(PictureTest, PictureWiderOrHigherThanAnyOfTheGameIsRefused) {
    // A one-bit row of millions of pixels fits the byte limit, but its bitmap
    // would take hundreds of megabytes.
    struct {
        int width, height;
    } const cases[] = {{1281, 1}, {1, 1281}, {40000000, 1}};
    for (const auto& c : cases) {
        CBM picture;
        EXPECT_THROW(Load(picture, StoredRecord(MakeTestImage(c.width, c.height, 1, 2))),
                     eMERCAVO_ERROR)
            << c.width << " x " << c.height;
    }
    CBM largest;
    Load(largest, StoredRecord(MakeTestImage(1280, 1280, 1, 2)));
    EXPECT_EQ(largest.GetWidth(), 1280);
}

TEST_F(PictureTest, ShortArchiveThrowsArchiveException) {
    std::vector<uint8_t> record = StoredRecord(MakeTestImage(10, 6, 8, 16));
    record.resize(record.size() - 1);
    CBM picture;
    EXPECT_THROW(Load(picture, record), CArchiveException);
}

TEST_F(PictureTest, TwoColorImageWithFourBitsAndTopDownImagesAreUsable) {
    CBM small(MakeTestImageBlock(3, 3, 4, 2));
    EXPECT_TRUE(small.HasImage());
    CBM topDown(MakeTestImageBlock(3, -5, 24, 0));
    EXPECT_TRUE(topDown.HasImage());
    EXPECT_EQ(topDown.GetHeight(), -5);
    CBM tooManyColors(MakeTestImageBlock(3, 3, 1, 3));
    EXPECT_FALSE(tooManyColors.HasImage());
}

TEST_F(PictureTest, TrueColorImageGetsTheFixedPalette) {
    CBM picture(MakeTestImageBlock(2, 2, 24, 0));
    const std::vector<uint32_t>& colors = picture.GetPaletteColors();
    ASSERT_EQ(colors.size(), 256u);
    EXPECT_EQ(colors[9], 32u | 32u << 8);
    EXPECT_EQ(colors[64], 64u << 16);
    EXPECT_EQ(colors[255], 224u | 224u << 8 | 192u << 16);
}

TEST_F(PictureTest, PaletteComesFromTheColorTable) {
    CBM picture(MakeTestImageBlock(2, 2, 8, 5));
    const std::vector<uint32_t>& colors = picture.GetPaletteColors();
    ASSERT_EQ(colors.size(), 5u);
    // Entry 4 is stored blue 4, green 8, red 12.
    EXPECT_EQ(colors[4], 12u | 8u << 8 | 4u << 16);
}

TEST_F(PictureTest, CoreHeaderImageTakesThreeByteEntries) {
    // 2 x 2 at 1 bit: 12-byte header, 2 entries of 3 bytes, 2 rows of 4 bytes.
    std::vector<uint8_t> image(12 + 6 + 8);
    image[0] = 12;
    image[4] = 2;
    image[6] = 2;
    image[8] = 1;
    image[10] = 1;
    uint8_t table[6] = {1, 2, 3, 4, 5, 6};
    std::memcpy(image.data() + 12, table, 6);
    CMemBlock block;
    block.Alloc(image.size());
    std::memcpy(block.Lock(), image.data(), image.size());
    CBM picture(std::move(block));
    ASSERT_TRUE(picture.HasImage());
    EXPECT_EQ(picture.GetColorTableSize(), 6u);
    EXPECT_EQ(picture.GetPaletteColors(),
              (std::vector<uint32_t>{3 | 2 << 8 | 1 << 16, 6 | 5 << 8 | 4 << 16}));
}

TEST_F(PictureTest, AssignmentCopiesTheImageAndAnEmptySourceEmpties) {
    CBM source(MakeTestImageBlock(5, 4, 8, 0, 3));
    CBM copy;
    copy = source;
    EXPECT_EQ(Bytes(copy.GetImage()), Bytes(source.GetImage()));
    EXPECT_NE(copy.GetImage().Lock(), source.GetImage().Lock());
    EXPECT_TRUE(copy.HasPalette());
    CBM empty;
    copy = empty;
    EXPECT_FALSE(copy.HasImage());
    EXPECT_EQ(copy.GetWidth(), 0);
    EXPECT_EQ(copy.GetHeight(), 0);
}

// ---- .BMP files ----

class BmpFileTest : public PictureTest {
protected:
    std::string Write(const std::vector<uint8_t>& bytes) {
        std::string path =
            (std::filesystem::temp_directory_path() /
             ("bmtest_" + std::to_string(::getpid()) + "_" + std::to_string(m_count++) + ".bmp"))
                .string();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        m_paths.push_back(path);
        return path;
    }
    ~BmpFileTest() override {
        for (const auto& path : m_paths) std::remove(path.c_str());
    }
    int Load(CBM& picture, const std::vector<uint8_t>& file, int& w, int& h) {
        return picture.LoadFromFile(Write(file), w, h, 0);
    }

private:
    std::vector<std::string> m_paths;
    int m_count = 0;
};

TEST_F(BmpFileTest, LargestSizeLoadsAndOnePixelMoreIsRefusedWithTheMessage) {
    CBM picture;
    int w = 0, h = 0;
    EXPECT_EQ(Load(picture, MakeTestBmpFile(MakeTestImage(1280, 1280, 8, 0)), w, h), 1);
    EXPECT_EQ(w, 1280);
    EXPECT_EQ(h, 1280);
    EXPECT_TRUE(frame.messages.empty());

    struct {
        int width, height;
        const char* message;
    } const cases[] = {
        {1281, 1, "The size(1281 x 1) is too big.\n※Max size is 1280 x 1280."},
        {1, 1281, "The size(1 x 1281) is too big.\n※Max size is 1280 x 1280."},
        {1, -1281, "The size(1 x 1281) is too big.\n※Max size is 1280 x 1280."},
        {0, 5, "The size(0 x 5) is too big.\n※Max size is 1280 x 1280."},
        {-3, 5, "The size(-3 x 5) is too big.\n※Max size is 1280 x 1280."},
        {5, 0, "The size(5 x 0) is too big.\n※Max size is 1280 x 1280."},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> image = MakeTestImage(1, 1, 24, 0);
        Put32(image, 4, static_cast<uint32_t>(c.width));
        Put32(image, 8, static_cast<uint32_t>(c.height));
        frame.messages.clear();
        w = h = 0;
        EXPECT_EQ(Load(picture, MakeTestBmpFile(image), w, h), 0) << c.width << "x" << c.height;
        ASSERT_EQ(frame.messages.size(), 1u);
        EXPECT_EQ(frame.messages[0], c.message);
        // The picture it had stays.
        EXPECT_EQ(picture.GetWidth(), 1280);
    }
}

TEST_F(BmpFileTest, ExpectedSizeIsCheckedAndWrittenBack) {
    std::vector<uint8_t> file = MakeTestBmpFile(MakeTestImage(6, 4, 8, 0));
    CBM picture;
    int w = -1, h = 0;
    EXPECT_EQ(Load(picture, file, w, h), 1);
    EXPECT_EQ(w, -1);
    EXPECT_EQ(h, 0);
    w = 0;
    EXPECT_EQ(Load(picture, file, w, h), 1);
    EXPECT_EQ(w, 6);
    EXPECT_EQ(h, 4);
    w = 6;
    h = 5;
    EXPECT_EQ(Load(picture, file, w, h), 0);
    ASSERT_EQ(frame.messages.size(), 1u);
    EXPECT_EQ(frame.messages[0], "Read the bitmap of 6 x 5.\nThis file is 6 x 4.");

    // A file both too big and of another size than asked reports the size asked for.
    std::vector<uint8_t> wide = MakeTestImage(1, 1, 24, 0);
    Put32(wide, 4, 1281u);
    frame.messages.clear();
    EXPECT_EQ(Load(picture, MakeTestBmpFile(wide), w, h), 0);
    ASSERT_EQ(frame.messages.size(), 1u);
    EXPECT_EQ(frame.messages[0], "Read the bitmap of 6 x 5.\nThis file is 1281 x 1.");
}

TEST_F(BmpFileTest, TopDownFileIsStoredBottomUp) {
    std::vector<uint8_t> bottomUp = MakeTestImage(3, 4, 24, 0);
    std::vector<uint8_t> topDown = bottomUp;
    Put32(topDown, 8, static_cast<uint32_t>(-4));
    const size_t stride = 12, bits = 40;
    for (int row = 0; row < 4; ++row) {
        std::memcpy(topDown.data() + bits + row * stride,
                    bottomUp.data() + bits + (3 - row) * stride, stride);
    }
    CBM picture;
    int w = 0, h = 0;
    ASSERT_EQ(Load(picture, MakeTestBmpFile(topDown), w, h), 1);
    EXPECT_EQ(h, 4);
    EXPECT_EQ(picture.GetHeight(), 4);
    EXPECT_EQ(Bytes(picture.GetImage()), bottomUp);
}

TEST_F(BmpFileTest, StatedImageSizeIsReplacedByTheNeededOne) {
    for (uint32_t stated : {0u, 5u, 999999u}) {
        std::vector<uint8_t> image = MakeTestImage(5, 3, 8, 4);
        std::vector<uint8_t> expected = image;
        Put32(image, 20, stated);
        CBM picture;
        int w = 0, h = 0;
        ASSERT_EQ(Load(picture, MakeTestBmpFile(image), w, h), 1) << stated;
        EXPECT_EQ(Bytes(picture.GetImage()), expected);
    }
}

TEST_F(BmpFileTest, CoreHeaderFileIsWidenedTo40Bytes) {
    // 2 x 2 at 8 bits with a 256-entry 3-byte table.
    std::vector<uint8_t> file(14 + 12 + 256 * 3 + 8);
    file[0] = 'B';
    file[1] = 'M';
    Put32(file, 10, 14 + 12 + 256 * 3);
    file[14] = 12;
    file[18] = 2;
    file[20] = 2;
    file[22] = 1;
    file[24] = 8;
    file[26 + 5 * 3 + 2] = 200;  // red of entry 5
    file[file.size() - 1] = 77;
    CBM picture;
    int w = 0, h = 0;
    ASSERT_EQ(Load(picture, file, w, h), 1);
    const CMemBlock& image = picture.GetImage();
    ASSERT_EQ(image.Size(), 40u + 1024 + 8);
    EXPECT_EQ(ReadLE32(image.Lock()), 40u);
    EXPECT_EQ(ReadLE32(image.Lock() + 32), 256u);
    EXPECT_EQ(picture.GetPaletteColors()[5], 200u);
    EXPECT_EQ(image.Lock()[image.Size() - 1], 77);
}

TEST_F(BmpFileTest, BrokenFilesFailQuietlyAndCompressedOnesWithTheMessage) {
    std::vector<uint8_t> good = MakeTestBmpFile(MakeTestImage(4, 4, 8, 0));
    std::vector<uint8_t> noSignature = good;
    noSignature[0] = 'X';
    std::vector<uint8_t> shortBits(good.begin(), good.end() - 1);
    std::vector<uint8_t> headerOnly(good.begin(), good.begin() + 30);
    std::vector<uint8_t> badHeaderSize = good;
    Put32(badHeaderSize, 14, 64);
    for (const auto* file : {&noSignature, &shortBits, &headerOnly, &badHeaderSize}) {
        CBM picture;
        int w = 0, h = 0;
        EXPECT_EQ(Load(picture, *file, w, h), 0);
    }
    CBM picture;
    int w = 0, h = 0;
    EXPECT_EQ(picture.LoadFromFile("/nonexistent/file.bmp", w, h, 0), 0);
    EXPECT_TRUE(frame.messages.empty());

    std::vector<uint8_t> compressed = good;
    Put32(compressed, 14 + 16, 1);
    EXPECT_EQ(Load(picture, compressed, w, h), 0);
    ASSERT_EQ(frame.messages.size(), 1u);
    EXPECT_EQ(frame.messages[0], "このﾋﾞｯﾄﾏｯﾌﾟは圧縮されており、利用できません.");
}

TEST_F(BmpFileTest, MessageThatCannotBeShownBeeps) {
    frame.messageBoxAnswer = 0;
    std::vector<uint8_t> image = MakeTestImage(1, 1, 24, 0);
    Put32(image, 4, 2000);
    CBM picture;
    int w = 0, h = 0;
    EXPECT_EQ(Load(picture, MakeTestBmpFile(image), w, h), 0);
    EXPECT_EQ(frame.beepCount, 1);
}

TEST_F(BmpFileTest, SavedFileLoadsBackTheSameImage) {
    CBM picture(MakeTestImageBlock(7, 3, 8, 12, 5));
    std::string path = Write({});
    ASSERT_TRUE(picture.SaveToFile(path));
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
    EXPECT_EQ(file, MakeTestBmpFile(MakeTestImage(7, 3, 8, 12, 5)));
    CBM loaded;
    int w = 0, h = 0;
    ASSERT_EQ(loaded.LoadFromFile(path, w, h, 0), 1);
    EXPECT_EQ(Bytes(loaded.GetImage()), Bytes(picture.GetImage()));
    EXPECT_THROW(picture.SaveToFile("/nonexistent/dir/x.bmp"), CArchiveException);
    EXPECT_FALSE(CBM().SaveToFile(path));
}

// ---- network transfer ----

const std::string kStart = "_MERCAVO30003050000100";
const std::string kPart = "_MERCAVO30003052000100";

// An 8-bit image with 2 colours: 48 + stride 32 x rows.
std::vector<uint8_t> ImageOfSize(size_t size, int seed = 0) {
    std::vector<uint8_t> image = MakeTestImage(32, static_cast<int>((size - 48) / 32), 8, 2, seed);
    image.resize(size);
    return image;
}

CMemBlock BlockOf(const std::vector<uint8_t>& bytes) {
    CMemBlock block;
    block.Alloc(bytes.size());
    std::memcpy(block.Lock(), bytes.data(), bytes.size());
    return block;
}

TEST_F(PictureTest, SendSplitsIntoPartsOf400Bytes) {
    struct {
        size_t size;
        std::vector<size_t> parts;
    } const cases[] = {{1200, {400, 400, 400}}, {1201, {400, 400, 400, 1}}};
    for (const auto& c : cases) {
        net.sent.clear();
        std::vector<uint8_t> image = ImageOfSize(c.size);
        CBM picture(BlockOf(image));
        ASSERT_TRUE(picture.HasImage());
        picture.Send(2, kStart, kPart);
        ASSERT_EQ(net.sent.size(), c.parts.size() + 1);
        EXPECT_EQ(net.sent[0].player, 2);
        EXPECT_EQ(net.sent[0].record,
                  kStart + "00032" +
                      std::string(5 - std::to_string((c.size - 48) / 32).size(), '0') +
                      std::to_string((c.size - 48) / 32) + "000000" + std::to_string(c.size));
        for (size_t p = 0; p < c.parts.size(); ++p) {
            const std::string& record = net.sent[p + 1].record;
            std::string field = FormatText("%08zu%04zu", p, c.parts[p]);
            EXPECT_EQ(record.substr(0, kPart.size() + 12), kPart + field);
            EXPECT_EQ(record.substr(kPart.size() + 12),
                      std::string(image.begin() + p * 400, image.begin() + p * 400 + c.parts[p]));
        }
    }
}

TEST_F(PictureTest, EmptyPictureSendsOnlyAZeroStart) {
    CBM().Send(-1, kStart, kPart);
    ASSERT_EQ(net.sent.size(), 1u);
    EXPECT_EQ(net.sent[0].player, -1);
    EXPECT_EQ(net.sent[0].record, kStart + "0000000000" + "0000000000");
}

TEST_F(PictureTest, SentPictureIsReceivedWhole) {
    std::vector<uint8_t> image = ImageOfSize(1201, 9);
    CBM(BlockOf(image)).Send(-1, kStart, kPart);
    CBM received;
    ASSERT_EQ(received.ReceiveStart(std::string_view(net.sent[0].record).substr(kStart.size())), 1);
    EXPECT_FALSE(received.HasImage());
    int results = 0;
    for (size_t i = 1; i < net.sent.size(); ++i) {
        results += received.ReceivePart(std::string_view(net.sent[i].record).substr(kPart.size()));
    }
    EXPECT_EQ(results, 1);
    EXPECT_EQ(Bytes(received.GetImage()), image);
    EXPECT_TRUE(received.HasPalette());
}

std::string PartText(int part, int length, const std::string& bytes) {
    char field[32];
    std::snprintf(field, sizeof field, "%08d%04d", part, length);
    return field + bytes;
}

TEST_F(PictureTest, BadStartsAndPartsAreIgnored) {
    CBM picture;
    for (const char* start : {"00010000100000000000", "00010000109999999999",
                              "0001000010-000000001", "0001000010", "00010000100006554665"}) {
        EXPECT_EQ(picture.ReceiveStart(start), 0) << start;
    }
    // A part with no start before it.
    EXPECT_EQ(picture.ReceivePart(PartText(0, 1, "x")), 0);

    std::vector<uint8_t> image = ImageOfSize(848);
    ASSERT_EQ(picture.ReceiveStart("00032000250000000848"), 1);
    std::string first(image.begin(), image.begin() + 400);
    const std::string bad[] = {
        PartText(0, 401, first + "x"),           // longer than a part
        PartText(0, -1, first),                  // negative length
        PartText(0, 0, first),                   // empty
        PartText(0, 400, first.substr(0, 399)),  // more than the record holds
        PartText(-1, 400, first),                // negative part
        PartText(2, 49, std::string(49, 'x')),   // past the end of the block
        PartText(99999999, 400, first),          // offset beyond 32 bits
        PartText(0, 4, "").substr(0, 6),         // fields cut short
    };
    for (const auto& part : bad) EXPECT_EQ(picture.ReceivePart(part), 0);
    EXPECT_EQ(picture.ReceivePart(PartText(0, 400, first)), 0);
    EXPECT_EQ(picture.ReceivePart(
                  PartText(1, 400, std::string(image.begin() + 400, image.begin() + 800))),
              0);
    EXPECT_EQ(picture.ReceivePart(PartText(2, 48, std::string(image.begin() + 800, image.end()))),
              1);
    EXPECT_EQ(Bytes(picture.GetImage()), image);
}

TEST_F(PictureTest, DamagedPictureIsRefusedWhenItsLastPartArrives) {
    std::vector<uint8_t> image = ImageOfSize(400);
    Put32(image, 32, 60000);  // colours used
    CBM picture;
    ASSERT_EQ(picture.ReceiveStart("00032000110000000400"), 1);
    EXPECT_EQ(picture.ReceivePart(PartText(0, 400, std::string(image.begin(), image.end()))), 0);
    EXPECT_FALSE(picture.HasImage());
}

}  // namespace
